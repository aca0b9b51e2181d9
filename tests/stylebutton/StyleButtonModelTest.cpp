// The button's properties: new-instance defaults, the defaults of each style,
// the effects and notifications of each write, the size minimum, fonts.
#include "FontFaces.h"
#include "StyleButton.h"
#include "StyleTable.h"
#include "SystemColors.h"
#include "TestImages.h"

#include <QFontInfo>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStringList>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

constexpr std::uint32_t kFace = 0xF0F0F0; // button face of the colour table
constexpr std::uint32_t kText = 0x000000; // button text

QStringList Notified(const QSignalSpy& spy) {
    QStringList names;
    for (const auto& args : spy)
        names << args.at(0).toString();
    return names;
}

PicturePtr SomeBitmap() {
    return StylePicture::FromImage(TestImages::Opaque(8, 8, TestImages::Pattern));
}

} // namespace

TEST(StyleButtonDefaults, NewInstance) {
    ButtonAmbient ambient;
    ambient.displayName = "cmdNext";
    StyleButton b(nullptr, ambient);
    EXPECT_EQ(b.ButtonStyle(), 0);
    EXPECT_EQ(b.BackColor(), kFace);
    EXPECT_EQ(b.ForeColor(), kText);
    EXPECT_TRUE(b.ShowFocusRect());
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.MaskColor(), 0xE0E0E0u);
    EXPECT_FALSE(b.UseMaskColor());
    EXPECT_EQ(b.PictureAlign(), 1);
    EXPECT_EQ(b.CaptionAlign(), 1);
    EXPECT_EQ(b.Caption(), "cmdNext");
    EXPECT_EQ(b.Font(), nullptr); // no font object until one is given
    EXPECT_EQ(b.Picture(), nullptr);
    EXPECT_FALSE(b.CheckBoxMode());
    EXPECT_FALSE(b.Value());
    EXPECT_TRUE(b.IsNT());
}

TEST(StyleButtonDefaults, NewInstanceDrawsWithTheSansFace) {
    StyleButton b;
    EXPECT_EQ(b.Surface().Font().family(), FontFaces::FamilyFor("Tahoma"));
    EXPECT_EQ(b.Caption(), "StyleButton1");
}

TEST(StyleButtonDefaults, GlassStyle) {
    StyleButton b;
    b.setButtonStyle(4);
    EXPECT_EQ(b.BackColor(), 0xE3E3E3u);
    EXPECT_EQ(b.ForeColor(), kText);
    EXPECT_FALSE(b.ShowFocusRect());
}

TEST(StyleButtonDefaults, DropShadowStyleHasWhiteText) {
    StyleButton b;
    b.setButtonStyle(5);
    EXPECT_EQ(b.BackColor(), 0xAA6D00u);
    EXPECT_EQ(b.ForeColor(), 0xFFFFFFu);
    EXPECT_TRUE(b.ShowFocusRect());
}

TEST(StyleButtonDefaults, BandStyleKeepsTheButtonText) {
    StyleButton b;
    b.setForeColor(0x123456);
    b.setButtonStyle(7);
    EXPECT_EQ(b.BackColor(), 0xFFD1ADu);
    EXPECT_EQ(b.ForeColor(), kText);
    EXPECT_FALSE(b.ShowFocusRect());
}

TEST(StyleButtonDefaults, UnknownStyleKeepsTheFace) {
    StyleButton b;
    b.setBackColor(0x336699);
    b.setForeColor(0x0000FF);
    b.setButtonStyle(16);
    EXPECT_EQ(b.BackColor(), 0x336699u);
    EXPECT_EQ(b.ForeColor(), kText);
    EXPECT_FALSE(b.ShowFocusRect());
}

