#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "Flows.h"
#include "Reliability.h"
#include "catalogue/SelectStatements.h"
#include "db/ConnectionString.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "scripting/ScriptEngine.h"
#include "shell/ProfileFile.h"
#include "support/FakeQuery.h"

// Randomised inputs for a bounded time (PAPER_FUZZ_SECONDS per target; two
// and a half minutes each in the long mode): the settings reader and writer,
// every statement builder through its handler flow, the detailed query with
// all criteria at once, and the mapping of connection strings. Nothing may
// crash, no statement may take another shape than the one built from
// harmless text, and no value may come out other than typed.
namespace {

quint64 seed() {
    bool ok = false;
    const quint64 s = qEnvironmentVariable("PAPER_FUZZ_SEED").toULongLong(&ok);
    return ok ? s : 40617395;
}

double seconds() {
    if (!qEnvironmentVariableIsEmpty("PAPER_FUZZ_SECONDS")) return rel::fuzzSeconds();
    return rel::longMode() ? 150.0 : rel::fuzzSeconds();
}

// Characters that matter to a statement, a settings file or a hook list.
const QList<char16_t> kAlphabet = {u'\'', u'\\', u'"', u'`', u'%', u'_', u';', u'；', u'-', u'#', u'/', u'*',
                                   u'(', u')', u'=', u',', u'$', u'?', u':', u'@', u' ', u'\t', u'\n', u'\r',
                                   0,    1,    0x1a, u'a', u'Z', u'0', u'论', u'文', u'＇', u'’', u'‘', u'＂',
                                   u'\u3000', u'\u200b', u'\u00a0', u'\ufeff', u'[', u']', u'{', u'}'};

QString randomText(QRandomGenerator& rng) {
    const int shape = int(rng.bounded(10));
    if (shape == 0) {  // a payload of the corpus, perhaps cut or doubled
        const QString& p = rel::payloads().at(int(rng.bounded(int(rel::payloads().size()))));
        if (!rng.bounded(2)) return p + p;
        QString cut = p.left(int(rng.bounded(int(p.size()) + 1)));
        if (!cut.isEmpty() && cut.back().isHighSurrogate()) cut.chop(1);  // no half characters
        return cut;
    }
    const int length = shape == 1 ? int(rng.bounded(400)) : int(rng.bounded(40));
    QString s;
    for (int i = 0; i < length; ++i) {
        const int kind = int(rng.bounded(10));
        if (kind < 7) {
            s += QChar(kAlphabet.at(int(rng.bounded(int(kAlphabet.size())))));
        } else if (kind < 9) {
            char16_t c;
            do c = char16_t(rng.bounded(0x20, 0xfffe));
            while (QChar::isSurrogate(c));
            s += QChar(c);
        } else {
            s += QString::fromUcs4(U"😀𠀀");  // characters outside the BMP
        }
    }
    return s;
}

TEST(Fuzz, TheSettingsReaderAndWriterHoldUnderRandomFiles) {
    QRandomGenerator rng(seed());
    const QByteArray pieces[] = {"[", "]", "=", "\n", "\r\n", "\"", "'", " ", "\t", ";", "database_info", "Database_Info",
                                 "DATA SOURCE", "data source", "provider", "Provider", "MSDASQL.1", "\xC0", "\xFF",
                                 "\xCA\xFD", "论", QByteArray(1, '\0'), "[database_info]\n", "\nprovider=MSDASQL.1\n"};
    qint64 problems = 0, refused = 0, unreadable = 0;
    QString first;
    const qint64 rounds = rel::forSeconds(seconds(), [&](qint64) {
        QByteArray bytes;
        const int n = int(rng.bounded(80));
        const bool rawBytes = rng.bounded(4) == 0;  // else mostly text a person could have written
        for (int k = 0; k < n; ++k) {
            if (rawBytes && rng.bounded(4) == 0) bytes += char(rng.bounded(256));
            else bytes += pieces[rng.bounded(int(std::size(pieces)))];
        }
        const QString section = QStringLiteral("database_info");
        QString providerBefore;
        try {
            providerBefore = shell::profile::readFrom(bytes, section, QStringLiteral("provider"), QStringLiteral("none"));
        } catch (const db::DbError&) {
            // a value with a byte that is no GBK is refused, not passed over
            ++unreadable;
            return;
        }
        if (providerBefore.size() > shell::profile::kMaxValueLength) ++problems;
        // A typed data source, as the database change window writes it.
        QString value = randomText(rng);
        if (rng.bounded(4) != 0) {  // mostly a value a GBK file can hold, on one line
            QString kept;
            for (QChar c : value)
                if ((c.unicode() >= 0x20 && c.unicode() < 0x7f) || (c.unicode() >= 0x4e00 && c.unicode() <= 0x9fa5)) kept += c;
            value = kept;
        }
        QByteArray written;
        try {
            written = shell::profile::writeTo(bytes, section, QStringLiteral("data source"), value);
        } catch (const db::DbError&) {
            // Refused: only a value the next read could not give back.
            ++refused;
            bool utf8 = true;
            shell::profile::decode(bytes, &utf8);
            const bool justified = value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')) ||
                                   value.size() > shell::profile::kMaxValueLength || !utf8;
            if (!justified) {
                ++problems;
                if (first.isEmpty()) first = QStringLiteral("refused [%1]").arg(value);
            }
            return;
        }
        const QString read = shell::profile::readFrom(written, section, QStringLiteral("data source"), QStringLiteral("none"));
        const QString provider = shell::profile::readFrom(written, section, QStringLiteral("provider"), QStringLiteral("none"));
        // What the writer stores is what the next read gives, as in a file of
        // its own (blanks and one pair of quotes around it dropped), and no
        // other key changes; a value with neither comes back exactly.
        const QString expected = shell::profile::readFrom(
            shell::profile::writeTo(QByteArray(), section, QStringLiteral("data source"), value), section,
            QStringLiteral("data source"), QStringLiteral("none"));
        const QString trimmed = value.trimmed();
        const bool plain = trimmed == value && !(value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
                                                  && value.back() == value.front());
        if (read != expected || provider != providerBefore || (plain && read != value)) {
            ++problems;
            if (first.isEmpty())
                first = QStringLiteral("file %1, value %2: read %3, expected %4, provider [%5] -> [%6]")
                            .arg(QString::fromLatin1(bytes.toHex()), QString::fromLatin1(value.toUtf8().toHex()),
                                 QString::fromLatin1(read.toUtf8().toHex()), QString::fromLatin1(expected.toUtf8().toHex()),
                                 providerBefore, provider);
        }
    });
    rel::add(QStringLiteral("fuzz.settings.refused"), refused);
    rel::add(QStringLiteral("fuzz.settings.unreadable"), unreadable);
    rel::add(QStringLiteral("fuzz.settings.rounds"), rounds);
    rel::add(QStringLiteral("fuzz.settings.problems"), problems);
    rel::add(QStringLiteral("fuzz.settings.milliseconds"), qint64(seconds() * 1000));
    rel::report(QStringLiteral("fuzz.settings."));
    EXPECT_EQ(problems, 0) << first.toStdString();
}

// One random text in one random box of one random window, against the
// statements built from its harmless twin.
TEST(Fuzz, EveryStatementBuilderKeepsItsShapeUnderRandomText) {
    QRandomGenerator rng(seed() + 1);
    scripting::ScriptEngine hooks;
    qint64 altered = 0, notExact = 0;
    QString first;
    auto run = [&](const rel::Field& f, const QString& text, QStringList& statements) {
        FakeQuery q;
        const bool typedPassword = f.box == QLatin1String("Edit_password") || f.box == QLatin1String("Edit_pre_password");
        const QString stored = typedPassword ? db::trimBlanks(text) : QStringLiteral("pw");
        q.rowsFor = [stored](const QString& s) -> QList<QStringList> {
            if (s.startsWith(QLatin1String("select password"))) return {{stored}};
            if (s.startsWith(QLatin1String("select rightid"))) return {{QStringLiteral("2")}};
            if (s.startsWith(QLatin1String("select username from username_rightid"))) return {{QStringLiteral("admin")}};
            return {{QStringLiteral("r")}};
        };
        QString error;
        try {
            f.run(q, hooks, text);
        } catch (const db::DbError& e) {
            error = e.message().section(QLatin1Char(':'), 0, 0);
        }
        statements = q.statements();
        return error;
    };
    const qint64 rounds = rel::forSeconds(seconds(), [&](qint64) {
        const rel::Field& f = rel::fields().at(int(rng.bounded(int(rel::fields().size()))));
        const QString text = randomText(rng);
        const QString twin = rel::harmless(text);
        QStringList sp, st;
        const QString ep = run(f, text, sp), et = run(f, twin, st);
        if (db::trimBlanks(text) == QLatin1String("guest")) return;  // the guest's own path
        QString problem;
        bool shapeChanged = sp.size() != st.size() || ep != et;
        for (qsizetype i = 0; !shapeChanged && i < sp.size(); ++i) {
            const rel::Comparison c = rel::compare(sp[i], st[i], text, twin, !f.viaHook);
            if (!c.sameShape) shapeChanged = true;
            else if (!c.valuesExact && problem.isEmpty()) problem = c.detail;
        }
        if (shapeChanged) ++altered;
        else if (!problem.isEmpty()) ++notExact;
        if ((shapeChanged || !problem.isEmpty()) && first.isEmpty())
            first = f.window + QLatin1Char('.') + f.box + QStringLiteral(" <- [") + text + QStringLiteral("]\n") +
                    (problem.isEmpty() ? sp.join(QLatin1Char('\n')) + QStringLiteral("\n-- twin [") + twin +
                                             QStringLiteral("]:\n") + st.join(QLatin1Char('\n')) +
                                             QStringLiteral("\n-- errors: ") + ep + QStringLiteral(" / ") + et
                                       : problem);
    });
    rel::add(QStringLiteral("fuzz.builders.rounds"), rounds);
    rel::add(QStringLiteral("fuzz.builders.altered"), altered);
    rel::add(QStringLiteral("fuzz.builders.not_exact"), notExact);
    rel::add(QStringLiteral("fuzz.builders.milliseconds"), qint64(seconds() * 1000));
    rel::report(QStringLiteral("fuzz.builders."));
    EXPECT_EQ(altered, 0) << first.toStdString();
    EXPECT_EQ(notExact, 0) << first.toStdString();
}

// All nine criteria and eleven output boxes at random at once.
TEST(Fuzz, TheDetailedQueryKeepsItsShapeWithEveryCriterionAtOnce) {
    using namespace catalogue::search;
    QRandomGenerator rng(seed() + 2);
    qint64 altered = 0;
    QString first;
    const qint64 rounds = rel::forSeconds(seconds(), [&](qint64) {
        Outputs outputs;
        Ticks ticks;
        Texts texts, twins;
        for (bool& o : outputs) o = rng.bounded(3) == 0;
        for (int i = 0; i < kCriterionCount; ++i) {
            ticks[i] = rng.bounded(2) == 0;
            texts[i] = rng.bounded(4) == 0 ? QString() : randomText(rng);
            twins[i] = rel::harmless(texts[i]);
        }
        const QString a = detailedStatement(outputs, ticks, texts), b = detailedStatement(outputs, ticks, twins);
        const QString qa = quickStatement(texts[0], texts[1], texts[2]), qb = quickStatement(twins[0], twins[1], twins[2]);
        if (rel::shape(a) != rel::shape(b) || rel::shape(qa) != rel::shape(qb)) {
            ++altered;
            if (first.isEmpty()) first = a + QLatin1Char('\n') + qa;
        }
    });
    rel::add(QStringLiteral("fuzz.detailed.rounds"), rounds);
    rel::add(QStringLiteral("fuzz.detailed.altered"), altered);
    rel::add(QStringLiteral("fuzz.detailed.milliseconds"), qint64(seconds() * 1000));
    rel::report(QStringLiteral("fuzz.detailed."));
    EXPECT_EQ(altered, 0) << first.toStdString();
}

// Whatever a data source or provider carries after ";", the ODBC connection
// string starts with the program's own attributes, keeps matched-row counting
// and single statements, and passes on nothing that would run, load or write
// anything.
TEST(Fuzz, ConnectionStringsPassOnNothingHarmful) {
    QRandomGenerator rng(seed() + 3);
    const QStringList keys = {QStringLiteral("InitStmt"), QStringLiteral("INITSTMT"), QStringLiteral("Option"),
                              QStringLiteral("OPTIONS"), QStringLiteral("Charset"), QStringLiteral("DRIVER"),
                              QStringLiteral("PLUGIN_DIR"), QStringLiteral("SAVEFILE"), QStringLiteral("FILEDSN"),
                              QStringLiteral("TRACE"), QStringLiteral("USE_MYCNF"), QStringLiteral("AUTO_RECONNECT"),
                              QStringLiteral("Server"), QStringLiteral("Port"), QStringLiteral("UID"), QStringLiteral("PWD"),
                              QStringLiteral("Database"), QStringLiteral("DSN"), QStringLiteral(" initstmt "),
                              QStringLiteral("Data Source"), QStringLiteral("Provider"), QStringLiteral("SSLKEY")};
    const QStringList harmful = {QStringLiteral("INITSTMT"), QStringLiteral("DRIVER"), QStringLiteral("PLUGIN_DIR"),
                                 QStringLiteral("SAVEFILE"), QStringLiteral("FILEDSN"), QStringLiteral("TRACE"),
                                 QStringLiteral("USE_MYCNF"), QStringLiteral("AUTO_RECONNECT")};
    qint64 problems = 0;
    QString first;
    const qint64 rounds = rel::forSeconds(seconds(), [&](qint64) {
        QString ds = rng.bounded(2) ? QStringLiteral("paperdb") : randomText(rng);
        const int extra = int(rng.bounded(5));
        for (int i = 0; i < extra; ++i) {
            ds += QLatin1Char(';') + keys.at(int(rng.bounded(int(keys.size())))) + QLatin1Char('=');
            ds += rng.bounded(3) == 0 ? QString::number(rng.generate()) : randomText(rng);
        }
        const QString full = db::buildConnectionString(QStringLiteral("MSDASQL.1"), QStringLiteral("pw"),
                                                       QStringLiteral("login_user"), ds);
        QString odbc;
        try {
            odbc = db::odbcConnectionString(full);
        } catch (const db::DbError&) {
            return;  // a provider smuggled in that is not the ODBC one: refused
        }
        QString why;
        // The program's own attributes come first, in order.
        if (!odbc.startsWith(QStringLiteral("DSN="))) why = QStringLiteral("does not start with DSN");
        QStringList parts = odbc.split(QLatin1Char(';'));
        bool sawCharset = false;
        for (const QString& part : parts) {
            const QString key = part.section(QLatin1Char('='), 0, 0).trimmed().toUpper();
            const QString value = part.section(QLatin1Char('='), 1);
            if (harmful.contains(key)) why = QStringLiteral("passes on ") + key;
            if (key == QLatin1String("CHARSET")) {
                sawCharset = true;
                if (value != QLatin1String("utf8mb4")) why = QStringLiteral("character set ") + value;
            }
            if (key == QLatin1String("OPTION")) {
                const qulonglong bits = value.toULongLong();
                if (!(bits & 2u) || (bits & (1u << 26)) || (bits & (1u << 22)) || (bits & (1u << 16)))
                    why = QStringLiteral("option bits ") + value;
            }
            if (key == QLatin1String("OPTIONS")) why = QStringLiteral("a second option attribute");
        }
        if (!sawCharset) why = QStringLiteral("no character set");
        if (!why.isEmpty()) {
            ++problems;
            if (first.isEmpty()) first = why + QStringLiteral(": ") + ds + QStringLiteral(" -> ") + odbc;
        }
    });
    rel::add(QStringLiteral("fuzz.connection.rounds"), rounds);
    rel::add(QStringLiteral("fuzz.connection.problems"), problems);
    rel::add(QStringLiteral("fuzz.connection.milliseconds"), qint64(seconds() * 1000));
    rel::report(QStringLiteral("fuzz.connection."));
    EXPECT_EQ(problems, 0) << first.toStdString();
}

}  // namespace
