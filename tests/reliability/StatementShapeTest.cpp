#include <gtest/gtest.h>

#include <QMap>

#include "Flows.h"
#include "Reliability.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "scripting/ScriptEngine.h"
#include "support/FakeQuery.h"

namespace {

// What one flow sent for one text: its statements, or the error that ended it.
struct Sent {
    QStringList statements;
    QString error;  // "" when the flow ran to its end
};

// Answers the lookups of the flows so that every statement of a handler is
// reached: the stored password is the one typed, a right level "2", the
// administrator "admin", and one row for every search.
void script(FakeQuery& q, const rel::Field& f, const QString& text) {
    const bool typedPassword = f.box == QLatin1String("Edit_password") || f.box == QLatin1String("Edit_pre_password");
    const QString stored = typedPassword ? db::trimBlanks(text) : QStringLiteral("pw");
    q.rowsFor = [stored](const QString& s) -> QList<QStringList> {
        if (s.startsWith(QLatin1String("select password"))) return {{stored}};
        if (s.startsWith(QLatin1String("select rightid"))) return {{QStringLiteral("2")}};
        if (s.startsWith(QLatin1String("select username from username_rightid"))) return {{QStringLiteral("admin")}};
        return {{QStringLiteral("r")}};
    };
}

Sent runFlow(const rel::Field& f, scripting::HookCaller& hooks, const QString& text) {
    FakeQuery q;
    script(q, f, text);
    Sent out;
    try {
        f.run(q, hooks, text);
    } catch (const db::DbError& e) {
        out.error = e.message().section(QLatin1Char(':'), 0, 0);  // the kind of error, not its details
    }
    out.statements = q.statements();
    return out;
}

// Every payload in every box, through the handler flows with a recording
// query object: the statements must have exactly the shape of the statements
// built from the harmless twin of the payload (same tokens, same number of
// strings), and each string must hold the typed text. Hook-built statements
// are compared for shape only (the hook splits the text into items).
TEST(StatementShape, NoPayloadChangesTheShapeOfAnyStatement) {
    scripting::ScriptEngine hooks;
    QMap<QString, QStringList> failures;
    for (const rel::Field& f : rel::fields()) {
        const QString w = QStringLiteral("shape.") + f.window;
        rel::add(w + QStringLiteral(".altered"), 0);
        rel::add(w + QStringLiteral(".not_exact"), 0);
        for (const QString& p : rel::payloads()) {
            const QString twin = rel::harmless(p);
            const Sent sp = runFlow(f, hooks, p);
            const Sent st = runFlow(f, hooks, twin);
            rel::add(w + QStringLiteral(".tried"));
            rel::add(w + QStringLiteral(".statements"), sp.statements.size());
            QString problem;
            bool altered = false;
            // "guest" is the one text whose statements may differ from its
            // twin's: the guest signs in without a lookup, and no account may
            // take the name (the sign-in would never reach it).
            const bool guest = (f.box == QLatin1String("Edit_username") && db::trimBlanks(p) == QLatin1String("guest")) ||
                               ((f.window == QLatin1String("account_cre") || f.window == QLatin1String("admin_alt")) &&
                                (f.box == QLatin1String("Edit_user") || f.box == QLatin1String("Edit_name")) &&
                                p == QLatin1String("guest"));
            if (guest) {
                altered = !sp.statements.isEmpty();
                if (altered) problem = QStringLiteral("guest sent statements");
            } else if (sp.statements.size() != st.statements.size() || sp.error != st.error) {
                altered = true;
                problem = QStringLiteral("sent %1 statements (error \"%2\"), the twin %3 (error \"%4\"):\n  %5")
                              .arg(sp.statements.size())
                              .arg(sp.error)
                              .arg(st.statements.size())
                              .arg(st.error, sp.statements.join(QStringLiteral("\n  ")));
            } else {
                for (qsizetype i = 0; i < sp.statements.size(); ++i) {
                    const rel::Comparison c =
                        rel::compare(sp.statements[i], st.statements[i], p, twin, !f.viaHook);
                    if (!c.sameShape) altered = true;
                    if (!c.sameShape || !c.valuesExact) {
                        problem = c.detail;
                        if (!c.sameShape) break;
                    }
                }
            }
            if (altered) rel::add(w + QStringLiteral(".altered"));
            else if (!problem.isEmpty()) rel::add(w + QStringLiteral(".not_exact"));
            if (!problem.isEmpty() && failures[f.window].size() < 3)
                failures[f.window] << f.box + QStringLiteral(" <- ") + p.left(60) + QLatin1Char('\n') + problem;
        }
    }
    rel::report(QStringLiteral("shape."));
    for (auto it = failures.cbegin(); it != failures.cend(); ++it)
        ADD_FAILURE() << it.key().toStdString() << ":\n" << it.value().join(QStringLiteral("\n")).toStdString();
    EXPECT_GE(rel::payloads().size(), 200);
}

// The lexer itself: quotes, escapes and comments are read as the server
// reads them, so that a broken-out payload shows up as a different shape.
TEST(StatementShape, TheLexerReadsQuotesEscapesAndCommentsLikeTheServer) {
    EXPECT_EQ(rel::literals(QStringLiteral("select 'a\\'b','c''d','e\\\\','\\0\\n\\%\\_'")),
              (QStringList{QStringLiteral("a'b"), QStringLiteral("c'd"), QStringLiteral("e\\"),
                           QString(QChar(0)) + QStringLiteral("\n\\%\\_")}));
    EXPECT_NE(rel::shape(QStringLiteral("select 1 from t where a='x' or '1'='1'")),
              rel::shape(QStringLiteral("select 1 from t where a='QQQQQQQQQQQQ'")));
    EXPECT_NE(rel::shape(QStringLiteral("select 1 from t where a='x' -- '")),
              rel::shape(QStringLiteral("select 1 from t where a='QQQQQ'")));
    EXPECT_NE(rel::shape(QStringLiteral("select 1 from t where a='x\\\\' or 1=1 #'")),
              rel::shape(QStringLiteral("select 1 from t where a='QQ'")));
    EXPECT_EQ(rel::shape(QStringLiteral("select 1 from t where a='x\\' or 1=1 -- '")),
              rel::shape(QStringLiteral("select 1 from t where a='QQQQQQQQQQQQ'")));
    const QList<rel::Token> like = rel::lex(QStringLiteral("select 1 where a like '%x%' and b='y'"));
    ASSERT_EQ(like.size(), 10);
    EXPECT_TRUE(like[5].afterLike);
    EXPECT_FALSE(like[9].afterLike);
    EXPECT_EQ(rel::harmless(QStringLiteral(" a'；b;\t😀 ")), QStringLiteral(" QQ；Q;\tQ "));
}

}  // namespace
