// A start of the program as the learner gets it, for the cold start-up
// benchmark: a fresh process that starts the application, builds its window
// and shows it, then writes one byte to its standard output and leaves.
//
//   qk-startup-probe main FOLDER   the main window, on the bank in FOLDER
//   qk-startup-probe bare          a bare QMainWindow with the same font
#include "AppFonts.h"
#include "FontWarmUp.h"
#include "StartUpWindows.h"
#include "frmMain.h"

#include <QApplication>
#include <QStandardPaths>
#include <QThreadPool>
#include <cstring>
#include <memory>
#include <optional>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2 || (std::strcmp(argv[1], "main") == 0 && argc < 3))
        return 2;
    // As the program's main() does; a bare window draws no text, so it has
    // no fonts to read ahead.
    // Pictures kept between starts go to the test folders, not to the
    // user's; the benchmark's own runs share them, as a learner's starts do.
    QStandardPaths::setTestModeEnabled(true);
    std::optional<FontWarmUp> fonts;
    if (std::strcmp(argv[1], "main") == 0)
        fonts.emplace();
    QApplication app(argc, argv);
    std::optional<FontWarmUp::FaceLoad> face;
    if (fonts) {
        fonts->wait();
        face.emplace(FontWarmUp::loadFace(AppFonts::song(10.5)));
    }
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
    // Closing is not part of starting: leave without tearing down, once
    // what the window keeps for the next start has been written.
    QThreadPool::globalInstance()->waitForDone();
    _exit(0);
}
