#include "AnswerGridModel.h"

#include "VbColor.h"

#include <QColor>
#include <QFont>

AnswerGridModel::AnswerGridModel(QObject* parent) : QAbstractTableModel(parent) {
    struck_.setStrikeOut(true);
}

int AnswerGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int AnswerGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant AnswerGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Cell& c = cell(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return c.text;
    case Qt::BackgroundRole:
        return VbColor(c.back == kDefault ? backColor_ : c.back);
    case Qt::ForegroundRole:
        return VbColor(c.fore == kDefault ? foreColor_ : c.fore);
    case Qt::FontRole:
        return c.strike ? struck_ : plain_;
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

void AnswerGridModel::setRows(int rows) {
    rows = qMax(0, rows);
    beginResetModel();
    rows_ = rows;
    cells_.resize(size_t(rows_) * size_t(cols_));
    if (rows_ == 0)
        cells_.clear();
    endResetModel();
}

void AnswerGridModel::setCols(int cols) {
    cols = qMax(0, cols);
    beginResetModel();
    // Cells keep their row and column where both still exist.
    std::vector<Cell> next(size_t(rows_) * size_t(cols));
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < qMin(cols, cols_); ++c)
            next[size_t(r) * size_t(cols) + size_t(c)] =
                cells_[size_t(r) * size_t(cols_) + size_t(c)];
    cells_ = std::move(next);
    cols_ = cols;
    endResetModel();
}

const AnswerGridModel::Cell& AnswerGridModel::cell(int row, int col) const {
    static const Cell empty;
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_)
        return empty;
    return cells_[size_t(row) * size_t(cols_) + size_t(col)];
}

AnswerGridModel::Cell& AnswerGridModel::cellForWrite(int row, int col) {
    return cells_[size_t(row) * size_t(cols_) + size_t(col)];
}

void AnswerGridModel::cellChanged(int row, int col) {
    if (!redraw_) {
        pending_ = true;
        return;
    }
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i);
}

void AnswerGridModel::setForeColor(std::uint32_t colour) {
    foreColor_ = colour;
    pending_ = true;
    setRedraw(redraw_);
}

void AnswerGridModel::setBackColor(std::uint32_t colour) {
    backColor_ = colour;
    pending_ = true;
    setRedraw(redraw_);
}

void AnswerGridModel::setFont(const QFont& font) {
    plain_ = font;
    struck_ = font;
    struck_.setStrikeOut(true);
    pending_ = true;
    setRedraw(redraw_);
}

void AnswerGridModel::setRedraw(bool on) {
    redraw_ = on;
    if (on && pending_ && rows_ > 0 && cols_ > 0) {
        pending_ = false;
        emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
    }
}
