#pragma once

#include "WindowHooks.h"

#include "ButtonAmbient.h"
#include "ButtonFace.h"
#include "ButtonInput.h"
#include "DrawSurface.h"
#include "PixelRect.h"
#include "PropertyBag.h"
#include "StyleFont.h"
#include "StylePicture.h"

#include <QFont>
#include <QPointF>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

class QMessageBox;

// The command button of every window. It paints every pixel itself into its
// own surface, in one of sixteen styles, with an optional picture and a
// caption; the paint event only copies that surface to the screen. Windows
// react to its Click signal. Its properties are saved to and restored from a
// PropertyBag, so a window's stored layout brings back every button.
class StyleButton : public QWidget, private ButtonInputHost {
    Q_OBJECT
public:
    enum State { Normal = ButtonInput::Normal, Hot = ButtonInput::Hot, Down = ButtonInput::Down };

    // A new button gets its first state from InitProperties; one about to be
    // loaded from a stored layout skips it, since ReadProperties then sets
    // every property anew.
    enum class Origin { New, Stored };
    // A new button without stored state: InitProperties has run, with the
    // given container values (its display name becomes the caption).
    explicit StyleButton(QWidget* parent = nullptr);
    StyleButton(QWidget* parent, const ButtonAmbient& ambient, Origin origin = Origin::New);
    ~StyleButton() override;

    // Properties. Each write has its own effects (redraw, defaults of a
    // style, notification through PropertyChanged).
    std::int32_t ButtonStyle() const { return buttonStyle_; }
    void setButtonStyle(std::int32_t style);
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    std::int32_t CaptionAlign() const { return captionAlign_; }
    void setCaptionAlign(std::int32_t align);
    std::int32_t PictureAlign() const { return pictureAlign_; }
    void setPictureAlign(std::int32_t align);
    std::int32_t PictureSize() const { return pictureSize_; }
    void setPictureSize(std::int32_t size);
    PicturePtr Picture() const { return picture_; }
    void setPicture(PicturePtr picture);
    PicturePtr PictureHover() const { return pictureHover_; }
    void setPictureHover(PicturePtr picture);
    std::uint32_t BackColor() const { return backColor_; }
    void setBackColor(std::uint32_t colour);
    std::uint32_t ForeColor() const { return foreColor_; }
    void setForeColor(std::uint32_t colour);
    std::uint32_t MaskColor() const { return maskColor_; }
    void setMaskColor(std::uint32_t colour);
    bool UseMaskColor() const { return useMaskColor_; }
    void setUseMaskColor(bool use);
    bool CheckBoxMode() const override { return checkBoxMode_; }
    void setCheckBoxMode(bool on);
    bool Value() const { return value_; }
    void setValue(bool value);
    bool ShowFocusRect() const { return showFocusRect_; }
    void setShowFocusRect(bool show);
    bool HandPointer() const { return handPointer_; }
    void setHandPointer(bool hand);
    bool Enabled() const override { return enabled_; }
    void setEnabled(bool enabled);
    // The observed font object; none until one is assigned or loaded.
    FontPtr Font() const { return font_; }
    void setFont(FontPtr font);
    // Assigns a new font object made from a Qt font.
    void setFont(const QFont& font);
    // Kept by the host: the pointer code (0 default, 99 MouseIcon) and icon.
    std::int32_t MousePointer() const { return hostMousePointer_; }
    // Throws std::overflow_error for values outside 16 bits.
    void setMousePointer(std::int32_t pointer);
    PicturePtr MouseIcon() const { return hostMouseIcon_; }
    void setMouseIcon(PicturePtr icon);

    void About();
    // The About box (title "About"), for About and for checking its text.
    static std::unique_ptr<QMessageBox> CreateAboutBox(QWidget* parent);

    // Life cycle, called by whoever creates the button.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    // Keeps the outer size at 220 twips or more, rebuilds the shape, redraws.
    void Resize();
    const ButtonAmbient& Ambient() const { return ambient_; }
    // Container values; AmbientChanged tells the button one of them changed.
    void setAmbient(const ButtonAmbient& ambient) { ambient_ = ambient; }
    void AmbientChanged(const QString& name);

    // Position and outer size in twips (15 to a pixel).
    int LeftTwips() const { return leftTwips_; }
    int TopTwips() const { return topTwips_; }
    int WidthTwips() const { return widthTwips_; }
    int HeightTwips() const { return heightTwips_; }
    void setSizeTwips(int width, int height);
    void setGeometryTwips(int left, int top, int width, int height);

