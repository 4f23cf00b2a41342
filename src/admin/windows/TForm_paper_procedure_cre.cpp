#include "admin/windows/TForm_paper_procedure_cre.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "admin/ProcedureStatements.h"

TForm_paper_procedure_cre::TForm_paper_procedure_cre(QWidget* parent)
    : db::Form(QStringLiteral("Form_paper_procedure_cre"), parent) {
    setWindowTitle(tr("创建/删除存储过程"));

    Memo_proc = new QPlainTextEdit(admin::procedureTemplate(), this);
    Memo_proc->setObjectName(QStringLiteral("Memo_proc"));
    Memo_proc->setTabChangesFocus(true);
    Memo_proc->setMinimumSize(360, 200);
    Button1 = new QPushButton(tr("创建/删除"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(tr("返回"), this);
    Button2->setObjectName(QStringLiteral("Button2"));

    auto* note = new QGroupBox(tr("注意"), this);
    auto* noteLayout = new QVBoxLayout(note);
    noteLayout->setSpacing(2);
    for (const QString& line : admin::procedureNoteLines())
        noteLayout->addWidget(new QLabel(line, note));

    // The note speaks of the editable area below it.
    auto* grid = new QGridLayout(this);
    grid->addWidget(note, 0, 0, 1, 3);
    grid->addWidget(Memo_proc, 1, 0, 1, 3);
    grid->addWidget(Button1, 2, 1);
    grid->addWidget(Button2, 2, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);

    setTabOrder(Memo_proc, Button1);
    setTabOrder(Button1, Button2);

    connect(Button1, &QPushButton::clicked, this, &TForm_paper_procedure_cre::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm_paper_procedure_cre::Button2Click);
}

void TForm_paper_procedure_cre::Button1Click() {
    handle([&] {
        query().setConnectionString(connectionString());
        const admin::Report report = admin::changeProcedures(query(), Memo_proc->toPlainText());
        admin::showReport(report);
        if (report.closes) close();
    });
}

void TForm_paper_procedure_cre::Button2Click() {
    handle([&] { close(); });
}
