#pragma once

#include "AnswerSheet.h"

#include <QString>
#include <vector>

// An answer sheet without a window: ten cells a row and a current cell.
class PlainSheet : public AnswerSheet {
public:
    int Rows() const override { return rows_; }
    void setRows(int rows) override {
        rows_ = rows < 0 ? 0 : rows;
        // Fewer rows drop their cells; 0 rows clears every cell.
        texts_.resize(size_t(rows_) * 10);
        if (rows == 0)
            texts_.clear();
        if (row_ >= rows_)
            row_ = rows_ > 0 ? rows_ - 1 : 0;
    }
    int Row() const override { return row_; }
    void setRow(int row) override {
        if (row >= 0 && row < rows_)
            row_ = row;
    }
    int Col() const override { return col_; }
    void setCol(int col) override {
        if (col >= 0 && col < 10)
            col_ = col;
    }
    void setText(const QString& text) override {
        if (rows_ > 0)
            texts_[size_t(row_) * 10 + size_t(col_)] = text;
    }
    void setRedraw(bool on) override { redraw_ = on; }
    void setForeColor(std::uint32_t colour) override { fore_ = colour; }
    void setGridColor(std::uint32_t colour) override { grid_ = colour; }

    QString TextMatrix(int row, int col) const {
        return row >= 0 && row < rows_ && col >= 0 && col < 10
                   ? texts_[size_t(row) * 10 + size_t(col)]
                   : QString();
    }
    bool Redraw() const { return redraw_; }
    std::uint32_t ForeColor() const { return fore_; }
    std::uint32_t GridColor() const { return grid_; }

private:
    int rows_ = 0, row_ = 0, col_ = 0;
    bool redraw_ = true;
    std::uint32_t fore_ = 0, grid_ = 0;
    std::vector<QString> texts_;
};
