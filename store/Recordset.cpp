#include "Recordset.h"

#include "StoreError.h"

#include <cstring>

Recordset::Recordset(QStringList names) : names_(std::move(names)) {}

Recordset::Recordset(QStringList names, const std::vector<QVariant>& cells)
    : names_(std::move(names)) {
    for (const QVariant& v : cells)
        appendVariant(v);
    finish();
}

void Recordset::appendNull() {
    cells_.push_back({});
}

void Recordset::appendInteger(qint64 value) {
    cells_.push_back({value, 0, Kind::Integer});
}

void Recordset::appendDouble(double value) {
    qint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    cells_.push_back({bits, 0, Kind::Double});
}

void Recordset::appendText(const char* utf8, int bytes) {
    cells_.push_back({qint64(bytes_.size()), bytes, Kind::Text});
    bytes_.append(utf8, size_t(bytes));
}

void Recordset::appendBlob(const void* data, int bytes) {
    cells_.push_back({qint64(bytes_.size()), bytes, Kind::Blob});
    bytes_.append(static_cast<const char*>(data), size_t(bytes));
}

void Recordset::appendVariant(const QVariant& v) {
    if (v.isNull()) {
        appendNull();
    } else if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int ||
               v.typeId() == QMetaType::Bool) {
        appendInteger(v.toLongLong());
    } else if (v.typeId() == QMetaType::Double) {
        appendDouble(v.toDouble());
    } else if (v.typeId() == QMetaType::QByteArray) {
        const QByteArray b = v.toByteArray();
        appendBlob(b.constData(), int(b.size()));
    } else {
        const QByteArray utf8 = v.toString().toUtf8();
        appendText(utf8.constData(), int(utf8.size()));
    }
}

void Recordset::finish() {
    rowCount_ = names_.isEmpty() ? 0 : int(cells_.size() / size_t(names_.size()));
    pos_ = 0;
    reached_ = rowCount_ > 0 ? 1 : 0;
}

void Recordset::reach() {
    if (pos_ >= 0 && pos_ < rowCount_ && pos_ + 1 > reached_)
        reached_ = pos_ + 1;
}

void Recordset::moveFirst() {
    if (rowCount_ == 0)
        throw StoreError("没有当前记录。");
    pos_ = 0;
}

void Recordset::moveLast() {
    if (rowCount_ == 0)
        throw StoreError("没有当前记录。");
    pos_ = rowCount_ - 1;
    reach();
}

void Recordset::moveNext() {
    if (eof())
        throw StoreError("没有当前记录。");
    ++pos_;
    reach();
}

void Recordset::movePrevious() {
    if (bof())
        throw StoreError("没有当前记录。");
    --pos_;
}

int Recordset::fieldIndex(const QString& name) const {
    for (int i = 0; i < names_.size(); ++i)
        if (names_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int Recordset::fieldIndexOrThrow(const QString& name) const {
    const int index = fieldIndex(name);
    if (index < 0)
        throw StoreError("找不到字段: " + name.toStdString());
    return index;
}

const Recordset::Cell& Recordset::current(int index) const {
    if (eof() || bof())
        throw StoreError("没有当前记录。");
    if (index < 0 || index >= names_.size())
        throw StoreError("字段序号超出范围: " + std::to_string(index));
    return cells_[size_t(pos_) * size_t(names_.size()) + size_t(index)];
}

QVariant Recordset::field(int index) const {
    const Cell& c = current(index);
    switch (c.kind) {
    case Kind::Integer:
        return QVariant(qlonglong(c.value));
    case Kind::Double: {
        double real;
        std::memcpy(&real, &c.value, sizeof real);
        return QVariant(real);
    }
    case Kind::Text:
        return QVariant(QString::fromUtf8(bytes_.data() + c.value, c.bytes));
    case Kind::Blob:
        return QVariant(QByteArray(bytes_.data() + c.value, c.bytes));
    default:
        return {};
    }
}

QVariant Recordset::field(const QString& name) const {
    return field(fieldIndexOrThrow(name));
}

QString Recordset::text(int index) const {
    const Cell& c = current(index);
    if (c.kind == Kind::Text || c.kind == Kind::Blob)
        return QString::fromUtf8(bytes_.data() + c.value, c.bytes);
    return c.kind == Kind::Null ? QString() : field(index).toString();
}

qint64 Recordset::integer(int index) const {
    const Cell& c = current(index);
    if (c.kind == Kind::Integer)
        return c.value;
    return c.kind == Kind::Null ? 0 : field(index).toLongLong();
}

bool Recordset::isNull(int index) const {
    return current(index).kind == Kind::Null;
}

void Recordset::close() {
    names_.clear();
    cells_.clear();
    bytes_.clear();
    rowCount_ = pos_ = reached_ = 0;
}
