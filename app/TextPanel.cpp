#include "TextPanel.h"

#include "DrawingQueue.h"
#include "PictureCache.h"

#include <QFontMetrics>
#include <QPainter>
#include <utility>

TextPanel::TextPanel(QWidget* parent) : QWidget(parent) {
    // The picture covers the panel; nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    checkTimer_.setSingleShot(true);
    checkTimer_.setInterval(1000);
    connect(&checkTimer_, &QTimer::timeout, this, &TextPanel::checkKeptPicture);
}

TextPanel::~TextPanel() {
    if (pending_.valid())
        pending_.wait();
    waitForCheck();
}

void TextPanel::waitForCheck() {
    if (!checking_.valid())
        return;
    // A check not begun is dropped; one under way draws with the fonts.
    checkCancelled_->store(true);
    checking_.wait();
    checking_ = {};
}

void TextPanel::setBlocks(const QList<Block>& blocks) {
    blocks_ = blocks;
    QStringList texts;
    for (const Block& b : blocks_)
        texts << b.text;
    // A screen reader reads the panel's text as its name.
    setAccessibleName(texts.join(QLatin1Char('\n')));
    update();
}

int TextPanel::neededHeight(qsizetype i) const {
    const Block& b = blocks_.at(i);
    return fontMetrics()
        .boundingRect(QRect(0, 0, b.rect.width(), 1 << 20), TextPanelContent::kFlags, b.text)
        .height();
}

TextPanelContent TextPanel::content() const {
    TextPanelContent c;
    c.size = size();
    c.devicePixelRatio = devicePixelRatioF();
    c.font = font().toString();
    c.back = palette().color(QPalette::Window).rgb();
    c.fore = palette().color(QPalette::WindowText).rgb();
    c.blocks = blocks_;
    return c;
}

void TextPanel::prerender() {
    if (pending_.valid())
        pending_.wait();
    waitForCheck();
    checkTimer_.stop();
    const TextPanelContent now = content();
    // Mapping the kept picture costs far less than drawing a panel of text.
    QImage kept = PictureCache::Load(now.cacheKey());
    if (!kept.isNull() && kept.size() == (QSizeF(now.size) * now.devicePixelRatio).toSize() &&
        kept.devicePixelRatio() == now.devicePixelRatio) {
        picture_ = std::move(kept);
        drawnFor_ = now;
        afterPaint_ = AfterPaint::Check;
        return;
    }
    afterPaint_ = AfterPaint::Keep;
    pendingFor_ = now;
    auto done = std::make_shared<std::promise<QImage>>();
    pending_ = done->get_future();
    DrawingQueue::Run([done, content = pendingFor_] { done->set_value(content.render()); });
}

void TextPanel::paintEvent(QPaintEvent*) {
    const TextPanelContent now = content();
    if (pending_.valid()) {
        QImage picture;
        try {
            picture = pending_.get();
        } catch (...) {
            // Not drawn ahead after all: it is drawn below.
        }
        if (!picture.isNull() && pendingFor_ == now) {
            picture_ = std::move(picture);
            drawnFor_ = pendingFor_;
        }
        pendingFor_ = {};
    }
    if (picture_.isNull() || !(drawnFor_ == now)) {
        picture_ = now.render();
        drawnFor_ = now;
        if (afterPaint_ == AfterPaint::Check)
            afterPaint_ = AfterPaint::Keep; // the kept one was not shown
    }
    {
        QPainter p(this);
        p.drawImage(0, 0, picture_);
    }
    // Only the first paint after prerender(): the picture a start shows.
    const AfterPaint after = std::exchange(afterPaint_, AfterPaint::Nothing);
    if (after == AfterPaint::Keep)
        keepPicture();
    else if (after == AfterPaint::Check)
        checkTimer_.start();
}

void TextPanel::keepPicture() {
    // Named and written on the drawing thread: the paint only hands it over.
    DrawingQueue::Run([picture = picture_, content = drawnFor_] {
        PictureCache::Store(content.cacheKey(), picture);
    });
}

void TextPanel::checkKeptPicture() {
    checkTimer_.stop();
    waitForCheck();
    checkCancelled_ = std::make_shared<std::atomic<bool>>(false);
    auto done = std::make_shared<std::promise<void>>();
    checking_ = done->get_future();
    DrawingQueue::Run(
        [this, done, cancelled = checkCancelled_, content = drawnFor_, shown = picture_] {
            if (!cancelled->load()) {
                QImage fresh = content.render();
                if (fresh != shown) {
                    PictureCache::Store(content.cacheKey(), fresh);
                    // The panel waits for this task before it goes, so it is
                    // still there to be told; the call runs on its own thread.
                    QMetaObject::invokeMethod(
                        this,
                        [this, content, fresh] {
                            if (drawnFor_ == content) {
                                picture_ = fresh;
                                update();
                            }
                        },
                        Qt::QueuedConnection);
                }
            }
            done->set_value();
        });
}
