#include "frmSelect.h"

#include "AppFonts.h"
#include "ChapterList.h"
#include "Controls.h"
#include "Mod.h"
#include "StoreError.h"
#include "StyleButton.h"
#include "WindowColors.h"

#include <QListWidget>

frmSelect::frmSelect(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSelect"));
    setWindowTitle(QStringLiteral("请选择练习的章节"));
    setFont(AppFonts::song(10.5));
    setFixedSize(450, 360);
    Controls::Colour(this, WindowColors::kButtonFace, WindowColors::kNavy);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(12, 12, 426, 290);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setToolTip(QStringLiteral("双击默认为顺序练习"));
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { choose(false); });

    buttons_ = FormButtons::Load(this, QStringLiteral(":/layouts/frmSelect.layout"));
    cmdOrder = FormButtons::ButtonOrPlain(buttons_, this, QStringLiteral("cmdOrder"));
    cmdRand = FormButtons::ButtonOrPlain(buttons_, this, QStringLiteral("cmdRand"));
    connect(cmdOrder, &StyleButton::Click, this, [this] { choose(false); });
    connect(cmdRand, &StyleButton::Click, this, [this] { choose(true); });
}

void frmSelect::choose(bool random) {
    random_ = random;
    chosen_ = true;
    hide();
}

QString frmSelect::SelectType(const QString& SQL, bool& retMode, bool& bSelect) {
    random_ = false;
    List1->clear();
    List1->addItem(QStringLiteral("所有试题"));
    List1->setCurrentRow(0);
    chosen_ = false;
    bSelect = false;
    types_ = {QString()};
    if (!Mod::db.isOpen())
        return {};
    try {
        const QList<ChapterRow> rows = ChapterList::Read(SQL);
        for (qsizetype i = 1; i < rows.size(); ++i) {
            List1->addItem(rows[i].text);
            types_ << rows[i].strtype;
        }
        List1->item(0)->setText(rows[0].text);
    } catch (const StoreError&) {
        retMode = random_;
        return {};
    }
    exec();
    bSelect = chosen_;
    retMode = random_;
    if (!chosen_)
        return {}; // closed by its window button: no choice
    const int row = List1->currentRow();
    return row >= 0 && row < types_.size() ? types_[row] : QString();
}
