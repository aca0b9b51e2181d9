#include "frmMain.h"

#include "AnswerGrid.h"
#include "AppFonts.h"
#include "AppPictures.h"
#include "AppStyle.h"
#include "Controls.h"
#include "DescriptionPanel.h"
#include "ExamRecords.h"
#include "Mod.h"
#include "PracticeSettings.h"
#include "QuestionArea.h"
#include "Rounding.h"
#include "ShapeBox.h"
#include "StoreError.h"
#include "StyleButton.h"
#include "Twips.h"
#include "WebPages.h"
#include "WindowColors.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

using namespace WindowColors;
using Controls::Colour;

namespace {

const QString kCaption = QStringLiteral("青禾考典 学车更轻松:") + WebPages::kHomeShortName +
                         QStringLiteral(" 中国最大的驾校行业网站!");

// Places in the window, in pixels (the window is 888 x 614).
constexpr QRect kMenu{6, 2, 120, 318};
constexpr QRect kCarList{14, 18, 250, 30};
constexpr QRect kClock{6, 324, 120, 62};
constexpr QRect kSidePicture{6, 392, 120, 216};
constexpr QRect kBanner{132, 512, 468, 96};
constexpr QRect kSheet{606, 8, 278, 362};
constexpr QRect kBar{606, 428, 278, 14};

// Each step of the start-up after the first runs with its failures ignored.
template <typename F> void Step(F&& f) {
    try {
        f();
    } catch (...) {
    }
}

} // namespace

frmMain::frmMain(const QString& programFolder, QWidget* parent) : QWidget(parent) {
    if (!programFolder.isEmpty())
        Mod::SetProgramFolder(programFolder);
    AppFonts::install();
    AppStyle::install();
    MsgBox = [this](const QString& text, QMessageBox::StandardButtons buttons) {
        return defaultMsgBox(text, buttons);
    };
    Wait = &Mod::Wait;
    Timer1.setInterval(1000);
    Timer1.start(); // running until start-up shows the description panel
    tmrAd.setInterval(60000);
    createControls();
    connectControls();
    loaded_ = Form_Load();
}

frmMain::~frmMain() {
    // The store is the window's from start-up to the end.
    Mod::db.close();
}

