// Faces drawn ahead on the drawing thread: the same pixels and layout as a
// face drawn at its paint, never a face the button no longer has, and buttons
// that go away before their faces are done.
#include "DrawingQueue.h"
#include "StyleButton.h"
#include "TestImages.h"

#include <QFont>
#include <QImage>
#include <algorithm>
#include <atomic>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <vector>

namespace {

// A menu button of the main window: the windows' Song font, a caption with
// an access key, and a half-transparent icon scaled into its 24-pixel box.
void Prepare(StyleButton& b, const QString& caption) {
    b.resize(104, 32);
    QFont font("宋体");
    font.setPointSizeF(9.75);
    b.setFont(font);
    b.setButtonStyle(4);
    b.setCaption(caption);
    b.setPicture(StylePicture::FromImage(TestImages::WithAlpha(
        40, 40, TestImages::Pattern, [](int x, int y) { return (x + y) % 3 ? 255 : 90; })));
    b.setPictureSize(2);
}

void ExpectSameFace(const StyleButton& a, const StyleButton& b) {
    EXPECT_EQ(a.Surface().Image(), b.Surface().Image());
    EXPECT_EQ(a.CaptionRect(), b.CaptionRect());
    EXPECT_EQ(a.PictureWidth(), b.PictureWidth());
    EXPECT_EQ(a.PictureHeight(), b.PictureHeight());
}

} // namespace

TEST(FacePrerender, DrawnAheadIsTheFaceDrawnAtPaint) {
    for (bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        StyleButton ahead, atPaint;
        for (StyleButton* b : {&ahead, &atPaint}) {
            Prepare(*b, QStringLiteral("车型选择(&C)"));
            b->setEnabled(enabled);
        }
        StyleButton::PrerenderFaces({&ahead});
        ExpectSameFace(ahead, atPaint);
    }
}

TEST(FacePrerender, ButtonsOfSeveralFontsDrawnTogetherKeepTheirOwn) {
    // Drawn in one batch, buttons of one font share it; a button of another
    // font between them must still get its own.
    const std::vector<std::pair<double, bool>> fonts = {
        {9.75, false}, {9.75, false}, {14.25, true}, {9.75, false}, {12, false}};
    std::vector<std::unique_ptr<StyleButton>> ahead, atPaint;
    QList<StyleButton*> batch;
    for (const auto& [points, bold] : fonts) {
        for (auto* list : {&ahead, &atPaint}) {
            list->push_back(std::make_unique<StyleButton>());
            StyleButton& b = *list->back();
            Prepare(b, QStringLiteral("对(&Y)"));
            QFont font("宋体");
            font.setPointSizeF(points);
            font.setBold(bold);
            b.setFont(font);
        }
        batch << ahead.back().get();
    }
    StyleButton::PrerenderFaces(batch);
    for (size_t i = 0; i < fonts.size(); ++i) {
        SCOPED_TRACE(i);
        ExpectSameFace(*ahead[i], *atPaint[i]);
    }
}

TEST(FacePrerender, AButtonChangedAfterwardsShowsItsNewFace) {
    const std::vector<std::function<void(StyleButton&)>> changes = {
        [](StyleButton& b) { b.setCaption(QStringLiteral("随机练习")); },
        [](StyleButton& b) { b.setEnabled(false); },
        [](StyleButton& b) { b.resize(120, 40); },
        [](StyleButton& b) { b.setForeColor(0x0000FF); },
        [](StyleButton& b) {
            b.setButtonState(StyleButton::Down);
            b.Redraw();
        },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        SCOPED_TRACE(i);
        StyleButton ahead, atPaint;
        Prepare(ahead, QStringLiteral("顺序练习"));
        Prepare(atPaint, QStringLiteral("顺序练习"));
        StyleButton::PrerenderFaces({&ahead});
        changes[i](ahead);
        changes[i](atPaint);
        ExpectSameFace(ahead, atPaint);
    }
}

TEST(FacePrerender, ButtonsMayGoBeforeTheirFacesAreDrawn) {
    StyleButton kept;
    for (int round = 0; round < 20; ++round) {
        std::vector<std::unique_ptr<StyleButton>> gone;
        QList<StyleButton*> all;
        for (int i = 0; i < 4; ++i) {
            gone.push_back(std::make_unique<StyleButton>());
            Prepare(*gone.back(), QStringLiteral("模拟考试"));
            all << gone.back().get();
        }
        StyleButton::PrerenderFaces(all);
        gone.clear();
    }
    // The thread goes on drawing for the buttons that stay.
    StyleButton atPaint;
    Prepare(kept, QStringLiteral("错题练习"));
    Prepare(atPaint, QStringLiteral("错题练习"));
    StyleButton::PrerenderFaces({&kept});
    ExpectSameFace(kept, atPaint);
}

TEST(DrawingQueue, RunsTasksOneAtATimeInTheOrderGiven) {
    std::mutex lock;
    std::vector<int> order;
    std::atomic<int> running{0};
    std::atomic<int> mostAtOnce{0};
    std::promise<void> done;
    constexpr int kTasks = 40;
    for (int i = 0; i < kTasks; ++i) {
        DrawingQueue::Run([&, i] {
            const int now = ++running;
            mostAtOnce = std::max(mostAtOnce.load(), now);
            {
                std::lock_guard guard(lock);
                order.push_back(i);
            }
            --running;
            if (i == kTasks - 1)
                done.set_value();
        });
    }
    done.get_future().wait();
    std::vector<int> expected(kTasks);
    for (int i = 0; i < kTasks; ++i)
        expected[size_t(i)] = i;
    EXPECT_EQ(order, expected);
    EXPECT_EQ(mostAtOnce.load(), 1);
}

TEST(DrawingQueue, ATaskThatFailsLeavesTheOthersToRun) {
    std::promise<void> failed;
    std::future<void> brokenFuture = failed.get_future();
    std::promise<int> later;
    DrawingQueue::Run([p = std::make_shared<std::promise<void>>(std::move(failed))] {
        throw std::runtime_error("out of memory");
    });
    DrawingQueue::Run([&later] { later.set_value(7); });
    EXPECT_EQ(later.get_future().get(), 7);
    // The failed task's promise went with it: its waiter learns so.
    EXPECT_THROW(brokenFuture.get(), std::future_error);
}
