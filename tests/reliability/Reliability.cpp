#include "Reliability.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QTextStream>
#include <cstdio>

#include "db/SqlText.h"

namespace rel {

bool longMode() { return qEnvironmentVariableIntValue("PAPER_LONG") == 1; }

double fuzzSeconds() {
    bool ok = false;
    const double s = qEnvironmentVariable("PAPER_FUZZ_SECONDS").toDouble(&ok);
    if (ok && s > 0) return s;
    return longMode() ? 120.0 : 5.0;
}

int killRounds() {
    bool ok = false;
    const int n = qEnvironmentVariable("PAPER_KILL_ROUNDS").toInt(&ok);
    if (ok && n > 0) return n;
    return longMode() ? 4 : 1;
}

const QStringList& payloads() {
    static const QStringList list = [] {
        QFile f(QStringLiteral(SOURCE_DIR "/tests/reliability/payloads.json"));
        QStringList out;
        if (!f.open(QIODevice::ReadOnly)) return out;
        for (const QJsonValue& v : QJsonDocument::fromJson(f.readAll()).array()) out << v.toString();
        return out;
    }();
    return list;
}

QStringList serverSample(int normalCount, int offset) {
    const QStringList& all = payloads();
    // PAPER_ONLY=text: only the payloads that hold this text (to look into one).
    const QString only = qEnvironmentVariable("PAPER_ONLY");
    if (!only.isEmpty()) {
        QStringList out;
        for (const QString& p : all)
            if (p.contains(only)) out << p;
        return out;
    }
    if (longMode() || normalCount >= all.size()) return all;
    QStringList out;
    const double step = double(all.size()) / normalCount;
    for (int i = 0; i < normalCount; ++i) out << all.at((int(i * step) + offset) % all.size());
    return out;
}

namespace {

// The characters Python's str.strip() and str.split() treat as white space.
bool pythonSpace(char16_t c) {
    return (c >= 0x09 && c <= 0x0d) || (c >= 0x1c && c <= 0x20) || c == 0x85 || c == 0xa0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200a) || c == 0x2028 || c == 0x2029 || c == 0x202f || c == 0x205f ||
           c == 0x3000;
}

}  // namespace

QString harmless(const QString& payload) {
    QString out;
    out.reserve(payload.size());
    for (QChar ch : payload) {
        const char16_t c = ch.unicode();
        if (c <= 0x20 || pythonSpace(c) || c == u';' || c == u'；')
            out += ch;
        else if (ch.isLowSurrogate())
            continue;  // a pair counts once, as the server counts it
        else
            out += QLatin1Char('Q');
    }
    return out;
}

int serverLength(const QString& text) { return int(text.toUcs4().size()); }

// ---- lexer ----

namespace {

bool wordChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$') || c.unicode() >= 0x80;
}

QChar unescape(QChar c) {
    switch (c.unicode()) {
        case '0': return QChar(0);
        case 'b': return QChar(8);
        case 'n': return QChar(10);
        case 'r': return QChar(13);
        case 't': return QChar(9);
        case 'Z': return QChar(26);
        default: return c;
    }
}

}  // namespace

