#pragma once

#include "TextPanelContent.h"

#include <QTimer>
#include <QWidget>
#include <atomic>
#include <future>
#include <memory>

// Blocks of wrapped text in the widget's font and WindowText colour on its
// Window colour. The picture of the text is drawn once and copied on every
// paint. prerender() takes the picture kept from an earlier start, or else
// draws it on a worker thread while the window is still being built and
// shown, so that the first paint only has to copy it; should the font,
// colours or size have changed in between, the paint draws it anew. After
// that first paint a picture drawn is kept for the next start, and a kept
// one is checked against a fresh drawing and replaced if they differ.
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
    // A kept picture is checked a second after it was first shown, when the
    // start is over; the check draws on a worker thread and replaces the
    // picture if it differs. Tests call it at once.
    void checkKeptPicture();
    bool keptPictureToCheck() const { return checkTimer_.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    enum class AfterPaint { Nothing, Keep, Check };
    void keepPicture();
    void waitForCheck();

    QList<Block> blocks_;
    TextPanelContent drawnFor_;
    QImage picture_;
    TextPanelContent pendingFor_;
    std::future<QImage> pending_;
    AfterPaint afterPaint_ = AfterPaint::Nothing;
    std::shared_ptr<std::atomic<bool>> checkCancelled_;
    std::future<void> checking_;
    QTimer checkTimer_;
};
