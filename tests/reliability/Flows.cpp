#include "Flows.h"

#include "admin/Accounts.h"
#include "catalogue/AuthorDirectory.h"
#include "catalogue/InsertPaper.h"
#include "catalogue/RemovePaper.h"
#include "catalogue/SelectStatements.h"
#include "catalogue/UpdatePaper.h"
#include "shell/OwnAccount.h"
#include "shell/SignIn.h"
#include "support/TestDb.h"

namespace rel {

QString flowConnection() { return testdb::paperConnection(); }

namespace {

using Run = std::function<QString(db::Query&, scripting::HookCaller&, const QString&)>;

QString joined(const QList<db::Notice>& notices) {
    QStringList out;
    for (const auto& n : notices) out << n.caption + QLatin1Char('/') + n.text;
    return out.join(QLatin1Char('|'));
}

QString signIn(db::Query& q, const QString& name, const QString& password) {
    const shell::Settings settings{QStringLiteral("MSDASQL.1"), QStringLiteral("paperdb")};
    const shell::SignInOutcome out = shell::signIn(q, name, password, settings);
    return out.accepted ? QStringLiteral("accepted") : QStringLiteral("登录错误/请检查您的用户名和密码");
}

// The entry window with one box changed.
catalogue::entry::PaperEntry entryWith(const QString& box, const QString& text) {
    catalogue::entry::PaperEntry e;
    e.title = kTitle;
    e.author = kAuthor;
    e.date = kDate;
    e.filename = QStringLiteral("paper.pdf");
    e.dir = QStringLiteral("D:\\论文");
    if (box == QLatin1String("Edit_title")) e.title = text;
    else if (box == QLatin1String("Edit_author")) e.author = text;
    else if (box == QLatin1String("Edit_date")) e.date = text;
    else if (box == QLatin1String("Edit_filename")) e.filename = text;
    else if (box == QLatin1String("Edit_dir")) e.dir = text;
    else if (box == QLatin1String("Edit_kwords")) e.kwordsTicked = true, e.kwords = text;
    else if (box == QLatin1String("Edit_authors")) e.authorsTicked = true, e.authors = text;
    else if (box == QLatin1String("Edit_catalog")) e.catalogTicked = true, e.catalog = text;
    else if (box == QLatin1String("Edit_remark")) e.remarkTicked = true, e.remark = text;
    return e;
}

QString paperBoxText(const QString& box, const QString& wanted, const QString& text, const QString& fallback) {
    return box == wanted ? text : fallback;
}

QList<Field> build() {
    QList<Field> f;
    auto add = [&](const char* window, const char* box, bool hook, bool accounts, Run run) {
        f << Field{QLatin1String(window), QLatin1String(box), hook, accounts, std::move(run)};
    };

    // ---- sign-in, password change, cancellation ----
    add("login", "Edit_username", false, true, [](db::Query& q, scripting::HookCaller&, const QString& t) {
        return signIn(q, t, QStringLiteral("pw"));
    });
    add("login", "Edit_password", false, true, [](db::Query& q, scripting::HookCaller&, const QString& t) {
        return signIn(q, kUser, t);
    });
    add("password_update", "Edit_pre_password", false, true,
        [](db::Query& q, scripting::HookCaller&, const QString& t) {
            return joined(shell::changePassword(q, kUser, t, QStringLiteral("new"), QStringLiteral("new")).notices);
        });
    add("password_update", "Edit_new_password", false, true,
        [](db::Query& q, scripting::HookCaller&, const QString& t) {
            return joined(shell::changePassword(q, kUser, QStringLiteral("pw"), t, t).notices);
        });
    add("logout", "user name", false, true, [](db::Query& q, scripting::HookCaller&, const QString& t) {
        return joined(shell::cancelAccount(q, t).notices);
    });

    // ---- searches ----
    for (const char* box : {"Edit_title", "Edit_author_1", "Edit_date"}) {
        const QString b = QLatin1String(box);
        add("select_d", box, false, false, [b](db::Query& q, scripting::HookCaller&, const QString& t) {
            const auto out = catalogue::search::runQuick(
                q, flowConnection(), paperBoxText(b, QStringLiteral("Edit_title"), t, QString()),
                paperBoxText(b, QStringLiteral("Edit_author_1"), t, QString()),
                paperBoxText(b, QStringLiteral("Edit_date"), t, QString()));
            return out.found ? QString() : out.caption + QLatin1Char('/') + out.text;
        });
    }
    static const char* const detailedBoxes[] = {"Edit_title", "Edit_author_1", "Edit_date",
                                                "Edit_kword", "Edit_catalog",  "Edit_name",
                                                "Edit_dir",   "Edit_typist",   "Edit_type_time"};
    for (int i = 0; i < catalogue::search::kCriterionCount; ++i) {
        add("select_d_c", detailedBoxes[i], false, false, [i](db::Query& q, scripting::HookCaller&, const QString& t) {
            catalogue::search::Ticks ticks{};
            catalogue::search::Texts texts;
            ticks[i] = true;
            texts[i] = t;
            catalogue::search::Outputs outputs;
            outputs.fill(true);
            const auto out = catalogue::search::runDetailed(q, flowConnection(), outputs, ticks, texts);
            return out.found ? QString() : out.caption + QLatin1Char('/') + out.text;
        });
    }

    // ---- entry, removal, updates ----
    for (const char* box : {"Edit_title", "Edit_author", "Edit_date", "Edit_filename", "Edit_dir", "Edit_kwords",
                            "Edit_authors", "Edit_catalog", "Edit_remark"}) {
        const QString b = QLatin1String(box);
        const bool hook = b == QLatin1String("Edit_kwords") || b == QLatin1String("Edit_authors");
        add("insert_d", box, hook, false, [b](db::Query& q, scripting::HookCaller& h, const QString& t) {
            q.setConnectionString(flowConnection());
            const auto n = catalogue::entry::insertPaper(q, h, entryWith(b, t), kUser, kDate);
            return n.caption + QLatin1Char('/') + n.text;
        });
    }
    add("insert_d", "typist (user name)", false, false, [](db::Query& q, scripting::HookCaller& h, const QString& t) {
        q.setConnectionString(flowConnection());
        const auto n = catalogue::entry::insertPaper(q, h, entryWith(QString(), QString()), t, kDate);
        return n.caption + QLatin1Char('/') + n.text;
    });
    for (const char* box : {"Edit_title", "Edit_author", "Edit_date"}) {
        const QString b = QLatin1String(box);
        add("delete_d", box, false, false, [b](db::Query& q, scripting::HookCaller&, const QString& t) {
            q.setConnectionString(flowConnection());
            const auto n = catalogue::removal::removePaper(q, paperBoxText(b, QStringLiteral("Edit_title"), t, kTitle),
                                                           paperBoxText(b, QStringLiteral("Edit_author"), t, kAuthor),
                                                           paperBoxText(b, QStringLiteral("Edit_date"), t, kDate));
            return n.caption + QLatin1Char('/') + n.text;
        });
    }
    for (const char* box : {"Edit_title", "Edit_author_1", "Edit_date", "Edit_title_n", "Edit_author_1_n", "Edit_date_n"}) {
        const QString b = QLatin1String(box);
        add("update_d_m", box, false, false, [b](db::Query& q, scripting::HookCaller&, const QString& t) {
            catalogue::update::MainChange c;
            c.title = paperBoxText(b, QStringLiteral("Edit_title"), t, kTitle);
            c.author = paperBoxText(b, QStringLiteral("Edit_author_1"), t, kAuthor);
            c.date = paperBoxText(b, QStringLiteral("Edit_date"), t, kDate);
            c.titleTicked = b == QLatin1String("Edit_title_n");
            c.newTitle = paperBoxText(b, QStringLiteral("Edit_title_n"), t, QString());
            c.authorTicked = b == QLatin1String("Edit_author_1_n");
            c.newAuthor = paperBoxText(b, QStringLiteral("Edit_author_1_n"), t, QString());
            c.dateTicked = b == QLatin1String("Edit_date_n");
            c.newDate = paperBoxText(b, QStringLiteral("Edit_date_n"), t, QString());
            if (!c.titleTicked && !c.authorTicked && !c.dateTicked) c.titleTicked = true, c.newTitle = QStringLiteral("新题目");
            q.setConnectionString(flowConnection());
            const auto n = catalogue::update::updateMain(q, c);
            return n.caption + QLatin1Char('/') + n.text;
        });
    }
    static const char* const otherBoxes[] = {"Edit_filename", "Edit_dir", "Edit_catalog",
                                             "Edit_authors",  "Edit_kwords", "Edit_remark"};
    for (const char* box : {"Edit_title", "Edit_author_1", "Edit_date"}) {
        const QString b = QLatin1String(box);
        add("update_d_o", box, false, false, [b](db::Query& q, scripting::HookCaller& h, const QString& t) {
            catalogue::update::OtherChange c;
            c.title = paperBoxText(b, QStringLiteral("Edit_title"), t, kTitle);
            c.author = paperBoxText(b, QStringLiteral("Edit_author_1"), t, kAuthor);
            c.date = paperBoxText(b, QStringLiteral("Edit_date"), t, kDate);
            c.ticked[catalogue::update::Remark] = true;
            c.text[catalogue::update::Remark] = QStringLiteral("备注");
            q.setConnectionString(flowConnection());
            const auto out = catalogue::update::updateOther(q, h, c);
            return out.committed ? QString() : QStringLiteral("失败/更新失败（未知错误）");
        });
    }
    for (int i = 0; i < catalogue::update::ItemCount; ++i) {
        const bool hook = i == catalogue::update::Authors || i == catalogue::update::Kwords;
        add("update_d_o", otherBoxes[i], hook, false, [i](db::Query& q, scripting::HookCaller& h, const QString& t) {
            catalogue::update::OtherChange c;
            c.title = kTitle;
            c.author = kAuthor;
            c.date = kDate;
            c.ticked[i] = true;
            c.text[i] = t;
            q.setConnectionString(flowConnection());
            const auto out = catalogue::update::updateOther(q, h, c);
            if (!out.committed) return QStringLiteral("失败/更新失败（未知错误）");
            if (out.nothingChosen) return QStringLiteral("注意/请选择更新项");
            q.openSql(out.select);  // the window shows the changed row
            return QString();
        });
    }

    // ---- author directory ----
    namespace au = catalogue::authors;
    auto shown = [](const au::Outcome& o) { return o.caption + QLatin1Char('/') + o.text; };
    add("select_d_c_a", "ComboBox_author", false, false, [shown](db::Query& q, scripting::HookCaller&, const QString& t) {
        const auto found = au::lookup(q, flowConnection(), t);
        return found.outcome.ok ? found.email : shown(found.outcome);
    });
    add("insert_d_a_info", "Edit_author", false, false, [shown](db::Query& q, scripting::HookCaller&, const QString& t) {
        return shown(au::insert(q, flowConnection(), t, QStringLiteral("a@b.cn")));
    });
    add("insert_d_a_info", "Edit_email", false, false, [shown](db::Query& q, scripting::HookCaller&, const QString& t) {
        return shown(au::insert(q, flowConnection(), kAuthor, t));
    });
    add("delete_d_a", "ComboBox_author", false, false, [shown](db::Query& q, scripting::HookCaller&, const QString& t) {
        return shown(au::remove(q, flowConnection(), t));
    });
    add("update_d_o_a_info", "ComboBox_author", false, false,
        [shown](db::Query& q, scripting::HookCaller&, const QString& t) {
            return shown(au::updateEmail(q, flowConnection(), t, QStringLiteral("a@b.cn")));
        });
    add("update_d_o_a_info", "Edit_email", false, false, [shown](db::Query& q, scripting::HookCaller&, const QString& t) {
        return shown(au::updateEmail(q, flowConnection(), kAuthor, t));
    });

    // ---- accounts ----
    auto conn = [](db::Query& q) { q.setConnectionString(flowConnection()); };
    add("account_cre", "Edit_user", false, true, [conn](db::Query& q, scripting::HookCaller&, const QString& t) {
        conn(q);
        return joined(admin::createAccount(q, t, QStringLiteral("pw"), admin::kOrdinaryItem).notices);
    });
    add("account_cre", "Edit_pass", false, true, [conn](db::Query& q, scripting::HookCaller&, const QString& t) {
        conn(q);
        return joined(admin::createAccount(q, QStringLiteral("newuser"), t, admin::kOrdinaryItem).notices);
    });
    add("account_alt", "ComboBox_user", false, true, [conn](db::Query& q, scripting::HookCaller&, const QString& t) {
        conn(q);
        return joined(admin::changeRight(q, t, admin::kSeniorItem).notices);
    });
    add("admin_alt", "Edit_name", false, true, [conn](db::Query& q, scripting::HookCaller&, const QString& t) {
        conn(q);
        return joined(admin::renameAdministrator(q, QStringLiteral("admin"), t, QStringLiteral("pw")).notices);
    });
    add("admin_alt", "Edit_pwd", false, true, [conn](db::Query& q, scripting::HookCaller&, const QString& t) {
        conn(q);
        return joined(admin::renameAdministrator(q, QStringLiteral("admin"), QStringLiteral("admin"), t).notices);
    });
    add("account_del", "ComboBox_user", false, true, [conn](db::Query& q, scripting::HookCaller&, const QString& t) {
        conn(q);
        return joined(admin::deleteAccount(q, t).notices);
    });
    return f;
}

}  // namespace

const QList<Field>& fields() {
    static const QList<Field> list = build();
    return list;
}

}  // namespace rel
