// Saving and loading a button's properties, and the text form of layouts.
#include "FormButtons.h"
#include "FormLayout.h"
#include "PropertyBag.h"
#include "PropertyText.h"
#include "StyleButton.h"
#include "TestImages.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QStringList Keys(const PropertyBag& bag) {
    QStringList keys;
    for (const auto& e : bag.Entries())
        keys << e.key;
    return keys;
}

} // namespace

TEST(PropertyBag, KeysMatchWithoutRegardToCase) {
    PropertyBag bag;
    bag.Set("pictureSize", std::int32_t(2));
    EXPECT_EQ(bag.ReadInt("PictureSize", 0), 2);
    EXPECT_EQ(bag.ReadInt("PICTURESIZE", 0), 2);
    bag.Set("PictureSize", std::int32_t(3));
    EXPECT_EQ(bag.Entries().size(), 1);
    EXPECT_EQ(bag.ReadInt("picturesize", 0), 3);
}

TEST(PropertyBag, ValueEqualToItsDefaultIsLeftOut) {
    PropertyBag bag;
    bag.Write("ButtonStyle", std::int32_t(1), std::int32_t(1));
    EXPECT_FALSE(bag.Contains("ButtonStyle"));
    bag.Write("ButtonStyle", std::int32_t(4), std::int32_t(1));
    EXPECT_EQ(bag.ReadInt("ButtonStyle", 1), 4);
    bag.Write("buttonstyle", std::int32_t(1), std::int32_t(1));
    EXPECT_FALSE(bag.Contains("ButtonStyle"));
}

TEST(PropertyBag, TypedReadsConvertPlainCases) {
    PropertyBag bag;
    bag.Set("A", std::int32_t(0));
    bag.Set("B", ColorValue{0x8000000F});
    bag.Set("C", QString("x"));
    EXPECT_FALSE(bag.ReadBool("A", true));
    EXPECT_EQ(bag.ReadColor("B", 0), 0x8000000Fu);
    EXPECT_EQ(bag.ReadInt("C", 7), 7); // a text is no number
    EXPECT_EQ(bag.ReadString("missing", "d"), "d");
}

TEST(StyleButtonSave, NewInstanceWritesOnlyWhatDiffers) {
    ButtonAmbient ambient;
    ambient.displayName = "StyleButton1";
    StyleButton b(nullptr, ambient);
    PropertyBag bag;
    b.WriteProperties(bag);
    // Style 0 differs from the stored default 1, ShowFocusRect true from
    // false; the caption "StyleButton1" is the write default.
    EXPECT_EQ(Keys(bag), (QStringList{"ButtonStyle", "ShowFocusRect"}));
    EXPECT_EQ(bag.ReadInt("ButtonStyle", 1), 0);
}

TEST(StyleButtonSave, CaptionStyleButton1ReadsBackAsStyleButton) {
    StyleButton b;
    b.setCaption("StyleButton1");
    PropertyBag bag;
    b.WriteProperties(bag);
    EXPECT_FALSE(bag.Contains("Caption"));
    StyleButton loaded;
    loaded.ReadProperties(bag);
    EXPECT_EQ(loaded.Caption(), "StyleButton");
}

TEST(StyleButtonSave, StyleOneIsNotWrittenAndLoadsAsOne) {
    StyleButton b;
    b.setButtonStyle(1);
    PropertyBag bag;
    b.WriteProperties(bag);
    EXPECT_FALSE(bag.Contains("ButtonStyle"));
    StyleButton loaded;
    loaded.ReadProperties(bag);
    EXPECT_EQ(loaded.ButtonStyle(), 1);
    EXPECT_EQ(StyleButton().ButtonStyle(), 0);
}