    // Drawing.
    void Redraw() override;
    // What a click does, for a screen reader's press: toggles a check box
    // button and raises Click; nothing when disabled.
    void PerformClick();
    // What the face would be drawn from now.
    ButtonFace Face() const;
    void ApplyRegion();
    void ApplyStyleDefaults();
    void UpdateAccessKey();
    QString AccessKeys() const { return accessKeys_; }
    // The drawn face; reading it (or the layout below) draws what is pending.
    const DrawSurface& Surface() const {
        EnsureDrawn();
        return surface_;
    }
    PixelRect CaptionRect() const {
        EnsureDrawn();
        return captionRect_;
    }
    int PictureWidth() const {
        EnsureDrawn();
        return pictureWidth_;
    }
    int PictureHeight() const {
        EnsureDrawn();
        return pictureHeight_;
    }
    int ControlWidth() const override { return controlWidth_; }
    int ControlHeight() const override { return controlHeight_; }
    const QRegion& RegionHandle() const { return regionHandle_; }

    // Run-time state.
    int ButtonState() const { return input_.ButtonState(); }
    // Sets the visual state without redrawing (the input handling redraws).
    void setButtonState(int state) { input_.setButtonState(state); }
    bool HasFocus() const { return input_.HasFocus(); }
    bool ParentActive() const { return input_.ParentActive(); }
    bool DisplayAsDefault() const { return displayAsDefault_; }
    bool MouseInside() const { return input_.MouseInside(); }
    bool MouseDownFlag() const { return input_.MouseDownFlag(); }
    bool SpaceDownFlag() const { return input_.SpaceDownFlag(); }
    bool IsNT() const { return isNT_; }
    // The window holding the button, as of its last loading.
    QWidget* ParentHwnd() const { return parentHwnd_; }
    bool HandCursorLoaded() const { return handCursorLoaded_; }
    bool IsChecked() const { return checkBoxMode_ && value_; }

signals:
    void Click();
    void DblClick();
    void MouseEnter();
    void MouseLeave();
    // Button: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt.
    void MouseMove(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);
    void MouseDown(short Button, short Shift, float X, float Y);
    void KeyDown(short KeyCode, short Shift);
    void KeyUp(short KeyCode, short Shift);
    // Declared for completeness; never raised.
    void KeyPress(short KeyAscii);
    // A property changed and belongs in the saved layout.
    void PropertyChanged(const QString& name);

private slots:
    void mFont_FontChanged(const QString& propertyName);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // What the input rules ask of the button.
    void Raise(const ButtonEvent& event) override;
    void CaptureMouse() override;
    void MoveFocus(bool forward) override;
    void ProcessPendingEvents() override;
    bool ToggleValue() override;
    void HookParentWindow();
    void ParentActivationChanged();
    bool IsOverOwnWindow(QPointF pos) const;

    void Initialize();
    void ObserveFont(FontPtr font);
    void SetHostEnabled(bool enabled);
    void UpdateCursor();
    void Notify(const char* name);

    // Persisted.
    std::int32_t buttonStyle_ = 0;
    QString caption_;
    std::int32_t captionAlign_ = 1;
    std::int32_t pictureAlign_ = 1;
    std::int32_t pictureSize_ = 0;
    PicturePtr picture_;
    PicturePtr pictureHover_;
    std::uint32_t backColor_ = 0;
    std::uint32_t foreColor_ = 0;
    std::uint32_t maskColor_ = 0xE0E0E0;
    bool useMaskColor_ = false;
    bool checkBoxMode_ = false;
    bool value_ = false;
    bool showFocusRect_ = true;
    bool handPointer_ = false;
    bool enabled_ = true;
    FontPtr font_;

    // Kept by the host.
    std::int32_t hostMousePointer_ = 0;
    PicturePtr hostMouseIcon_;
    QString accessKeys_;
    int shortcutId_ = 0;
    ButtonAmbient ambient_;
    int leftTwips_ = 0;
    int topTwips_ = 0;
    int widthTwips_ = 0;
    int heightTwips_ = 0;
    bool resizing_ = false;
    FontDesc mirroredFont_;

    // Run time.
    ButtonInput input_{*this};
    bool displayAsDefault_ = false;
    bool isNT_ = false;
    bool handCursorLoaded_ = false;
    QWidget* parentHwnd_ = nullptr;
    int controlWidth_ = 0;
    int controlHeight_ = 0;
    QRegion regionHandle_;

    // Layout.
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    PixelRect captionRect_;

    DrawSurface surface_;
    std::unique_ptr<WindowHooks> hooks_; // the parent window's activation
    // Set by Redraw; the face is drawn when it is next painted or read, so a
    // run of property changes (loading a form sets dozens) draws it once.
    bool drawPending_ = false;
    void EnsureDrawn() const;
    void Draw();
    void ApplyLayout(const ButtonFace::Layout& layout);
};
