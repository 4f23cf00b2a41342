#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

#include "db/Query.h"
#include "exchange/PaperCheck.h"
#include "exchange/SentAhead.h"
#include "scripting/HookCaller.h"

namespace exchange {

// What became of one paper of an import.
enum class Outcome { Imported, Updated, Skipped, Failed, NotWritten };
// "已导入", "已更新", "已跳过", "失败", "未写入".
QString outcomeText(Outcome outcome);

struct PaperOutcome {
    int index = 0;  // the paper's place in the list given to write()
    Outcome outcome = Outcome::NotWritten;
    QString reason;  // why it failed or was not written
};

struct WriteOptions {
    QString typist;          // the signed-in user
    QString date;            // entry date, "yyyy-mm-dd"
    bool updatePresent = false;  // papers already in the catalogue: update (else skip)
    int papersPerCommit = 500;
};

// One paper to write: its checked values and whether its key was found in
// the catalogue (then it is skipped or updated).
struct WriteJob {
    int index = 0;
    const CheckedPaper* paper = nullptr;
    bool present = false;
    QString replaces;  // a catalogue paper this one is written over ("可能重复", updated), or empty
};

// The counts of an import and each failure with its reason.
struct Summary {
    int imported = 0, updated = 0, skipped = 0, failed = 0, notWritten = 0;
    QString stopReason;    // why the import stopped early (cancel, lost connection), or empty
    QStringList failures;  // "key: reason"
    void add(const PaperOutcome& outcome, const QString& key);
    // The report: counts, then one line per failure.
    QString text() const;
};

// Writes papers through the entry logic (the same statements and hooks as
// the entry window, typist and entry date from the options), several papers
// per transaction with a savepoint before each: a paper whose statements fail
// or affect no row is rolled back to its savepoint alone and the others
// commit. A paper already in the catalogue is updated by removing its five
// rows and entering it anew under the same savepoint. The runs of several
// papers go to the statement thread in one job; the statements and outcomes
// are those of writing the papers one by one.
class PaperWriter {
public:
    // Called after each paper with the papers done and the total; returning
    // false stops after that paper (what is written so far is committed).
    using Progress = std::function<bool(int done, int total)>;

    PaperWriter(db::Query& query, scripting::HookCaller& hooks, WriteOptions options);

    // An error that escapes rolls the open batch back before it is thrown on,
    // so that nothing half-done stays. A "commit" that fails (the connection
    // lost on its way) is followed by a look-up of the batch's papers, which
    // are reported as the server holds them. A statement stopped by the busy
    // box's "取消" stops the import like the progress callback does: the papers
    // before it are written again and committed, the rest is not written.
    QVector<PaperOutcome> write(const QVector<WriteJob>& jobs, const Progress& progress = {});
    const Summary& summary() const { return summary_; }

private:
    bool stillInTransaction();
    void undoPaper();
    // Writes one paper after a savepoint of its own: out says Imported or
    // Updated, or Failed and why (the paper undone alone). False when the
    // failure took the whole open batch with it. A conflict is thrown.
    // The paper is the job at `at` of `jobs`; the papers after it, up to
    // `end` and `room` of them, go to the server in the same job when none
    // waits there for it yet (SentAhead).
    bool writePaper(const QVector<WriteJob>& jobs, int at, int end, int room, PaperOutcome& out);
    // True when the job sends statements (not skipped, not unusable).
    bool sends(const WriteJob& job) const;
    void settleCommit(const QVector<WriteJob>& jobs, QVector<PaperOutcome>& outcomes, const QVector<int>& pending,
                      const QString& error);

    db::Query& query_;
    scripting::HookCaller& hooks_;
    WriteOptions options_;
    Summary summary_;
    SentAhead ahead_;
};

// The paper keys of the catalogue (main.Paperid), for marking papers that are
// already in it.
QSet<QString> catalogueKeys(db::Query& query);

}  // namespace exchange
