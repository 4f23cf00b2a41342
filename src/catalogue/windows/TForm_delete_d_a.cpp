#include "catalogue/windows/TForm_delete_d_a.h"

#include "catalogue/AuthorDirectory.h"
#include "catalogue/windows/AuthorList.h"
#include "db/Messages.h"
#include "window/Widgets.h"

TForm_delete_d_a::TForm_delete_d_a(QWidget* parent) : db::Form(QStringLiteral("Form_delete_d_a"), parent) {
    setWindowTitle(tr("删除作者信息"));

    Button_yes = db::widgets::button(this, tr("删除"), "Button_yes");
    Button_no = db::widgets::button(this, tr("返回"), "Button_no");
    ComboBox_author = catalogue::makeAuthorList(this);

    auto* form = new QFormLayout;
    form->addRow(tr("作者名："), ComboBox_author);
    db::widgets::rowsAboveButtons(this, form, {Button_yes, Button_no});

    setTabOrder(Button_yes, Button_no);
    setTabOrder(Button_no, ComboBox_author);

    connect(Button_yes, &QPushButton::clicked, this, &TForm_delete_d_a::Button_yesClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_delete_d_a::Button_noClick);
}

void TForm_delete_d_a::FormShow() {
    handle([&] { catalogue::fillAuthorList(ComboBox_author, query(), connectionString()); });
}

void TForm_delete_d_a::Button_yesClick() {
    handle([&] {
        const auto outcome =
            catalogue::authors::remove(query(), connectionString(), ComboBox_author->currentText());
        db::messages::show(outcome.text, outcome.caption);
        if (outcome.ok) close();
    });
}

void TForm_delete_d_a::Button_noClick() {
    handle([&] { close(); });
}
