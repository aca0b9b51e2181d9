#include "frmMain.h"

#include "AnswerGrid.h"
#include "AppFonts.h"
#include "AppPictures.h"
#include "AppStyle.h"
#include "ExamRules.h"
#include "FormButtons.h"
#include "Mod.h"
#include "PaperQuery.h"
#include "ShapeBox.h"
#include "StoreError.h"
#include "StyleButton.h"
#include "VbColor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Colours of the window (0x00BBGGRR; 0x80000000 + n = system colour n).
constexpr std::uint32_t kButtonFace = 0x8000000F;
constexpr std::uint32_t kWindowBack = 0x80000005;
constexpr std::uint32_t kNavy = 0x800000;
constexpr std::uint32_t kLightCyan = 0xFFFF80;
constexpr std::uint32_t kLightYellow = 0x80FFFF;
constexpr std::uint32_t kRed = 0xFF;

const QString kCaption =
    QStringLiteral("青禾考典 学车更轻松:qinghe.example.com 中国最大的驾校行业网站!");

const QStringList kCarItems = {QStringLiteral("小车版(C1、C2、C3、C4、C5)"),
                               QStringLiteral("货车版(A2、B2)"),
                               QStringLiteral("客车版(A1、A3、B1)")};
const QStringList kCarCodes = {QStringLiteral("C"), QStringLiteral("B"), QStringLiteral("A")};

const QString kLastSeqKey = QStringLiteral("上次顺序练习最后一题");
const QString kCarTypeKey = QStringLiteral("考试车型");

// The window's layout in pixels (the window is 888 x 614).
struct Layout {
    static constexpr QRect fraC{6, 2, 120, 318};
    static constexpr QRect cboCar{14, 18, 250, 30};
    static constexpr QRect fraT{6, 324, 120, 62};
    static constexpr QRect Image2{6, 392, 120, 216};
    static constexpr QRect fra{132, 2, 468, 506};
    static constexpr QRect lblPaper{10, 22, 448, 76};
    static constexpr QRect imgPaper{214, 104, 244, 184};
    static constexpr QRect lblAn{10, 104, 448, 184};
    static constexpr int lblAnBesidePicture = 200;
    static constexpr QRect Frame1{10, 296, 448, 50};
    static constexpr QRect Image1{132, 512, 468, 96};
    static constexpr QRect dg{606, 8, 278, 362};
    static constexpr QRect shpBk{606, 428, 278, 14};
};

const QString kDescrIntro = QStringLiteral(
    "青禾考典是一款机动车驾驶人科目一理论考试练习软件，题库按小车、货车、客车三类车型分别组织，"
    "每道题都附有答案解析，帮助您在理解的基础上记住交通法规和安全驾驶知识。");
const QString kDescrFeatures = QStringLiteral(
    "1、顺序练习：按题库顺序逐题练习，下次进入时可从上次练到的题目继续。\n"
    "2、随机练习（记忆练习）：打乱题目顺序，检验记忆效果。\n"
    "3、章节练习：按章节和题型练习，逐个攻克薄弱环节。\n"
    "4、错题训练：练习和考试中答错的题目自动收入错题本，也可手工设为错题，反复强化。\n"
    "5、模拟考试：判断题40道、单选题60道随机组卷，45分钟倒计时，90分合格。\n"
    "6、车型选择：在小车、货车、客车题库之间切换。\n"
    "7、键盘操作：PgUp、PgDn 和方向键切换上一题、下一题。");
const QString kDescrThanks =
    QStringLiteral("如果本软件对您有帮助，请推荐给身边正在学车的朋友，谢谢！\n"
                   "在搜索引擎中搜索\"青禾考典\"即可找到本软件的最新版本。");

void colour(QWidget* w, std::uint32_t back, std::uint32_t fore) {
    QPalette p = w->palette();
    const QColor b = VbColor(back), f = VbColor(fore);
    // Children inherit the window's colours; setting the same palette again
    // would only send every child a change event.
    if (p.color(QPalette::Window) == b && p.color(QPalette::Button) == b &&
        p.color(QPalette::WindowText) == f && p.color(QPalette::ButtonText) == f &&
        p.color(QPalette::Text) == f)
        return;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
        p.setColor(role, b);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        p.setColor(role, f);
    w->setPalette(p);
}

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}

// Whole-number rounding with ties to the even number.
int roundHalfEven(double v) {
    return int(std::nearbyint(v));
}

} // namespace

