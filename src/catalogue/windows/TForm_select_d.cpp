#include "catalogue/windows/TForm_select_d.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "catalogue/SelectStatements.h"
#include "catalogue/windows/TForm_select_d_c.h"
#include "window/FormRegistry.h"
#include "db/Messages.h"
#include "window/Widgets.h"
#include "grid/PaperFile.h"

TForm_select_d::TForm_select_d(QWidget* parent) : db::Form(QStringLiteral("Form_select_d"), parent) {
    setWindowTitle(tr("快速查询"));

    GroupBox_addr_f = db::widgets::group(this, tr("存放地址查询快速入口"), "GroupBox_addr_f");
    Edit_title = db::widgets::edit(GroupBox_addr_f, "Edit_title", 260);
    Edit_author_1 = db::widgets::edit(GroupBox_addr_f, "Edit_author_1", 260);
    Edit_date = db::widgets::edit(GroupBox_addr_f, "Edit_date", 260);

    Button_scan = db::widgets::button(this, tr("查询"), "Button_scan");
    Button_yes = db::widgets::button(this, tr("进入普通查询"), "Button_yes");
    Button_no = db::widgets::button(this, tr("返回"), "Button_no");
    Button_scan->setDefault(true);  // Enter searches

    DBGrid1 = new db::ResultGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->bind(&query());
    new grid::PaperFileOpener(DBGrid1);  // a double-click opens the paper's file
    connect(this, &db::Form::queryReplaced, this, [this] { DBGrid1->bind(&query()); });

    auto* fields = new QGridLayout(GroupBox_addr_f);
    fields->addWidget(new QLabel(tr("（默认查询方式为模糊查询）"), GroupBox_addr_f), 0, 0, 1, 2);
    fields->addWidget(new QLabel(tr("论文题目："), GroupBox_addr_f), 1, 0);
    fields->addWidget(Edit_title, 1, 1);
    fields->addWidget(new QLabel(tr("论文一作："), GroupBox_addr_f), 2, 0);
    fields->addWidget(Edit_author_1, 2, 1);
    fields->addWidget(new QLabel(tr("发表时间："), GroupBox_addr_f), 3, 0);
    fields->addWidget(Edit_date, 3, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Button_scan);
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button_no);
    buttons->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(GroupBox_addr_f, 1);
    top->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(DBGrid1, 1);
    resize(760, 480);

    setTabOrder(Edit_title, Edit_author_1);
    setTabOrder(Edit_author_1, Edit_date);
    setTabOrder(Edit_date, Button_scan);
    setTabOrder(Button_scan, Button_yes);
    setTabOrder(Button_yes, Button_no);
    setTabOrder(Button_no, DBGrid1);
    Edit_title->setFocus();

    connect(Button_scan, &QPushButton::clicked, this, &TForm_select_d::Button_scanClick);
    connect(Button_yes, &QPushButton::clicked, this, &TForm_select_d::Button_yesClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_select_d::Button_noClick);
}

void TForm_select_d::Button_scanClick() {
    handle([&] {
        const auto outcome = catalogue::search::runQuick(query(), connectionString(), Edit_title->text(),
                                                         Edit_author_1->text(), Edit_date->text());
        if (!outcome.found) db::messages::show(outcome.text, outcome.caption);
    });
}

void TForm_select_d::Button_yesClick() {
    handle([&] {
        db::Form::open<TForm_select_d_c>(userName(), connectionString());
        close();
    });
}

void TForm_select_d::Button_noClick() {
    handle([&] { close(); });
}

PAPER_MENU_ROUTE(menu31, TForm_select_d)
