#include "catalogue/TForm_delete_d.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "catalogue/RemovePaper.h"
#include "catalogue/TForm_delete_d_a.h"
#include "db/FormRegistry.h"
#include "db/Messages.h"
#include "db/Widgets.h"
#include "db/RetryOnConflict.h"

TForm_delete_d::TForm_delete_d(QWidget* parent) : db::Form(QStringLiteral("Form_delete_d"), parent) {
    setWindowTitle(QStringLiteral("删除元组"));

    auto makeEdit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMinimumWidth(260);
        return e;
    };
    Edit_title = makeEdit("Edit_title");
    Edit_author = makeEdit("Edit_author");
    Edit_date = makeEdit("Edit_date");
    Button_yes = db::widgets::button(this, QStringLiteral("删除"), "Button_yes");
    Button1 = db::widgets::button(this, QStringLiteral("返回"), "Button1");
    Button2 = db::widgets::button(this, QStringLiteral("删除作者信息"), "Button2");

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("论文题目："), Edit_title);
    fields->addRow(QStringLiteral("论文一作："), Edit_author);
    fields->addRow(QStringLiteral("发表时间："), Edit_date);
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
