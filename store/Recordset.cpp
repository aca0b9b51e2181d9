#include "Recordset.h"

#include "StoreError.h"

Recordset::Recordset(QStringList names, std::vector<QVariant> cells)
    : names_(std::move(names)), cells_(std::move(cells)) {
    rowCount_ = names_.isEmpty() ? 0 : int(cells_.size() / names_.size());
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

const QVariant& Recordset::field(int index) const {
    if (eof() || bof())
        throw StoreError("没有当前记录。");
    if (index < 0 || index >= names_.size())
        throw StoreError("字段序号超出范围: " + std::to_string(index));
    return cells_[size_t(pos_) * size_t(names_.size()) + size_t(index)];
}

const QVariant& Recordset::field(const QString& name) const {
    const int index = fieldIndex(name);
    if (index < 0)
        throw StoreError("找不到字段: " + name.toStdString());
    return field(index);
}

void Recordset::close() {
    names_.clear();
    cells_.clear();
    rowCount_ = pos_ = reached_ = 0;
}
