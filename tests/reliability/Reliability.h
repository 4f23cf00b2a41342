#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <functional>

// Shared pieces of the reliability suite: the hostile input corpus, the
// harmless twin of a payload, a small lexer of the server's SQL dialect that
// tells whether two statements have the same structure, the run mode (normal
// or long) and the figures the suite reports.
namespace rel {

// ---- run mode ----

// PAPER_LONG=1 in the environment: every payload through the server, many
// kill trials, minutes of fuzzing.
bool longMode();
// Seconds one fuzz target runs: PAPER_FUZZ_SECONDS, else 5 (120 in long mode).
double fuzzSeconds();
// Kill trials per position: PAPER_KILL_ROUNDS, else 1 (a handful in all), 4 in long mode.
int killRounds();

// ---- corpus ----

// The hostile payloads of tests/reliability/payloads.json.
const QStringList& payloads();
// Every payload in long mode; else an even spread of `normalCount` of them
// (all payloads through the builders cost nothing; the server sample keeps
// the normal run short). `offset` shifts the spread so that different windows
// see different payloads.
QStringList serverSample(int normalCount = 40, int offset = 0);

// The harmless twin of a payload: the same length, with every character that
// a flow or a hook treats specially kept (blanks and control characters,
// which are trimmed; Python's white space, which a hook strips; the list
// separators ";" and "；") and every other character replaced by "Q".
QString harmless(const QString& payload);

// Length in characters as the server counts them (code points).
int serverLength(const QString& text);

// ---- lexer ----

struct Token {
    enum Kind { Word, String, QuotedName, Punct, Comment, Unterminated };
    Kind kind;
    QString text;  // a word in lower case, a string's value after its escapes, a punctuation mark
    bool afterLike = false;  // a string right after the word "like"
};

// The statement as the server's lexer reads it (backslash escapes on).
QList<Token> lex(const QString& statement);

// The token kinds and every token but the string values: two statements with
// the same shape differ only in the values of their strings.
QString shape(const QString& statement);
// The string values of a statement, in order.
QStringList literals(const QString& statement);

// How a statement built from a payload compares with the statement built
// from its harmless twin.
struct Comparison {
    bool sameShape = true;
    bool valuesExact = true;  // every string holds the typed text where the twin holds the twin
    QString detail;
};
// `payload`/`twin` are what was typed; `forms` gives the pairs of texts that
// may stand for them in a string (trimmed, escaped for like, ...).
Comparison compare(const QString& payloadStatement, const QString& twinStatement, const QString& payload,
                   const QString& twin, bool checkValues = true);

// The pattern text the server sees for a typed search text between the "%"
// signs: backslashes doubled for like.
QString likeForm(const QString& text);

// ---- figures ----

// Adds to a named counter (e.g. "server.insert_d.tried"); the suite prints all
// counters at the end of the run and appends them to the results log.
void add(const QString& counter, qint64 amount = 1);
qint64 value(const QString& counter);
// Prints "[reliability] name = value" lines for every counter that starts with
// prefix, and appends them to $PAPER_RESULTS_LOG when set.
void report(const QString& prefix);

// Runs body repeatedly until `seconds` have passed; returns the rounds run.
qint64 forSeconds(double seconds, const std::function<void(qint64 round)>& body);

}  // namespace rel
