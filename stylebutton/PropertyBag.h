#pragma once

#include "PropertyValue.h"

#include <QList>
#include <QString>
#include <optional>

// The property store of one button in a saved layout. Keys are matched
// without regard to case; entries keep the order and spelling of their first
// write so a saved layout reads in the order the button wrote it.
class PropertyBag {
public:
    struct Entry {
        QString key;
        PropertyValue value;
    };

    // The stored value of a key, or the default when the key is absent.
    PropertyValue Read(const QString& key, const PropertyValue& defaultValue) const;
    // Stores a value, except one equal to the default, which is left out (and
    // any earlier value of the key removed).
    void Write(const QString& key, const PropertyValue& value, const PropertyValue& defaultValue);
    // Stores a value whatever it is (a parsed layout).
    void Set(const QString& key, const PropertyValue& value);
    void Remove(const QString& key);

    bool Contains(const QString& key) const { return Find(key).has_value(); }
    const QList<Entry>& Entries() const { return entries_; }
    bool IsEmpty() const { return entries_.isEmpty(); }

    // Typed reads. A value of another type converts where the meaning is
    // plain (a number as a flag, a colour as a number); otherwise the default
    // is returned.
    bool ReadBool(const QString& key, bool defaultValue) const;
    std::int32_t ReadInt(const QString& key, std::int32_t defaultValue) const;
    std::uint32_t ReadColor(const QString& key, std::uint32_t defaultValue) const;
    QString ReadString(const QString& key, const QString& defaultValue) const;
    FontDesc ReadFont(const QString& key, const FontDesc& defaultValue) const;
    // The picture reference of a key; nullopt when absent or stored as none.
    std::optional<PictureRef> ReadPicture(const QString& key) const;

    friend bool operator==(const PropertyBag& a, const PropertyBag& b);

private:
    std::optional<qsizetype> Find(const QString& key) const;

    QList<Entry> entries_;
};
