#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleWidget>

class StyleButton;

// What a screen reader learns of a button: a push button (a check box in
// check box mode) named by its caption without the access-key "&", with its
// access key, its enabled and checked states, and a press that clicks it.
class StyleButtonAccessible : public QAccessibleWidget {
public:
    explicit StyleButtonAccessible(StyleButton* button);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // The caption as read: "&&" is one "&", a lone "&" goes.
    static QString Spoken(const QString& caption);

    // Makes the buttons known to the accessibility framework; done once.
    static void install();

private:
    StyleButton* button() const;
};
