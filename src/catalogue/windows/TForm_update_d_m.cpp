#include "catalogue/windows/TForm_update_d_m.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <iterator>

#include "db/Messages.h"
#include "window/Widgets.h"
#include "db/RetryOnConflict.h"

TForm_update_d_m::TForm_update_d_m(QWidget* parent) : db::Form(QStringLiteral("Form_update_d_m"), parent) {
    setWindowTitle(tr("更新重要对象"));


    GroupBox_old = db::widgets::group(this, tr("待更新对象"), "GroupBox_old");
    Edit_title = db::widgets::edit(GroupBox_old, "Edit_title");
    Edit_author_1 = db::widgets::edit(GroupBox_old, "Edit_author_1");
    Edit_date = db::widgets::edit(GroupBox_old, "Edit_date");
    auto* old = new QFormLayout(GroupBox_old);
    old->addRow(tr("论文题目："), Edit_title);
    old->addRow(tr("论文一作："), Edit_author_1);
    old->addRow(tr("发表时间："), Edit_date);

    Button_yes = db::widgets::button(this, tr("更新"), "Button_yes");
    Button1 = db::widgets::button(this, tr("返回"), "Button1");

    GroupBox_new = db::widgets::group(this, tr("更新为："), "GroupBox_new");
    CheckBox1 = db::widgets::check(GroupBox_new, tr("论文题目："), "CheckBox1");
    CheckBox1->setChecked(true);
    Edit_title_n = db::widgets::edit(GroupBox_new, "Edit_title_n");
    CheckBox2 = db::widgets::check(GroupBox_new, tr("论文一作："), "CheckBox2");
    CheckBox3 = db::widgets::check(GroupBox_new, tr("发表时间："), "CheckBox3");
    Edit_author_1_n = db::widgets::edit(GroupBox_new, "Edit_author_1_n");
    Edit_date_n = db::widgets::edit(GroupBox_new, "Edit_date_n");
    auto* fresh = new QGridLayout(GroupBox_new);
    fresh->addWidget(CheckBox1, 0, 0);
    fresh->addWidget(Edit_title_n, 0, 1);
    fresh->addWidget(CheckBox2, 1, 0);
    fresh->addWidget(Edit_author_1_n, 1, 1);
    fresh->addWidget(CheckBox3, 2, 0);
    fresh->addWidget(Edit_date_n, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox_old);
    layout->addWidget(GroupBox_new);
    layout->addLayout(buttons);

    QWidget* order[] = {Edit_title, Edit_author_1, Edit_date, Button_yes, Button1, CheckBox1,
                        Edit_title_n, CheckBox2, CheckBox3, Edit_author_1_n, Edit_date_n};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
    Edit_title->setFocus();

    connect(Button_yes, &QPushButton::clicked, this, &TForm_update_d_m::Button_yesClick);
    connect(Button1, &QPushButton::clicked, this, &TForm_update_d_m::Button1Click);
}

catalogue::update::MainChange TForm_update_d_m::change() const {
    catalogue::update::MainChange c;
    c.title = Edit_title->text();
    c.author = Edit_author_1->text();
    c.date = Edit_date->text();
    c.titleTicked = CheckBox1->isChecked();
    c.newTitle = Edit_title_n->text();
    c.authorTicked = CheckBox2->isChecked();
    c.newAuthor = Edit_author_1_n->text();
    c.dateTicked = CheckBox3->isChecked();
    c.newDate = Edit_date_n->text();
    return c;
}

void TForm_update_d_m::Button_yesClick() {
    handle([&] {
        const catalogue::update::MainChange c = change();
        query().setConnectionString(connectionString());
        const catalogue::Notice n = db::retryOnConflict([&] { return catalogue::update::updateMain(query(), c); });
        db::messages::show(n.text, n.caption);
    });
}

void TForm_update_d_m::Button1Click() {
    handle([&] { close(); });
}
