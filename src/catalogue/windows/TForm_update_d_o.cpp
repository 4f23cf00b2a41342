#include "catalogue/windows/TForm_update_d_o.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <iterator>

#include "catalogue/windows/TForm_update_d_o_a_info.h"
#include "db/Messages.h"
#include "window/Widgets.h"
#include "scripting/ScriptEngine.h"
#include "db/RetryOnConflict.h"
#include "db/Schema.h"
#include "fulltext/AfterChange.h"

TForm_update_d_o::TForm_update_d_o(QWidget* parent)
    : db::Form(QStringLiteral("Form_update_d_o"), parent),
      hooks_(std::make_unique<scripting::ScriptEngine>()) {
    setWindowTitle(tr("更新一般对象"));


    GroupBox_object = db::widgets::group(this, tr("更新对象"), "GroupBox_object");
    Edit_title = db::widgets::edit(GroupBox_object, "Edit_title");
    Edit_author_1 = db::widgets::edit(GroupBox_object, "Edit_author_1");
    Edit_date = db::widgets::edit(GroupBox_object, "Edit_date");
    auto* object = new QFormLayout(GroupBox_object);
    object->addRow(new QLabel(tr("（精确查询）"), GroupBox_object));
    object->addRow(tr("论文题目："), Edit_title);
    object->addRow(tr("论文一作："), Edit_author_1);
    object->addRow(tr("发表时间："), Edit_date);

    GroupBox_items = db::widgets::group(this, tr("更新项"), "GroupBox_items");
    CheckBox1 = db::widgets::check(GroupBox_items, tr("论文文件名"), "CheckBox1");
    CheckBox2 = db::widgets::check(GroupBox_items, tr("保存文件夹"), "CheckBox2");
    CheckBox3 = db::widgets::check(GroupBox_items, tr("论文分类"), "CheckBox3");
    CheckBox4 = db::widgets::check(GroupBox_items, tr("作者（排除一作）"), "CheckBox4");
    CheckBox5 = db::widgets::check(GroupBox_items, tr("关键词"), "CheckBox5");
    CheckBox6 = db::widgets::check(GroupBox_items, tr("备注信息"), "CheckBox6");
    Edit_filename = db::widgets::edit(GroupBox_items, "Edit_filename");
    Edit_dir = db::widgets::edit(GroupBox_items, "Edit_dir");
    Edit_catalog = db::widgets::edit(GroupBox_items, "Edit_catalog");
    Edit_authors = db::widgets::edit(GroupBox_items, "Edit_authors");
    Edit_kwords = db::widgets::edit(GroupBox_items, "Edit_kwords");
    Edit_remark = db::widgets::edit(GroupBox_items, "Edit_remark");
    auto* items = new QGridLayout(GroupBox_items);
    QCheckBox* checks[] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6};
    QLineEdit* edits[] = {Edit_filename, Edit_dir, Edit_catalog, Edit_authors, Edit_kwords, Edit_remark};
    for (int r = 0; r < 6; ++r) {
        items->addWidget(checks[r], r, 0);
        items->addWidget(edits[r], r, 1);
    }

    Button_yes = db::widgets::button(this, tr("更新"), "Button_yes");
    Button3 = db::widgets::button(this, tr("更新作者信息"), "Button3");
    Button_no = db::widgets::button(this, tr("返回"), "Button_no");

    DBGrid_update = new db::ResultGrid(this);
    DBGrid_update->setObjectName(QStringLiteral("DBGrid_update"));
    // The grid is bound to the query object at the first successful update.
    connect(this, &db::Form::queryReplaced, this, [this] {
        if (DBGrid_update->boundQuery()) DBGrid_update->bind(&query());
    });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button3);
    buttons->addWidget(Button_no);
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(GroupBox_object);
    left->addWidget(GroupBox_items);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(DBGrid_update, 1);
    resize(760, 640);

    QWidget* order[] = {Edit_title,    Edit_author_1, Edit_date,    CheckBox1,    CheckBox2,
                        CheckBox3,     CheckBox4,     CheckBox5,    CheckBox6,    Edit_filename,
                        Edit_dir,      Edit_catalog,  Edit_authors, Edit_kwords,  Edit_remark,
                        Button_yes,    Button3,       Button_no,    DBGrid_update};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
    Edit_title->setFocus();

    connect(Button_yes, &QPushButton::clicked, this, &TForm_update_d_o::Button_yesClick);
    connect(Button3, &QPushButton::clicked, this, &TForm_update_d_o::Button3Click);
    connect(Button_no, &QPushButton::clicked, this, &TForm_update_d_o::Button_noClick);
}

TForm_update_d_o::~TForm_update_d_o() = default;

void TForm_update_d_o::setHooks(std::unique_ptr<scripting::HookCaller> hooks) { hooks_ = std::move(hooks); }

catalogue::update::OtherChange TForm_update_d_o::change() const {
    using namespace catalogue::update;
    OtherChange c;
    c.title = Edit_title->text();
    c.author = Edit_author_1->text();
    c.date = Edit_date->text();
    const QCheckBox* checks[] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6};
    const QLineEdit* edits[] = {Edit_filename, Edit_dir, Edit_catalog, Edit_authors, Edit_kwords, Edit_remark};
    for (int i = 0; i < ItemCount; ++i) {
        c.ticked[i] = checks[i]->isChecked();
        c.text[i] = edits[i]->text();
    }
    return c;
}

void TForm_update_d_o::Button_yesClick() {
    handle([&] {
        const catalogue::update::OtherChange c = change();
        query().setConnectionString(connectionString());
        const catalogue::update::OtherOutcome out =
            db::retryOnConflict([&] { return catalogue::update::updateOther(query(), *hooks_, c); });
        if (!out.committed) {
            const catalogue::Notice& n = catalogue::update::kFailure;
            db::messages::show(n.text, n.caption);
            return;
        }
        if (c.wanted(catalogue::update::Filename) || c.wanted(catalogue::update::Dir))
            fulltext::indexPaper(connectionString(), schema::paperKey(c.title, c.author, c.date));
        DBGrid_update->bind(&query());
        if (!out.nothingChosen) query().openSql(out.select);
    });
}

void TForm_update_d_o::Button3Click() {
    handle([&] { db::Form::open<TForm_update_d_o_a_info>(userName(), connectionString()); });
}

void TForm_update_d_o::Button_noClick() {
    handle([&] { close(); });
}
