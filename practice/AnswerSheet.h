#pragma once

#include <QString>
#include <cstdint>

// What the practice rules need of the answer sheet: ten numbered cells a
// row, a current cell, and a switch that holds back repainting while a load
// writes every cell. The current cell is the learner's position, so the
// position lives in the sheet; the window's sheet widget implements this,
// and tests use a plain one.
class AnswerSheet {
public:
    virtual ~AnswerSheet() = default;

    virtual int Rows() const = 0;
    // 0 rows clears every cell.
    virtual void setRows(int rows) = 0;
    virtual int Row() const = 0;
    virtual void setRow(int row) = 0;
    virtual int Col() const = 0;
    virtual void setCol(int col) = 0;
    // The text of the current cell.
    virtual void setText(const QString& text) = 0;
    virtual void setRedraw(bool on) = 0;
    // Colours of the sheet as a whole (0x00BBGGRR, system colours allowed).
    virtual void setForeColor(std::uint32_t colour) = 0;
    virtual void setGridColor(std::uint32_t colour) = 0;
};