void frmMain::createControls() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kCaption);
    setFont(AppFonts::song(10.5));
    setFixedSize(Twips::ToPixels(kWidthTwips), Twips::ToPixels(kHeightTwips));

    fraDescr = new DescriptionPanel(this);

    fraC = new FrameBox(QString(), this);
    fraC->setObjectName(QStringLiteral("fraC"));
    fraC->setGeometry(kMenu);

    fraT = new FrameBox(QStringLiteral("计时"), this);
    fraT->setObjectName(QStringLiteral("fraT"));
    fraT->setGeometry(kClock);
    lblHour = Controls::Label(fraT, "lblHour", QStringLiteral("00"), QRect(10, 22, 28, 32));
    lbl1 = Controls::Label(fraT, "lbl1", QStringLiteral(":"), QRect(38, 22, 12, 32));
    lblMinute = Controls::Label(fraT, "lblMinute", QStringLiteral("00"), QRect(50, 22, 28, 32));
    lbl2 = Controls::Label(fraT, "lbl2", QStringLiteral(":"), QRect(78, 22, 12, 32));
    lblSecond = Controls::Label(fraT, "lblSecond", QStringLiteral("00"), QRect(90, 22, 28, 32));
    const QFont clockFont = AppFonts::song(15, true);
    for (QLabel* l : {lblHour, lbl1, lblMinute, lbl2, lblSecond}) {
        l->setFont(clockFont);
        l->setAlignment(Qt::AlignCenter);
    }

    Image2 = Controls::Label(this, "Image2", QString(), kSidePicture);
    Image2->setAlignment(Qt::AlignCenter);
    Image2->setPixmap(AppPictures::get(QStringLiteral("side")));
    Image2->setCursor(Qt::PointingHandCursor);

    fra = new QuestionArea(this);
    fra->hide(); // the description stands in front until a mode starts

    dg = new AnswerGrid(this);
    dg->setObjectName(QStringLiteral("dg"));
    dg->setGeometry(kSheet);
    dg->setFont(AppFonts::song(7.5));
    dg->setRowHeight(22);

    shpCur = new ShapeBox(this);
    shpCur->setObjectName(QStringLiteral("shpCur"));
    shpCur->setGeometry(606, 380, 14, 14);
    Label4 = Controls::Label(this, "Label4", QStringLiteral("当前题"), QRect(624, 377, 56, 20));
    shpYD = new ShapeBox(this);
    shpYD->setObjectName(QStringLiteral("shpYD"));
    shpYD->setGeometry(692, 380, 14, 14);
    Label5 = Controls::Label(this, "Label5", QStringLiteral("已答题"), QRect(710, 377, 56, 20));
    shpWD = new ShapeBox(this);
    shpWD->setObjectName(QStringLiteral("shpWD"));
    shpWD->setGeometry(778, 380, 14, 14);
    Label3 = Controls::Label(this, "Label3", QStringLiteral("未答题"), QRect(796, 377, 56, 20));
    Label6 = Controls::Label(this, "Label6", QStringLiteral("按PgUp键回上一题,按PgDn键往下一题"),
                             QRect(606, 402, 278, 20));

    shpBk = new ShapeBox(this);
    shpBk->setObjectName(QStringLiteral("shpBk"));
    shpBk->setGeometry(kBar);
    pro = Controls::Label(this, "pro", QString(), QRect(kBar.topLeft(), QSize(0, kBar.height())));
    pro->setAutoFillBackground(true);
    lblFirstOK = Controls::Label(this, "lblFirstOK", QString(), QRect(606, 450, 278, 22));
    lblRE = Controls::Label(this, "lblRE", QString(), QRect(606, 474, 278, 22));
    lblExplain = Controls::Label(this, "lblExplain", QString(), QRect(606, 500, 278, 108));
    lblExplain->setWordWrap(true);
    lblExplain->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblExplain->setFont(AppFonts::song(9));
    lblExplain->hide();

    Image1 = Controls::Label(this, "Image1", QString(), kBanner);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(AppPictures::get(QStringLiteral("banner")));
    Image1->setCursor(Qt::PointingHandCursor);
    img[QStringLiteral("HideAn")] = AppPictures::get(QStringLiteral("hide-answer"));
    img[QStringLiteral("ShowAn")] = AppPictures::get(QStringLiteral("show-answer"));
    img[QStringLiteral("Logo")] = AppPictures::get(QStringLiteral("logo"));
    // 48 pixels, what a taskbar shows.
    setWindowIcon(QIcon(img[QStringLiteral("Logo")]));

    createButtons();

    // The vehicle-type list stands in for the first menu button while the
    // learner chooses; it is wider than the button so its items show whole.
    cboCar = new QComboBox(this);
    cboCar->setObjectName(QStringLiteral("cboCar"));
    cboCar->addItems(PracticeSettings::kCarItems);
    cboCar->setGeometry(kCarList);
    cboCar->setCurrentIndex(-1);
    cboCar->hide();
}

StyleButton* frmMain::button(const char* name, int index) {
    return FormButtons::ButtonOrPlain(buttons_, this, QString::fromLatin1(name), index);
}

void frmMain::createButtons() {
    buttons_ = FormButtons::Load(this, QStringLiteral(":/layouts/frmMain.layout"));
    for (int i = 0; i < 8; ++i)
        cmdK[size_t(i)] = button("cmdK", i);
    for (int i = 0; i < 4; ++i)
        cmdAn[size_t(i)] = button("cmdAn", i);
    for (int i = 0; i < 2; ++i) {
        cmdYN[size_t(i)] = button("cmdYN", i);
        cmdShowAnswer[size_t(i)] = button("cmdShowAnswer", i);
    }
    cmdSetError = button("cmdSetError");
    cmdPriv = button("cmdPriv");
    cmdNext = button("cmdNext");
    cmdSubit = button("cmdSubit");
    // The answer starts hidden, so the toggle offers to show it; with no
    // question yet there is nothing to answer.
    cmdShowAnswer[0]->raise();
    for (StyleButton* b : cmdAn)
        b->hide();
    for (StyleButton* b : cmdYN)
        b->hide();
}