TEST(StyleButtonSave, WritesInItsOrderUnderItsKeys) {
    StyleButton b;
    b.setButtonStyle(5);
    b.setShowFocusRect(false);
    b.setEnabled(false);
    b.setFont(StyleFont::Create(FontDesc{"宋体", 14.25, 700, 134}));
    b.setCaption("对");
    b.setCheckBoxMode(true);
    b.setValue(true);
    b.setMousePointer(2);
    b.setHandPointer(true);
    b.setPicture(StylePicture::Empty(":/a.png"));
    b.setPictureHover(StylePicture::Empty(":/b.png"));
    b.setPictureAlign(3);
    b.setPictureSize(2);
    b.setUseMaskColor(true);
    b.setMaskColor(0xFF00FF);
    b.setCaptionAlign(0);
    PropertyBag bag;
    b.WriteProperties(bag);
    EXPECT_EQ(Keys(bag), (QStringList{"ButtonStyle", "Enabled", "Font", "BackColor", "Caption",
                                      "ForeColor", "CheckBoxMode", "Value", "MousePointer",
                                      "HandPointer", "Picture", "PictureHover", "PictureAlign",
                                      "pictureSize", "UseMaskCOlor", "MaskColor", "CaptionAlign"}));

    StyleButton loaded;
    loaded.ReadProperties(bag);
    PropertyBag again;
    loaded.WriteProperties(again);
    EXPECT_EQ(again, bag);
    EXPECT_EQ(loaded.Picture()->Source(), ":/a.png");
    EXPECT_EQ(loaded.ForeColor(), 0xFFFFFFu);
    EXPECT_FALSE(loaded.isEnabled());
    EXPECT_EQ(loaded.MousePointer(), 2);
}

TEST(StyleButtonLoad, KeepsAStoredBackColor) {
    PropertyBag bag;
    bag.Set("ButtonStyle", std::int32_t(4));
    bag.Set("BackColor", ColorValue{0x123456});
    StyleButton b;
    b.ReadProperties(bag);
    EXPECT_EQ(b.ButtonStyle(), 4);
    EXPECT_EQ(b.BackColor(), 0x123456u);
}

TEST(StyleButtonLoad, AppliesNoStyleDefaults) {
    PropertyBag bag;
    bag.Set("ButtonStyle", std::int32_t(5));
    StyleButton b;
    b.ReadProperties(bag);
    EXPECT_EQ(b.BackColor(), 0xF0F0F0u); // the read default, not style 5's
    EXPECT_EQ(b.ForeColor(), 0x000000u);
    EXPECT_FALSE(b.ShowFocusRect());
}

TEST(StyleButtonLoad, KeysInAnyCaseAndTheOddlySpelledOnes) {
    PropertyBag bag;
    bag.Set("PICTURESIZE", std::int32_t(3));
    bag.Set("usemaskcolor", true);
    bag.Set("caption", QString("&Save"));
    StyleButton b;
    b.ReadProperties(bag);
    EXPECT_EQ(b.PictureSize(), 3);
    EXPECT_TRUE(b.UseMaskColor());
    EXPECT_EQ(b.AccessKeys(), "s");
}

TEST(StyleButtonLoad, FontDefaultsToTheWindowsFont) {
    ButtonAmbient ambient;
    ambient.font = FontDesc{"宋体", 9, 400, 134};
    StyleButton b(nullptr, ambient);
    b.ReadProperties(PropertyBag());
    ASSERT_NE(b.Font(), nullptr);
    EXPECT_EQ(b.Font()->Desc(), ambient.font);
    EXPECT_EQ(b.Surface().Font().family(), "Noto Serif CJK SC");
    PropertyBag bag;
    b.WriteProperties(bag);
    EXPECT_FALSE(bag.Contains("Font"));
}

TEST(StyleButtonLoad, HandCursorOnlyInRunMode) {
    PropertyBag bag;
    bag.Set("HandPointer", true);
    ButtonAmbient design;
    design.userMode = false;
    StyleButton editing(nullptr, design);
    editing.ReadProperties(bag);
    EXPECT_TRUE(editing.HandPointer());
    EXPECT_FALSE(editing.HandCursorLoaded());
    StyleButton running;
    running.ReadProperties(bag);
    EXPECT_TRUE(running.HandCursorLoaded());
    EXPECT_EQ(running.cursor().shape(), Qt::PointingHandCursor);
}

