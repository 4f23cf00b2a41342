#include "catalogue/windows/TForm_insert_d_a_info.h"

#include "catalogue/AuthorDirectory.h"
#include "db/Messages.h"
#include "window/Widgets.h"

TForm_insert_d_a_info::TForm_insert_d_a_info(QWidget* parent)
    : db::Form(QStringLiteral("Form_insert_d_a_info"), parent) {
    setWindowTitle(tr("插入作者信息"));

    Button_yes = db::widgets::button(this, tr("插入"), "Button_yes");
    Button_no = db::widgets::button(this, tr("返回"), "Button_no");
    Edit_email = db::widgets::edit(this, "Edit_email", 220);
    Edit_author = db::widgets::edit(this, "Edit_author", 0);

    auto* form = new QFormLayout;
    form->addRow(tr("作者："), Edit_author);
    form->addRow(tr("电子邮箱："), Edit_email);
    db::widgets::rowsAboveButtons(this, form, {Button_yes, Button_no});

    setTabOrder(Button_yes, Button_no);
    setTabOrder(Button_no, Edit_email);
    setTabOrder(Edit_email, Edit_author);

    connect(Button_yes, &QPushButton::clicked, this, &TForm_insert_d_a_info::Button_yesClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_insert_d_a_info::Button_noClick);
}

void TForm_insert_d_a_info::Button_yesClick() {
    handle([&] {
        const auto outcome = catalogue::authors::insert(query(), connectionString(), Edit_author->text(),
                                                        Edit_email->text());
        db::messages::show(outcome.text, outcome.caption);
        if (outcome.ok) close();
    });
}

void TForm_insert_d_a_info::Button_noClick() {
    handle([&] { close(); });
}
