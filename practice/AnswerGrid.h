#pragma once

#include <QFrame>
#include <QModelIndex>
#include <cstdint>
#include <vector>

#include "AnswerGridModel.h"

class QPainter;
class QScrollBar;

// The answer sheet: a grid of numbered cells with a current cell, a top
// visible row, per-cell colours and strike-through, and a switch that holds
// back repainting while many cells change. Clicking a cell raises LeaveCell
// (before the current cell moves) and then Click.
//
// It is a framed widget that paints its cells itself, not an item view: it
// is on screen from the first moment of the program, and an item view (its
// viewport, scroll bar containers, delegate and selection machinery) cost
// more to make and to paint than the whole sheet. The cells keep a table
// model, which holds them and collects changes while redrawing is off.
// The viewport is the frame's inside, less the scroll bar while it shows;
// positions are in the viewport. All rows are one height; the sheet scrolls
// a whole row at a time.
class AnswerGrid : public QFrame {
    Q_OBJECT
public:
    explicit AnswerGrid(QWidget* parent = nullptr);

    int Rows() const { return model_.rows(); }
    void setRows(int rows);
    int Cols() const { return model_.cols(); }
    void setCols(int cols);

    // The current cell.
    int Row() const { return row_; }
    void setRow(int row);
    int Col() const { return col_; }
    void setCol(int col);

    QString TextMatrix(int row, int col) const { return model_.cell(row, col).text; }
    void setTextMatrix(int row, int col, const QString& text);
    // Text and colours of the current cell.
    QString Text() const { return TextMatrix(row_, col_); }
    void setText(const QString& text) { setTextMatrix(row_, col_, text); }
    void setCellBackColor(std::uint32_t colour);
    void setCellForeColor(std::uint32_t colour);
    void setCellFontStrikeThrough(bool on);
    // Colours of any cell as set (AnswerGridModel::kDefault when never set).
    std::uint32_t CellBackColorAt(int row, int col) const { return model_.cell(row, col).back; }
    std::uint32_t CellForeColorAt(int row, int col) const { return model_.cell(row, col).fore; }
    bool CellStrikeAt(int row, int col) const { return model_.cell(row, col).strike; }

    int TopRow() const { return Rows() == 0 ? 0 : topRow_; }
    void setTopRow(int row);
    bool RowIsVisible(int row) const;

    bool Redraw() const { return model_.redraw(); }
    void setRedraw(bool on);

    // Colours of the grid as a whole (0x00BBGGRR, system colours allowed).
    std::uint32_t ForeColor() const { return model_.foreColor(); }
    void setForeColor(std::uint32_t colour) { model_.setForeColor(colour); }
    void setBackColor(std::uint32_t colour) { model_.setBackColor(colour); }
    std::uint32_t GridColor() const { return gridColor_; }
    void setGridColor(std::uint32_t colour);
    std::uint32_t BackColorBkg() const { return backColorBkg_; }
    void setBackColorBkg(std::uint32_t colour);
    std::uint32_t ForeColorSel() const { return foreColorSel_; }
    void setForeColorSel(std::uint32_t colour) { foreColorSel_ = colour; }

    // Column width in twips (15 twips to a pixel).
    void setColWidth(int col, int twips);
    int ColWidth(int col) const;

    // The cells' geometry in pixels. Positions are in the viewport, so they
    // move as the sheet scrolls; rowAt and columnAt give -1 outside the cells.
    int rowHeight(int row = 0) const;
    void setRowHeight(int pixels);
    int columnWidth(int col) const;
    void setColumnWidth(int col, int pixels);
    int rowViewportPosition(int row) const;
    int columnViewportPosition(int col) const;
    int rowAt(int y) const;
    int columnAt(int x) const;

    // The viewport in the widget's own coordinates.
    QRect viewportRect() const;

    enum ScrollHint { EnsureVisible, PositionAtTop, PositionAtBottom, PositionAtCenter };
    QRect visualRect(const QModelIndex& index) const;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible);
    QModelIndex indexAt(const QPoint& point) const;

    // The vertical scroll bar, shown only while the rows do not fit. It is
    // made when first needed.
    QScrollBar* verticalScrollBar();
    // Whether only a vertical scroll bar is in use.
    bool VerticalScrollBarOnly() const { return true; }

    AnswerGridModel* model() { return &model_; }
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
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyPalette();
    void moveCurrentCell(int row, int col);
    int fullRowsShown() const;
    int lastTopRow() const;
    void updateScrollRange();
    void placeScrollBar();
    void updateViewport(const QRect& viewportArea = QRect());
    void cellsChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void announceCurrentCell();
    void drawCells(QPainter& p, const QRect& area) const;
    void drawGridLines(QPainter& p, const QSize& viewport) const;
    void drawCell(QPainter& p, int row, int col, const QFont& plain, const QFont& struck) const;
    std::vector<int> colWidths_;
    int rowHeight_ = 16; // 240 twips
    int topRow_ = 0;
    QScrollBar* bar_ = nullptr;

    AnswerGridModel model_;
    int row_ = 0;
    int col_ = 0;
    int pressRow_ = -1;
    int pressCol_ = -1;
    std::uint32_t gridColor_ = 0x8000000F;
    std::uint32_t backColorBkg_ = 0x8000000F;
    std::uint32_t foreColorSel_ = 0xFFFF80;
};
