#pragma once

#include <QMessageBox>
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "FormButtons.h"
#include "FrameBox.h"
#include "QuestionSet.h"
#include "StartTask.h"
#include "TextPanel.h"

class AnswerGrid;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QRadioButton;
class ShapeBox;
class StyleButton;

// The main window: mode menu, question area, answer sheet, clock and the
// description panel. It owns the question set and all mode state.
class frmMain : public QWidget {
    Q_OBJECT
public:
    // Runs the start-up; `programFolder` empty = the executable's folder.
    explicit frmMain(const QString& programFolder = {}, QWidget* parent = nullptr);
    ~frmMain() override;

    // False when the question bank could not be opened: the window must not
    // be shown and the program ends.
    bool Loaded() const { return loaded_; }

    // The outer size in twips; the window keeps it.
    static constexpr int kWidthTwips = 13320;
    static constexpr int kHeightTwips = 9210;

    // Start-up, shutdown, size and appearances.
    bool Form_Load();
    void Form_QueryUnload();
    void Form_Resize();
    void Exam(bool bExam);
    // Makes the question area (frame, texts, options and its buttons) if it
    // is not there yet; a start shows only the description and leaves the
    // area's controls null until a mode needs them.
    void ensureQuestionArea();

    // Mode menu and vehicle type.
    void cmdK_Click(int Index);
    void cboCar_Click();
    void cboCar_LostFocus();

    // Question sets.
    void InitPaper(const QString& Exam, const QString& Chap, bool bRand, bool bError = false);
    void SetCurPaper(qint32 sequeue);
    qint32 GetCurPaper() const;
    void ShowPaper(qint32 Index);
    void VisbleAnswer(bool bSelect);
    void ShowPos(const QString& s);
    void ShowProgress();
    void SetResult(qint32 Index);
    void cmdShowAnswer_Click(int Index);
    void dg_Click();
    void dg_LeaveCell();

    // Clock.
    void ShowTime();
    void Timer1_Timer();

    // The question set and the mode state.
    QuestionSet qs;
    std::array<QString, 8> modeTitles;
    qint32 clockSeconds = 0;
    bool bWheelLoop = false;
    QString title; // title of the mode last started

    // Message boxes go through here so that tests can answer them.
    std::function<QMessageBox::StandardButton(const QString& text,
                                              QMessageBox::StandardButtons buttons)>
        MsgBox;

    // Controls.
    FrameBox* fraC = nullptr;
    std::array<StyleButton*, 8> cmdK{};
    QComboBox* cboCar = nullptr;
    FrameBox* fraT = nullptr;
    QLabel *lblHour = nullptr, *lblMinute = nullptr, *lblSecond = nullptr;
    QLabel *lbl1 = nullptr, *lbl2 = nullptr;
    FrameBox* fra = nullptr;
    QLabel* lblPaper = nullptr;
    QLabel* imgPaper = nullptr;
    QLabel* lblAn = nullptr;
    std::array<QRadioButton*, 4> opt{};
    QFrame* Frame1 = nullptr;
    std::array<StyleButton*, 4> cmdAn{};
    std::array<StyleButton*, 2> cmdYN{};
    QLabel* Label1 = nullptr;
    QLabel* lblAnswer = nullptr;
    std::array<QLabel*, 2> imgResult{};
    QLabel* Label7 = nullptr;
    QLabel* lblResult = nullptr;
    std::array<StyleButton*, 2> cmdShowAnswer{};
    StyleButton* cmdSetError = nullptr;
    QLabel* lblErrOK = nullptr;
    QCheckBox* chkAutoGo = nullptr;
    StyleButton *cmdPriv = nullptr, *cmdNext = nullptr, *cmdSubit = nullptr;
    AnswerGrid* dg = nullptr;
    QLabel *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr;
    ShapeBox *shpCur = nullptr, *shpYD = nullptr, *shpWD = nullptr;
    QLabel* pro = nullptr;
    ShapeBox* shpBk = nullptr;
    std::map<QString, QPixmap> img; // image list: "HideAn", "ShowAn", "Logo"
    QLabel *lblRE = nullptr, *lblFirstOK = nullptr;
    FrameBox* fraDescr = nullptr;
    TextPanel* descrText = nullptr; // the description's text
    QLabel *Image1 = nullptr, *Image2 = nullptr;
    QTimer tmrAd;
    QTimer Timer1;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // What a start reads from the store.
    struct StoreReads {
        bool opened = false;
        QString lastSeq; // as stored
        QString carType;
    };
    static StoreReads ReadStore();

    void setDescriptionInFront(bool front);
    void createControls();
    void createButtons();
    StyleButton* button(const char* name, int index = -1);
    void connectControls();
    QMessageBox::StandardButton defaultMsgBox(const QString& text,
                                              QMessageBox::StandardButtons buttons);

    std::optional<FormLayout> layout_; // the buttons' stored layout, for the question area
    std::optional<FormButtons> buttons_;
    // The store, opened and read on another thread while the controls are
    // built; Form_Load takes it.
    std::unique_ptr<StartTask<StoreReads>> storeReads_;
    bool examLook_ = false; // the look Exam() last set
    bool loaded_ = false;
    bool shown_ = false;
};