void frmMain::connectControls() {
    for (int i = 0; i < 8; ++i)
        connect(cmdK[size_t(i)], &StyleButton::Click, this, [this, i] { cmdK_Click(i); });
    for (int i = 0; i < 2; ++i)
        connect(cmdShowAnswer[size_t(i)], &StyleButton::Click, this,
                [this, i] { cmdShowAnswer_Click(i); });
    for (int i = 0; i < 4; ++i)
        connect(cmdAn[size_t(i)], &StyleButton::Click, this, [this, i] { cmdAn_Click(i); });
    for (int i = 0; i < 2; ++i)
        connect(cmdYN[size_t(i)], &StyleButton::Click, this, [this, i] { cmdYN_Click(i); });
    connect(cmdNext, &StyleButton::Click, this, [this] { cmdNext_Click(); });
    connect(cmdSetError, &StyleButton::Click, this, [this] { cmdSetError_Click(); });
    connect(cmdSubit, &StyleButton::Click, this, [this] { cmdSubit_Click(); });
    connect(&tmrAd, &QTimer::timeout, this, [this] { tmrAd_Timer(); });
    connect(cmdPriv, &StyleButton::Click, this, [this] { cmdPriv_Click(); });
    connect(cboCar, &QComboBox::activated, this, [this] { cboCar_Click(); });
    connect(dg, &AnswerGrid::LeaveCell, this, [this] { dg_LeaveCell(); });
    connect(dg, &AnswerGrid::Click, this, [this] { dg_Click(); });
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    // The window sees its keys before whichever of its controls has the focus.
    qApp->installEventFilter(this);
}

QMessageBox::StandardButton frmMain::defaultMsgBox(const QString& text,
                                                   QMessageBox::StandardButtons buttons) {
    QMessageBox box(buttons & QMessageBox::Yes ? QMessageBox::Question : QMessageBox::Information,
                    windowTitle(), text, buttons, this);
    if (QAbstractButton* b = box.button(QMessageBox::Yes))
        b->setText(QStringLiteral("是(&Y)"));
    if (QAbstractButton* b = box.button(QMessageBox::No))
        b->setText(QStringLiteral("否(&N)"));
    if (QAbstractButton* b = box.button(QMessageBox::Ok))
        b->setText(QStringLiteral("确定"));
    return QMessageBox::StandardButton(box.exec());
}

