#include "catalogue/windows/TForm_insert_d.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <iterator>

#include "catalogue/windows/TForm_insert_d_a_info.h"
#include "window/FormRegistry.h"
#include "db/Messages.h"
#include "window/Widgets.h"
#include "pdf/EntryFromPdf.h"
#include "scripting/ScriptEngine.h"
#include "db/RetryOnConflict.h"
#include "db/Schema.h"
#include "fulltext/AfterChange.h"

TForm_insert_d::TForm_insert_d(QWidget* parent)
    : db::Form(QStringLiteral("Form_insert_d"), parent),
      hooks_(std::make_unique<scripting::ScriptEngine>()) {
    setWindowTitle(tr("插入"));


    GroupBox_basic = db::widgets::group(this, tr("基本录入信息"), "GroupBox_basic");
    Edit_title = db::widgets::edit(GroupBox_basic, "Edit_title");
    Edit_author = db::widgets::edit(GroupBox_basic, "Edit_author");
    Edit_date = db::widgets::edit(GroupBox_basic, "Edit_date");
    auto* basic = new QFormLayout(GroupBox_basic);
    basic->addRow(tr("论文题目："), Edit_title);
    basic->addRow(tr("论文一作："), Edit_author);
    basic->addRow(tr("发表时间："), Edit_date);

    GroupBox_required = db::widgets::group(this, tr("主要辅助信息（必录）"), "GroupBox_required");
    Edit_filename = db::widgets::edit(GroupBox_required, "Edit_filename");
    Edit_dir = db::widgets::edit(GroupBox_required, "Edit_dir");
    Button_pdf = db::widgets::button(GroupBox_required, tr("从PDF读取…"), "Button_pdf");
    Button_pdf->setToolTip(tr("选择一个论文PDF文件，从中读出题目、作者、关键词和年份，填入各栏"));
    auto* filenameRow = new QHBoxLayout;
    filenameRow->addWidget(Edit_filename, 1);
    filenameRow->addWidget(Button_pdf);
    auto* required = new QFormLayout(GroupBox_required);
    required->addRow(tr("论文文件名："), filenameRow);
    required->addRow(tr("保存文件夹："), Edit_dir);

    GroupBox_optional = db::widgets::group(this, tr("可选录入信息"), "GroupBox_optional");
    CheckBox1 = db::widgets::check(GroupBox_optional, tr("关键词："), "CheckBox1");
    Edit_kwords = db::widgets::edit(GroupBox_optional, "Edit_kwords");
    CheckBox2 = db::widgets::check(GroupBox_optional, tr("作者（排除一作）："), "CheckBox2");
    Edit_authors = db::widgets::edit(GroupBox_optional, "Edit_authors");
    CheckBox3 = db::widgets::check(GroupBox_optional, tr("论文分类："), "CheckBox3");
    Edit_catalog = db::widgets::edit(GroupBox_optional, "Edit_catalog");
    CheckBox4 = db::widgets::check(GroupBox_optional, tr("备注信息："), "CheckBox4");
    Edit_remark = db::widgets::edit(GroupBox_optional, "Edit_remark");
    auto* optional = new QGridLayout(GroupBox_optional);
    const std::pair<QCheckBox*, QLineEdit*> rows[] = {
        {CheckBox1, Edit_kwords}, {CheckBox2, Edit_authors}, {CheckBox3, Edit_catalog}, {CheckBox4, Edit_remark}};
    for (int r = 0; r < 4; ++r) {
        optional->addWidget(rows[r].first, r, 0);
        optional->addWidget(rows[r].second, r, 1);
    }

    GroupBox_note = db::widgets::group(this, tr("注意"), "GroupBox_note");
    auto* note = new QVBoxLayout(GroupBox_note);
    note->setSpacing(2);
    const QString noteLines[] = {
        tr("数据录入格式："),
        tr("1. 发表时间格式为YYYY-MM-DD，月"),
        tr("份和日期必须给出。"),
        tr("2. 关键词和作者按顺序录入，中间"),
        tr("用“；”（分号）分割,最后不需加"),
        tr("分号。关键词最多10项，作者（排"),
        tr("除一作）最多4项。"),
    };
    for (int i = 0; i < 7; ++i) {
        auto* label = new QLabel(noteLines[i], GroupBox_note);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        note->addWidget(label);
    }
    note->addStretch();

    Button_yes = db::widgets::button(this, tr("插入"), "Button_yes");
    Button_no = db::widgets::button(this, tr("返回"), "Button_no");
    Button_a_info = db::widgets::button(this, tr("插入作者信息"), "Button_a_info");

    SimilarPapers = new duplicates::SimilarPapersBox(this, Edit_title, Edit_author, Edit_date, [this]() -> db::Query* {
        if (connectionString().isEmpty()) return nullptr;
        query().setConnectionString(connectionString());
        return &query();
    });

    auto* left = new QVBoxLayout;
    left->addWidget(GroupBox_basic);
    left->addWidget(SimilarPapers);
    left->addWidget(GroupBox_required);
    left->addWidget(GroupBox_optional);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button_no);
    auto* right = new QVBoxLayout;
    right->addWidget(GroupBox_note);
    right->addStretch();
    right->addWidget(Button_a_info);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    QWidget* order[] = {Edit_title,  Edit_author,  Edit_date,    Edit_filename, Edit_dir,
                        CheckBox1,   Edit_kwords,  CheckBox2,    Edit_authors,  CheckBox3,
                        Edit_catalog, CheckBox4,   Edit_remark,  Button_yes,    Button_no,
                        Button_a_info, Button_pdf};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
    Edit_title->setFocus();

    // A paper's rows, all made by the entry logic with every value quoted,
    // reach the server in one text.
    query().setRunsTogether(true);

    connect(Button_yes, &QPushButton::clicked, this, &TForm_insert_d::Button_yesClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_insert_d::Button_noClick);
    connect(Button_a_info, &QPushButton::clicked, this, &TForm_insert_d::Button_a_infoClick);
    connect(Button_pdf, &QPushButton::clicked, this, &TForm_insert_d::Button_pdfClick);

    pdfReader_ = new pdf::ReaderProcess(this);
    connect(pdfReader_, &pdf::ReaderProcess::fileRead, this, &TForm_insert_d::pdfRead);
    connect(pdfReader_, &pdf::ReaderProcess::finished, this, [this](bool) { Button_pdf->setEnabled(true); });
    choosePdf_ = [this] {
        return QFileDialog::getOpenFileName(this, tr("选择论文PDF文件"), Edit_dir->text(),
                                            tr("PDF文件 (*.pdf *.PDF)"));
    };
}

