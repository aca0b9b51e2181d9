#include "StyleButton.h"

#include "ButtonShape.h"
#include "StyleButtonAccessible.h"

#include "AccessKey.h"
#include "CaptionLayout.h"
#include "ColorMath.h"
#include "FontFaces.h"
#include "MousePointers.h"
#include "StyleTable.h"
#include "SystemColors.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QtDebug>
#include <algorithm>
#include <limits>
#include <stdexcept>

namespace {

using SystemColors::System;
using SystemColors::TranslateColor;

constexpr std::uint32_t kFaceColor = System(SystemColors::kButtonFace);
constexpr std::uint32_t kTextColor = System(SystemColors::kButtonText);
constexpr std::uint32_t kDefaultMaskColor = 0xE0E0E0;

std::uint32_t Translated(std::uint32_t colour) {
    return std::uint32_t(TranslateColor(colour));
}

PicturePtr PictureFromRef(const std::optional<PictureRef>& ref) {
    if (!ref)
        return nullptr;
    if (ref->source.isEmpty())
        return StylePicture::Empty();
    return StylePicture::Load(ref->source);
}

PropertyValue PictureValue(const PicturePtr& picture) {
    if (!picture)
        return std::monostate{};
    return PictureRef{picture->Source()};
}

} // namespace

StyleButton::StyleButton(QWidget* parent) : StyleButton(parent, ButtonAmbient{}) {}

StyleButton::StyleButton(QWidget* parent, const ButtonAmbient& ambient, Origin origin)
    : QWidget(parent), ambient_(ambient) {
    StyleButtonAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true); // the pointer's moves keep the hot look current
    // Every pixel comes from the surface; Qt need not clear behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    leftTwips_ = Twips::FromPixels(x());
    topTwips_ = Twips::FromPixels(y());
    widthTwips_ = Twips::FromPixels(width());
    heightTwips_ = Twips::FromPixels(height());
    Initialize();
    if (origin == Origin::New)
        InitProperties();
}

StyleButton::~StyleButton() {
    if (font_)
        disconnect(font_.get(), nullptr, this, nullptr);
}

void StyleButton::Initialize() {
    // Qt draws Unicode text everywhere; no code-page conversion is needed.
    isNT_ = true;
}

void StyleButton::Notify(const char* name) {
    emit PropertyChanged(QString::fromLatin1(name));
}

// ---- properties -----------------------------------------------------------

void StyleButton::setButtonStyle(std::int32_t style) {
    buttonStyle_ = style;
    ApplyStyleDefaults();
    ApplyRegion();
    Redraw();
    Notify("ButtonStyle");
}

void StyleButton::setCaption(const QString& caption) {
    caption_ = caption;
    UpdateAccessKey();
    Redraw();
    Notify("Caption");
}

void StyleButton::setCaptionAlign(std::int32_t align) {
    captionAlign_ = align;
    Redraw();
    Notify("CaptionAlign");
}

void StyleButton::setPictureAlign(std::int32_t align) {
    pictureAlign_ = align;
    if (picture_)
        Redraw();
    Notify("PictureAlign");
}

void StyleButton::setPictureSize(std::int32_t size) {
    pictureSize_ = size;
    Redraw();
    Notify("PictureSize");
}

void StyleButton::setPicture(PicturePtr picture) {
    picture_ = std::move(picture);
    if (!picture_) {
        Resize();
        return;
    }
    Redraw();
    Notify("Picture");
}

void StyleButton::setPictureHover(PicturePtr picture) {
    if (!picture_) {
        picture_ = picture;
        Notify("Picture");
    }
    pictureHover_ = std::move(picture);
    if (!pictureHover_) {
        Resize();
        return;
    }
    Redraw();
    Notify("PictureHover");
}

void StyleButton::setBackColor(std::uint32_t colour) {
    backColor_ = colour;
    Redraw();
    Notify("BackColor");
}

void StyleButton::setForeColor(std::uint32_t colour) {
    foreColor_ = colour;
    surface_.setTextColor(colour);
    Resize();
    Notify("ForeColor");
}

void StyleButton::setMaskColor(std::uint32_t colour) {
    maskColor_ = colour;
    Redraw();
    Notify("MaskColor");
}

void StyleButton::setUseMaskColor(bool use) {
    useMaskColor_ = use;
    if (picture_)
        Redraw();
    Notify("UseMaskColor");
}

void StyleButton::setCheckBoxMode(bool on) {
    checkBoxMode_ = on;
    if (!on)
        input_.setButtonState(Normal); // Value keeps what it was
    Redraw();
    Notify("Value");
    Notify("CheckBoxMode");
}

void StyleButton::setValue(bool value) {
    if (!checkBoxMode_) {
        // Only a toggle has a checked state.
        input_.setButtonState(Normal);
        Redraw();
        return;
    }
    value_ = value;
    if (!value)
        input_.setButtonState(Normal);
    Redraw();
    Notify("Value");
}

