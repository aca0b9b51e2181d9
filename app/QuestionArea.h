#pragma once

#include "FrameBox.h"

#include <QRect>
#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QRadioButton;

// The question area of the main window, the frame `fra`: the question, its
// picture and options, the frame of answer buttons, the learner's answer,
// the right/wrong marks and the correct answer. Its buttons come from the
// window's stored layout and sit in it and in Frame1.
class QuestionArea : public FrameBox {
    Q_OBJECT
public:
    explicit QuestionArea(QWidget* parent);

    // Places inside the frame.
    static constexpr QRect kFrame{132, 2, 468, 506}; // in the window
    static constexpr QRect kPaper{10, 22, 448, 76};
    static constexpr QRect kPicture{214, 104, 244, 184};
    static constexpr QRect kOptions{10, 104, 448, 184};
    static constexpr int kOptionsBesidePicture = 200;

    QLabel* lblPaper;
    QLabel* imgPaper;
    QLabel* lblAn;
    std::array<QRadioButton*, 4> opt;
    QFrame* Frame1;
    QLabel* Label1;
    QLabel* lblAnswer;
    std::array<QLabel*, 2> imgResult;
    QLabel* Label7;
    QLabel* lblResult;
    QLabel* lblErrOK;
    QCheckBox* chkAutoGo;
};
