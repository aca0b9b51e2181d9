#include "AnswerGrid.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(AnswerGrid, ZeroRowsClearsEveryCell) {
    AnswerGrid dg;
    dg.setRows(2);
    dg.setTextMatrix(1, 9, "20");
    dg.setRow(1);
    dg.setCol(9);
    dg.setCellBackColor(0xFFFF80);
    dg.setRows(0);
    dg.setRows(2);
    EXPECT_EQ(dg.TextMatrix(1, 9), "");
    EXPECT_EQ(dg.CellBackColorAt(1, 9), AnswerGridModel::kDefault);
    EXPECT_EQ(dg.Row(), 0);
}

TEST(AnswerGrid, CellColoursAndStrikeThroughBelongToTheCurrentCell) {
    AnswerGrid dg;
    dg.setRows(3);
    dg.setRow(2);
    dg.setCol(4);
    dg.setCellBackColor(0x80FFFF);
    dg.setCellForeColor(0xFF);
    dg.setCellFontStrikeThrough(true);
    EXPECT_EQ(dg.CellBackColorAt(2, 4), 0x80FFFFu);
    EXPECT_EQ(dg.CellForeColorAt(2, 4), 0xFFu);
    EXPECT_TRUE(dg.CellStrikeAt(2, 4));
    EXPECT_FALSE(dg.CellStrikeAt(2, 3));
    const QModelIndex i = dg.model()->index(2, 4);
    EXPECT_EQ(dg.model()->data(i, Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0xFF, 0x80));
    EXPECT_EQ(dg.model()->data(i, Qt::ForegroundRole).value<QColor>(), QColor(0xFF, 0, 0));
    EXPECT_TRUE(dg.model()->data(i, Qt::FontRole).value<QFont>().strikeOut());
    // Untouched cells use the grid's colours: window background, navy text.
    const QModelIndex j = dg.model()->index(0, 0);
    EXPECT_EQ(dg.model()->data(j, Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(dg.model()->data(j, Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 0x80));
}

TEST(AnswerGrid, RedrawOffHoldsBackRepaintsUntilSwitchedOn) {
    AnswerGrid dg;
    dg.setRows(2);
    QSignalSpy changes(dg.model(), &QAbstractItemModel::dataChanged);
    dg.setRedraw(false);
    for (int c = 0; c < 10; ++c)
        dg.setTextMatrix(0, c, QString::number(c + 1));
    EXPECT_EQ(changes.count(), 0);
    dg.setRedraw(true);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(dg.TextMatrix(0, 9), "10");
}

TEST(AnswerGrid, ScrollsByRowsAndTellsWhichRowsShow) {
    AnswerGrid dg;
    dg.resize(270, 110);
    dg.setRowHeight(20);
    dg.setRows(30);
    dg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dg));
    EXPECT_EQ(dg.TopRow(), 0);
    EXPECT_TRUE(dg.RowIsVisible(0));
    EXPECT_FALSE(dg.RowIsVisible(20));
    dg.setTopRow(20);
    EXPECT_EQ(dg.TopRow(), 20);
    EXPECT_TRUE(dg.RowIsVisible(20));
    EXPECT_FALSE(dg.RowIsVisible(0));
}

