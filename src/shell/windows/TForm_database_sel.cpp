#include "shell/windows/TForm_database_sel.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "window/FormRegistry.h"
#include "db/Messages.h"
#include "shell/OwnAccount.h"
#include "shell/Settings.h"

TForm_database_sel::TForm_database_sel(QWidget* parent)
    : db::Form(QStringLiteral("Form_database_sel"), parent) {
    setWindowTitle(tr("数据库更改"));

    StaticText1 = new QLabel(tr("请输入数据源以更改数据库："), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    Edit_datasource = new QLineEdit(this);
    Edit_datasource->setObjectName(QStringLiteral("Edit_datasource"));
    Button_yes = new QPushButton(tr("更改"), this);
    Button_yes->setObjectName(QStringLiteral("Button_yes"));
    Button_no = new QPushButton(tr("返回"), this);
    Button_no->setObjectName(QStringLiteral("Button_no"));
    SpeedButton_test = new QToolButton(this);
    SpeedButton_test->setObjectName(QStringLiteral("SpeedButton_test"));
    SpeedButton_test->setText(tr("测试"));
    SpeedButton_test->setAutoRaise(true);
    SpeedButton_test->setFocusPolicy(Qt::NoFocus);

    auto* grid = new QGridLayout(this);
    grid->addWidget(StaticText1, 0, 0, 1, 3);
    grid->addWidget(new QLabel(tr("数据源："), this), 1, 0);
    grid->addWidget(Edit_datasource, 1, 1);
    grid->addWidget(SpeedButton_test, 1, 2);
    grid->addWidget(new QLabel(tr("（注意：目前仅支持通过ODBC进行连接的数据库）"), this), 2, 0, 1, 3);
    grid->addWidget(new QLabel(tr("（考虑到语法问题，建议使用mysql的数据库）"), this), 3, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button_no);
    grid->addLayout(buttons, 4, 0, 1, 3);
    Edit_datasource->setMinimumWidth(200);

    setTabOrder(Edit_datasource, Button_yes);
    setTabOrder(Button_yes, Button_no);

    connect(SpeedButton_test, &QToolButton::clicked, this, &TForm_database_sel::SpeedButton_testClick);
    connect(Button_yes, &QPushButton::clicked, this, &TForm_database_sel::Button_yesClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_database_sel::Button_noClick);
}

void TForm_database_sel::SpeedButton_testClick() {
    handle([&] { shell::show(shell::testDataSource(query(), Edit_datasource->text())); });
}

void TForm_database_sel::Button_yesClick() {
    handle([&] {
        shell::writeDataSource(Edit_datasource->text());
        db::messages::show(tr("更改完成"), tr("完成"));
        close();
    });
}

void TForm_database_sel::Button_noClick() { close(); }

PAPER_MENU_ROUTE(menu62, TForm_database_sel)
