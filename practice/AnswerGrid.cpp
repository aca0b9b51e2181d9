#include "AnswerGrid.h"

#include "VbColor.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

AnswerGrid::AnswerGrid(QWidget* parent) : QTableView(parent), model_(this) {
    setModel(&model_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Like the grid it stands in for, a scroll bar shows only when the rows
    // do not fit; the columns leave room for it either way.
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTabKeyNavigation(false);
    // A number is shown whole or not at all, never as "1…".
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setShowGrid(false); // drawn by paintEvent in the grid colour
    setMouseTracking(true);
    setCols(10);
    model_.setFont(font());
    applyPalette();
}

void AnswerGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        model_.setFont(font());
}

void AnswerGrid::applyPalette() {
    QPalette p = palette();
    p.setColor(QPalette::Base, VbColor(backColorBkg_));
    p.setColor(QPalette::Window, VbColor(backColorBkg_));
    setPalette(p);
}

void AnswerGrid::setRows(int rows) {
    model_.setRows(rows);
    row_ = qBound(0, row_, qMax(0, rows - 1));
    if (rows == 0)
        row_ = 0;
}

void AnswerGrid::setCols(int cols) {
    model_.setCols(cols);
    col_ = qBound(0, col_, qMax(0, cols - 1));
}

void AnswerGrid::setRow(int row) {
    if (row < 0 || row >= Rows())
        return;
    const int old = row_;
    row_ = row;
    model_.cellChanged(old, col_);
    model_.cellChanged(row_, col_);
}

void AnswerGrid::setCol(int col) {
    if (col < 0 || col >= Cols())
        return;
    const int old = col_;
    col_ = col;
    model_.cellChanged(row_, old);
    model_.cellChanged(row_, col_);
}

void AnswerGrid::setTextMatrix(int row, int col, const QString& text) {
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols())
        return;
    model_.cellForWrite(row, col).text = text;
    model_.cellChanged(row, col);
}

void AnswerGrid::setCellBackColor(std::uint32_t colour) {
    if (Rows() == 0)
        return;
    model_.cellForWrite(row_, col_).back = colour;
    model_.cellChanged(row_, col_);
}

void AnswerGrid::setCellForeColor(std::uint32_t colour) {
    if (Rows() == 0)
        return;
    model_.cellForWrite(row_, col_).fore = colour;
    model_.cellChanged(row_, col_);
}

void AnswerGrid::setCellFontStrikeThrough(bool on) {
    if (Rows() == 0)
        return;
    model_.cellForWrite(row_, col_).strike = on;
    model_.cellChanged(row_, col_);
}

int AnswerGrid::TopRow() const {
    return Rows() == 0 ? 0 : verticalScrollBar()->value();
}

void AnswerGrid::setTopRow(int row) {
    verticalScrollBar()->setValue(qBound(0, row, qMax(0, Rows() - 1)));
}

bool AnswerGrid::RowIsVisible(int row) const {
    if (row < 0 || row >= Rows())
        return false;
    const int y = rowViewportPosition(row);
    return y >= 0 && y + rowHeight(row) <= viewport()->height();
}

void AnswerGrid::setRedraw(bool on) {
    setUpdatesEnabled(on);
    model_.setRedraw(on);
}

void AnswerGrid::setGridColor(std::uint32_t colour) {
    // Every load sets the grid colours again; restyling the widget is slow.
    if (colour == gridColor_)
        return;
    gridColor_ = colour;
    viewport()->update();
}

void AnswerGrid::setBackColorBkg(std::uint32_t colour) {
    if (colour == backColorBkg_)
        return;
    backColorBkg_ = colour;
    applyPalette();
}

void AnswerGrid::setColWidth(int col, int twips) {
    if (col >= 0 && col < Cols())
        setColumnWidth(col, qRound(twips / 15.0));
}

int AnswerGrid::ColWidth(int col) const {
    return columnWidth(col) * 15;
}

void AnswerGrid::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    pressRow_ = pressCol_ = -1;
    const QModelIndex i = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !i.isValid())
        return;
    if (i.row() != row_ || i.column() != col_) {
        emit LeaveCell();
        setRow(i.row());
        setCol(i.column());
    }
    pressRow_ = i.row();
    pressCol_ = i.column();
}

void AnswerGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressRow_ >= 0) {
        pressRow_ = pressCol_ = -1;
        emit Click();
    }
}

void AnswerGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void AnswerGrid::mouseMoveEvent(QMouseEvent* event) {
    QTableView::mouseMoveEvent(event);
    emit GridMouseMove();
}

void AnswerGrid::keyPressEvent(QKeyEvent* event) {
    // Moving through the questions is the window's business: the grid does
    // not move its current cell by itself.
    QAbstractScrollArea::keyPressEvent(event);
}

void AnswerGrid::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (Rows() == 0 || Cols() == 0)
        return;
    QPainter p(viewport());
    drawGridLines(p);
    if (!hasFocus())
        return;
    // A dotted outline marks the current cell while the grid has the focus.
    const QRect r = visualRect(model_.index(row_, col_)).adjusted(1, 1, -2, -2);
    if (!r.isValid())
        return;
    QPen pen(Qt::black);
    pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.drawRect(r);
}

void AnswerGrid::drawGridLines(QPainter& p) const {
    // The view's own grid takes its colour from the style, which each style
    // derives differently; the sheet's grid has a colour of its own. A line
    // closes each cell on its right and at its bottom.
    const QColor colour = VbColor(gridColor_);
    const int height = viewport()->height();
    const int width = viewport()->width();
    const int lastCol = Cols() - 1;
    const int right = qMin(width, columnViewportPosition(lastCol) + columnWidth(lastCol));
    int firstRow = rowAt(0);
    int lastRow = rowAt(height - 1);
    if (firstRow < 0)
        return;
    if (lastRow < 0)
        lastRow = Rows() - 1;
    const int bottom = qMin(height, rowViewportPosition(lastRow) + rowHeight(lastRow));
    for (int c = 0; c <= lastCol; ++c) {
        const int x = columnViewportPosition(c) + columnWidth(c) - 1;
        if (x >= 0 && x < width)
            p.fillRect(x, 0, 1, bottom, colour);
    }
    for (int r = firstRow; r <= lastRow; ++r)
        p.fillRect(0, rowViewportPosition(r) + rowHeight(r) - 1, right, 1, colour);
}