TEST(AnswerGrid, AClickLeavesTheOldCellMovesAndThenClicks) {
    AnswerGrid dg;
    dg.resize(270, 200);
    dg.setRowHeight(20);
    for (int c = 0; c < 10; ++c)
        dg.setColumnWidth(c, 25);
    dg.setRows(3);
    dg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dg));

    QStringList order;
    QObject::connect(&dg, &AnswerGrid::LeaveCell,
                     [&] { order << QString("leave %1,%2").arg(dg.Row()).arg(dg.Col()); });
    QObject::connect(&dg, &AnswerGrid::Click,
                     [&] { order << QString("click %1,%2").arg(dg.Row()).arg(dg.Col()); });
    const QRect cell = dg.visualRect(dg.model()->index(1, 3));
    QTest::mouseClick(dg.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(order, (QStringList{"leave 0,0", "click 1,3"}));
    order.clear();
    QTest::mouseClick(dg.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(order, (QStringList{"click 1,3"})); // the same cell is not left
}

TEST(AnswerGrid, ColumnWidthsAreGivenInTwips) {
    AnswerGrid dg;
    dg.setColWidth(0, 372);
    EXPECT_EQ(dg.columnWidth(0), 24); // 24.8 pixels: 24 whole ones
    EXPECT_EQ(dg.ColWidth(0), 360);
    dg.setColWidth(1, 375);
    EXPECT_EQ(dg.columnWidth(1), 25);
}

TEST(AnswerGrid, GridLinesAreDrawnInTheGridColour) {
    AnswerGrid dg;
    dg.resize(200, 100);
    dg.setRows(2);
    dg.setCols(2);
    dg.setColWidth(0, 600); // 40 pixels
    dg.setColWidth(1, 600);
    dg.setRowHeight(20);
    dg.setGridColor(0x0000FF); // red, as 0x00BBGGRR
    QImage shot = dg.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The line closing the first column is its last pixel column; the one
    // closing the first row its last pixel row.
    EXPECT_EQ(shot.pixel(39, 5), qRgb(0xFF, 0, 0));
    EXPECT_EQ(shot.pixel(5, 19), qRgb(0xFF, 0, 0));
    EXPECT_NE(shot.pixel(20, 10), qRgb(0xFF, 0, 0)); // inside a cell

    dg.setGridColor(0x00FF00);
    shot = dg.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.pixel(39, 5), qRgb(0, 0xFF, 0));
}

TEST(AnswerGrid, TheScrollBarShowsOnlyWhenTheRowsDoNotFit) {
    AnswerGrid dg;
    dg.resize(270, 110);
    dg.setRowHeight(22);
    dg.setRows(1);
    dg.show();
    // The layout the view would run from a zero timer; the scroll bar is
    // shown or hidden by a queued call.
    dg.doItemsLayout();
    QCoreApplication::processEvents();
    EXPECT_FALSE(dg.verticalScrollBar()->isVisible());
    dg.setRows(40);
    dg.doItemsLayout();
    QCoreApplication::processEvents();
    EXPECT_TRUE(dg.verticalScrollBar()->isVisible());
    dg.setTopRow(10);
    EXPECT_EQ(dg.TopRow(), 10);
}

namespace {

// A sheet of 3 columns of 40 pixels and rows of 20, shown in a viewport of
// 120 x 60 (three whole rows).
void shapeSmallSheet(AnswerGrid& dg, int rows) {
    dg.setCols(3);
    for (int c = 0; c < 3; ++c)
        dg.setColWidth(c, 600);
    dg.setRowHeight(20);
    dg.setRows(rows);
    dg.resize(120 + 2 * dg.frameWidth(), 60 + 2 * dg.frameWidth());
    dg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dg));
    dg.doItemsLayout();
}

int countPixels(const QImage& image, const QRect& area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == colour ? 1 : 0;
    return n;
}

} // namespace

TEST(AnswerGrid, EachCellIsFilledWithItsOwnBackgroundUpToItsGridLines) {
    AnswerGrid dg;
    shapeSmallSheet(dg, 2);
    dg.setBackColor(0xFFFFFF);    // white cells
    dg.setGridColor(0x000000);    // black lines
    dg.setBackColorBkg(0x00FF00); // green beyond the cells
    dg.setRow(1);
    dg.setCol(2);
    dg.setCellBackColor(0x80FFFF); // light yellow
    dg.clearFocus();               // no dotted outline in the current cell
    const QImage shot = dg.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(120, 60));
    // Cell (1,2) spans x 80..119 and y 20..39; its last column and row are
    // the grid lines.
    EXPECT_EQ(countPixels(shot, QRect(80, 20, 39, 19), qRgb(0xFF, 0xFF, 0x80)), 39 * 19);
    EXPECT_EQ(shot.pixel(119, 30), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(100, 39), qRgb(0, 0, 0));
    EXPECT_EQ(countPixels(shot, QRect(0, 0, 39, 19), qRgb(0xFF, 0xFF, 0xFF)), 39 * 19);
    // Below the last row the sheet's own background shows, without lines.
    EXPECT_EQ(countPixels(shot, QRect(0, 40, 120, 20), qRgb(0, 0xFF, 0)), 120 * 20);
}

