#pragma once

#include <QAbstractItemView>
#include <cstdint>
#include <vector>

#include "AnswerGridModel.h"
#include "AnswerSheet.h"

class QPainter;

// The answer sheet: a grid of numbered cells with a current cell, a top
// visible row, per-cell colours and strike-through, and a switch that holds
// back repainting while many cells change. Clicking a cell raises LeaveCell
// (before the current cell moves) and then Click.
//
// It is an item view of its own rather than a table view: the sheet needs
// neither header views (each a further item view with its own scroll bars)
// nor a delegate, and it is on screen from the first moment of the program.
// All rows are one height; the view scrolls a whole row at a time.
class AnswerGrid : public QAbstractItemView, public AnswerSheet {
    Q_OBJECT
public:
    explicit AnswerGrid(QWidget* parent = nullptr);

    int Rows() const override { return model_.rows(); }
    void setRows(int rows) override;
    int Cols() const { return model_.cols(); }
    void setCols(int cols);

    // The current cell.
    int Row() const override { return row_; }
    void setRow(int row) override;
    int Col() const override { return col_; }
    void setCol(int col) override;

    QString TextMatrix(int row, int col) const { return model_.cell(row, col).text; }
    void setTextMatrix(int row, int col, const QString& text);
    // Text and colours of the current cell.
    QString Text() const { return TextMatrix(row_, col_); }
    void setText(const QString& text) override { setTextMatrix(row_, col_, text); }
    void setCellBackColor(std::uint32_t colour);
    void setCellForeColor(std::uint32_t colour);
    void setCellFontStrikeThrough(bool on);
    // Colours of any cell as set (AnswerGridModel::kDefault when never set).
    std::uint32_t CellBackColorAt(int row, int col) const { return model_.cell(row, col).back; }
    std::uint32_t CellForeColorAt(int row, int col) const { return model_.cell(row, col).fore; }
    bool CellStrikeAt(int row, int col) const { return model_.cell(row, col).strike; }

    int TopRow() const;
    void setTopRow(int row);
    bool RowIsVisible(int row) const;

    bool Redraw() const { return model_.redraw(); }
    void setRedraw(bool on) override;

    // Colours of the grid as a whole (0x00BBGGRR, system colours allowed).
    std::uint32_t ForeColor() const { return model_.foreColor(); }
    void setForeColor(std::uint32_t colour) override { model_.setForeColor(colour); }
    void setBackColor(std::uint32_t colour) { model_.setBackColor(colour); }
    std::uint32_t GridColor() const { return gridColor_; }
    void setGridColor(std::uint32_t colour) override;
    std::uint32_t BackColorBkg() const { return backColorBkg_; }
    void setBackColorBkg(std::uint32_t colour);
    std::uint32_t ForeColorSel() const { return foreColorSel_; }
    void setForeColorSel(std::uint32_t colour) { foreColorSel_ = colour; }

    // Column width in twips (15 twips to a pixel). A column is as many whole
    // pixels as its twips cover: a part of a pixel cannot be shown, and
    // rounding up would push the last column past the scroll bar.
    void setColWidth(int col, int twips);
    int ColWidth(int col) const;

    // The cells' geometry in pixels. Positions are in the viewport, so they
    // move as the view scrolls; rowAt and columnAt give -1 outside the cells.
    int rowHeight(int row = 0) const;
    void setRowHeight(int pixels);
    int columnWidth(int col) const;
    void setColumnWidth(int col, int pixels);
    int rowViewportPosition(int row) const;
    int columnViewportPosition(int col) const;
    int rowAt(int y) const;
    int columnAt(int x) const;

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;

    // Whether only a vertical scroll bar is in use.
    bool VerticalScrollBarOnly() const { return true; }

    const AnswerGridModel& cells() const { return model_; }

signals:
    void Click();
    void LeaveCell();
    void GridMouseMove();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void drawGridLines(QPainter& p) const;
    void changeEvent(QEvent* event) override;

    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void applyPalette();
    void moveCurrentCell(int row, int col);
    int fullRowsShown() const;
    void announceCurrentCell();
    void drawCell(QPainter& p, int row, int col, const QFont& plain, const QFont& struck) const;
    std::vector<int> colWidths_;
    int rowHeight_ = 16; // 240 twips
    int wheelRest_ = 0;  // a wheel turn short of a whole step, kept for the next

    AnswerGridModel model_;
    int row_ = 0;
    int col_ = 0;
    int pressRow_ = -1;
    int pressCol_ = -1;
    std::uint32_t gridColor_ = 0x8000000F;
    std::uint32_t backColorBkg_ = 0x8000000F;
    std::uint32_t foreColorSel_ = 0xFFFF80;
};
