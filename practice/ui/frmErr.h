#pragma once

#include <QDialog>
#include <QMessageBox>
#include <array>
#include <functional>
#include <optional>

#include "FormButtons.h"

class FrameBox;
class QCheckBox;
class QLabel;
class StyleButton;

// The wrong-question dialog: practise the book in order or at random, or
// empty it. Its buttons hide it, so its option keeps its state for the run;
// its close box starts the next use unchecked.
class frmErr : public QDialog {
    Q_OBJECT
public:
    explicit frmErr(QWidget* parent = nullptr);

    // Shows the dialog modally. bRand: random order chosen; Selected: a
    // practice button was chosen. The result is the option
    // "答对的试题从错题练习中自动除去".
    bool GetError(bool& bRand, bool& Selected);
    void cmd_Click(int Index);

    // Message boxes go through here so that tests can answer them.
    std::function<QMessageBox::StandardButton(const QString& text,
                                              QMessageBox::StandardButtons buttons)>
        MsgBox;

    std::array<StyleButton*, 3> cmd;
    FrameBox* Frame1;
    QCheckBox* chksetOK;
    QLabel* Label1;
    bool errRand = false;
    bool errSelected = false;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::optional<FormButtons> buttons_;
};