TEST(StyleButtonDefaults, EveryStyleOfTheTable) {
    struct Row {
        int style;
        std::uint32_t back;
        std::uint32_t fore;
        bool focus;
    };
    const Row rows[] = {
        {0, kFace, kText, true},     {1, kFace, kText, true},      {2, 0xE7EBEC, kText, false},
        {3, kFace, kText, false},    {4, 0xE3E3E3, kText, false},  {5, 0xAA6D00, 0xFFFFFF, true},
        {6, 0xE1D6D5, kText, true},  {7, 0xFFD1AD, kText, false},  {8, kFace, kText, false},
        {9, kFace, kText, false},    {10, 0xFFD1AD, kText, false}, {11, kFace, kText, false},
        {12, kFace, kText, false},   {13, 0xFCE1CA, kText, false}, {14, 0xD0D0D0, kText, false},
        {15, 0xE6CAA7, kText, true},
    };
    StyleButton b;
    for (const Row& r : rows) {
        b.setButtonStyle(r.style);
        EXPECT_EQ(b.BackColor(), r.back) << StyleTable::Name(r.style).toStdString();
        EXPECT_EQ(b.ForeColor(), r.fore) << r.style;
        EXPECT_EQ(b.ShowFocusRect(), r.focus) << r.style;
    }
    EXPECT_EQ(StyleTable::Name(4), "Glass");
    EXPECT_EQ(StyleTable::Name(15), "SideShade");
    EXPECT_TRUE(StyleTable::Name(16).isEmpty());
}

TEST(StyleButtonWrites, StyleWriteRedrawsAndNotifies) {
    StyleButton b;
    QSignalSpy spy(&b, &StyleButton::PropertyChanged);
    b.setButtonStyle(4);
    EXPECT_EQ(Notified(spy), QStringList{"ButtonStyle"});
    EXPECT_EQ(b.Surface().Pixel(0, 0), 0x707070u); // Glass's outer frame
    b.setButtonStyle(16);
    EXPECT_EQ(b.Surface().Pixel(0, 0), 0xF0F0F0u); // no painter: the cleared surface
}

TEST(StyleButtonWrites, NotificationNames) {
    StyleButton b;
    QSignalSpy spy(&b, &StyleButton::PropertyChanged);
    b.setBackColor(0x112233);
    b.setCaption("OK");
    b.setCaptionAlign(0);
    b.setEnabled(false);
    b.setForeColor(0x000080);
    b.setHandPointer(true);
    b.setMaskColor(0xFF00FF);
    b.setPictureAlign(2);
    b.setPictureSize(1);
    b.setShowFocusRect(false);
    b.setUseMaskColor(true);
    EXPECT_EQ(Notified(spy), (QStringList{"BackColor", "Caption", "CaptionAlign", "Enabled",
                                          "ForeColor", "HandPointer", "MaskColor", "PictureAlign",
                                          "PictureSize", "ShowFocusRect", "UseMaskColor"}));
}

TEST(StyleButtonWrites, ValueIsIgnoredOutsideCheckBoxMode) {
    StyleButton b;
    b.setButtonState(StyleButton::Hot);
    QSignalSpy spy(&b, &StyleButton::PropertyChanged);
    b.setValue(true);
    EXPECT_FALSE(b.Value());
    EXPECT_EQ(b.ButtonState(), StyleButton::Normal);
    EXPECT_TRUE(spy.isEmpty());
}

TEST(StyleButtonWrites, ValueInCheckBoxMode) {
    StyleButton b;
    b.setButtonStyle(1);
    b.setCheckBoxMode(true);
    QSignalSpy spy(&b, &StyleButton::PropertyChanged);
    b.setValue(true);
    EXPECT_TRUE(b.Value());
    EXPECT_EQ(Notified(spy), QStringList{"Value"});
    // A checked toggle of style 1 is drawn, and stays, down.
    EXPECT_EQ(b.ButtonState(), StyleButton::Down);
    b.setValue(false);
    EXPECT_EQ(b.ButtonState(), StyleButton::Normal);
}

TEST(StyleButtonWrites, CheckedTogglesStayDownExceptInTheStylesWithTheirOwnCheckedLook) {
    for (int style = 0; style <= 16; ++style) {
        StyleButton b;
        b.setButtonStyle(style);
        b.setCheckBoxMode(true);
        b.setValue(true);
        (void)b.Surface(); // drawn
        const bool ownLook = style == 0 || style == 3 || style == 9;
        EXPECT_EQ(b.ButtonState(), ownLook ? StyleButton::Normal : StyleButton::Down) << style;
        // The pointer coming and going does not lift it.
        b.setButtonState(StyleButton::Hot);
        b.Redraw();
        EXPECT_EQ(b.ButtonState(), ownLook ? StyleButton::Hot : StyleButton::Down) << style;
    }
}