TEST(PropertyText, EveryKindOfValueRoundTrips) {
    const PropertyValue values[] = {
        PropertyValue(true),
        PropertyValue(false),
        PropertyValue(std::int32_t(-375)),
        PropertyValue(9.75),
        PropertyValue(QString("say \"hi\" = 你好")),
        PropertyValue(ColorValue{0x8000000F}),
        PropertyValue(ColorValue{0xE3E3E3}),
        PropertyValue(FontDesc{"宋体", 14.25, 700, 134, true, false, true}),
        PropertyValue(PictureRef{":/buttons/next.png"}),
        PropertyValue(PictureRef{}),
        PropertyValue(std::monostate{}),
    };
    for (const PropertyValue& v : values) {
        const QString text = PropertyText::Format(v);
        QString error;
        const auto back = PropertyText::ParseAll(text, &error);
        ASSERT_TRUE(back.has_value()) << text.toStdString() << ": " << error.toStdString();
        EXPECT_TRUE(*back == v) << text.toStdString();
    }
    EXPECT_EQ(PropertyText::Format(ColorValue{0xE3E3E3}), "&H00E3E3E3&");
    EXPECT_EQ(PropertyText::Format(FontDesc{"宋体", 9.75, 400, 134}),
              "Font(\"宋体\", 9.75, 400, 134)");
}

TEST(PropertyText, NumbersAndTextsAtTheirEdges) {
    const std::pair<const char*, PropertyValue> cases[] = {
        {"+12", PropertyValue(std::int32_t(12))},
        {"-0", PropertyValue(std::int32_t(0))},
        {"2147483647", PropertyValue(std::int32_t(2147483647))},
        {"-2147483648", PropertyValue(std::int32_t(-2147483647 - 1))},
        {"007", PropertyValue(std::int32_t(7))},
        {"\"\"", PropertyValue(QString())},
        {"\"\"\"\"", PropertyValue(QString("\""))},
        {"\"\"\"a\"\"\"", PropertyValue(QString("\"a\""))},
        {"\"a\"\"\"\"b\"", PropertyValue(QString("a\"\"b"))},
    };
    for (const auto& [text, value] : cases) {
        QString error;
        const auto back = PropertyText::ParseAll(QString::fromUtf8(text), &error);
        ASSERT_TRUE(back.has_value()) << text << ": " << error.toStdString();
        EXPECT_TRUE(*back == value) << text;
    }
    // Out of range, or digits of another script, are not whole numbers.
    for (const char* bad : {"2147483648", "-2147483649", "\uFF12", "\"a\"\"", "+", "-"}) {
        QString error;
        EXPECT_FALSE(PropertyText::ParseAll(QString::fromUtf8(bad), &error).has_value()) << bad;
    }
}

TEST(PropertyText, RejectsMalformedValues) {
    for (const char* bad : {"\"open", "&H&", "Font(\"x\", 9)", "12abc", "Maybe", "99999999999",
                            "Picture(\"a\"", "Font(\"x\", 9, 400, 134, Bold)"}) {
        QString error;
        EXPECT_FALSE(PropertyText::ParseAll(QString::fromUtf8(bad), &error).has_value()) << bad;
        EXPECT_FALSE(error.isEmpty()) << bad;
    }
}

namespace {

const char* const kLayout = R"(# The mode menu of the main window.
Form frmMain
    Font = Font("宋体", 9, 400, 134)
Begin StyleButton cmdK(1)
    Left = 120
    Top = 600
    Width = 1215
    Height = 375
    ButtonStyle = 4
    BackColor = &H00E3E3E3&   # the windows' face
    Caption = "顺序练习"
    Font = Font("宋体", 9.75, 400, 134)
    pictureSize = 2
End
Begin StyleButton cmdK(0)
    Left = 120
    Top = 120
    Width = 1215
    Height = 375
    Caption = "车型选择"
End
begin stylebutton cmdSubit
    left = 3000
    top = 7000
    width = 1000
    height = 100
    visible = false
    caption = "交  卷"
end
)";

} // namespace

