#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>

#include "FormButtons.h"

class QListWidget;
class StyleButton;

// The chapter selector: the groups of the bank for the vehicle type, after
// a row for all questions, practised in bank order or at random.
class frmSelect : public QDialog {
    Q_OBJECT
public:
    explicit frmSelect(QWidget* parent = nullptr);

    // Fills the list from the grouping query and shows the dialog modally.
    // retMode: random order chosen; bSelect: a button or a double-click
    // chose. The result is the chosen group's strtype, empty for all.
    QString SelectType(const QString& SQL, bool& retMode, bool& bSelect);

    QListWidget* List1;
    StyleButton* cmdOrder;
    StyleButton* cmdRand;

private:
    void choose(bool random);
    std::optional<FormButtons> buttons_;
    bool random_ = false;
    bool chosen_ = false;
    QStringList types_;
};
