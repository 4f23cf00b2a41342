#include "catalogue/windows/TForm_select_d_c.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "catalogue/windows/TForm_select_d_c_a.h"
#include "db/Messages.h"
#include "window/Widgets.h"
#include "grid/PaperFile.h"

namespace {

QLineEdit* edit(QWidget* parent, const char* name) { return db::widgets::edit(parent, name, 180); }

QLabel* note(QWidget* parent) {
    return new QLabel(TForm_select_d_c::tr("（请勾选查询条件）"), parent);
}

}  // namespace

TForm_select_d_c::TForm_select_d_c(QWidget* parent) : db::Form(QStringLiteral("Form_select_d_c"), parent) {
    setWindowTitle(tr("普通查询"));

    // Main criteria.
    GroupBox_main = db::widgets::group(this, tr("主要查询条件"), "GroupBox_main");
    CheckBox_title = db::widgets::check(GroupBox_main, tr("论文题目："), "CheckBox_title");
    Edit_title = edit(GroupBox_main, "Edit_title");
    CheckBox_author_1 = db::widgets::check(GroupBox_main, tr("论文一作："), "CheckBox_author_1");
    CheckBox_date = db::widgets::check(GroupBox_main, tr("发表时间："), "CheckBox_date");
    Edit_author_1 = edit(GroupBox_main, "Edit_author_1");
    Edit_date = edit(GroupBox_main, "Edit_date");
    auto* mainGrid = new QGridLayout(GroupBox_main);
    mainGrid->addWidget(note(GroupBox_main), 0, 0, 1, 2);
    mainGrid->addWidget(CheckBox_title, 1, 0);
    mainGrid->addWidget(Edit_title, 1, 1);
    mainGrid->addWidget(CheckBox_author_1, 2, 0);
    mainGrid->addWidget(Edit_author_1, 2, 1);
    mainGrid->addWidget(CheckBox_date, 3, 0);
    mainGrid->addWidget(Edit_date, 3, 1);
    mainGrid->setRowStretch(4, 1);

    // Auxiliary criteria; the keyword row comes first on screen.
    GroupBox_aux = db::widgets::group(this, tr("辅助查询条件"), "GroupBox_aux");
    CheckBox_catalog = db::widgets::check(GroupBox_aux, tr("论文分类："), "CheckBox_catalog");
    Edit_kword = edit(GroupBox_aux, "Edit_kword");
    CheckBox_kword = db::widgets::check(GroupBox_aux, tr("关键词："), "CheckBox_kword");
    CheckBox_name = db::widgets::check(GroupBox_aux, tr("论文文件名："), "CheckBox_name");
    CheckBox_dir = db::widgets::check(GroupBox_aux, tr("保存文件夹："), "CheckBox_dir");
    CheckBox_typist = db::widgets::check(GroupBox_aux, tr("录入者："), "CheckBox_typist");
    CheckBox_type_time = db::widgets::check(GroupBox_aux, tr("录入时间："), "CheckBox_type_time");
    Edit_catalog = edit(GroupBox_aux, "Edit_catalog");
    Edit_name = edit(GroupBox_aux, "Edit_name");
    Edit_dir = edit(GroupBox_aux, "Edit_dir");
    Edit_typist = edit(GroupBox_aux, "Edit_typist");
    Edit_type_time = edit(GroupBox_aux, "Edit_type_time");
    auto* auxGrid = new QGridLayout(GroupBox_aux);
    auxGrid->addWidget(note(GroupBox_aux), 0, 0, 1, 2);
    const std::pair<QCheckBox*, QLineEdit*> auxRows[] = {
        {CheckBox_kword, Edit_kword}, {CheckBox_catalog, Edit_catalog},
        {CheckBox_name, Edit_name},   {CheckBox_dir, Edit_dir},
        {CheckBox_typist, Edit_typist}, {CheckBox_type_time, Edit_type_time}};
    int row = 1;
    for (const auto& [box, line] : auxRows) {
        auxGrid->addWidget(box, row, 0);
        auxGrid->addWidget(line, row, 1);
        ++row;
    }
    auxGrid->setRowStretch(row, 1);

    // Output items.
    GroupBox_items = db::widgets::group(this, tr("查询项"), "GroupBox_items");
    CheckBox1 = db::widgets::check(GroupBox_items, tr("论文题目"), "CheckBox1", true);
    CheckBox2 = db::widgets::check(GroupBox_items, tr("论文一作"), "CheckBox2", true);
    CheckBox3 = db::widgets::check(GroupBox_items, tr("发表时间"), "CheckBox3", true);
    CheckBox4 = db::widgets::check(GroupBox_items, tr("论文文件名"), "CheckBox4");
    CheckBox5 = db::widgets::check(GroupBox_items, tr("保存文件夹"), "CheckBox5");
    CheckBox6 = db::widgets::check(GroupBox_items, tr("论文分类"), "CheckBox6");
    CheckBox7 = db::widgets::check(GroupBox_items, tr("所有作者"), "CheckBox7");
    CheckBox8 = db::widgets::check(GroupBox_items, tr("所有关键词"), "CheckBox8");
    CheckBox10 = db::widgets::check(GroupBox_items, tr("录入者"), "CheckBox10");
    CheckBox11 = db::widgets::check(GroupBox_items, tr("录入时间"), "CheckBox11");
    CheckBox12 = db::widgets::check(GroupBox_items, tr("备注"), "CheckBox12");
    outputBoxes_ = {CheckBox1, CheckBox2, CheckBox3,  CheckBox4,  CheckBox5, CheckBox6,
                    CheckBox7, CheckBox8, CheckBox10, CheckBox11, CheckBox12};
    auto* itemsGrid = new QGridLayout(GroupBox_items);
    for (int i = 0; i < int(outputBoxes_.size()); ++i) itemsGrid->addWidget(outputBoxes_[i], i / 4, i % 4);

    criterionBoxes_ = {CheckBox_title, CheckBox_author_1, CheckBox_date,
                       CheckBox_kword, CheckBox_catalog,  CheckBox_name,
                       CheckBox_dir,   CheckBox_typist,   CheckBox_type_time};
    criterionEdits_ = {Edit_title, Edit_author_1, Edit_date,   Edit_kword,    Edit_catalog,
                       Edit_name,  Edit_dir,      Edit_typist, Edit_type_time};

    DBGrid1 = new db::ResultGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->bind(&query());
    new grid::PaperFileOpener(DBGrid1);  // a double-click opens the paper's file
    connect(this, &db::Form::queryReplaced, this, [this] { DBGrid1->bind(&query()); });

    Button_yes = db::widgets::button(this, tr("查询"), "Button_yes");
    Button_no = db::widgets::button(this, tr("返回"), "Button_no");
    Button_a_info = db::widgets::button(this, tr("查询作者信息"), "Button_a_info");
    Button_yes->setDefault(true);  // Enter runs the query

    auto* left = new QVBoxLayout;
    left->addWidget(GroupBox_main);
    left->addWidget(GroupBox_items);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(GroupBox_aux, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button_a_info);
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button_no);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->addWidget(DBGrid1, 1);
    resize(900, 640);

    const QList<QWidget*> order = {
        CheckBox_title, Edit_title,     CheckBox_author_1, CheckBox_date,  Edit_author_1,
        Edit_date,      CheckBox_catalog, Edit_kword,      CheckBox_kword, CheckBox_name,
        CheckBox_dir,   CheckBox_typist, CheckBox_type_time, Edit_catalog, Edit_name,
        Edit_dir,       Edit_typist,    Edit_type_time,    CheckBox1,      CheckBox2,
        CheckBox3,      CheckBox4,      CheckBox5,         CheckBox6,      CheckBox7,
        CheckBox8,      CheckBox10,     CheckBox11,        CheckBox12,     DBGrid1,
        Button_yes,     Button_no,      Button_a_info};
    for (int i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    CheckBox_title->setFocus();

    connect(Button_yes, &QPushButton::clicked, this, &TForm_select_d_c::Button_yesClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_select_d_c::Button_noClick);
    connect(Button_a_info, &QPushButton::clicked, this, &TForm_select_d_c::Button_a_infoClick);
}

catalogue::search::Outputs TForm_select_d_c::outputs() const {
    catalogue::search::Outputs out{};
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = outputBoxes_[i]->isChecked();
    return out;
}

catalogue::search::Ticks TForm_select_d_c::ticks() const {
    catalogue::search::Ticks out{};
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = criterionBoxes_[i]->isChecked();
    return out;
}

catalogue::search::Texts TForm_select_d_c::texts() const {
    catalogue::search::Texts out;
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = criterionEdits_[i]->text();
    return out;
}

void TForm_select_d_c::Button_yesClick() {
    handle([&] {
        const auto outcome =
            catalogue::search::runDetailed(query(), connectionString(), outputs(), ticks(), texts());
        if (!outcome.found) db::messages::show(outcome.text, outcome.caption);
    });
}

void TForm_select_d_c::Button_noClick() {
    handle([&] { close(); });
}

void TForm_select_d_c::Button_a_infoClick() {
    handle([&] { db::Form::open<TForm_select_d_c_a>(userName(), connectionString()); });
}
