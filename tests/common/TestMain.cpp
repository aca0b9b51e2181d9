// main() of every test program with widgets: they run in-process without a
// display, with a fixed locale, without touching the user's own folders,
// and without ever starting a browser.
#include "PageOpener.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    PageOpener::SetOpener([](const QUrl&) {});
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