frmMain::frmMain(const QString& programFolder, QWidget* parent) : QWidget(parent) {
    if (!programFolder.isEmpty())
        Mod::SetProgramFolder(programFolder);
    // Opening the encrypted bank (its key set-up, first pages and schema)
    // takes about as long as building the controls, and needs none of them:
    // the two go on side by side. Nothing here touches the store before
    // Form_Load takes it.
    storeReads_ = std::make_unique<StartTask<StoreReads>>(&frmMain::ReadStore);
    AppFonts::install();
    AppStyle::install();
    MsgBox = [this](const QString& text, QMessageBox::StandardButtons buttons) {
        return defaultMsgBox(text, buttons);
    };
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
    setWindowTitle(kCaption);
    setFont(AppFonts::song(10.5));
    setFixedSize(kWidthTwips / 15, kHeightTwips / 15);
    // The window has its colours before its controls, which take them as
    // they are made; coloured afterwards, every control would be sent the
    // change. Start-up colours it again, and finds nothing to change.
    colour(this, kButtonFace, kNavy);
    // The description panel comes first, in the window's colours, so that its
    // text can be drawn on a worker thread while the rest of the window is
    // built and shown. It takes the place of the question area; only one of
    // the two is shown at a time, so neither needs to cover the other.
    fraDescr = new FrameBox(QStringLiteral("软件说明"), this);
    fraDescr->setGeometry(Layout::fra);
    descrText = new TextPanel(fraDescr);
    descrText->setGeometry(14, 28, 440, 454);
    descrText->setBlocks({{QRect(0, 0, 440, 84), kDescrIntro},
                          {QRect(0, 92, 440, 260), kDescrFeatures},
                          {QRect(0, 364, 440, 90), kDescrThanks}});
    descrText->prerender();

    fraC = new FrameBox(QString(), this);
    fraC->setObjectName(QStringLiteral("fraC"));
    fraC->setGeometry(Layout::fraC);

    fraT = new FrameBox(QStringLiteral("计时"), this);
    fraT->setGeometry(Layout::fraT);
    const QFont clockFont = AppFonts::song(15, true);
    lblHour = label(fraT, QStringLiteral("00"), QRect(10, 22, 28, 32));
    lbl1 = label(fraT, QStringLiteral(":"), QRect(38, 22, 12, 32));
    lblMinute = label(fraT, QStringLiteral("00"), QRect(50, 22, 28, 32));
    lbl2 = label(fraT, QStringLiteral(":"), QRect(78, 22, 12, 32));
    lblSecond = label(fraT, QStringLiteral("00"), QRect(90, 22, 28, 32));
    for (QLabel* l : {lblHour, lbl1, lblMinute, lbl2, lblSecond}) {
        l->setFont(clockFont);
        l->setAlignment(Qt::AlignCenter);
    }

    Image2 = new QLabel(this);
    Image2->setGeometry(Layout::Image2);
    Image2->setAlignment(Qt::AlignCenter);

    dg = new AnswerGrid(this);
    dg->setGeometry(Layout::dg);
    QFont gridFont = AppFonts::song(7.5);
    dg->setFont(gridFont);
    dg->setRowHeight(22);

    shpCur = new ShapeBox(this);
    shpCur->setGeometry(606, 380, 14, 14);
    Label4 = label(this, QStringLiteral("当前题"), QRect(624, 377, 56, 20));
    shpYD = new ShapeBox(this);
    shpYD->setGeometry(692, 380, 14, 14);
    Label5 = label(this, QStringLiteral("已答题"), QRect(710, 377, 56, 20));
    shpWD = new ShapeBox(this);
    shpWD->setGeometry(778, 380, 14, 14);
    Label3 = label(this, QStringLiteral("未答题"), QRect(796, 377, 56, 20));
    Label6 =
        label(this, QStringLiteral("按PgUp键回上一题,按PgDn键往下一题"), QRect(606, 402, 278, 20));

    shpBk = new ShapeBox(this);
    shpBk->setGeometry(Layout::shpBk);
    pro = new QLabel(this);
    pro->setGeometry(Layout::shpBk.x(), Layout::shpBk.y(), 0, Layout::shpBk.height());
    pro->setAutoFillBackground(true);
    lblFirstOK = label(this, QString(), QRect(606, 450, 278, 22));
    lblRE = label(this, QString(), QRect(606, 474, 278, 22));

    Image1 = new QLabel(this);
    Image1->setGeometry(Layout::Image1);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(AppPictures::get(QStringLiteral("banner")));
    Image2->setPixmap(AppPictures::get(QStringLiteral("side")));
    img[QStringLiteral("HideAn")] = AppPictures::get(QStringLiteral("hide-answer"));
    img[QStringLiteral("ShowAn")] = AppPictures::get(QStringLiteral("show-answer"));
    img[QStringLiteral("Logo")] = AppPictures::get(QStringLiteral("logo"));
    // The logo is 48 pixels, what a taskbar shows: at 64 it would take more
    // than the 16 KB the display connection buffers, and Qt would write it
    // out on its own at every start.
    setWindowIcon(QIcon(img[QStringLiteral("Logo")]));

    createButtons();
    // The menu's frame is painted after the window's other controls, which it
    // does not overlap (the vehicle list, made next, stays above it): its
    // buttons' faces are drawn on the drawing thread after the description's
    // text, and the first paint waits less for them.
    fraC->raise();

    // The vehicle-type list stands in for the first menu button while the
    // learner chooses; it is wider than the button so its items show whole.
    cboCar = new QComboBox(this);
    cboCar->addItems(kCarItems);
    cboCar->setGeometry(Layout::cboCar);
    cboCar->setCurrentIndex(-1);
    cboCar->hide();
}

