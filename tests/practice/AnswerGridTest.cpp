#include "AnswerGrid.h"

#include <QCoreApplication>
#include <QFont>
#include <QHeaderView>
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
    dg.verticalHeader()->setDefaultSectionSize(20);
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
    dg.verticalHeader()->setDefaultSectionSize(20);
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
    EXPECT_EQ(dg.columnWidth(0), 25); // 24.8 pixels
    EXPECT_EQ(dg.ColWidth(0), 375);
}

TEST(AnswerGrid, GridLinesAreDrawnInTheGridColour) {
    AnswerGrid dg;
    dg.resize(200, 100);
    dg.setRows(2);
    dg.setCols(2);
    dg.setColWidth(0, 600); // 40 pixels
    dg.setColWidth(1, 600);
    dg.verticalHeader()->setDefaultSectionSize(20);
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
    dg.verticalHeader()->setDefaultSectionSize(22);
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