TEST(StyleButtonWrites, SwitchingCheckBoxModeOffKeepsValue) {
    StyleButton b;
    b.setCheckBoxMode(true);
    b.setValue(true);
    b.setButtonState(StyleButton::Down);
    QSignalSpy spy(&b, &StyleButton::PropertyChanged);
    b.setCheckBoxMode(false);
    EXPECT_TRUE(b.Value());
    EXPECT_EQ(b.ButtonState(), StyleButton::Normal);
    EXPECT_EQ(Notified(spy), (QStringList{"Value", "CheckBoxMode"}));
}

TEST(StyleButtonWrites, PictureHoverAlsoFillsAnEmptyPicture) {
    StyleButton b;
    QSignalSpy spy(&b, &StyleButton::PropertyChanged);
    const PicturePtr picture = SomeBitmap();
    b.setPictureHover(picture);
    EXPECT_EQ(b.Picture(), picture);
    EXPECT_EQ(b.PictureHover(), picture);
    EXPECT_EQ(Notified(spy), (QStringList{"Picture", "PictureHover"}));

    // With a picture set, only the hover picture changes.
    const PicturePtr other = SomeBitmap();
    b.setPictureHover(other);
    EXPECT_EQ(b.Picture(), picture);
    EXPECT_EQ(b.PictureHover(), other);
}

TEST(StyleButtonWrites, ClearingAPictureIsNotNotified) {
    StyleButton b;
    b.setPicture(SomeBitmap());
    QSignalSpy spy(&b, &StyleButton::PropertyChanged);
    b.setPicture(nullptr);
    b.setPictureHover(nullptr);
    EXPECT_EQ(b.Picture(), nullptr);
    EXPECT_EQ(Notified(spy), QStringList{"Picture"}); // from the hover write's copy
}

TEST(StyleButtonWrites, EnabledIsGivenToTheWidget) {
    StyleButton b;
    b.setEnabled(false);
    EXPECT_FALSE(b.Enabled());
    EXPECT_FALSE(b.isEnabled());
    b.QWidget::setEnabled(true); // a direct Qt call still counts
    EXPECT_TRUE(b.Enabled());
}

TEST(StyleButtonWrites, DisablingTheParentLeavesEnabled) {
    QWidget window;
    auto* b = new StyleButton(&window);
    window.setEnabled(false);
    EXPECT_TRUE(b->Enabled());
    EXPECT_FALSE(b->isEnabled());
}

TEST(StyleButtonWrites, MousePointerIsHeldByTheHost) {
    StyleButton b;
    QSignalSpy spy(&b, &StyleButton::PropertyChanged);
    b.setMousePointer(11);
    EXPECT_EQ(b.MousePointer(), 11);
    EXPECT_EQ(b.cursor().shape(), Qt::WaitCursor);
    EXPECT_THROW(b.setMousePointer(40000), std::overflow_error);
    EXPECT_EQ(b.MousePointer(), 11);
    b.setMouseIcon(SomeBitmap());
    EXPECT_EQ(b.MousePointer(), 99);
    b.setMouseIcon(nullptr);
    EXPECT_EQ(b.MousePointer(), 0);
    EXPECT_EQ(Notified(spy), (QStringList{"MousePointer", "MouseIcon", "MouseIcon"}));
}

TEST(StyleButtonSize, HeightOf100TwipsGrowsTo220) {
    StyleButton b;
    b.setSizeTwips(1125, 100);
    EXPECT_EQ(b.HeightTwips(), 220);
    EXPECT_EQ(b.WidthTwips(), 1125);
    EXPECT_EQ(b.height(), 15); // 14.67 pixels, rounded
    EXPECT_EQ(b.width(), 75);
}

TEST(StyleButtonSize, NarrowWidthGrowsToo) {
    StyleButton b;
    b.setSizeTwips(30, 375);
    EXPECT_EQ(b.WidthTwips(), 220);
    EXPECT_EQ(b.HeightTwips(), 375);
}

TEST(StyleButtonSize, PixelGeometryFromTheWindowsIsKept) {
    QWidget window;
    auto* b = new StyleButton(&window);
    b->setGeometry(10, 20, 75, 25);
    window.show();
    EXPECT_EQ(b->size(), QSize(75, 25));
    EXPECT_EQ(b->WidthTwips(), 1125);
    EXPECT_EQ(b->HeightTwips(), 375);
    EXPECT_EQ(b->LeftTwips(), 150);
    b->resize(75, 10); // 150 twips, below the minimum
    EXPECT_EQ(b->height(), 15);
    EXPECT_EQ(b->HeightTwips(), 220);
    EXPECT_EQ(b->Surface().Height(), 15);
}

