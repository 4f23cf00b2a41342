#include "admin/windows/TForm_sql_oper.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "admin/TableStatements.h"
#include "window/FormRegistry.h"

TForm_sql_oper::TForm_sql_oper(QWidget* parent) : db::Form(QStringLiteral("Form_sql_oper"), parent) {
    setWindowTitle(tr("SQL语言操作"));
    resize(720, 460);

    Edit_ope = new QLineEdit(this);
    Edit_ope->setObjectName(QStringLiteral("Edit_ope"));
    DBGrid1 = new db::ResultGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->bind(&query());
    connect(this, &db::Form::queryReplaced, DBGrid1, [this] { DBGrid1->bind(&query()); });
    Button_yes = new QPushButton(tr("操作"), this);
    Button_yes->setObjectName(QStringLiteral("Button_yes"));
    Button_no = new QPushButton(tr("返回"), this);
    Button_no->setObjectName(QStringLiteral("Button_no"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Edit_ope);
    layout->addWidget(DBGrid1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button_no);
    layout->addLayout(buttons);

    setTabOrder(Edit_ope, DBGrid1);
    setTabOrder(DBGrid1, Button_yes);
    setTabOrder(Button_yes, Button_no);

    connect(Button_yes, &QPushButton::clicked, this, &TForm_sql_oper::Button_yesClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_sql_oper::Button_noClick);
}

void TForm_sql_oper::Button_yesClick() {
    handle([&] {
        query().setConnectionString(connectionString());
        admin::showReport(admin::consoleReport(admin::runConsole(query(), Edit_ope->text())));
    });
}

void TForm_sql_oper::Button_noClick() {
    handle([&] { close(); });
}

PAPER_MENU_ROUTE(menu51, TForm_sql_oper)