namespace {

// The buttons that sit in the question area, made with it.
bool inQuestionArea(const ButtonEntry& entry) {
    return entry.container == QLatin1String("fra") || entry.container == QLatin1String("Frame1");
}

} // namespace

StyleButton* frmMain::button(const char* name, int index) {
    // A button the stored layout lacks still exists, so the window works.
    StyleButton* b = buttons_ ? buttons_->Button(QString::fromLatin1(name), index) : nullptr;
    return b ? b : new StyleButton(this);
}

void frmMain::createButtons() {
    QString error;
    layout_ = FormLayout::Load(QStringLiteral(":/layouts/frmMain.layout"), &error);
    if (layout_)
        buttons_ = FormButtons::Create(this, *layout_, true,
                                       [](const ButtonEntry& e) { return !inQuestionArea(e); });
    else
        qWarning("%s", qPrintable(error));
    for (int i = 0; i < 8; ++i)
        cmdK[size_t(i)] = button("cmdK", i);
    // Chapter practice, the wrong-question book, the examination and the
    // forum are not offered yet.
    for (int i = 3; i <= 6; ++i)
        cmdK[size_t(i)]->setEnabled(false);
    // The window opens on the menu, whose buttons are final now: their faces
    // are drawn while the rest of the window is built.
    StyleButton::PrerenderFaces({cmdK.begin(), cmdK.end()});
}

