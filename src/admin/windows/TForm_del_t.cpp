#include "admin/windows/TForm_del_t.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "admin/windows/TForm_del_t_2.h"
#include "window/FormRegistry.h"

TForm_del_t::TForm_del_t(QWidget* parent) : db::Form(QStringLiteral("Form_del_t"), parent) {
    setWindowTitle(tr("删除表_注意"));

    Button_yes = new QPushButton(tr("继续"), this);
    Button_yes->setObjectName(QStringLiteral("Button_yes"));
    Button_no = new QPushButton(tr("返回"), this);
    Button_no->setObjectName(QStringLiteral("Button_no"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("注意：表被删除后将无法复原，"), this));
    layout->addWidget(new QLabel(tr("请确保已备份数据。"), this));
    layout->addWidget(new QLabel(tr("继续吗？"), this));
    layout->addSpacing(8);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button_no);
    layout->addLayout(buttons);

    setTabOrder(Button_yes, Button_no);

    connect(Button_yes, &QPushButton::clicked, this, &TForm_del_t::Button_yesClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_del_t::Button_noClick);
}

void TForm_del_t::Button_yesClick() {
    handle([&] {
        db::Form::open<TForm_del_t_2>(userName(), connectionString());
        close();
    });
}

void TForm_del_t::Button_noClick() {
    handle([&] { close(); });
}

PAPER_MENU_ROUTE(menu22, TForm_del_t)
