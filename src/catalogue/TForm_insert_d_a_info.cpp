#include "catalogue/TForm_insert_d_a_info.h"

#include <QFormLayout>
#include <QHBoxLayout>

#include "catalogue/AuthorDirectory.h"
#include "db/Messages.h"

TForm_insert_d_a_info::TForm_insert_d_a_info(QWidget* parent)
    : db::Form(QStringLiteral("Form_insert_d_a_info"), parent) {
    setWindowTitle(QStringLiteral("插入作者信息"));

    Button_yes = new QPushButton(QStringLiteral("插入"), this);
    Button_yes->setObjectName(QStringLiteral("Button_yes"));
    Button_yes->setAutoDefault(false);
    Button_no = new QPushButton(QStringLiteral("返回"), this);
    Button_no->setObjectName(QStringLiteral("Button_no"));
    Button_no->setAutoDefault(false);
    Edit_email = new QLineEdit(this);
    Edit_email->setObjectName(QStringLiteral("Edit_email"));
    Edit_email->setMinimumWidth(220);
    Edit_author = new QLineEdit(this);
    Edit_author->setObjectName(QStringLiteral("Edit_author"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("作者："), Edit_author);
    form->addRow(QStringLiteral("电子邮箱："), Edit_email);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button_no);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

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
