// 青禾考典: the program is its main window.
#include "AppFonts.h"
#include "FontWarmUp.h"
#include "Mod.h"
#include "frmMain.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    FontWarmUp fonts; // while the application connects to the display
    QApplication app(argc, argv);
    fonts.wait();
    const FontWarmUp::FaceLoad face = FontWarmUp::loadFace(AppFonts::song(10.5));
    QApplication::setApplicationName(QStringLiteral("青禾考典"));
    frmMain window;
    if (!window.Loaded()) {
        // No window and no message box; one line for whoever started us.
        std::fprintf(stderr, "青禾考典: 无法打开题库 %s\n",
                     Mod::LastOpenError().toUtf8().constData());
        return 1;
    }
    window.show();
    return app.exec();
}