void StyleButton::setShowFocusRect(bool show) {
    showFocusRect_ = show;
    Notify("ShowFocusRect");
}

void StyleButton::setHandPointer(bool hand) {
    handPointer_ = hand;
    UpdateCursor();
    Notify("HandPointer");
}

void StyleButton::setEnabled(bool enabled) {
    enabled_ = enabled;
    SetHostEnabled(enabled);
    Redraw();
    Notify("Enabled");
}

void StyleButton::SetHostEnabled(bool enabled) {
    QWidget::setEnabled(enabled);
}

void StyleButton::setFont(FontPtr font) {
    ObserveFont(std::move(font));
    update();
    Redraw();
    Notify("Font");
    mFont_FontChanged(QString());
}

void StyleButton::setFont(const QFont& font) {
    setFont(StyleFont::Create(FontFaces::FromQFont(font)));
}

void StyleButton::ObserveFont(FontPtr font) {
    if (font_)
        disconnect(font_.get(), nullptr, this, nullptr);
    font_ = std::move(font);
    if (font_)
        connect(font_.get(), &StyleFont::FontChanged, this, &StyleButton::mFont_FontChanged);
}

void StyleButton::mFont_FontChanged(const QString&) {
    // With no font object the surface keeps the font it has.
    if (font_) {
        surface_.setFont(FontFaces::ToQFont(font_->Desc()));
        mirroredFont_ = font_->Desc();
    }
    update();
    Redraw();
    Notify("Font");
}

void StyleButton::setMousePointer(std::int32_t pointer) {
    if (pointer < std::numeric_limits<std::int16_t>::min() ||
        pointer > std::numeric_limits<std::int16_t>::max())
        throw std::overflow_error("Overflow");
    hostMousePointer_ = std::int16_t(pointer);
    UpdateCursor();
    Notify("MousePointer");
}

void StyleButton::setMouseIcon(PicturePtr icon) {
    hostMouseIcon_ = std::move(icon);
    hostMousePointer_ = hostMouseIcon_ ? MousePointers::kCustom : MousePointers::kDefault;
    UpdateCursor();
    Notify("MouseIcon");
}

void StyleButton::UpdateCursor() {
    if (handPointer_ && handCursorLoaded_) {
        setCursor(Qt::PointingHandCursor);
        return;
    }
    if (hostMousePointer_ == MousePointers::kCustom && hostMouseIcon_ &&
        hostMouseIcon_->IsDrawable()) {
        setCursor(QCursor(QPixmap::fromImage(hostMouseIcon_->Image())));
        return;
    }
    if (const auto shape = MousePointers::ShapeFor(hostMousePointer_)) {
        setCursor(*shape);
        return;
    }
    unsetCursor();
}

void StyleButton::About() {
    CreateAboutBox(this)->exec();
}

std::unique_ptr<QMessageBox> StyleButton::CreateAboutBox(QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(
        QMessageBox::Information, QStringLiteral("About"),
        QStringLiteral("StyleButton\nA Multistyle Button Control"), QMessageBox::Ok, parent);
    return box;
}

// ---- life cycle ------------------------------------------------------------

void StyleButton::InitProperties() {
    showFocusRect_ = true;
    enabled_ = true;
    SetHostEnabled(true);
    buttonStyle_ = 0;
    caption_ = ambient_.displayName;
    UpdateAccessKey();
    FontDesc face = ambient_.font;
    face.name = QStringLiteral("Tahoma");
    surface_.setFont(FontFaces::ToQFont(face));
    pictureAlign_ = 1;
    captionAlign_ = 1;
    useMaskColor_ = false;
    maskColor_ = kDefaultMaskColor;
    controlHeight_ = height();
    controlWidth_ = width();
    ApplyStyleDefaults();
    Redraw();
}

void StyleButton::ApplyStyleDefaults() {
    if (const StyleInfo* info = StyleTable::Find(buttonStyle_)) {
        backColor_ = Translated(info->backColor);
        if (info->backShift != 0.0f)
            backColor_ = ColorMath::ShiftColor(backColor_, info->backShift);
        foreColor_ = Translated(info->foreColor);
        showFocusRect_ = info->showFocusRect;
    } else {
        // Unknown styles keep their colour and show no focus cue.
        foreColor_ = Translated(kTextColor);
        showFocusRect_ = false;
    }
    surface_.setTextColor(foreColor_);
}