void frmMain::ensureQuestionArea() {
    if (fra)
        return;
    // Made when a mode first shows it: a start shows only the description,
    // and the learner who reads it and leaves never needs these controls.
    fra = new FrameBox(QStringLiteral("顺序练习"), this);
    fra->setObjectName(QStringLiteral("fra"));
    fra->setGeometry(Layout::fra);
    lblPaper = label(fra, QString(), Layout::lblPaper);
    lblPaper->setWordWrap(true);
    lblPaper->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblPaper->setFont(AppFonts::song(12, true));
    imgPaper = label(fra, QString(), Layout::imgPaper);
    imgPaper->setAlignment(Qt::AlignCenter);
    imgPaper->hide();
    lblAn = label(fra, QString(), Layout::lblAn);
    lblAn->setWordWrap(true);
    lblAn->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblAn->setFont(AppFonts::song(11));
    for (int i = 0; i < 4; ++i) {
        opt[size_t(i)] = new QRadioButton(fra);
        opt[size_t(i)]->setGeometry(10, 104 + i * 24, 200, 22);
        opt[size_t(i)]->hide();
    }
    Frame1 = new QFrame(fra);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Layout::Frame1);
    Label1 = label(fra, QStringLiteral("您的答案:"), QRect(10, 356, 76, 24));
    lblAnswer = label(fra, QStringLiteral("__"), QRect(88, 356, 56, 24));
    for (size_t i = 0; i < 2; ++i) {
        imgResult[i] = label(fra, QString(), QRect(146, 352, 28, 28));
        imgResult[i]->setAlignment(Qt::AlignCenter);
        imgResult[i]->hide();
    }
    Label7 = label(fra, QStringLiteral("答案:"), QRect(190, 356, 46, 24));
    lblResult = label(fra, QString(), QRect(238, 356, 56, 24));
    lblErrOK = label(fra, QStringLiteral("设置成功"), QRect(226, 397, 90, 22));
    lblErrOK->hide();
    chkAutoGo = new QCheckBox(QStringLiteral("正确答题后跳转到下一题"), fra);
    chkAutoGo->setGeometry(10, 434, 260, 24);
    chkAutoGo->setChecked(true);
    imgResult[0]->setPixmap(AppPictures::get(QStringLiteral("result-right")));
    imgResult[1]->setPixmap(AppPictures::get(QStringLiteral("result-wrong")));
    fra->hide(); // shown by whoever needs it, in front of the description

    if (buttons_ && layout_)
        buttons_->Add(*layout_, inQuestionArea);
    layout_.reset(); // every button of it is made now
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
    for (int i = 0; i < 2; ++i)
        connect(cmdShowAnswer[size_t(i)], &StyleButton::Click, this,
                [this, i] { cmdShowAnswer_Click(i); });

    for (QWidget* w : std::initializer_list<QWidget*>{lblPaper, opt[0], opt[1], opt[2], opt[3], fra,
                                                      Frame1, lblAn, Label1, Label7, lblResult,
                                                      lblAnswer, lblErrOK, chkAutoGo})
        colour(w, kButtonFace, kNavy);
    Frame1->setFrameShape(QFrame::NoFrame);
    Exam(examLook_);

    // Tab goes through the area's controls as if they had been there from
    // the start: its options and check box before the answer sheet, its
    // buttons after the menu, the vehicle list last.
    std::vector<QWidget*> chain{opt.begin(), opt.end()};
    chain.push_back(chkAutoGo);
    chain.push_back(dg);
    chain.insert(chain.end(), cmdK.begin(), cmdK.end());
    if (buttons_) {
        for (StyleButton* b : buttons_->All())
            if (std::find(cmdK.begin(), cmdK.end(), b) == cmdK.end())
                chain.push_back(b);
    }
    chain.push_back(cboCar);
    for (size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void frmMain::connectControls() {
    for (int i = 0; i < 8; ++i)
        connect(cmdK[size_t(i)], &StyleButton::Click, this, [this, i] { cmdK_Click(i); });
    connect(cboCar, &QComboBox::activated, this, [this] { cboCar_Click(); });
    connect(dg, &AnswerGrid::LeaveCell, this, [this] { dg_LeaveCell(); });
    connect(dg, &AnswerGrid::Click, this, [this] { dg_Click(); });
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
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

frmMain::StoreReads frmMain::ReadStore() {
    StoreReads reads;
    reads.opened = Mod::OpenStore(Mod::db);
    if (!reads.opened)
        return reads;
    reads.lastSeq = Mod::GetParam(kLastSeqKey, QStringLiteral("1"));
    reads.carType = Mod::GetParam(kCarTypeKey, QStringLiteral("C"));
    // Records of more than a week ago go; a store that refuses keeps them.
    try {
        Mod::db.execute(QStringLiteral("delete from record where datediff('d',recordtime,now)>7"));
    } catch (...) {
    }
    return reads;
}

bool frmMain::Form_Load() {
    // Each step after the first runs with its failures ignored.
    auto step = [](auto&& f) {
        try {
            f();
        } catch (...) {
        }
    };

    StoreReads reads;
    if (storeReads_) {
        reads = storeReads_->Take();
        storeReads_.reset();
    } else {
        reads = ReadStore();
    }
    if (!reads.opened)
        return false;
    qs.paperCount = 0;
    step([&] { tmrAd.setInterval(60000); });
    step([&] { setWindowFlag(Qt::WindowStaysOnTopHint, false); });
    step([&] {
        bool ok = false;
        const QString text = reads.lastSeq;
        const qint32 v = text.trimmed().toInt(&ok);
        if (!ok)
            throw StoreError("not a number");
        qs.lastSeq = v;
    });
    step([&] { qs.carType = reads.carType; });
    step([&] {
        const qsizetype index = kCarCodes.indexOf(qs.carType);
        if (index < 0)
            throw StoreError("no such vehicle type");
        cboCar->setCurrentIndex(int(index));
        cboCar_Click();
    });
    step([&] {
        modeTitles = {"车型选择", "顺序练习", "随机练习", "章节练习",
                      "错题练习", "模拟考试", "学车交流", "软件说明"};
    });
    step([&] {
        colour(this, kButtonFace, kNavy);
        for (QWidget* w : std::initializer_list<QWidget*>{lbl1, lbl2, lblHour, lblMinute, lblSecond,
                                                          fraT, fraC, cboCar, lblRE, lblFirstOK})
            colour(w, kButtonFace, kNavy);
        shpBk->setBackColor(kButtonFace);
        shpBk->setFillColor(kNavy);
        shpBk->setBorderColor(kNavy);
        for (QWidget* w : std::initializer_list<QWidget*>{Label3, Label4, Label5, Label6, fraDescr})
            colour(w, kButtonFace, kNavy);
        colour(pro, kNavy, kNavy);
    });
    step([&] {
        for (auto [shape, c] : {std::pair{shpYD, kLightYellow}, std::pair{shpWD, kWindowBack},
                                std::pair{shpCur, kLightCyan}}) {
            shape->setBackColor(c);
            shape->setBorderColor(kNavy);
        }
    });
    step([&] {
        dg->setBackColorBkg(kButtonFace);
        dg->setForeColor(kNavy);
        dg->setForeColorSel(kLightCyan);
    });
    step([&] {
        qs.papers.assign(1, PaperRecord());
        qs.bShowAnswer = false;
        qs.mode = 7;
        cmdK_Click(7);
    });
    step([&] { pro->resize(0, pro->height()); });
    step([&] {
        dg->setRows(1);
        dg->setCols(10);
        const int width = roundHalfEven((dg->width() * 15 - 330) / 10.0);
        for (int c = 0; c < 10; ++c)
            dg->setColWidth(c, width);
        for (int c = 0; c < 10; ++c)
            dg->setTextMatrix(0, c, QString::number(c + 1));
    });
    step([&] {
        const QString banner =
            QDir(Mod::ProgramFolder()).filePath(QStringLiteral("images/banner.jpg"));
        QPixmap picture;
        if (QFileInfo::exists(banner) && picture.load(banner))
            Image1->setPixmap(
                picture.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    });
    return true;
}

void frmMain::Form_QueryUnload() {
    try {
        Mod::SetParam(kLastSeqKey, QString::number(qs.lastSeq));
    } catch (const StoreError&) {
    }
    try {
        Mod::SetParam(kCarTypeKey, qs.carType);
    } catch (const StoreError&) {
    }
}

void frmMain::Form_Resize() {
    if (isMinimized())
        return;
    const QSize fixed(kWidthTwips / 15, kHeightTwips / 15);
    if (size() != fixed)
        resize(fixed);
}

void frmMain::Exam(bool bExam) {
    examLook_ = bExam;
    lblFirstOK->setVisible(!bExam);
    lblRE->setVisible(!bExam);
    if (!fra)
        return; // the question area takes the look when it is made
    cmdSubit->setVisible(bExam);
    cmdSetError->setVisible(!bExam);
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmdShowAnswer[0], cmdShowAnswer[1], chkAutoGo})
        w->setVisible(!bExam);
}

void frmMain::setDescriptionInFront(bool front) {
    // Whichever panel is behind is hidden as well, so it is neither polished
    // nor painted where nobody can see it, and the one in front need not
    // paint over it.
    if (front) {
        fraDescr->show();
        fraDescr->raise();
        if (fra)
            fra->hide();
    } else {
        ensureQuestionArea();
        fra->show();
        fraDescr->lower();
        fraDescr->hide();
    }
}

void frmMain::cmdK_Click(int Index) {
    if (Index >= 1 && Index <= 5 && shown_)
        tmrAd.start();
    else
        tmrAd.stop();
    Timer1.stop();
    clockSeconds = 0;
    ShowTime();
    qs.mode = qint16(Index);
    setDescriptionInFront(Index == 7);
    Exam(false);
    title = modeTitles[size_t(Index)];
    if (cmdSetError)
        cmdSetError->show();

    try {
        switch (Index) {
        case 0:
            cmdYN[0]->hide();
            cmdYN[1]->hide();
            cboCar->show();
            cboCar->raise();
            cboCar->setFocus();
            cmdK[0]->hide();
            return;
        case 1:
            qs.bRand = false;
            InitPaper(qs.carType, QString(), false, false);
            if (qs.lastSeq >= 2 && qs.lastSeq < qs.paperCount &&
                MsgBox(QStringLiteral("上次已经练习到第") + QString::number(qs.lastSeq) +
                           QStringLiteral("题，要继续吗？"),
                       QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
                dg_LeaveCell();
                SetCurPaper(qs.lastSeq);
                dg_Click();
                ShowPaper(qs.lastSeq);
            }
            break;
        case 2:
            qs.bRand = true;
            InitPaper(qs.carType, QString(), true, false);
            break;
        case 7:
            return;
        default:
            // Chapter practice, the wrong-question book, the examination and
            // the forum link are not offered yet; their buttons stay disabled.
            return;
        }
    } catch (const StoreError& e) {
        MsgBox(QStringLiteral("读取题库时出错，无法开始练习。\n") + QString::fromUtf8(e.what()),
               QMessageBox::Ok);
        return;
    }

    ShowPos(title);
    qs.bShowAnswer = true;
    cmdShowAnswer_Click(0);
    clockSeconds = Index == 5 ? ExamRules::kSeconds : 0;
    Timer1.start();
}

void frmMain::cboCar_Click() {
    const int index = cboCar->currentIndex();
    if (index < 0 || index >= kCarCodes.size())
        return;
    const QString code = kCarCodes[index];
    if (code != qs.carType) {
        qs.carType = code;
        qs.lastSeq = 1;
    }
    cboCar->hide();
    if (shown_)
        cmdK_Click(1);
}

void frmMain::cboCar_LostFocus() {
    cboCar->hide();
    cmdK[0]->show();
}

void frmMain::InitPaper(const QString& Exam, const QString& Chap, bool bRand, bool bError) {
    Recordset rs = Mod::db.openRecordset(PaperQuery::InitPaperSql(Exam, Chap, bError));
    try {
        qs.Load(rs, bRand, *dg);
    } catch (...) {
        // A half-loaded set is worse than none: leave an empty one.
        dg->setRows(0);
        qs.papers.assign(1, PaperRecord());
        qs.paperCount = 0;
        dg->setRedraw(true);
        throw;
    }
    if (dg->Rows() >= 1) {
        dg->setRow(0);
        dg->setCol(0);
        dg_Click();
    }
    dg->setRedraw(true);
    qs.rightCount = 0;
    qs.wrongCount = 0;
    ShowProgress();
}

void frmMain::SetCurPaper(qint32 sequeue) {
    qs.SetCurPaper(*dg, sequeue);
}

qint32 frmMain::GetCurPaper() const {
    return qs.GetCurPaper(*dg);
}

void frmMain::VisbleAnswer(bool bSelect) {
    ensureQuestionArea();
    for (StyleButton* b : cmdAn)
        b->setVisible(bSelect);
    for (StyleButton* b : cmdYN)
        b->setVisible(!bSelect);
}

void frmMain::ShowPaper(qint32 Index) {
    if (Index < 1 || Index > qs.paperCount)
        return;
    ensureQuestionArea();
    const PaperRecord& q = qs.papers[size_t(Index)];
    VisbleAnswer(q.bChoice);
    lblPaper->setText(QString::number(Index) + QStringLiteral(". ") + q.question);
    if (q.bChoice) {
        const QString br = QStringLiteral("\r\n");
        lblAn->setText(QStringLiteral("A. ") + q.an1 + br + br + QStringLiteral("B. ") + q.an2 +
                       br + br + QStringLiteral("C. ") + q.an3 + br + br + QStringLiteral("D. ") +
                       q.an4 + br);
    } else {
        lblAn->setText(QString());
    }
    SetResult(Index);
    QString answer;
    switch (q.userAnswer) {
    case 0:
        answer = q.bChoice ? QStringLiteral("A") : QStringLiteral("对");
        break;
    case 1:
        answer = q.bChoice ? QStringLiteral("B") : QStringLiteral("错");
        break;
    case 2:
        answer = QStringLiteral("C");
        break;
    case 3:
        answer = QStringLiteral("D");
        break;
    default:
        break;
    }
    lblAnswer->setText(u'_' + answer + u'_');
    lblPaper->setToolTip(QString::number(q.id));
    imgResult[0]->hide();
    imgResult[1]->hide();
    imgPaper->hide();
    lblErrOK->hide();
    lblAn->resize(Layout::lblAn.size());
    if (!q.ImageUrl.isEmpty()) {
        QPixmap picture;
        const QString path =
            QDir(Mod::ProgramFolder()).filePath(QStringLiteral("images/") + q.ImageUrl);
        if (picture.load(path)) {
            if (picture.width() > imgPaper->width() || picture.height() > imgPaper->height())
                picture =
                    picture.scaled(imgPaper->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
            imgPaper->setPixmap(picture);
            imgPaper->show();
            // The options make room for the picture beside them.
            lblAn->resize(Layout::lblAnBesidePicture, Layout::lblAn.height());
        }
    }
}

void frmMain::ShowPos(const QString& s) {
    const QString text = s + QStringLiteral("(共计") + QString::number(qs.paperCount) +
                         QStringLiteral("题)--") + cboCar->currentText().left(3);
    ensureQuestionArea();
    fra->setTitle(text);
    fra->setToolTip(text);
}

void frmMain::ShowProgress() {
    const qint32 answered = qs.rightCount + qs.wrongCount;
    const QString name = qs.mode == 5 ? QStringLiteral("正确率 ") : QStringLiteral("首正率 ");
    if (answered != 0) {
        lblFirstOK->setText(name + QString::number(double(qs.rightCount) / answered * 100, 'f', 2) +
                            u'%');
        lblRE->setText(QStringLiteral("正确/答题 ") + QString::number(qs.rightCount) + u'/' +
                       QString::number(answered));
    } else {
        lblFirstOK->setText(name + QStringLiteral("0.00%"));
        lblRE->setText(QStringLiteral("正确/答题 0/0"));
    }
    const int width =
        qs.paperCount != 0
            ? roundHalfEven(float(answered) / float(qs.paperCount) * float(shpBk->width()))
            : 0;
    pro->resize(width, pro->height());
}

void frmMain::SetResult(qint32 Index) {
    if (Index < 1 || Index > qs.paperCount)
        return;
    ensureQuestionArea();
    const PaperRecord& q = qs.papers[size_t(Index)];
    if (q.bChoice) {
        if (q.answerIndex >= 0 && q.answerIndex <= 3)
            lblResult->setText(QString(QChar(u'A' + q.answerIndex)));
    } else {
        lblResult->setText(q.answerIndex == 0 ? QStringLiteral("对") : QStringLiteral("错"));
    }
}

void frmMain::cmdShowAnswer_Click(int) {
    qs.bShowAnswer = !qs.bShowAnswer;
    const qint32 k = GetCurPaper();
    if (k == 0 || qs.paperCount == 0)
        return;
    ensureQuestionArea();
    lblResult->setVisible(qs.bShowAnswer);
    Label7->setVisible(qs.bShowAnswer);
    SetResult(k);
    cmdShowAnswer[qs.bShowAnswer ? 1 : 0]->raise();
}

void frmMain::dg_Click() {
    try {
        dg->setCellBackColor(kLightCyan);
        ShowPaper(GetCurPaper());
        if (!dg->RowIsVisible(dg->Row()))
            dg->setTopRow(dg->Row());
    } catch (...) {
    }
}

void frmMain::dg_LeaveCell() {
    const qint32 cur = GetCurPaper();
    if (cur < 1 || cur > qs.paperCount)
        return;
    const PaperRecord& q = qs.papers[size_t(cur)];
    dg->setCellBackColor(q.userAnswer == -1 ? kWindowBack : kLightYellow);
    if (qs.mode != 5 || qs.bShowAnswer) {
        const bool wrong = q.userAnswer != -1 && q.userAnswer != q.answerIndex;
        dg->setCellForeColor(wrong ? kRed : kNavy);
        dg->setCellFontStrikeThrough(wrong);
    }
}

void frmMain::ShowTime() {
    auto two = [](qint32 v) { return QStringLiteral("%1").arg(v, 2, 10, QChar(u'0')); };
    lblHour->setText(two(clockSeconds / 3600));
    lblMinute->setText(two((clockSeconds / 60) % 60));
    lblSecond->setText(two(clockSeconds % 60));
}

void frmMain::Timer1_Timer() {
    if (qs.mode != 5) {
        ++clockSeconds;
    } else if (clockSeconds < 1) {
        // Time is up: the examination stops counting.
        Timer1.stop();
        clockSeconds = 0;
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
