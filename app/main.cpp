// 青禾考典: the program is its main window.
#include "Mod.h"
#include "frmMain.h"

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

int stopPipe[2] = {-1, -1};

void onStopSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(stopPipe[1], &byte, 1);
}

// A session that ends (logging out, shutting down) asks the program to stop:
// it closes its window as the learner would, so the settings are kept.
void closeOnStopSignals(frmMain* window) {
    if (pipe(stopPipe) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    auto* notifier = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        char byte;
        [[maybe_unused]] const ssize_t n = read(stopPipe[0], &byte, 1);
        window->CloseForSessionEnd();
    });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("青禾考典"));
    frmMain window;
    if (!window.Loaded()) {
        // No window and no message box; one line for whoever started us.
        std::fprintf(stderr, "青禾考典: 无法打开题库 %s\n",
                     Mod::LastOpenError().toUtf8().constData());
        return 1;
    }
    closeOnStopSignals(&window);
    window.show();
    return app.exec();
}