TEST(StyleButtonFont, AssigningNotifiesTwiceAndSetsTheSurfaceFont) {
    StyleButton b;
    QSignalSpy spy(&b, &StyleButton::PropertyChanged);
    FontDesc desc;
    desc.name = "宋体";
    desc.size = 14.25;
    desc.weight = 700;
    b.setFont(StyleFont::Create(desc));
    EXPECT_EQ(Notified(spy), (QStringList{"Font", "Font"}));
    EXPECT_EQ(b.Surface().Font().family(), "Noto Serif CJK SC");
    EXPECT_EQ(b.Surface().Font().pixelSize(), 19); // 14.25 * 96 / 72
    EXPECT_TRUE(b.Surface().Font().bold());
}

TEST(StyleButtonFont, ChangingTheKeptObjectRedrawsAtOnce) {
    StyleButton b;
    b.resize(120, 40);
    b.setCaption("WWWW");
    const FontPtr font = StyleFont::Create();
    b.setFont(font);
    const QImage before = b.Surface().Image();
    QSignalSpy spy(&b, &StyleButton::PropertyChanged);
    font->setSize(15);
    EXPECT_EQ(b.Surface().Font().pixelSize(), 20);
    EXPECT_NE(b.Surface().Image(), before);
    EXPECT_EQ(Notified(spy), QStringList{"Font"});
}

TEST(StyleButtonFont, SharedFontRedrawsEveryButton) {
    StyleButton a, b;
    const FontPtr font = StyleFont::Create();
    a.setFont(font);
    b.setFont(font);
    font->setBold(true);
    EXPECT_TRUE(a.Surface().Font().bold());
    EXPECT_TRUE(b.Surface().Font().bold());
    // A replaced font is no longer heard.
    b.setFont(StyleFont::Create());
    font->setItalic(true);
    EXPECT_TRUE(a.Surface().Font().italic());
    EXPECT_FALSE(b.Surface().Font().italic());
}

TEST(StyleButtonFont, QtFontOfTheWindowsMapsSongTi) {
    StyleButton b;
    QFont font("宋体");
    font.setPointSizeF(9.75);
    b.setFont(font);
    ASSERT_NE(b.Font(), nullptr);
    EXPECT_EQ(b.Font()->Name(), "宋体");
    EXPECT_DOUBLE_EQ(b.Font()->Size(), 9.75);
    EXPECT_EQ(b.Surface().Font().family(), "Noto Serif CJK SC");
    EXPECT_EQ(QFontInfo(b.Surface().Font()).family(), "Noto Serif CJK SC"); // installed
    EXPECT_EQ(b.Surface().Font().pixelSize(), 13);
    EXPECT_EQ(FontFaces::FamilyFor("simsun"), "Noto Serif CJK SC");
    EXPECT_EQ(FontFaces::FamilyFor("Some Face"), "Some Face");
}

TEST(StyleButtonFont, QWidgetSetFontCountsAsAnAssignment) {
    StyleButton b;
    QWidget& widget = b;
    QFont font("宋体");
    font.setPointSizeF(14.25);
    font.setBold(true);
    widget.setFont(font);
    ASSERT_NE(b.Font(), nullptr);
    EXPECT_EQ(b.Font()->Name(), "宋体");
    EXPECT_EQ(b.Font()->Weight(), 700);
    EXPECT_EQ(b.Surface().Font().pixelSize(), 19);
}

TEST(StyleButtonHost, AboutBox) {
    const auto box = StyleButton::CreateAboutBox(nullptr);
    EXPECT_EQ(box->windowTitle(), "About");
    EXPECT_EQ(box->text(), "StyleButton\nA Multistyle Button Control");
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
}

TEST(StyleButtonHost, AmbientDisplayAsDefaultIsCopiedOnEveryChange) {
    StyleButton b;
    ButtonAmbient ambient = b.Ambient();
    ambient.displayAsDefault = true;
    b.setAmbient(ambient);
    EXPECT_FALSE(b.DisplayAsDefault());
    b.AmbientChanged("Font");
    EXPECT_TRUE(b.DisplayAsDefault());
}
