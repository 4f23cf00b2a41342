#include "catalogue/TForm_select_d_c_a.h"

#include <QFormLayout>
#include <QHBoxLayout>

#include "catalogue/AuthorDirectory.h"
#include "catalogue/AuthorList.h"
#include "db/Messages.h"

TForm_select_d_c_a::TForm_select_d_c_a(QWidget* parent)
    : db::Form(QStringLiteral("Form_select_d_c_a"), parent) {
    setWindowTitle(QStringLiteral("查询作者信息"));

    Edit_email = new QLineEdit(this);
    Edit_email->setObjectName(QStringLiteral("Edit_email"));
    Edit_email->setReadOnly(true);
    Edit_email->setMinimumWidth(220);
    Button_yes = new QPushButton(QStringLiteral("查询"), this);
    Button_yes->setObjectName(QStringLiteral("Button_yes"));
    Button_yes->setAutoDefault(false);
    Button1 = new QPushButton(QStringLiteral("返回"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    ComboBox_author = catalogue::makeAuthorList(this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("作者："), ComboBox_author);
    form->addRow(QStringLiteral("邮箱："), Edit_email);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

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
