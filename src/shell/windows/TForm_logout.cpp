#include "shell/windows/TForm_logout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "window/FormRegistry.h"
#include "shell/OwnAccount.h"
#include "shell/Program.h"
#include "db/RetryOnConflict.h"

TForm_logout::TForm_logout(QWidget* parent) : db::Form(QStringLiteral("Form_logout"), parent) {
    setWindowTitle(tr("用户注销"));

    Button_yes = new QPushButton(tr("确定"), this);
    Button_yes->setObjectName(QStringLiteral("Button_yes"));
    Button_no = new QPushButton(tr("返回"), this);
    Button_no->setObjectName(QStringLiteral("Button_no"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("注意：注销后用户信息将不可恢复"), this));
    layout->addWidget(new QLabel(tr("确定注销？"), this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button_no);
    layout->addLayout(buttons);

    setTabOrder(Button_yes, Button_no);

    connect(Button_yes, &QPushButton::clicked, this, &TForm_logout::Button_yesClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_logout::Button_noClick);
}

void TForm_logout::Button_yesClick() {
    handle([&] {
        query().setConnectionString(connectionString());
        const shell::AccountOutcome out =
            db::retryOnConflict([&] { return shell::cancelAccount(query(), userName()); });
        shell::show(out.notices);
        if (out.quitProgram) {
            emit quitRequested();
            shell::endProgram();
        }
    });
}

void TForm_logout::Button_noClick() { close(); }

PAPER_MENU_ROUTE(menu12, TForm_logout)