TEST(FormLayout, ParsesButtonsGeometryAndProperties) {
    QString error;
    const auto layout = FormLayout::Parse(kLayout, &error);
    ASSERT_TRUE(layout.has_value()) << error.toStdString();
    EXPECT_EQ(layout->formName, "frmMain");
    ASSERT_EQ(layout->buttons.size(), 3);
    const ButtonEntry* k1 = layout->Find("cmdK", 1);
    ASSERT_NE(k1, nullptr);
    EXPECT_EQ(k1->left, 120);
    EXPECT_EQ(k1->top, 600);
    EXPECT_EQ(k1->properties.ReadColor("BackColor", 0), 0xE3E3E3u);
    EXPECT_EQ(k1->properties.ReadString("Caption", ""), "顺序练习");
    EXPECT_EQ(k1->DisplayName(), "cmdK(1)");
    const ButtonEntry* submit = layout->Find("cmdSubit");
    ASSERT_NE(submit, nullptr);
    EXPECT_FALSE(submit->visible);
    EXPECT_EQ(submit->height, 100);
    EXPECT_EQ(layout->AmbientFor(*k1).font.size, 9);
}

TEST(FormLayout, ReportsTheLineOfAnError) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"Begin StyleButton a\nCaption \"x\"\nEnd\n", "line 2"},
        {"Begin StyleButton a\nLeft = \"x\"\nEnd\n", "line 2"},
        {"Begin StyleButton a\n", "has no End"},
        {"End\n", "line 1"},
        {"Begin Label a\nEnd\n", "line 1"},
        {"Begin StyleButton a(1)\nEnd\nBegin StyleButton A(1)\nEnd\n", "line 3"},
        {"Begin StyleButton a\nCaption = \"x\" extra\nEnd\n", "line 2"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(FormLayout::Parse(c.text, &error).has_value()) << c.text;
        EXPECT_TRUE(error.contains(c.message)) << error.toStdString();
    }
}

TEST(FormLayout, WrittenTextParsesToTheSameLayout) {
    const auto layout = FormLayout::Parse(kLayout);
    ASSERT_TRUE(layout.has_value());
    const QString text = layout->ToText();
    const auto again = FormLayout::Parse(text);
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->ToText(), text);
    EXPECT_TRUE(text.contains("Begin StyleButton cmdK(1)\n"));
    EXPECT_TRUE(text.contains("    Caption = \"顺序练习\"\n"));
}

TEST(FormButtons, CreatesTheButtonsOfAWindow) {
    QWidget window;
    const auto layout = FormLayout::Parse(kLayout);
    ASSERT_TRUE(layout.has_value());
    const FormButtons buttons = FormButtons::Create(&window, *layout);
    ASSERT_EQ(buttons.All().size(), 3);
    StyleButton* k1 = buttons.Button("cmdK", 1);
    ASSERT_NE(k1, nullptr);
    EXPECT_EQ(k1->parentWidget(), &window);
    EXPECT_EQ(k1->Caption(), "顺序练习");
    EXPECT_EQ(k1->ButtonStyle(), 4);
    EXPECT_EQ(k1->BackColor(), 0xE3E3E3u);
    EXPECT_EQ(k1->geometry(), QRect(8, 40, 81, 25));
    EXPECT_EQ(k1->Surface().Font().family(), "Noto Serif CJK SC");
    EXPECT_EQ(k1->Surface().Font().pixelSize(), 13);
    const QList<StyleButton*> menu = buttons.Array("cmdK");
    ASSERT_EQ(menu.size(), 2);
    EXPECT_EQ(menu[0]->Caption(), "车型选择");
    EXPECT_EQ(menu[0]->ButtonStyle(), 1); // not stored: the read default
    StyleButton* submit = buttons.Button("cmdSubit");
    ASSERT_NE(submit, nullptr);
    EXPECT_TRUE(submit->isHidden());
    EXPECT_EQ(submit->HeightTwips(), 220);
    EXPECT_EQ(buttons.Button("cmdK", 7), nullptr);
}

