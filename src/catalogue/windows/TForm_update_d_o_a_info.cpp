#include "catalogue/windows/TForm_update_d_o_a_info.h"

#include "catalogue/AuthorDirectory.h"
#include "catalogue/windows/AuthorList.h"
#include "db/Messages.h"
#include "window/Widgets.h"

TForm_update_d_o_a_info::TForm_update_d_o_a_info(QWidget* parent)
    : db::Form(QStringLiteral("Form_update_d_o_a_info"), parent) {
    setWindowTitle(tr("更新作者信息"));

    Edit_email = db::widgets::edit(this, "Edit_email", 220);
    Button_yes = db::widgets::button(this, tr("更新"), "Button_yes");
    Button_no = db::widgets::button(this, tr("返回"), "Button_no");
    ComboBox_author = catalogue::makeAuthorList(this);

    auto* form = new QFormLayout;
    form->addRow(tr("作者："), ComboBox_author);
    form->addRow(tr("电子邮箱："), Edit_email);
    db::widgets::rowsAboveButtons(this, form, {Button_yes, Button_no});

    setTabOrder(Edit_email, Button_yes);
    setTabOrder(Button_yes, Button_no);
    setTabOrder(Button_no, ComboBox_author);

    connect(Button_yes, &QPushButton::clicked, this, &TForm_update_d_o_a_info::Button_yesClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_update_d_o_a_info::Button_noClick);
}

void TForm_update_d_o_a_info::FormShow() {
    handle([&] { catalogue::fillAuthorList(ComboBox_author, query(), connectionString()); });
}

void TForm_update_d_o_a_info::Button_yesClick() {
    handle([&] {
        const auto outcome = catalogue::authors::updateEmail(query(), connectionString(),
                                                             ComboBox_author->currentText(),
                                                             Edit_email->text());
        db::messages::show(outcome.text, outcome.caption);
        if (outcome.ok) close();
    });
}

void TForm_update_d_o_a_info::Button_noClick() {
    handle([&] { close(); });
}
