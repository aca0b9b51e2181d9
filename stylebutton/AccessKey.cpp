#include "AccessKey.h"

namespace AccessKey {

QString Of(const QString& caption) {
    if (caption.size() < 2)
        return {};
    const qsizetype p = caption.indexOf(QLatin1Char('&'));
    if (p < 0 || p == caption.size() - 1)
        return {};
    if (caption[p + 1] != QLatin1Char('&'))
        return caption.mid(p + 1, 1).toLower();
    // A doubled ampersand draws one "&"; the key may follow a later mark.
    const qsizetype q = caption.indexOf(QLatin1Char('&'), p + 2);
    if (q < 0 || q == caption.size() - 1 || caption[q + 1] == QLatin1Char('&'))
        return {};
    return caption.mid(q + 1, 1).toLower();
}

} // namespace AccessKey