TEST(AnswerGrid, TextIsCentredInItsCellInTheCellsColourAndStruckThroughWhenAsked) {
    AnswerGrid dg;
    shapeSmallSheet(dg, 1);
    dg.setFont(QFont(dg.font().family(), 12));
    dg.setBackColor(0xFFFFFF);
    dg.setRow(0);
    dg.setCol(1);
    dg.setText("88");
    dg.setCellForeColor(0x0000FF); // red
    QImage plain = dg.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect cell(40, 0, 39, 19);
    const int red = countPixels(plain, cell, qRgb(0xFF, 0, 0));
    EXPECT_GT(red, 0);
    EXPECT_EQ(countPixels(plain, QRect(0, 0, 39, 19), qRgb(0xFF, 0, 0)), 0);
    // Centred: as much ink left of the middle as right of it, give or take
    // a pixel column of the glyphs.
    int left = 0, right = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            if (plain.pixel(x, y) != qRgb(0xFF, 0xFF, 0xFF))
                (x < cell.center().x() + 0.5 ? left : right) += 1;
    EXPECT_NEAR(left, right, 2 * cell.height());

    dg.setCellFontStrikeThrough(true);
    const QImage struck = dg.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(countPixels(struck, cell, qRgb(0xFF, 0, 0)), red);
}

TEST(AnswerGrid, PositionsFollowTheTopRow) {
    AnswerGrid dg;
    shapeSmallSheet(dg, 10);
    dg.setTopRow(4);
    EXPECT_EQ(dg.TopRow(), 4);
    const QModelIndex cell = dg.model()->index(5, 2);
    EXPECT_EQ(dg.visualRect(cell), QRect(80, 20, 40, 20));
    EXPECT_EQ(dg.indexAt(QPoint(85, 25)), cell);
    EXPECT_EQ(dg.rowAt(0), 4);
    EXPECT_EQ(dg.columnAt(119), 2);
    EXPECT_EQ(dg.columnAt(120), -1); // beyond the last column
    EXPECT_FALSE(dg.indexAt(QPoint(125, 5)).isValid());
    EXPECT_EQ(dg.rowViewportPosition(3), -20);
    EXPECT_FALSE(dg.RowIsVisible(3));
    EXPECT_TRUE(dg.RowIsVisible(6));
    EXPECT_FALSE(dg.RowIsVisible(7));
}

TEST(AnswerGrid, TheLastRowCanBeBroughtToTheBottomButNoFurther) {
    AnswerGrid dg;
    shapeSmallSheet(dg, 10);
    dg.setTopRow(9);
    EXPECT_EQ(dg.TopRow(), 7); // rows 7, 8 and 9 fill the view
    dg.scrollTo(dg.model()->index(1, 0));
    EXPECT_EQ(dg.TopRow(), 1); // scrolled up just far enough
    dg.scrollTo(dg.model()->index(5, 0));
    EXPECT_EQ(dg.TopRow(), 3); // scrolled down just far enough
    dg.scrollTo(dg.model()->index(4, 0));
    EXPECT_EQ(dg.TopRow(), 3); // already in view
    // A top row set right after a load counts the new rows at once.
    dg.setRows(30);
    dg.setTopRow(25);
    EXPECT_EQ(dg.TopRow(), 25);
    dg.setRows(2);
    EXPECT_EQ(dg.TopRow(), 0);
}

TEST(AnswerGrid, AnEmptySheetShowsOnlyItsBackground) {
    AnswerGrid dg;
    shapeSmallSheet(dg, 0);
    dg.setBackColorBkg(0x00FF00);
    dg.clearFocus();
    const QImage shot = dg.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(countPixels(shot, shot.rect(), qRgb(0, 0xFF, 0)), shot.width() * shot.height());
}

TEST(AnswerGrid, ScreenReadersSeeATableWhoseValueIsTheCurrentNumber) {
    AnswerGrid dg;
    dg.setRows(2);
    dg.setTextMatrix(1, 2, "13");
    dg.setRow(1);
    dg.setCol(2);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&dg);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Table);
    EXPECT_EQ(a->text(QAccessible::Name), "答题卡");
    EXPECT_EQ(a->text(QAccessible::Value), "13");
    dg.setCol(0);
    EXPECT_EQ(a->text(QAccessible::Value), "");
    dg.setAccessibleName("本次答题卡");
    EXPECT_EQ(a->text(QAccessible::Name), "本次答题卡");
}

