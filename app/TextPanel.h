#pragma once

#include "TextPanelContent.h"

#include <QWidget>
#include <future>

// Blocks of wrapped text in the widget's font and WindowText colour on its
// Window colour. The picture of the text is drawn once and copied on every
// paint. prerender() draws it on a worker thread while the window is still
// being built and shown, so that the first paint only has to copy it; should
// the font, colours or size have changed in between, the paint draws it anew.
class TextPanel : public QWidget {
    Q_OBJECT
public:
    using Block = TextPanelContent::Block;

    explicit TextPanel(QWidget* parent = nullptr);
    // Waits for a picture still being drawn: it uses the application's fonts.
    ~TextPanel() override;

    void setBlocks(const QList<Block>& blocks);
    const QList<Block>& blocks() const { return blocks_; }
    // The height block i's text takes at its block's width.
    int neededHeight(qsizetype i) const;

    // The panel as it would be painted now.
    TextPanelContent content() const;
    void prerender();
    bool prerendering() const { return pending_.valid(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<Block> blocks_;
    TextPanelContent drawnFor_;
    QImage picture_;
    TextPanelContent pendingFor_;
    std::future<QImage> pending_;
};
