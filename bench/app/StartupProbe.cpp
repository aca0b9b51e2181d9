// A start of the program as the learner gets it, for the cold start-up
// benchmark: a fresh process that starts the application, builds its window
// and shows it, then writes one byte to its standard output and leaves.
//
//   qk-startup-probe main FOLDER   the main window, on the bank in FOLDER
//   qk-startup-probe bare          a bare QMainWindow with the same font
#include "AppFonts.h"
#include "StartUpWindows.h"
#include "frmMain.h"

#include <QApplication>
#include <QStandardPaths>
#include <cstring>
#include <memory>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2 || (std::strcmp(argv[1], "main") == 0 && argc < 3))
        return 2;
    // Nothing of the user's is read or written.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("青禾考典"));
    std::unique_ptr<QWidget> window;
    if (std::strcmp(argv[1], "main") == 0) {
        auto main = std::make_unique<frmMain>(QString::fromLocal8Bit(argv[2]));
        if (!main->Loaded())
            return 1;
        window = std::move(main);
    } else {
        window = StartUpWindows::MakeBare();
    }

    // Shown as the in-process benchmark means it.
    StartUpWindows::ShowAndPaint(window.get());

    const char shown = '1';
    if (write(STDOUT_FILENO, &shown, 1) != 1)
        return 3;
    // Closing is not part of starting: leave without tearing down.
    _exit(0);
}
