#include "catalogue/windows/TForm_delete_d.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "catalogue/RemovePaper.h"
#include "catalogue/windows/TForm_delete_d_a.h"
#include "window/FormRegistry.h"
#include "db/Messages.h"
#include "window/Widgets.h"
#include "db/RetryOnConflict.h"

TForm_delete_d::TForm_delete_d(QWidget* parent) : db::Form(QStringLiteral("Form_delete_d"), parent) {
    setWindowTitle(tr("删除元组"));

    Edit_title = db::widgets::edit(this, "Edit_title", 260);
    Edit_author = db::widgets::edit(this, "Edit_author", 260);
    Edit_date = db::widgets::edit(this, "Edit_date", 260);
    Button_yes = db::widgets::button(this, tr("删除"), "Button_yes");
    Button1 = db::widgets::button(this, tr("返回"), "Button1");
    Button2 = db::widgets::button(this, tr("删除作者信息"), "Button2");

    auto* fields = new QFormLayout;
    fields->addRow(tr("论文题目："), Edit_title);
    fields->addRow(tr("论文一作："), Edit_author);
    fields->addRow(tr("发表时间："), Edit_date);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button2);
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    setTabOrder(Edit_title, Edit_author);
    setTabOrder(Edit_author, Edit_date);
    setTabOrder(Edit_date, Button_yes);
    setTabOrder(Button_yes, Button1);
    setTabOrder(Button1, Button2);
    Edit_title->setFocus();

    connect(Button_yes, &QPushButton::clicked, this, &TForm_delete_d::Button_yesClick);
    connect(Button1, &QPushButton::clicked, this, &TForm_delete_d::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm_delete_d::Button2Click);
}

void TForm_delete_d::Button_yesClick() {
    handle([&] {
        query().setConnectionString(connectionString());
        const catalogue::Notice n =
            db::retryOnConflict([&] {
                return catalogue::removal::removePaper(query(), Edit_title->text(), Edit_author->text(),
                                                       Edit_date->text());
            });
        db::messages::show(n.text, n.caption);
    });
}

void TForm_delete_d::Button1Click() {
    handle([&] { close(); });
}

void TForm_delete_d::Button2Click() {
    handle([&] { db::Form::open<TForm_delete_d_a>(userName(), connectionString()); });
}

PAPER_MENU_ROUTE(menu33, TForm_delete_d)
