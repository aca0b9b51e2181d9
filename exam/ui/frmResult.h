#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "FormButtons.h"

class QLabel;
class QTableWidget;
class StyleButton;

// The result of a mock examination: the score, passed or not, and the five
// most recent scores best first; its buttons choose what follows.
class frmResult : public QDialog {
    Q_OBJECT
public:
    explicit frmResult(QWidget* parent = nullptr);

    // What the buttons return; -1 when the window button closed the dialog.
    enum Code { Review = 0, Retake = 1, NewPaper = 2, Closed = -1 };

    // Shows the result of score `Num` modally and returns the choice.
    int ExamResult(int Num);
    void cmd_Click(int Index);

    QLabel* Label1;
    QLabel* Label2;
    QTableWidget* dg;
    std::array<StyleButton*, 4> cmd;
    int resultCode = Closed;

private:
    void fillScores();
    std::optional<FormButtons> buttons_;
};
