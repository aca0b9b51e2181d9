#pragma once

#include <QMessageBox>
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <optional>

#include "FormButtons.h"
#include "QuestionSet.h"

class AnswerGrid;
class DescriptionPanel;
class frmErr;
class frmExam;
class frmResult;
class frmSelect;
class FrameBox;
class QComboBox;
class QLabel;
class QuestionArea;
class ShapeBox;
class StyleButton;

// The main window: mode menu, question area, answer sheet, clock and the
// description panel. It owns the question set and all mode state; its
// handlers ask the practice rules and set the controls. Every control exists
// from the window's construction.
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
    // Closes the window because the desktop session ends: the settings are
    // kept, but no page is opened for a learner who is leaving.
    void CloseForSessionEnd();
    void Form_Resize();
    void Exam(bool bExam);

    // Mode menu and vehicle type.
    void cmdK_Click(int Index);
    void cboCar_Click();
    void cboCar_LostFocus();
    void cboCar_Validate();
    // The learner's own mark on the current question.
    void cmdSetError_Click();

    // The pages the window links to.
    void ShowAd();
    void tmrAd_Timer();
    void Image1_Click();
    void Image2_Click();
    bool bAdDue = false; // one tick has passed since the last pop-up

    // The dialogs, made when first used and kept for the run.
    frmSelect* SelectDialog();
    frmErr* ErrDialog();
    frmExam* ExamDialog();
    frmResult* ResultDialog();

    // Question sets.
    void InitPaper(const QString& Exam, const QString& Chap, bool bRand, bool bError = false);
    // A new examination paper for a vehicle code, question 1 shown.
    void InitExam(const QString& Exam);
    // Hands the examination in: stores the score, shows the result and
    // carries out the learner's choice there.
    void cmdSubit_Click();
    void SetCurPaper(qint32 sequeue);
    qint32 GetCurPaper() const;
    void ShowPaper(qint32 Index);
    void VisbleAnswer(bool bSelect);
    void ShowPos(const QString& s);
    void ShowProgress();
    void SetResult(qint32 Index);
    void cmdShowAnswer_Click(int Index);

    // Answering and moving through the set.
    void SetAnswer(qint16 Index);
    void cmdAn_Click(int Index);
    void cmdYN_Click(int Index);
    void cmdNext_Click();
    void cmdPriv_Click();
    // The window's keys, seen before its controls: true when the key was
    // one of the window's.
    bool Form_KeyDown(int KeyCode, Qt::KeyboardModifiers Shift);
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

    // The wait before a move after an answer; tests need not sit it out.
    std::function<void(int ms)> Wait;

    // Message boxes go through here so that tests can answer them.
    std::function<QMessageBox::StandardButton(const QString& text,
                                              QMessageBox::StandardButtons buttons)>
        MsgBox;

    // Controls.
    DescriptionPanel* fraDescr;
    FrameBox* fraC;
    FrameBox* fraT;
    QLabel *lblHour, *lblMinute, *lblSecond;
    QLabel *lbl1, *lbl2;
    QLabel* Image2;
    QuestionArea* fra;
    AnswerGrid* dg;
    QLabel *Label3, *Label4, *Label5, *Label6;
    ShapeBox *shpCur, *shpYD, *shpWD;
    ShapeBox* shpBk;
    QLabel* pro;
    QLabel *lblRE, *lblFirstOK;
    QLabel* lblExplain; // why the answer is right, shown with it
    QLabel* Image1;
    std::map<QString, QPixmap> img; // image list: "HideAn", "ShowAn", "Logo"
    // The buttons of the stored layout.
    std::array<StyleButton*, 8> cmdK;
    std::array<StyleButton*, 4> cmdAn;
    std::array<StyleButton*, 2> cmdYN;
    std::array<StyleButton*, 2> cmdShowAnswer;
    StyleButton* cmdSetError;
    StyleButton *cmdPriv, *cmdNext, *cmdSubit;
    QComboBox* cboCar;
    QTimer tmrAd;
    QTimer Timer1;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createButtons();
    StyleButton* button(const char* name, int index = -1);
    void connectControls();
    void colourControls();
    void setDescriptionInFront(bool front);
    // An empty question set shows an empty question area.
    void ShowNoPaper();
    // Runs a load of the set and shows its first question, or an empty
    // area; a load that fails leaves nothing of the set before on screen.
    void ShowLoadedSet(const std::function<void()>& load);
    // Writes an answer's mark into the book; a store that refuses is said
    // once per run, and practice goes on.
    void WriteBook(const AnswerStep& step);
    // Presses an answer button the learner sees, as a click would.
    void PressShownAnswer(int place);
    // Tells the learner, once per run, that answers are not being saved.
    void TellWriteFailed();
    QMessageBox::StandardButton defaultMsgBox(const QString& text,
                                              QMessageBox::StandardButtons buttons);

    std::optional<FormButtons> buttons_;
    frmSelect* select_ = nullptr;
    frmErr* err_ = nullptr;
    frmExam* exam_ = nullptr;
    frmResult* result_ = nullptr;
    bool loaded_ = false;
    bool shown_ = false;
    bool toldWriteFailed_ = false;
    bool sessionEnding_ = false;
};