QList<Token> lex(const QString& s) {
    QList<Token> out;
    const qsizetype n = s.size();
    qsizetype i = 0;
    auto lastWord = [&]() -> QString {
        for (qsizetype k = out.size() - 1; k >= 0; --k) {
            if (out[k].kind == Token::Comment) continue;
            return out[k].kind == Token::Word ? out[k].text : QString();
        }
        return {};
    };
    while (i < n) {
        const QChar c = s.at(i);
        if (c.isSpace() || c.unicode() == 0) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const QChar quote = c;
            QString value;
            bool closed = false;
            ++i;
            while (i < n) {
                const QChar d = s.at(i);
                if (d == QLatin1Char('\\') && i + 1 < n) {
                    const QChar e = s.at(i + 1);
                    // "\%" and "\_" keep their backslash (for like); others lose it.
                    if (e == QLatin1Char('%') || e == QLatin1Char('_')) value += d;
                    value += unescape(e);
                    i += 2;
                    continue;
                }
                if (d == quote) {
                    if (i + 1 < n && s.at(i + 1) == quote) {  // doubled quote
                        value += quote;
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                value += d;
                ++i;
            }
            Token t{closed ? Token::String : Token::Unterminated, value, false};
            t.afterLike = lastWord() == QLatin1String("like");
            out << t;
            continue;
        }
        if (c == QLatin1Char('`')) {
            QString name;
            bool closed = false;
            ++i;
            while (i < n) {
                if (s.at(i) == QLatin1Char('`')) {
                    if (i + 1 < n && s.at(i + 1) == QLatin1Char('`')) {
                        name += QLatin1Char('`');
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                name += s.at(i++);
            }
            out << Token{closed ? Token::QuotedName : Token::Unterminated, name.toLower(), false};
            continue;
        }
        // Comments: "#", "-- " (a blank or control character after the dashes), "/* */".
        const bool dashComment = c == QLatin1Char('-') && i + 1 < n && s.at(i + 1) == QLatin1Char('-') &&
                                 (i + 2 >= n || s.at(i + 2).unicode() <= ' ');
        if (c == QLatin1Char('#') || dashComment) {
            qsizetype end = s.indexOf(QLatin1Char('\n'), i);
            if (end < 0) end = n;
            out << Token{Token::Comment, s.mid(i, end - i), false};
            i = end;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < n && s.at(i + 1) == QLatin1Char('*')) {
            qsizetype end = s.indexOf(QLatin1String("*/"), i + 2);
            if (end < 0) {
                out << Token{Token::Unterminated, s.mid(i), false};
                break;
            }
            out << Token{Token::Comment, s.mid(i, end + 2 - i), false};
            i = end + 2;
            continue;
        }
        if (wordChar(c)) {
            qsizetype start = i;
            while (i < n && wordChar(s.at(i))) ++i;
            out << Token{Token::Word, s.mid(start, i - start).toLower(), false};
            continue;
        }
        out << Token{Token::Punct, QString(c), false};
        ++i;
    }
    return out;
}

QString shape(const QString& statement) {
    QStringList parts;
    for (const Token& t : lex(statement)) {
        switch (t.kind) {
            case Token::String: parts << QStringLiteral("S"); break;
            case Token::Word: parts << QStringLiteral("W:") + t.text; break;
            case Token::QuotedName: parts << QStringLiteral("N:") + t.text; break;
            case Token::Punct: parts << QStringLiteral("P:") + t.text; break;
            case Token::Comment: parts << QStringLiteral("C:") + t.text; break;
            case Token::Unterminated: parts << QStringLiteral("U:") + t.text; break;
        }
    }
    return parts.join(QLatin1Char(' '));
}

QStringList literals(const QString& statement) {
    QStringList out;
    for (const Token& t : lex(statement))
        if (t.kind == Token::String) out << t.text;
    return out;
}

QString likeForm(const QString& text) {
    QString s = text;
    s.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return s;
}

Comparison compare(const QString& payloadStatement, const QString& twinStatement, const QString& payload,
                   const QString& twin, bool checkValues) {
    Comparison c;
    if (shape(payloadStatement) != shape(twinStatement)) {
        c.sameShape = false;
        c.valuesExact = false;
        c.detail = QStringLiteral("shape differs:\n  %1\n  %2").arg(payloadStatement, twinStatement);
        return c;
    }
    // the duplicate finder's index holds folded forms of the typed values (its
    // shape, checked above, is what keeps it safe), not the values themselves
    const bool index = payloadStatement.startsWith(QLatin1String("replace into paper_match ")) ||
                       payloadStatement.startsWith(QLatin1String("update paper_match ")) ||
                       payloadStatement.startsWith(QLatin1String("delete from paper_"));
    if (!checkValues || index) return c;
    const QList<Token> p = lex(payloadStatement);
    const QList<Token> t = lex(twinStatement);
    for (qsizetype i = 0; i < p.size(); ++i) {
        if (p[i].kind != Token::String) continue;
        QStringList candidates;
        QString expected = t[i].text;
        if (t[i].afterLike) {
            candidates << expected.replace(twin, likeForm(payload));
        } else {
            candidates << QString(t[i].text).replace(twin, payload);
            const QString tt = db::trimBlanks(twin);
            if (!tt.isEmpty()) candidates << QString(t[i].text).replace(tt, db::trimBlanks(payload));
        }
        if (!candidates.contains(p[i].text)) {
            c.valuesExact = false;
            c.detail = QStringLiteral("value differs in:\n  %1\n  got      [%2]\n  expected [%3]")
                           .arg(payloadStatement, p[i].text, candidates.join(QStringLiteral("] or [")));
            return c;
        }
    }
    return c;
}

// ---- figures ----

namespace {
QMap<QString, qint64>& counters() {
    static QMap<QString, qint64> m;
    return m;
}
}  // namespace

void add(const QString& counter, qint64 amount) { counters()[counter] += amount; }
qint64 value(const QString& counter) { return counters().value(counter); }

void report(const QString& prefix) {
    QFile log(qEnvironmentVariable("PAPER_RESULTS_LOG"));
    const bool logging = !log.fileName().isEmpty() && log.open(QIODevice::Append | QIODevice::Text);
    QTextStream stream(&log);
    for (auto it = counters().cbegin(); it != counters().cend(); ++it) {
        if (!it.key().startsWith(prefix)) continue;
        const QString line = QStringLiteral("[reliability] %1 = %2").arg(it.key()).arg(it.value());
        std::printf("%s\n", line.toUtf8().constData());
        if (logging) stream << line << '\n';
    }
    std::fflush(stdout);
}

qint64 forSeconds(double seconds, const std::function<void(qint64)>& body) {
    QElapsedTimer timer;
    timer.start();
    qint64 round = 0;
    while (timer.elapsed() < qint64(seconds * 1000)) body(round++);
    return round;
}

}  // namespace rel
