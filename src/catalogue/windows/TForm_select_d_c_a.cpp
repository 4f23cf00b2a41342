#include "catalogue/windows/TForm_select_d_c_a.h"

#include "catalogue/AuthorDirectory.h"
#include "catalogue/windows/AuthorList.h"
#include "db/Messages.h"
#include "window/Widgets.h"

TForm_select_d_c_a::TForm_select_d_c_a(QWidget* parent)
    : db::Form(QStringLiteral("Form_select_d_c_a"), parent) {
    setWindowTitle(tr("查询作者信息"));

    Edit_email = db::widgets::edit(this, "Edit_email", 220);
    Edit_email->setReadOnly(true);
    Button_yes = db::widgets::button(this, tr("查询"), "Button_yes");
    Button1 = db::widgets::button(this, tr("返回"), "Button1");
    ComboBox_author = catalogue::makeAuthorList(this);

    auto* form = new QFormLayout;
    form->addRow(tr("作者："), ComboBox_author);
    form->addRow(tr("邮箱："), Edit_email);
    db::widgets::rowsAboveButtons(this, form, {Button_yes, Button1});

    setTabOrder(Edit_email, Button_yes);
    setTabOrder(Button_yes, Button1);
    setTabOrder(Button1, ComboBox_author);

    connect(Button_yes, &QPushButton::clicked, this, &TForm_select_d_c_a::Button_yesClick);
    connect(Button1, &QPushButton::clicked, this, &TForm_select_d_c_a::Button1Click);
}

void TForm_select_d_c_a::FormShow() {
    handle([&] { catalogue::fillAuthorList(ComboBox_author, query(), connectionString()); });
}

void TForm_select_d_c_a::Button_yesClick() {
    handle([&] {
        const auto found =
            catalogue::authors::lookup(query(), connectionString(), ComboBox_author->currentText());
        if (!found.outcome.ok) {
            db::messages::show(found.outcome.text, found.outcome.caption);
            return;
        }
        Edit_email->setText(found.email);
    });
}

void TForm_select_d_c_a::Button1Click() {
    handle([&] { close(); });
}
