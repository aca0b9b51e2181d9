#include "PropertyBag.h"

#include <cmath>

std::optional<qsizetype> PropertyBag::Find(const QString& key) const {
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        if (entries_[i].key.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

PropertyValue PropertyBag::Read(const QString& key, const PropertyValue& defaultValue) const {
    const auto index = Find(key);
    return index ? entries_[*index].value : defaultValue;
}

void PropertyBag::Write(const QString& key, const PropertyValue& value,
                        const PropertyValue& defaultValue) {
    if (value == defaultValue) {
        Remove(key);
        return;
    }
    Set(key, value);
}

void PropertyBag::Set(const QString& key, const PropertyValue& value) {
    if (const auto index = Find(key)) {
        entries_[*index].value = value;
        return;
    }
    entries_.append({key, value});
}

void PropertyBag::Remove(const QString& key) {
    if (const auto index = Find(key))
        entries_.removeAt(*index);
}

bool PropertyBag::ReadBool(const QString& key, bool defaultValue) const {
    const auto index = Find(key);
    if (!index)
        return defaultValue;
    const PropertyValue& v = entries_[*index].value;
    if (const auto* b = std::get_if<bool>(&v))
        return *b;
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return *i != 0;
    return defaultValue;
}

std::int32_t PropertyBag::ReadInt(const QString& key, std::int32_t defaultValue) const {
    const auto index = Find(key);
    if (!index)
        return defaultValue;
    const PropertyValue& v = entries_[*index].value;
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return *i;
    if (const auto* c = std::get_if<ColorValue>(&v))
        return std::int32_t(c->value);
    if (const auto* b = std::get_if<bool>(&v))
        return *b ? -1 : 0;
    if (const auto* d = std::get_if<double>(&v)) {
        if (std::isfinite(*d) && std::abs(*d) < 2147483647.0)
            return std::int32_t(std::nearbyint(*d));
    }
    return defaultValue;
}

std::uint32_t PropertyBag::ReadColor(const QString& key, std::uint32_t defaultValue) const {
    const auto index = Find(key);
    if (!index)
        return defaultValue;
    const PropertyValue& v = entries_[*index].value;
    if (const auto* c = std::get_if<ColorValue>(&v))
        return c->value;
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return std::uint32_t(*i);
    return defaultValue;
}

QString PropertyBag::ReadString(const QString& key, const QString& defaultValue) const {
    const auto index = Find(key);
    if (!index)
        return defaultValue;
    const PropertyValue& v = entries_[*index].value;
    if (const auto* s = std::get_if<QString>(&v))
        return *s;
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return QString::number(*i);
    return defaultValue;
}

FontDesc PropertyBag::ReadFont(const QString& key, const FontDesc& defaultValue) const {
    const auto index = Find(key);
    if (!index)
        return defaultValue;
    if (const auto* f = std::get_if<FontDesc>(&entries_[*index].value))
        return *f;
    return defaultValue;
}

std::optional<PictureRef> PropertyBag::ReadPicture(const QString& key) const {
    const auto index = Find(key);
    if (!index)
        return std::nullopt;
    if (const auto* p = std::get_if<PictureRef>(&entries_[*index].value))
        return *p;
    return std::nullopt;
}

bool operator==(const PropertyBag& a, const PropertyBag& b) {
    if (a.entries_.size() != b.entries_.size())
        return false;
    for (qsizetype i = 0; i < a.entries_.size(); ++i) {
        if (a.entries_[i].key.compare(b.entries_[i].key, Qt::CaseInsensitive) != 0 ||
            !(a.entries_[i].value == b.entries_[i].value))
            return false;
    }
    return true;
}