TForm_insert_d::~TForm_insert_d() = default;

void TForm_insert_d::setHooks(std::unique_ptr<scripting::HookCaller> hooks) { hooks_ = std::move(hooks); }

catalogue::entry::PaperEntry TForm_insert_d::entry() const {
    catalogue::entry::PaperEntry e;
    e.title = Edit_title->text();
    e.author = Edit_author->text();
    e.date = Edit_date->text();
    e.filename = Edit_filename->text();
    e.dir = Edit_dir->text();
    e.kwordsTicked = CheckBox1->isChecked();
    e.kwords = Edit_kwords->text();
    e.authorsTicked = CheckBox2->isChecked();
    e.authors = Edit_authors->text();
    e.catalogTicked = CheckBox3->isChecked();
    e.catalog = Edit_catalog->text();
    e.remarkTicked = CheckBox4->isChecked();
    e.remark = Edit_remark->text();
    return e;
}

void TForm_insert_d::Button_yesClick() {
    handle([&] {
        query().setConnectionString(connectionString());
        const catalogue::Notice n =
            db::retryOnConflict([&] {
                return catalogue::entry::insertPaper(query(), *hooks_, entry(), userName(),
                                                     catalogue::entry::today());
            });
        if (n.text == catalogue::entry::kSuccess.text && !Edit_filename->text().isEmpty())
            fulltext::indexPaper(connectionString(),
                                 schema::paperKey(Edit_title->text(), Edit_author->text(), Edit_date->text()));
        db::messages::show(n.text, n.caption);
    });
}

void TForm_insert_d::Button_pdfClick() {
    handle([&] {
        const QString path = choosePdf_ ? choosePdf_() : QString();
        if (path.isEmpty()) return;
        Button_pdf->setEnabled(false);
        pdfReader_->start({path});
    });
}

void TForm_insert_d::pdfRead(int, const exchange::PaperRecord& record) {
    handle([&] {
        if (!record.error.isEmpty()) {
            db::messages::show(tr("无法读取该PDF文件：") + record.error, tr("注意"));
            return;
        }
        const pdf::EntryTexts e = pdf::entryTexts(record);
        // boxes the reading found nothing for keep what the user typed
        const std::pair<QLineEdit*, QString> boxes[] = {
            {Edit_title, e.title}, {Edit_author, e.author}, {Edit_date, e.date}, {Edit_filename, e.filename},
            {Edit_dir, e.dir},     {Edit_kwords, e.kwords}, {Edit_authors, e.authors}};
        for (const auto& [box, text] : boxes)
            if (!text.isEmpty()) box->setText(text);
        if (e.kwordsTicked) CheckBox1->setChecked(true);
        if (e.authorsTicked) CheckBox2->setChecked(true);
        // the identifiers join what the remark holds, as the import joins them
        if (!e.remark.isEmpty() && !Edit_remark->text().contains(e.remark)) {
            const QString typed = Edit_remark->text().trimmed();
            Edit_remark->setText(typed.isEmpty() ? e.remark : typed + QStringLiteral("；") + e.remark);
            CheckBox4->setChecked(true);
        }
    });
}

void TForm_insert_d::Button_noClick() {
    handle([&] { close(); });
}

void TForm_insert_d::Button_a_infoClick() {
    handle([&] { db::Form::open<TForm_insert_d_a_info>(userName(), connectionString()); });
}

PAPER_MENU_ROUTE(menu32, TForm_insert_d)
