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
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabKeyNavigation(false);
    // A number is shown whole or not at all, never as "1…".
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
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
    // The view draws its grid lines in the palette's Mid colour; a style
    // sheet would do the same but makes every later paint of the view and
    // its scroll bar go through the (slow) style-sheet style.
    p.setColor(QPalette::Mid, VbColor(gridColor_));
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
    applyPalette();
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
    if (!hasFocus() || Rows() == 0)
        return;
    // A dotted outline marks the current cell while the grid has the focus.
    const QRect r = visualRect(model_.index(row_, col_)).adjusted(1, 1, -2, -2);
    if (!r.isValid())
        return;
    QPainter p(viewport());
    QPen pen(Qt::black);
    pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.drawRect(r);
}
