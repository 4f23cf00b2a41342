#include "admin/windows/TForm_del_t_2.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "admin/TableStatements.h"

TForm_del_t_2::TForm_del_t_2(QWidget* parent) : db::Form(QStringLiteral("Form_del_t_2"), parent) {
    setWindowTitle(tr("删除表"));

    Button_yes = new QPushButton(tr("确定"), this);
    Button_yes->setObjectName(QStringLiteral("Button_yes"));
    Button_no = new QPushButton(tr("返回"), this);
    Button_no->setObjectName(QStringLiteral("Button_no"));
    ComboBox_t = new QComboBox(this);
    ComboBox_t->setObjectName(QStringLiteral("ComboBox_t"));
    ComboBox_t->setEditable(true);
    ComboBox_t->setInsertPolicy(QComboBox::NoInsert);
    ComboBox_t->setMinimumWidth(220);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("选择表名："), this), 0, 0);
    grid->addWidget(ComboBox_t, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button_no);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    setTabOrder(Button_yes, Button_no);
    setTabOrder(Button_no, ComboBox_t);

    connect(Button_yes, &QPushButton::clicked, this, &TForm_del_t_2::Button_yesClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_del_t_2::Button_noClick);
}

void TForm_del_t_2::FormShow() {
    query().setConnectionString(connectionString());
    const QStringList tables = admin::droppableTables(admin::listTables(query()));
    query().close();
    // Shown again, the window lists the tables afresh, keeping a typed name.
    const QString typed = ComboBox_t->currentText();
    ComboBox_t->clear();
    ComboBox_t->addItems(tables);
    ComboBox_t->setEditText(typed);
}

void TForm_del_t_2::Button_yesClick() {
    handle([&] {
        query().setConnectionString(connectionString());
        const admin::Report report = admin::dropTable(query(), ComboBox_t->currentText());
        query().close();
        admin::showReport(report);
        if (report.closes) close();
    });
}

void TForm_del_t_2::Button_noClick() {
    handle([&] { close(); });
}
