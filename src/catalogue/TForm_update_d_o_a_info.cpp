#include "catalogue/TForm_update_d_o_a_info.h"

#include <QFormLayout>
#include <QHBoxLayout>

#include "catalogue/AuthorDirectory.h"
#include "catalogue/AuthorList.h"
#include "db/Messages.h"

TForm_update_d_o_a_info::TForm_update_d_o_a_info(QWidget* parent)
    : db::Form(QStringLiteral("Form_update_d_o_a_info"), parent) {
    setWindowTitle(QStringLiteral("更新作者信息"));

    Edit_email = new QLineEdit(this);
    Edit_email->setObjectName(QStringLiteral("Edit_email"));
    Edit_email->setMinimumWidth(220);
    Button_yes = new QPushButton(QStringLiteral("更新"), this);
    Button_yes->setObjectName(QStringLiteral("Button_yes"));
    Button_yes->setAutoDefault(false);
    Button_no = new QPushButton(QStringLiteral("返回"), this);
    Button_no->setObjectName(QStringLiteral("Button_no"));
    Button_no->setAutoDefault(false);
    ComboBox_author = catalogue::makeAuthorList(this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("作者："), ComboBox_author);
    form->addRow(QStringLiteral("电子邮箱："), Edit_email);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button_no);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

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
