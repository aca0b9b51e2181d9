#pragma once

#include <QString>
#include <QWidget>

// The command button of every window. It paints itself; windows react only
// to its Click signal.
class StyleButton : public QWidget {
    Q_OBJECT
public:
    explicit StyleButton(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    bool Enabled() const { return isEnabled(); }
    void setEnabled(bool enabled);

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QString caption_;
    bool pressed_ = false;
};