TEST(FormButtons, ALoadedButtonIsNotInitialisedFirstYetEndsTheSame) {
    QWidget window;
    const auto layout = FormLayout::Parse(kLayout);
    ASSERT_TRUE(layout.has_value());
    const FormButtons buttons = FormButtons::Create(&window, *layout);
    for (const ButtonEntry& entry : layout->buttons) {
        SCOPED_TRACE(entry.DisplayName().toStdString());
        // The long way: a new button, initialised, then loaded.
        StyleButton initialised(&window, layout->AmbientFor(entry, true));
        initialised.setGeometryTwips(entry.left, entry.top, entry.width, entry.height);
        initialised.ReadProperties(entry.properties);
        const StyleButton* loaded = buttons.Button(entry.name, entry.index);
        ASSERT_NE(loaded, nullptr);
        PropertyBag a, b;
        loaded->WriteProperties(a);
        initialised.WriteProperties(b);
        EXPECT_TRUE(a == b);
        EXPECT_EQ(loaded->Caption(), initialised.Caption());
        EXPECT_EQ(loaded->ShowFocusRect(), initialised.ShowFocusRect());
        EXPECT_EQ(loaded->AccessKeys(), initialised.AccessKeys());
        EXPECT_EQ(loaded->Surface().Font(), initialised.Surface().Font());
        EXPECT_EQ(loaded->Surface().TextColor(), initialised.Surface().TextColor());
        EXPECT_EQ(loaded->Surface().Image(), initialised.Surface().Image());
    }
}

TEST(FormButtons, AFilteredLayoutMakesTheRestWhenAsked) {
    QWidget window;
    const auto layout = FormLayout::Parse(kLayout);
    ASSERT_TRUE(layout.has_value());
    auto menuOnly = [](const ButtonEntry& e) { return e.name == "cmdK"; };
    FormButtons buttons = FormButtons::Create(&window, *layout, true, menuOnly);
    EXPECT_EQ(buttons.All().size(), 2);
    EXPECT_EQ(buttons.Button("cmdSubit"), nullptr);
    EXPECT_EQ(window.findChildren<StyleButton*>().size(), 2);
    buttons.Add(*layout, [&](const ButtonEntry& e) { return !menuOnly(e); });
    ASSERT_EQ(buttons.All().size(), 3);
    StyleButton* submit = buttons.Button("cmdSubit");
    ASSERT_NE(submit, nullptr);
    EXPECT_TRUE(submit->isHidden());
    EXPECT_EQ(submit->HeightTwips(), 220);
    // Captured, the form holds every button, those made later last.
    const FormLayout captured = buttons.Capture();
    ASSERT_EQ(captured.buttons.size(), 3);
    EXPECT_EQ(captured.buttons[2].name, "cmdSubit");
}

TEST(FormButtons, CaptureWritesTheSameForm) {
    QWidget window;
    const auto layout = FormLayout::Parse(kLayout);
    ASSERT_TRUE(layout.has_value());
    const FormButtons buttons = FormButtons::Create(&window, *layout);
    buttons.Button("cmdK", 0)->setCaption("车型");
    const FormLayout captured = buttons.Capture();
    ASSERT_EQ(captured.buttons.size(), 3);
    const ButtonEntry& k1 = captured.buttons[0];
    EXPECT_EQ(k1.DisplayName(), "cmdK(1)");
    EXPECT_EQ(k1.left, 120);
    EXPECT_EQ(k1.height, 375);
    EXPECT_EQ(k1.properties.ReadInt("ButtonStyle", 1), 4);
    EXPECT_EQ(k1.properties.ReadFont("Font", {}).size, 9.75);
    EXPECT_EQ(captured.buttons[1].properties.ReadString("Caption", ""), "车型");
    EXPECT_EQ(captured.buttons[2].height, 220);
    EXPECT_FALSE(captured.buttons[2].visible);

    // Loading what was captured gives the same buttons again.
    QWidget second;
    const FormButtons again = FormButtons::Create(&second, captured);
    EXPECT_EQ(again.Capture().ToText(), captured.ToText());
}

