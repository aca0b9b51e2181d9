#include "DescriptionPanel.h"

#include "Controls.h"
#include "QuestionArea.h"

#include <QLabel>

namespace {

const QString kIntro = QStringLiteral(
    "青禾考典是一款机动车驾驶人科目一理论考试练习软件，题库按小车、货车、客车三类车型分别组织，"
    "每道题都附有答案解析，帮助您在理解的基础上记住交通法规和安全驾驶知识。");
const QString kFeatures = QStringLiteral(
    "1、顺序练习：按题库顺序逐题练习，下次进入时可从上次练到的题目继续。\n"
    "2、随机练习（记忆练习）：打乱题目顺序，检验记忆效果。\n"
    "3、章节练习：按章节和题型练习，逐个攻克薄弱环节。\n"
    "4、错题训练：练习和考试中答错的题目自动收入错题本，也可手工设为错题，反复强化。\n"
    "5、模拟考试：判断题40道、单选题60道随机组卷，45分钟倒计时，90分合格。\n"
    "6、车型选择：在小车、货车、客车题库之间切换。\n"
    "7、键盘操作：PgUp、PgDn 和方向键切换上一题、下一题；按 A～D 或 1～4 键作答，"
    "判断题按 A 或 1 为“对”，按 B 或 2 为“错”。");
const QString kThanks = QStringLiteral("如果本软件对您有帮助，请推荐给身边正在学车的朋友，谢谢！\n"
                                       "在搜索引擎中搜索\"青禾考典\"即可找到本软件的最新版本。");

} // namespace

DescriptionPanel::DescriptionPanel(QWidget* parent) : FrameBox(QStringLiteral("软件说明"), parent) {
    setObjectName(QStringLiteral("fraDescr"));
    // It stands where the question area stands; one of the two shows.
    setGeometry(QuestionArea::kFrame);
    const QString texts[] = {kIntro, kFeatures, kThanks};
    const QRect places[] = {QRect(14, 28, 440, 84), QRect(14, 120, 440, 260),
                            QRect(14, 392, 440, 90)};
    for (int i = 0; i < 3; ++i) {
        QLabel* l = Controls::Label(this, "lblDescr", texts[i], places[i]);
        l->setObjectName(Controls::ArrayName("lblDescr", i));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        lblDescr[size_t(i)] = l;
    }
}
