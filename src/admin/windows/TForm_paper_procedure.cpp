#include "admin/windows/TForm_paper_procedure.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "admin/ProcedureStatements.h"
#include "admin/windows/TForm_paper_procedure_cre.h"
#include "window/FormRegistry.h"

TForm_paper_procedure::TForm_paper_procedure(QWidget* parent)
    : db::Form(QStringLiteral("Form_paper_procedure"), parent) {
    setWindowTitle(tr("存储过程"));
    resize(760, 480);

    auto* listGroup = new QGroupBox(tr("当前所有存储过程"), this);
    SpeedButton1 = new QToolButton(listGroup);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(tr("刷新"));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    DBGrid1 = new db::ResultGrid(listGroup);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->bind(&query());
    connect(this, &db::Form::queryReplaced, DBGrid1, [this] { DBGrid1->bind(&query()); });

    auto* runGroup = new QGroupBox(tr("执行存储过程"), this);
    Edit_sql = new QLineEdit(QStringLiteral("call "), runGroup);
    Edit_sql->setObjectName(QStringLiteral("Edit_sql"));
    Button1 = new QPushButton(tr("执行"), runGroup);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(tr("返回"), runGroup);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(tr("创建/删除存储过程"), runGroup);
    Button3->setObjectName(QStringLiteral("Button3"));

    auto* listLayout = new QVBoxLayout(listGroup);
    auto* refreshRow = new QHBoxLayout;
    refreshRow->addWidget(SpeedButton1);
    refreshRow->addStretch();
    listLayout->addLayout(refreshRow);
    listLayout->addWidget(DBGrid1, 1);

    auto* runLayout = new QGridLayout(runGroup);
    runLayout->addWidget(Edit_sql, 0, 0, 1, 4);
    runLayout->addWidget(Button1, 1, 1);
    runLayout->addWidget(Button2, 1, 2);
    runLayout->addWidget(Button3, 1, 3);
    runLayout->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listGroup, 1);
    layout->addWidget(runGroup);

    setTabOrder(DBGrid1, Edit_sql);
    setTabOrder(Edit_sql, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);

    connect(SpeedButton1, &QToolButton::clicked, this, &TForm_paper_procedure::SpeedButton1Click);
    connect(Button1, &QPushButton::clicked, this, &TForm_paper_procedure::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm_paper_procedure::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm_paper_procedure::Button3Click);
}

void TForm_paper_procedure::FormShow() {
    query().setConnectionString(connectionString());
    admin::listProcedures(query());
}

void TForm_paper_procedure::SpeedButton1Click() {
    handle([&] { FormShow(); });
}

void TForm_paper_procedure::Button1Click() {
    handle([&] {
        query().setConnectionString(connectionString());
        admin::showReport(admin::runProcedure(query(), Edit_sql->text()));
    });
}

void TForm_paper_procedure::Button2Click() {
    handle([&] { close(); });
}

void TForm_paper_procedure::Button3Click() {
    handle([&] { db::Form::open<TForm_paper_procedure_cre>(userName(), connectionString()); });
}

PAPER_MENU_ROUTE(menu4, TForm_paper_procedure)
