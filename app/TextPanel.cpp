#include "TextPanel.h"

#include "DrawingQueue.h"

#include <QFontMetrics>
#include <QPainter>

TextPanel::TextPanel(QWidget* parent) : QWidget(parent) {
    // The picture covers the panel; nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TextPanel::~TextPanel() {
    if (pending_.valid())
        pending_.wait();
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
    pendingFor_ = content();
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
    }
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}
