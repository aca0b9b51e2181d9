#pragma once

#include <QWidget>
#include <cstdint>

// A plain rectangle with a border, as used for the legend squares of the
// answer sheet and the frame of the progress bar. Colours are 0x00BBGGRR
// values (system colours allowed).
class ShapeBox : public QWidget {
    Q_OBJECT
public:
    explicit ShapeBox(QWidget* parent = nullptr);

    std::uint32_t BackColor() const { return back_; }
    void setBackColor(std::uint32_t colour);
    std::uint32_t FillColor() const { return fill_; }
    void setFillColor(std::uint32_t colour);
    std::uint32_t BorderColor() const { return border_; }
    void setBorderColor(std::uint32_t colour);
    // false: the inside shows BackColor; true: FillColor.
    void setFilled(bool filled);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t back_ = 0x8000000F;
    std::uint32_t fill_ = 0;
    std::uint32_t border_ = 0;
    bool filled_ = false;
};
