#include "AppFonts.h"

#include <QStringList>

namespace AppFonts {

const char* const kSong = "宋体";

void install() {
    static bool done = false;
    if (done)
        return;
    done = true;
    const QStringList song = {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Serif CJK"),
                              QStringLiteral("WenQuanYi Micro Hei"),
                              QStringLiteral("Noto Sans CJK SC")};
    QFont::insertSubstitutions(QString::fromUtf8(kSong), song);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
}

QFont song(double pointSize, bool bold) {
    install();
    QFont f(QString::fromUtf8(kSong));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    // Chinese text in these faces needs no shaping beyond the character map
    // and looks the same without it; Latin letters only lose their kerning
    // pairs. Skipping it makes every text of the windows cheaper to lay out.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

} // namespace AppFonts
