#include "AnswerGrid.h"

#include "AnswerGridAccessible.h"
#include "Twips.h"
#include "VbColor.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
constexpr int kDefaultColumnWidth = 64; // 960 twips
} // namespace

AnswerGrid::AnswerGrid(QWidget* parent) : QAbstractItemView(parent), model_(this) {
    AnswerGridAccessible::install();
    setModel(&model_);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Like the grid it stands in for, a scroll bar shows only when the rows
    // do not fit; the columns leave room for it either way.
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTabKeyNavigation(false);
    setMouseTracking(true);
    viewport()->setAutoFillBackground(false); // see paintEvent
    setCols(10);
    model_.setFont(font());
    applyPalette();
}

void AnswerGrid::changeEvent(QEvent* event) {
    QAbstractItemView::changeEvent(event);
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
    // The scroll range follows at once, so that a top row set right after
    // a load is not cut to the range of the rows before it.
    updateGeometries();
}

void AnswerGrid::setCols(int cols) {
    model_.setCols(cols);
    col_ = qBound(0, col_, qMax(0, cols - 1));
    colWidths_.resize(size_t(qMax(0, cols)), kDefaultColumnWidth);
    viewport()->update();
}

void AnswerGrid::setRow(int row) {
    if (row >= 0 && row < Rows())
        moveCurrentCell(row, col_);
}

void AnswerGrid::setCol(int col) {
    if (col >= 0 && col < Cols())
        moveCurrentCell(row_, col);
}

void AnswerGrid::moveCurrentCell(int row, int col) {
    const int oldRow = row_, oldCol = col_;
    row_ = row;
    col_ = col;
    model_.cellChanged(oldRow, oldCol);
    model_.cellChanged(row_, col_);
    if (row_ != oldRow || col_ != oldCol)
        announceCurrentCell();
}

void AnswerGrid::announceCurrentCell() {
    // Only while a screen reader listens: a load moves the cell thousands
    // of times.
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(this, Text());
    QAccessible::updateAccessibility(&event);
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
    return y >= 0 && y + rowHeight_ <= viewport()->height();
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
    setColumnWidth(col, twips / Twips::kPerPixel);
}

int AnswerGrid::ColWidth(int col) const {
    return Twips::FromPixels(columnWidth(col));
}

int AnswerGrid::rowHeight(int) const {
    return rowHeight_;
}

void AnswerGrid::setRowHeight(int pixels) {
    rowHeight_ = qMax(1, pixels);
    updateGeometries();
    viewport()->update();
}

int AnswerGrid::columnWidth(int col) const {
    return col >= 0 && col < int(colWidths_.size()) ? colWidths_[size_t(col)] : 0;
}

void AnswerGrid::setColumnWidth(int col, int pixels) {
    if (col < 0 || col >= int(colWidths_.size()))
        return;
    colWidths_[size_t(col)] = qMax(0, pixels);
    viewport()->update();
}

int AnswerGrid::fullRowsShown() const {
    return qMax(1, viewport()->height() / rowHeight_);
}

int AnswerGrid::rowViewportPosition(int row) const {
    return (row - TopRow()) * rowHeight_;
}

int AnswerGrid::columnViewportPosition(int col) const {
    int x = 0;
    for (int c = 0; c < col && c < int(colWidths_.size()); ++c)
        x += colWidths_[size_t(c)];
    return x;
}

int AnswerGrid::rowAt(int y) const {
    if (y < 0)
        return -1;
    const int row = TopRow() + y / rowHeight_;
    return row < Rows() ? row : -1;
}

int AnswerGrid::columnAt(int x) const {
    if (x < 0)
        return -1;
    for (int c = 0; c < int(colWidths_.size()); ++c) {
        x -= colWidths_[size_t(c)];
        if (x < 0)
            return c;
    }
    return -1;
}

QRect AnswerGrid::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != &model_)
        return {};
    return QRect(columnViewportPosition(index.column()), rowViewportPosition(index.row()),
                 columnWidth(index.column()), rowHeight_);
}

void AnswerGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid() || RowIsVisible(index.row()))
        return;
    const int fit = fullRowsShown();
    switch (hint) {
    case PositionAtBottom:
        setTopRow(index.row() - fit + 1);
        break;
    case PositionAtCenter:
        setTopRow(index.row() - fit / 2);
        break;
    case EnsureVisible:
        setTopRow(index.row() < TopRow() ? index.row() : index.row() - fit + 1);
        break;
    case PositionAtTop:
        setTopRow(index.row());
        break;
    }
}

QModelIndex AnswerGrid::indexAt(const QPoint& point) const {
    const int row = rowAt(point.y());
    const int col = columnAt(point.x());
    return row >= 0 && col >= 0 ? model_.index(row, col) : QModelIndex();
}

