#include "catalogue/windows/TForm_update_d.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "catalogue/windows/TForm_update_d_m.h"
#include "catalogue/windows/TForm_update_d_o.h"
#include "window/FormRegistry.h"
#include "window/Widgets.h"

TForm_update_d::TForm_update_d(QWidget* parent) : db::Form(QStringLiteral("Form_update_d"), parent) {
    setWindowTitle(tr("更新"));

    Button1 = db::widgets::button(this, tr("确定"), "Button1");
    RadioGroup1 = db::widgets::group(this, tr("选择更新对象"), "RadioGroup1");
    RadioButton1 = db::widgets::radio(RadioGroup1, tr("题目/一作/发表时间"), "RadioButton1");
    RadioButton2 = db::widgets::radio(RadioGroup1, tr("其他"), "RadioButton2");
    RadioButton2->setChecked(true);
    Button2 = db::widgets::button(this, tr("返回"), "Button2");

    auto* radios = new QVBoxLayout(RadioGroup1);
    radios->addWidget(RadioButton1);
    radios->addWidget(RadioButton2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addLayout(buttons);
    resize(300, 150);

    setTabOrder(Button1, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, Button2);

    connect(Button1, &QPushButton::clicked, this, &TForm_update_d::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm_update_d::Button2Click);
}

void TForm_update_d::Button1Click() {
    handle([&] {
        const bool main = RadioButton1->isChecked(), other = RadioButton2->isChecked();
        if (main && !other)
            db::Form::open<TForm_update_d_m>(userName(), connectionString());
        else if (!main && other)
            db::Form::open<TForm_update_d_o>(userName(), connectionString());
        else
            return;
        close();
    });
}

void TForm_update_d::Button2Click() {
    handle([&] { close(); });
}

PAPER_MENU_ROUTE(menu34, TForm_update_d)
