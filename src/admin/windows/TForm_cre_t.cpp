#include "admin/windows/TForm_cre_t.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "admin/TableStatements.h"
#include "window/FormRegistry.h"

namespace {
const char* const kWarningTexts[] = {
    QT_TRANSLATE_NOOP("TForm_cre_t", "列名与约束条件写法："),
    QT_TRANSLATE_NOOP("TForm_cre_t", "1. 语法：<列名><数据类型>["),
    QT_TRANSLATE_NOOP("TForm_cre_t", "列级约束条件][,<列名><数据"),
    QT_TRANSLATE_NOOP("TForm_cre_t", "结构>[列级约束条件][,<表级"),
    QT_TRANSLATE_NOOP("TForm_cre_t", "完整性约束条件>]"),
    QT_TRANSLATE_NOOP("TForm_cre_t", "2. 注意事项：注意语句中不能"),
    QT_TRANSLATE_NOOP("TForm_cre_t", "自己加入换行，注意使用半角"),
    QT_TRANSLATE_NOOP("TForm_cre_t", "符号,注意表名与列名间的括号"),
    QT_TRANSLATE_NOOP("TForm_cre_t", "和最后的括号与分号不需写出"),
};

// The lines in the interface's language.
QStringList warningLines() {
    QStringList lines;
    for (const char* text : kWarningTexts) lines << TForm_cre_t::tr(text);
    return lines;
}
}  // namespace

TForm_cre_t::TForm_cre_t(QWidget* parent) : db::Form(QStringLiteral("Form_cre_t"), parent) {
    setWindowTitle(tr("生成表"));

    Memo_cname = new QPlainTextEdit(this);
    Memo_cname->setObjectName(QStringLiteral("Memo_cname"));
    Memo_cname->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo_cname->setTabChangesFocus(true);
    Edit_tname = new QLineEdit(this);
    Edit_tname->setObjectName(QStringLiteral("Edit_tname"));
    const QStringList kWarningLines = warningLines();
    Memo_warning = new QPlainTextEdit(kWarningLines.join(QLatin1Char('\n')), this);
    Memo_warning->setObjectName(QStringLiteral("Memo_warning"));
    Memo_warning->setReadOnly(true);
    Memo_warning->setTabChangesFocus(true);
    Memo_warning->setLineWrapMode(QPlainTextEdit::NoWrap);
    Button_yes = new QPushButton(tr("生成表"), this);
    Button_yes->setObjectName(QStringLiteral("Button_yes"));
    Button_no = new QPushButton(tr("返回"), this);
    Button_no->setObjectName(QStringLiteral("Button_no"));

    // The hints are shown whole, without scrolling.
    const QFontMetrics fm(Memo_warning->font());
    int widest = 0;
    for (const QString& line : kWarningLines) widest = std::max(widest, fm.horizontalAdvance(line));
    const int margins = int(2 * Memo_warning->document()->documentMargin()) + 2 * Memo_warning->frameWidth();
    Memo_warning->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo_warning->setFixedWidth(widest + margins + 8);
    Memo_warning->setMinimumHeight(fm.lineSpacing() * int(kWarningLines.size()) + margins + 8);
    Memo_cname->setMinimumSize(280, fm.lineSpacing() * 8);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("表名："), this), 0, 0);
    grid->addWidget(Edit_tname, 0, 1);
    auto* columnsLabel = new QLabel(tr("列名与约束条件："), this);
    grid->addWidget(columnsLabel, 1, 0, Qt::AlignTop);
    grid->addWidget(Memo_cname, 1, 1);
    grid->addWidget(Memo_warning, 0, 2, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button_no);
    grid->addLayout(buttons, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);

    setTabOrder(Memo_cname, Edit_tname);
    setTabOrder(Edit_tname, Memo_warning);
    setTabOrder(Memo_warning, Button_yes);
    setTabOrder(Button_yes, Button_no);

    connect(Button_yes, &QPushButton::clicked, this, &TForm_cre_t::Button_yesClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_cre_t::Button_noClick);
}

void TForm_cre_t::Button_yesClick() {
    handle([&] {
        query().setConnectionString(connectionString());
        const admin::Report report =
            admin::createTable(query(), Edit_tname->text(), Memo_cname->toPlainText());
        admin::showReport(report);
        if (report.closes) close();
    });
}

void TForm_cre_t::Button_noClick() {
    handle([&] { close(); });
}

PAPER_MENU_ROUTE(menu21, TForm_cre_t)