TEST(AnswerGrid, KeysAndTheWheelScrollTheRowsButLeaveTheCurrentCell) {
    AnswerGrid dg;
    shapeSmallSheet(dg, 10); // three rows show, top rows 0..7
    dg.setFocus();
    QTest::keyClick(&dg, Qt::Key_PageDown);
    EXPECT_EQ(dg.TopRow(), 3);
    QTest::keyClick(&dg, Qt::Key_Down);
    EXPECT_EQ(dg.TopRow(), 4);
    QTest::keyClick(&dg, Qt::Key_PageDown);
    EXPECT_EQ(dg.TopRow(), 7); // no further than the last row at the bottom
    QTest::keyClick(&dg, Qt::Key_Up);
    EXPECT_EQ(dg.TopRow(), 6);
    EXPECT_EQ(dg.Row(), 0);
    EXPECT_EQ(dg.Col(), 0);

    auto wheel = [&](int delta) {
        QWheelEvent e(QPointF(10, 10), dg.viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(dg.viewport(), &e);
    };
    wheel(120); // away from the learner: one row up
    EXPECT_EQ(dg.TopRow(), 5);
    EXPECT_EQ(dg.Row(), 0);
    wheel(-120); // towards: one row down
    EXPECT_EQ(dg.TopRow(), 6);
    wheel(-60); // half a step waits for the other half
    EXPECT_EQ(dg.TopRow(), 6);
    wheel(-60);
    EXPECT_EQ(dg.TopRow(), 7);
    wheel(-120); // the last row is at the bottom already
    EXPECT_EQ(dg.TopRow(), 7);
    for (int i = 0; i < 10; ++i)
        wheel(120);
    EXPECT_EQ(dg.TopRow(), 0); // the first row is the limit
    EXPECT_EQ(dg.Row(), 0);
}

TEST(AnswerGrid, TheScrollBarTakesItsWidthFromTheCellsAndOnlyCellsAreClickable) {
    AnswerGrid dg;
    shapeSmallSheet(dg, 3);
    const int fullWidth = dg.viewport()->width();
    dg.setRows(20);
    dg.doItemsLayout();
    QCoreApplication::processEvents();
    ASSERT_TRUE(dg.verticalScrollBar()->isVisible());
    EXPECT_EQ(dg.viewport()->width(), fullWidth - dg.verticalScrollBar()->width());

    int left = 0;
    QObject::connect(&dg, &AnswerGrid::LeaveCell, [&] { ++left; });
    // The frame's edge is not a cell.
    QTest::mouseClick(&dg, Qt::LeftButton, {}, QPoint(0, 30));
    EXPECT_EQ(left, 0);
    EXPECT_EQ(dg.Row(), 0);
    dg.setRows(3);
    dg.doItemsLayout();
    QCoreApplication::processEvents();
    EXPECT_FALSE(dg.verticalScrollBar()->isVisible());
    EXPECT_EQ(dg.viewport()->width(), fullWidth);
}

TEST(AnswerGrid, ARowCutByTheBottomStaysInsideTheFrame) {
    AnswerGrid dg;
    dg.setCols(3);
    for (int c = 0; c < 3; ++c)
        dg.setColWidth(c, 600);
    dg.setRowHeight(20);
    dg.setRows(3); // 60 pixels of rows in a view 50 high
    dg.resize(120 + 2 * dg.frameWidth(), 50 + 2 * dg.frameWidth());
    dg.setBackColor(0x0000FF); // red cells
    dg.setGridColor(0x0000FF);
    dg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dg));
    const QImage whole = dg.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect view = dg.viewport()->geometry();
    // Red everywhere in the view, nowhere in the frame below it.
    EXPECT_EQ(countPixels(whole, QRect(view.left(), view.bottom() - 4, 40, 5), qRgb(0xFF, 0, 0)),
              40 * 5);
    EXPECT_EQ(countPixels(whole, QRect(0, view.bottom() + 1, whole.width(), dg.frameWidth()),
                          qRgb(0xFF, 0, 0)),
              0);
}