bool frmMain::Form_Load() {
    if (!Mod::OpenStore(Mod::db))
        return false;
    qs.paperCount = 0;
    Step([&] { tmrAd.setInterval(60000); });
    Step([&] { setWindowFlag(Qt::WindowStaysOnTopHint, false); });
    Step([&] { qs.lastSeq = PracticeSettings::ReadLastSeq(); });
    Step([&] { qs.carType = PracticeSettings::ReadCarType(); });
    Step([&] {
        const int index = PracticeSettings::CarIndex(qs.carType);
        if (index < 0)
            throw StoreError("no such vehicle type");
        cboCar->setCurrentIndex(index);
        cboCar_Click();
    });
    Step([&] {
        modeTitles = {"车型选择", "顺序练习", "随机练习", "章节练习",
                      "错题练习", "模拟考试", "学车交流", "软件说明"};
    });
    Step([&] { colourControls(); });
    Step([&] {
        for (auto [shape, c] : {std::pair{shpYD, kLightYellow}, std::pair{shpWD, kWindowBack},
                                std::pair{shpCur, kLightCyan}}) {
            shape->setBackColor(c);
            shape->setBorderColor(kNavy);
        }
    });
    Step([&] {
        dg->setBackColorBkg(kButtonFace);
        dg->setForeColor(kNavy);
        dg->setForeColorSel(kLightCyan);
    });
    Step([&] { fra->Frame1->setFrameShape(QFrame::NoFrame); });
    Step([&] {
        qs.papers.assign(1, PaperRecord());
        qs.bShowAnswer = false;
        qs.mode = Mode::About;
        cmdK_Click(IndexOf(Mode::About));
    });
    Step([&] { pro->resize(0, pro->height()); });
    Step([&] {
        dg->setRows(1);
        dg->setCols(10);
        const int width = Rounding::HalfEven((Twips::FromPixels(dg->width()) - 330) / 10.0);
        for (int c = 0; c < 10; ++c)
            dg->setColWidth(c, width);
        for (int c = 0; c < 10; ++c)
            dg->setTextMatrix(0, c, QString::number(c + 1));
    });
    // Scores of more than a week ago go; a store that refuses keeps them.
    Step([&] { ExamRecords::PruneOld(); });
    Step([&] {
        const QString banner =
            QDir(Mod::ProgramFolder()).filePath(QStringLiteral("images/banner.jpg"));
        QPixmap picture;
        if (QFileInfo::exists(banner) && picture.load(banner))
            Image1->setPixmap(
                picture.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    });
    return true;
}

void frmMain::colourControls() {
    Colour(this, kButtonFace, kNavy);
    for (QWidget* w : std::initializer_list<QWidget*>{
             fra->lblPaper,  fra->opt[0],    fra->opt[1], fra->opt[2], fra->opt[3], lbl1,
             lbl2,           lblHour,        lblMinute,   lblSecond,   fra,         fraT,
             fraC,           fra->Frame1,    cboCar,      fra->lblAn,  fra->Label1, fra->Label7,
             fra->lblResult, fra->lblAnswer, lblRE,       lblFirstOK})
        Colour(w, kButtonFace, kNavy);
    shpBk->setBackColor(kButtonFace);
    shpBk->setFillColor(kNavy);
    shpBk->setBorderColor(kNavy);
    Colour(pro, kNavy, kNavy);
    for (QWidget* w : std::initializer_list<QWidget*>{fra->lblErrOK, Label3, Label4, Label5, Label6,
                                                      fraDescr, fra->chkAutoGo})
        Colour(w, kButtonFace, kNavy);
}

void frmMain::Form_QueryUnload() {
    if (!sessionEnding_)
        ShowAd();
    try {
        PracticeSettings::WriteLastSeq(qs.lastSeq);
    } catch (const StoreError&) {
    }
    try {
        PracticeSettings::WriteCarType(qs.carType);
    } catch (const StoreError&) {
    }
}

void frmMain::CloseForSessionEnd() {
    sessionEnding_ = true;
    close();
}

void frmMain::Form_Resize() {
    if (isMinimized())
        return;
    const QSize fixed(Twips::ToPixels(kWidthTwips), Twips::ToPixels(kHeightTwips));
    if (size() != fixed)
        resize(fixed);
}

void frmMain::Exam(bool bExam) {
    cmdSubit->setVisible(bExam);
    cmdSetError->setVisible(!bExam);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdShowAnswer[0], cmdShowAnswer[1],
                                                      lblFirstOK, lblRE, fra->chkAutoGo})
        w->setVisible(!bExam);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        (watched == Image1 || watched == Image2)) {
        if (watched == Image1)
            Image1_Click();
        else
            Image2_Click();
        return true;
    }
    // The vehicle list gives its place back when the focus leaves it; its
    // own pop-up taking the focus is not leaving.
    if (event->type() == QEvent::FocusOut && watched == cboCar &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        cboCar_Validate();
        return false;
    }
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    // Only keys meant for this window: not those of a dialog or message box.
    if (static_cast<QWidget*>(watched)->window() != this)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return Form_KeyDown(key->key(), key->modifiers());
}

void frmMain::ShowTime() {
    auto two = [](qint32 v) { return QStringLiteral("%1").arg(v, 2, 10, QChar(u'0')); };
    lblHour->setText(two(clockSeconds / 3600));
    lblMinute->setText(two((clockSeconds / 60) % 60));
    lblSecond->setText(two(clockSeconds % 60));
}

void frmMain::Timer1_Timer() {
    if (qs.mode != Mode::Exam) {
        ++clockSeconds;
    } else if (clockSeconds < 1) {
        // Time is up: the paper is handed in.
        Timer1.stop();
        clockSeconds = 0;
        cmdSubit_Click();
    } else {
        --clockSeconds;
    }
    ShowTime();
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmMain::mousePressEvent(QMouseEvent* event) {
    cboCar_LostFocus();
    QWidget::mousePressEvent(event);
}

void frmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    shown_ = true;
}
