#include "FontWarmUp.h"

#include "DrawingQueue.h"

#include <QFontMetrics>
#include <QString>
#include <fontconfig/fontconfig.h>
#include <memory>

FontWarmUp::FontWarmUp() {
    auto done = std::make_shared<std::promise<void>>();
    read_ = done->get_future();
    // On the drawing thread, which this also starts ahead of its first task.
    DrawingQueue::Run([done] {
        FcInit();
        done->set_value();
    });
}

FontWarmUp::~FontWarmUp() {
    wait();
}

void FontWarmUp::wait() {
    // A reading that failed leaves Qt to read the configuration itself.
    if (read_.valid()) {
        read_.wait();
        read_ = {};
    }
}

FontWarmUp::FaceLoad FontWarmUp::loadFace(const QFont& font) {
    auto done = std::make_shared<std::promise<void>>();
    FaceLoad load(done->get_future());
    // A QFont is not to be shared between threads; its description is.
    DrawingQueue::Run([done, description = font.toString()] {
        QFont f;
        f.fromString(description);
        // Chinese, Latin letters and digits, and full-width punctuation: each
        // script has a font engine of its own.
        QFontMetrics(f).horizontalAdvance(QStringLiteral("汉Aa1，"));
        done->set_value();
    });
    return load;
}
