#include "PictureCache.h"

#include "AppFonts.h"
#include "DrawingQueue.h"
#include "TextPanel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <future>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Every test of this program starts with no pictures kept, in a folder of
// its own, and leaves nothing being written when it ends.
class FreshPictureFolder : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        folder = std::make_unique<QTemporaryDir>();
        PictureCache::SetFolder(folder->path());
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        drainDrawingQueue();
        PictureCache::SetFolder(QString());
        folder.reset();
    }
    std::unique_ptr<QTemporaryDir> folder;

public:
    static void drainDrawingQueue() {
        std::promise<void> done;
        DrawingQueue::Run([&] { done.set_value(); });
        done.get_future().wait();
    }
};

const bool registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshPictureFolder);
    return true;
}();

QImage sample(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    for (int x = 0; x < w; ++x)
        image.setPixel(x, x % h, qRgb(x % 256, 0, 0)); // not one colour
    return image;
}

QString fileOf(const QByteArray& key) {
    return QDir(PictureCache::Folder()).filePath(QString::fromLatin1(key.toHex()) + ".rgb");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(PictureCache, APictureStoredComesBackAsItWasUnderItsOwnKeyOnly) {
    QImage picture = sample(37, 11, qRgb(1, 2, 3));
    picture.setDevicePixelRatio(2);
    ASSERT_TRUE(PictureCache::Store("one", picture));
    const QImage back = PictureCache::Load("one");
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.size(), picture.size());
    EXPECT_EQ(back.devicePixelRatio(), 2.0);
    EXPECT_EQ(back, picture);
    EXPECT_TRUE(PictureCache::Load("two").isNull());
    // Only 32-bit RGB pictures are kept.
    EXPECT_FALSE(PictureCache::Store("three", picture.convertToFormat(QImage::Format_ARGB32)));
    EXPECT_FALSE(PictureCache::Store("three", QImage()));
}

TEST(PictureCache, FilesCutShortOrNotOursReadAsNoPicture) {
    ASSERT_TRUE(PictureCache::Store("key", sample(20, 10, qRgb(9, 9, 9))));
    QFile f(fileOf("key"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray whole = f.readAll();
    f.close();

    writeFile(fileOf("key"), whole.left(whole.size() - 4)); // a row cut short
    EXPECT_TRUE(PictureCache::Load("key").isNull());
    writeFile(fileOf("key"), whole + "x"); // something after the rows
    EXPECT_TRUE(PictureCache::Load("key").isNull());
    QByteArray foreign = whole;
    foreign[0] = 'X';
    writeFile(fileOf("key"), foreign);
    EXPECT_TRUE(PictureCache::Load("key").isNull());
    writeFile(fileOf("key"), QByteArray(16, 'Q')); // shorter than a header
    EXPECT_TRUE(PictureCache::Load("key").isNull());
    writeFile(fileOf("key"), whole);
    EXPECT_FALSE(PictureCache::Load("key").isNull());
}

TEST(PictureCache, APictureInUseStaysWholeWhenAnotherIsStoredOverIt) {
    const QImage first = sample(30, 30, qRgb(0, 0xFF, 0));
    ASSERT_TRUE(PictureCache::Store("k", first));
    const QImage held = PictureCache::Load("k");
    const QImage second = sample(30, 30, qRgb(0xFF, 0, 0));
    ASSERT_TRUE(PictureCache::Store("k", second));
    EXPECT_EQ(held, first);
    EXPECT_EQ(PictureCache::Load("k"), second);
}

TEST(PictureCache, AFolderThatCannotBeMadeStoresNothing) {
    PictureCache::SetFolder("/proc/no-such-folder/pictures");
    EXPECT_FALSE(PictureCache::Store("k", sample(4, 4, 0)));
    EXPECT_TRUE(PictureCache::Load("k").isNull());
}

namespace {

// A panel of text as a start shows it.
struct StartPanel {
    TextPanel panel;
    StartPanel() {
        panel.setFont(AppFonts::song(10.5));
        panel.resize(240, 120);
        panel.setBlocks(
            {{QRect(0, 0, 240, 100), QStringLiteral("驾驶机动车应当依法、安全、文明驾驶。")}});
    }
    QImage shot() { return panel.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage fresh() const { return panel.content().render().convertToFormat(QImage::Format_RGB32); }
};

} // namespace

TEST(PictureCache, APanelDrawnAtAStartIsKeptOnceItHasBeenShown) {
    StartPanel p;
    const QByteArray key = p.panel.content().cacheKey();
    p.panel.prerender();
    EXPECT_TRUE(p.panel.prerendering());
    FreshPictureFolder::drainDrawingQueue();
    EXPECT_TRUE(PictureCache::Load(key).isNull()); // not before it shows
    const QImage shown = p.shot();
    FreshPictureFolder::drainDrawingQueue();
    EXPECT_EQ(PictureCache::Load(key), shown);

    // The next start takes it instead of drawing.
    StartPanel next;
    next.panel.prerender();
    EXPECT_FALSE(next.panel.prerendering());
    EXPECT_EQ(next.shot(), next.fresh());
    EXPECT_TRUE(next.panel.keptPictureToCheck());

    // Another text is another picture.
    StartPanel other;
    other.panel.setBlocks({{QRect(0, 0, 240, 100), QStringLiteral("谢谢！")}});
    EXPECT_NE(other.panel.content().cacheKey(), key);
    other.panel.prerender();
    EXPECT_TRUE(other.panel.prerendering());
}

TEST(PictureCache, AKeptPictureThatNoLongerMatchesIsReplacedAfterTheCheck) {
    StartPanel p;
    const QByteArray key = p.panel.content().cacheKey();
    // As if fonts had changed since the picture was kept.
    QImage stale(p.panel.size(), QImage::Format_RGB32);
    stale.fill(qRgb(0xFF, 0, 0));
    ASSERT_TRUE(PictureCache::Store(key, stale));

    p.panel.prerender();
    EXPECT_EQ(p.shot(), stale); // shown at once, as kept
    ASSERT_TRUE(p.panel.keptPictureToCheck());
    p.panel.checkKeptPicture(); // what its timer does a second later
    FreshPictureFolder::drainDrawingQueue();
    QCoreApplication::processEvents();
    EXPECT_FALSE(p.panel.keptPictureToCheck());
    EXPECT_EQ(p.shot(), p.fresh());
    EXPECT_EQ(PictureCache::Load(key), p.fresh());
}

TEST(PictureCache, APanelIsGoneSafelyWhileItsPictureIsBeingChecked) {
    {
        StartPanel p;
        p.shot();
        ASSERT_TRUE(PictureCache::Store(p.panel.content().cacheKey(), p.fresh()));
    }
    for (int i = 0; i < 10; ++i) {
        auto p = std::make_unique<StartPanel>();
        p->panel.prerender();
        p->shot();
        p->panel.checkKeptPicture();
    }
    FreshPictureFolder::drainDrawingQueue();
    QCoreApplication::processEvents(); // no call reaches a panel that is gone
    SUCCEED();
}