void StyleButton::ReadProperties(const PropertyBag& bag) {
    const std::uint32_t faceColour = Translated(kFaceColor);
    const std::uint32_t textColour = Translated(kTextColor);

    buttonStyle_ = bag.ReadInt("ButtonStyle", 1);
    showFocusRect_ = bag.ReadBool("ShowFocusRect", false);
    ObserveFont(StyleFont::Create(bag.ReadFont("Font", ambient_.font)));
    surface_.setFont(FontFaces::ToQFont(font_->Desc()));
    mirroredFont_ = font_->Desc();
    backColor_ = bag.ReadColor("BackColor", faceColour);
    enabled_ = bag.ReadBool("Enabled", true);
    caption_ = bag.ReadString("Caption", QStringLiteral("StyleButton"));
    value_ = bag.ReadBool("Value", false);
    const std::int32_t pointer = bag.ReadInt("MousePointer", 0);
    if (pointer < std::numeric_limits<std::int16_t>::min() ||
        pointer > std::numeric_limits<std::int16_t>::max()) {
        // A stored layout should not stop a window from opening.
        qWarning("StyleButton %s: MousePointer %d is out of range",
                 qUtf8Printable(ambient_.displayName), pointer);
        hostMousePointer_ = 0;
    } else {
        hostMousePointer_ = pointer;
    }
    handPointer_ = bag.ReadBool("HandPointer", false);
    hostMouseIcon_ = PictureFromRef(bag.ReadPicture("MouseIcon"));
    picture_ = PictureFromRef(bag.ReadPicture("Picture"));
    pictureHover_ = PictureFromRef(bag.ReadPicture("PictureHover"));
    pictureSize_ = bag.ReadInt("PictureSize", 0);
    maskColor_ = bag.ReadColor("MaskColor", kDefaultMaskColor);
    useMaskColor_ = bag.ReadBool("UseMaskCOlor", false);
    checkBoxMode_ = bag.ReadBool("CheckBoxMode", false);
    pictureAlign_ = bag.ReadInt("PictureAlign", 1);
    captionAlign_ = bag.ReadInt("CaptionAlign", 1);
    foreColor_ = bag.ReadColor("ForeColor", textColour);
    surface_.setTextColor(foreColor_);

    SetHostEnabled(enabled_);
    UpdateAccessKey();
    controlHeight_ = height();
    controlWidth_ = width();
    parentHwnd_ = window();
    Resize();

    if (ambient_.userMode) {
        // Qt always has the pointing hand; it is taken only in run mode.
        handCursorLoaded_ = handPointer_;
    }
    UpdateCursor();
}

void StyleButton::WriteProperties(PropertyBag& bag) const {
    const ColorValue faceColour{Translated(kFaceColor)};
    const ColorValue textColour{Translated(kTextColor)};

    bag.Write("ButtonStyle", buttonStyle_, std::int32_t(1));
    bag.Write("ShowFocusRect", showFocusRect_, false);
    bag.Write("Enabled", enabled_, true);
    // A button that never had a font object stores none; loading it gives
    // the window's font.
    if (font_)
        bag.Write("Font", font_->Desc(), ambient_.font);
    bag.Write("BackColor", ColorValue{backColor_}, faceColour);
    bag.Write("Caption", caption_, QStringLiteral("StyleButton1"));
    bag.Write("ForeColor", ColorValue{foreColor_}, textColour);
    bag.Write("CheckBoxMode", checkBoxMode_, false);
    bag.Write("Value", value_, false);
    bag.Write("MousePointer", hostMousePointer_, std::int32_t(0));
    bag.Write("HandPointer", handPointer_, false);
    bag.Write("MouseIcon", PictureValue(hostMouseIcon_), std::monostate{});
    bag.Write("Picture", PictureValue(picture_), std::monostate{});
    bag.Write("PictureHover", PictureValue(pictureHover_), std::monostate{});
    bag.Write("PictureAlign", pictureAlign_, std::int32_t(1));
    bag.Write("pictureSize", pictureSize_, std::int32_t(0));
    bag.Write("UseMaskCOlor", useMaskColor_, false);
    bag.Write("MaskColor", ColorValue{maskColor_}, ColorValue{kDefaultMaskColor});
    bag.Write("CaptionAlign", captionAlign_, std::int32_t(1));
}

void StyleButton::AmbientChanged(const QString& name) {
    displayAsDefault_ = ambient_.displayAsDefault;
    if (name == QLatin1String("DisplayAsDefault") || name == QLatin1String("BackColor"))
        Redraw();
}

void StyleButton::Resize() {
    if (resizing_)
        return;
    resizing_ = true;
    if (heightTwips_ < Twips::kMinimumSize)
        heightTwips_ = Twips::kMinimumSize;
    if (widthTwips_ < Twips::kMinimumSize)
        widthTwips_ = Twips::kMinimumSize;
    const QSize wanted(Twips::ToPixels(widthTwips_), Twips::ToPixels(heightTwips_));
    if (size() != wanted)
        QWidget::resize(wanted);
    resizing_ = false;
    ApplyRegion();
    Redraw();
}