TEST(FormButtons, ButtonsSitInTheFrameNamedAsTheirContainer) {
    QWidget window;
    auto* frame = new QWidget(&window);
    frame->setObjectName("fraC");
    frame->setGeometry(6, 2, 126, 318);
    const auto layout = FormLayout::Parse(R"(Form frmMain
Begin StyleButton cmdK(0)
    Container = "fraC"
    Left = 120
    Top = 240
    Caption = "车型选择"
End
Begin StyleButton cmdOther
    Container = "noSuchFrame"
    Caption = "其他"
End
)");
    ASSERT_TRUE(layout.has_value());
    const FormButtons buttons = FormButtons::Create(&window, *layout);
    StyleButton* k0 = buttons.Button("cmdK", 0);
    EXPECT_EQ(k0->parentWidget(), frame);
    EXPECT_EQ(k0->geometry().topLeft(), QPoint(8, 16)); // inside the frame
    EXPECT_EQ(buttons.Button("cmdOther")->parentWidget(), &window);

    const FormLayout captured = buttons.Capture();
    EXPECT_EQ(captured.buttons[0].container, "fraC");
    EXPECT_TRUE(captured.buttons[1].container.isEmpty());
    EXPECT_TRUE(
        captured.ToText().contains("Begin StyleButton cmdK(0)\n    Container = \"fraC\"\n"));
    EXPECT_EQ(FormLayout::Parse(captured.ToText())->buttons[0].container, "fraC");
}

TEST(FormButtons, LoadsPicturesByReferenceFromAFile) {
    QTemporaryDir dir;
    const QString png = dir.filePath("next.png");
    ASSERT_TRUE(TestImages::Opaque(24, 24, TestImages::Pattern).save(png));
    const QString path = dir.filePath("frmTest.layout");
    FormLayout layout;
    ButtonEntry entry;
    entry.name = "cmdNext";
    entry.properties.Set("Caption", QString("下一题"));
    entry.properties.Set("Picture", PictureRef{png});
    layout.buttons.append(entry);
    ASSERT_TRUE(layout.Save(path));

    QWidget window;
    QString error;
    const auto buttons = FormButtons::CreateFromFile(&window, path, &error);
    ASSERT_TRUE(buttons.has_value()) << error.toStdString();
    StyleButton* next = buttons->Button("cmdNext");
    ASSERT_NE(next, nullptr);
    ASSERT_NE(next->Picture(), nullptr);
    EXPECT_EQ(next->Picture()->kind(), StylePicture::Kind::Bitmap);
    EXPECT_EQ(next->Picture()->Source(), png);
    EXPECT_EQ(buttons->Capture().buttons[0].properties.ReadPicture("Picture")->source, png);

    // A byte-order mark in front of the text is not part of it.
    QFile bom(dir.filePath("bom.layout"));
    ASSERT_TRUE(bom.open(QIODevice::WriteOnly));
    bom.write("\xEF\xBB\xBF"
              "Form frmBom\nBegin StyleButton cmdOk\nEnd\n");
    bom.close();
    const auto withBom = FormLayout::Load(bom.fileName(), &error);
    ASSERT_TRUE(withBom.has_value()) << error.toStdString();
    EXPECT_EQ(withBom->formName, "frmBom");

    EXPECT_FALSE(FormButtons::CreateFromFile(&window, dir.filePath("none.layout"), &error));
    EXPECT_TRUE(error.contains("none.layout"));
}