QModelIndex AnswerGrid::moveCursor(CursorAction, Qt::KeyboardModifiers) {
    // The window moves through the questions; the sheet never moves itself.
    return {};
}

int AnswerGrid::horizontalOffset() const {
    return 0;
}

int AnswerGrid::verticalOffset() const {
    return TopRow() * rowHeight_;
}

bool AnswerGrid::isIndexHidden(const QModelIndex&) const {
    return false;
}

void AnswerGrid::setSelection(const QRect&, QItemSelectionModel::SelectionFlags) {
    // Nothing is ever selected: the current cell is shown by its colour.
}

QRegion AnswerGrid::visualRegionForSelection(const QItemSelection&) const {
    return {};
}

void AnswerGrid::updateGeometries() {
    // One step of the scroll bar is one row; its end puts the last row at
    // the bottom of the view.
    const int fit = fullRowsShown();
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(1);
    bar->setPageStep(fit);
    bar->setRange(0, qMax(0, Rows() - fit));
    QAbstractItemView::updateGeometries();
}

void AnswerGrid::scrollContentsBy(int, int) {
    // The scroll bar counts rows, not pixels.
    viewport()->update();
}

void AnswerGrid::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    pressRow_ = pressCol_ = -1;
    const QModelIndex i = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !i.isValid())
        return;
    if (i.row() != row_ || i.column() != col_) {
        emit LeaveCell();
        moveCurrentCell(i.row(), i.column());
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
    QAbstractItemView::mouseMoveEvent(event);
    emit GridMouseMove();
}

void AnswerGrid::keyPressEvent(QKeyEvent* event) {
    // Moving through the questions is the window's business: the grid does
    // not move its current cell by itself.
    QAbstractScrollArea::keyPressEvent(event);
}

void AnswerGrid::wheelEvent(QWheelEvent* event) {
    // One row per step of the wheel, whatever the desktop's setting: towards
    // the learner goes down the sheet, away goes up as far as the first row.
    wheelRest_ += event->angleDelta().y();
    while (wheelRest_ <= -120) {
        wheelRest_ += 120;
        setTopRow(TopRow() + 1);
    }
    while (wheelRest_ >= 120) {
        wheelRest_ -= 120;
        if (TopRow() > 0)
            setTopRow(TopRow() - 1);
    }
    event->accept();
}

void AnswerGrid::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    const QRect area = event->rect();
    // Each cell paints itself whole; the sheet's background fills only what
    // lies beyond the cells.
    const int right = Cols() > 0 ? columnViewportPosition(Cols() - 1) + columnWidth(Cols() - 1) : 0;
    const int bottom = Rows() > 0 ? rowViewportPosition(Rows() - 1) + rowHeight_ : 0;
    QRegion beyond(area);
    if (right > 0 && bottom > 0)
        beyond -= QRect(0, 0, right, bottom);
    const QBrush background = viewport()->palette().brush(viewport()->backgroundRole());
    for (const QRect& r : beyond)
        p.fillRect(r, background);
    if (Rows() == 0 || Cols() == 0)
        return;
    const int firstRow = rowAt(area.top());
    if (firstRow >= 0) {
        int lastRow = rowAt(area.bottom());
        if (lastRow < 0)
            lastRow = Rows() - 1;
        p.setFont(font());
        QFont struck = font();
        struck.setStrikeOut(true);
        for (int r = firstRow; r <= lastRow; ++r) {
            for (int c = 0; c < Cols(); ++c) {
                const int x = columnViewportPosition(c);
                if (x > area.right())
                    break;
                if (x + columnWidth(c) > area.left())
                    drawCell(p, r, c, font(), struck);
            }
        }
    }
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

void AnswerGrid::drawCell(QPainter& p, int row, int col, const QFont& plain,
                          const QFont& struck) const {
    const AnswerGridModel::Cell& cell = model_.cell(row, col);
    const QRect r(columnViewportPosition(col), rowViewportPosition(row), columnWidth(col),
                  rowHeight_);
    const std::uint32_t back =
        cell.back == AnswerGridModel::kDefault ? model_.backColor() : cell.back;
    p.fillRect(r, VbColor(back));
    if (cell.text.isEmpty())
        return;
    const std::uint32_t fore =
        cell.fore == AnswerGridModel::kDefault ? model_.foreColor() : cell.fore;
    p.setPen(VbColor(fore));
    // Centred in the cell without the line that closes it. Most cells use
    // the sheet's font, which the painter already has.
    const QRect textRect = r.adjusted(0, 0, -1, -1);
    if (!cell.strike) {
        p.drawText(textRect, Qt::AlignCenter, cell.text);
        return;
    }
    p.setFont(struck);
    p.drawText(textRect, Qt::AlignCenter, cell.text);
    p.setFont(plain);
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