void StyleButton::setSizeTwips(int width, int height) {
    widthTwips_ = width;
    heightTwips_ = height;
    resizing_ = true;
    QWidget::resize(Twips::ToPixels(width), Twips::ToPixels(height));
    resizing_ = false;
    Resize();
}

void StyleButton::setGeometryTwips(int left, int top, int width, int height) {
    leftTwips_ = left;
    topTwips_ = top;
    move(Twips::ToPixels(left), Twips::ToPixels(top));
    setSizeTwips(width, height);
}

// ---- drawing ---------------------------------------------------------------

void StyleButton::UpdateAccessKey() {
    if (shortcutId_ != 0) {
        releaseShortcut(shortcutId_);
        shortcutId_ = 0;
    }
    accessKeys_ = AccessKey::Of(caption_);
    if (!accessKeys_.isEmpty())
        shortcutId_ = grabShortcut(QKeySequence(QStringLiteral("Alt+") + accessKeys_));
}

void StyleButton::ApplyRegion() {
    regionHandle_ = ButtonShape::Of(buttonStyle_, width(), height());
    if (regionHandle_ == QRegion(0, 0, width(), height()))
        clearMask(); // a rectangle the size of the button needs no mask
    else
        setMask(regionHandle_);
}

void StyleButton::Redraw() {
    controlHeight_ = std::max(height(), 0);
    controlWidth_ = std::max(width(), 0);
    // A checked toggle is drawn, and stays, down, except in the styles that
    // draw their own checked look.
    if (IsChecked() && buttonStyle_ != 0 && buttonStyle_ != 3 && buttonStyle_ != 9)
        input_.setButtonState(Down);
    drawPending_ = true;
    update();
}

void StyleButton::EnsureDrawn() const {
    // Drawing fills in the face and its layout, which callers see as state
    // of the button rather than of this call.
    if (drawPending_)
        const_cast<StyleButton*>(this)->Draw();
}

void StyleButton::Draw() {
    drawPending_ = false;
    ApplyLayout(Face().DrawInto(surface_));
}

void StyleButton::ApplyLayout(const ButtonFace::Layout& layout) {
    controlHeight_ = surface_.Height();
    controlWidth_ = surface_.Width();
    pictureWidth_ = layout.pictureWidth;
    pictureHeight_ = layout.pictureHeight;
    if (layout.captionRect)
        captionRect_ = *layout.captionRect;
    if (layout.foreColor)
        foreColor_ = *layout.foreColor; // the style chose its caption colour
}

ButtonFace StyleButton::Face() const {
    ButtonFace f;
    f.width = std::max(width(), 0);
    f.height = std::max(height(), 0);
    f.background = surface_.BackgroundColor();
    f.backColor = backColor_;
    f.hasFocus = input_.HasFocus();
    f.parentActive = input_.ParentActive();
    f.displayAsDefault = displayAsDefault_;
    f.showFocusRect = showFocusRect_;
    f.runMode = ambient_.userMode;
    f.mouseInside = input_.MouseInside();
    f.mouseDownFlag = input_.MouseDownFlag();
    f.ambientBack = ambient_.backColor;
    f.lastCaptionRect = captionRect_;
    f.font = surface_.FontKey();
    f.caption = caption_;
    f.hasAccessKey = !accessKeys_.isEmpty();
    f.picture = picture_;
    f.pictureHover = pictureHover_;
    f.pictureSize = pictureSize_;
    f.pictureAlign = pictureAlign_;
    f.captionAlign = captionAlign_;
    f.style = buttonStyle_;
    f.state = input_.ButtonState();
    f.enabled = enabled_;
    f.checked = IsChecked();
    f.useMaskColor = useMaskColor_;
    f.maskColor = maskColor_;
    f.foreColor = foreColor_;
    f.pictureWidth = pictureWidth_;
    f.pictureHeight = pictureHeight_;
    return f;
}

// ---- Qt events -------------------------------------------------------------

void StyleButton::paintEvent(QPaintEvent*) {
    EnsureDrawn();
    QPainter painter(this);
    painter.drawImage(0, 0, surface_.Image());
}

void StyleButton::resizeEvent(QResizeEvent*) {
    if (resizing_)
        return;
    // A size given in pixels (setGeometry, a layout) becomes the twips size.
    if (Twips::ToPixels(widthTwips_) != width())
        widthTwips_ = Twips::FromPixels(width());
    if (Twips::ToPixels(heightTwips_) != height())
        heightTwips_ = Twips::FromPixels(height());
    Resize();
}

void StyleButton::moveEvent(QMoveEvent*) {
    if (Twips::ToPixels(leftTwips_) != x())
        leftTwips_ = Twips::FromPixels(x());
    if (Twips::ToPixels(topTwips_) != y())
        topTwips_ = Twips::FromPixels(y());
}
