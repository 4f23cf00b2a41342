#include "exchange/PaperWriter.h"

#include "catalogue/RemovePaper.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "db/RetryOnConflict.h"

namespace exchange {

QString outcomeText(Outcome outcome) {
    switch (outcome) {
        case Outcome::Imported:
            return QStringLiteral("已导入");
        case Outcome::Updated:
            return QStringLiteral("已更新");
        case Outcome::Skipped:
            return QStringLiteral("已跳过");
        case Outcome::Failed:
            return QStringLiteral("失败");
        case Outcome::NotWritten:
            return QStringLiteral("未写入");
    }
    return {};
}

void Summary::add(const PaperOutcome& o, const QString& key) {
    switch (o.outcome) {
        case Outcome::Imported:
            ++imported;
            break;
        case Outcome::Updated:
            ++updated;
            break;
        case Outcome::Skipped:
            ++skipped;
            break;
        case Outcome::Failed:
            ++failed;
            failures << key + QStringLiteral("：") + o.reason;
            break;
        case Outcome::NotWritten:
            ++notWritten;
            break;
    }
}

QString Summary::text() const {
    QString t = QStringLiteral("导入 %1 篇，更新 %2 篇，跳过 %3 篇，失败 %4 篇，未写入 %5 篇")
                    .arg(imported)
                    .arg(updated)
                    .arg(skipped)
                    .arg(failed)
                    .arg(notWritten);
    if (!stopReason.isEmpty()) t += QStringLiteral("\n中途停止：") + stopReason;
    if (!failures.isEmpty())
        t += QStringLiteral("\n失败原因：\n") + failures.join(QLatin1Char('\n'));
    return t;
}

namespace {

const QString kSavepoint = QStringLiteral("savepoint paper");
const QString kRollbackPaper = QStringLiteral("rollback to savepoint paper");
const QString kNoRow = QStringLiteral("有语句未影响任何行（未知错误）");
const QString kLost = QStringLiteral("本批未能提交（连接中断或事务被回滚）");

// The user stopped the import after a paper whose run went to the server
// together with those of papers after it.
struct SentTooFar {};

}  // namespace

QSet<QString> catalogueKeys(db::Query& query) {
    query.openSql(QStringLiteral("select Paperid from main"));
    QSet<QString> keys;
    if (const auto rows = query.result()) {
        keys.reserve(rows->rowCount());
        for (qint64 i = 0; i < rows->rowCount(); ++i) keys.insert(rows->text(i, 0));
    }
    query.close();
    return keys;
}

PaperWriter::PaperWriter(db::Query& query, scripting::HookCaller& hooks, WriteOptions options)
    : query_(query), hooks_(hooks), options_(std::move(options)) {
    if (options_.papersPerCommit < 1) options_.papersPerCommit = 1;
}

bool PaperWriter::stillInTransaction() {
    query_.openSql(QStringLiteral("select @@in_transaction"));
    const bool open = query_.field(0) == QLatin1String("1");
    query_.close();
    return open;
}

void PaperWriter::undoPaper() { query_.execSql(kRollbackPaper); }

bool PaperWriter::sends(const WriteJob& job) const {
    return (!job.present || options_.updatePresent) && job.paper->status != Status::Unusable;
}

bool PaperWriter::writePaper(const QVector<WriteJob>& jobs, int at, int end, int room, PaperOutcome& out) {
    const WriteJob& job = jobs[at];
    try {
        if (!ahead_.has(at)) {
            // The savepoint and the removals go in one run with the paper's
            // own statements; the runs of the papers after it go along.
            const auto build = [&](int j) {
                const CheckedPaper& p = *jobs[j].paper;
                QStringList before{kSavepoint};
                if (jobs[j].present) before << catalogue::removal::deleteStatements(p.key);
                if (!jobs[j].replaces.isEmpty() && jobs[j].replaces != p.key)
                    before << catalogue::removal::deleteStatements(jobs[j].replaces);
                return catalogue::entry::paperRun(hooks_, p.entry, p.key, options_.typist, options_.date, before);
            };
            ahead_.send(query_, at, end, room, [&](int j) { return sends(jobs[j]); }, build);
        }
        const auto counts = ahead_.take(query_, at);
        if (catalogue::entry::allAffected(counts)) {
            out.outcome = job.present || !job.replaces.isEmpty() ? Outcome::Updated : Outcome::Imported;
        } else {
            out.outcome = Outcome::Failed;
            out.reason = kNoRow;
            undoPaper();
        }
    } catch (const scripting::HookError& e) {
        // The query object knows nothing of a script's failure.
        out.outcome = Outcome::Failed;
        out.reason = e.message();
        undoPaper();
    } catch (const db::StatementCancelled&) {
        throw;  // the whole batch was rolled back: the import stops
    } catch (const db::DbError& e) {
        if (db::isConflict(e)) throw;  // the whole batch again
        // No savepoint, no paper to undo: the batch as a whole is in doubt.
        if (query_.sql() == kSavepoint) throw;
        // The query object has rolled back to the savepoint, or the whole
        // batch when it could not (a lost connection).
        out.outcome = Outcome::Failed;
        out.reason = e.message();
        return stillInTransaction();
    }
    return true;
}

// "commit" failed without a conflict: the connection may have gone after the
// server had committed. The papers of the batch are looked up over a new
// connection and reported as they are stored.
void PaperWriter::settleCommit(const QVector<WriteJob>& jobs, QVector<PaperOutcome>& outcomes,
                               const QVector<int>& pending, const QString& error) {
    QSet<QString> stored;
    QString unknown;
    try {
        for (int from = 0; from < pending.size(); from += 200) {
            QStringList keys;
            for (int k = from; k < std::min<int>(from + 200, pending.size()); ++k)
                keys << QLatin1Char('\'') + db::sqlQuote(jobs[pending[k]].paper->key) + QLatin1Char('\'');
            query_.openSql(QStringLiteral("select Paperid from type_in where typist='%1' and type_time='%2' and "
                                          "Paperid in (%3)")
                               .arg(db::sqlQuote(options_.typist), db::sqlQuote(options_.date),
                                    keys.join(QLatin1Char(','))));
            if (const auto rows = query_.result())
                for (qint64 r = 0; r < rows->rowCount(); ++r) stored.insert(rows->text(r, 0));
            query_.close();
        }
    } catch (const db::DbError& e) {
        unknown = e.message();
    }
    for (int j : pending) {
        PaperOutcome& out = outcomes[j];
        if (!unknown.isEmpty()) {
            out.outcome = Outcome::Failed;
            out.reason = QStringLiteral("提交时出错（%1），无法确认是否已保存：%2").arg(error, unknown);
        } else if (!stored.contains(jobs[j].paper->key)) {
            out.outcome = Outcome::Failed;
            out.reason = kLost + QStringLiteral("：") + error;
        }
        // else: committed after all; Imported or Updated stays
    }
}

QVector<PaperOutcome> PaperWriter::write(const QVector<WriteJob>& jobs, const Progress& progress) {
    summary_ = Summary{};
    QVector<PaperOutcome> outcomes(jobs.size());
    for (int i = 0; i < jobs.size(); ++i) outcomes[i].index = jobs[i].index;

    QVector<int> pending;  // written in the open batch, not yet committed
    bool open = false;
    auto loseBatch = [&](const QString& reason, Outcome outcome = Outcome::Failed) {
        for (int j : pending) {
            outcomes[j].outcome = outcome;
            outcomes[j].reason = reason;
        }
        pending.clear();
        open = false;
    };
    int attemptsOfBatch = 1;
    bool settled = false;  // a failed "commit" was looked into
    auto commit = [&] {
        if (!open) return;
        try {
            query_.execSql(QStringLiteral("commit"));
        } catch (const db::StatementCancelled&) {
            throw;
        } catch (const db::DbError& e) {
            if (db::isConflict(e)) throw;
            open = false;
            settleCommit(jobs, outcomes, pending, e.message());
            pending.clear();
            settled = true;
            throw;
        }
        open = false;
        pending.clear();
        attemptsOfBatch = 1;
    };

    const QString kCancelledByUser = QStringLiteral("用户取消");
    int done = 0;
    int next = 0;
    int batchStart = 0;  // the first job of the open transaction
    int end = int(jobs.size());  // after a cancel: where the writing stops
    bool stopped = false;  // by the user, after job next - 1
    ahead_.clear();
    // The open batch is gone: it is written again from its first paper up to
    // `stop`, where the import stops.
    auto writeAgainUpTo = [&](int stop) {
        ahead_.clear();
        pending.clear();
        open = false;
        end = stop;
        for (int j = batchStart; j <= next && j < jobs.size(); ++j) outcomes[j] = PaperOutcome{jobs[j].index};
        next = batchStart;
        done = batchStart;
    };
    try {
        for (;;) {
            try {
                for (; next < end; ++next) {
                    const WriteJob& job = jobs[next];
                    PaperOutcome& out = outcomes[next];
                    const CheckedPaper& p = *job.paper;
                    if (job.present && !options_.updatePresent) {
                        out.outcome = Outcome::Skipped;
                    } else if (p.status == Status::Unusable) {
                        out.outcome = Outcome::Failed;
                        out.reason = p.notes.join(QStringLiteral("；"));
                    } else {
                        if (!open) {
                            batchStart = next;
                            query_.execSql(QStringLiteral("begin"));
                            open = true;
                        }
                        if (!writePaper(jobs, next, end, options_.papersPerCommit - int(pending.size()), out))
                            loseBatch(kLost);
                        else if (out.outcome != Outcome::Failed)
                            pending << next;
                        if (open && pending.size() >= options_.papersPerCommit) commit();
                    }
                    ++done;
                    if (end == jobs.size() && progress && !progress(done, jobs.size())) {
                        if (ahead_.sentAfter(next)) {
                            query_.execSql(QStringLiteral("rollback"));
                            throw SentTooFar{};
                        }
                        ++next;
                        stopped = true;
                        summary_.stopReason = kCancelledByUser;
                        break;
                    }
                }
                commit();
                if (end < jobs.size()) {
                    stopped = true;
                    summary_.stopReason = kCancelledByUser;
                }
                break;
            } catch (const db::StatementCancelled&) {
                // "取消" of the busy box stopped a statement: the query object
                // has rolled the open batch back. As with the window's own
                // "取消", what came before the stopped paper is kept: the batch
                // is written again up to it, and the import stops there.
                if (end < jobs.size()) throw;  // stopped again while doing so
                writeAgainUpTo(next);
            } catch (const SentTooFar&) {
                // The batch, rolled back, is written again up to the paper the
                // user stopped after, and the import stops there.
                writeAgainUpTo(next + 1);
            } catch (const db::DbError& e) {
                // On a cluster a batch can lose to a change committed through another
                // node (on one server: a deadlock): the server dropped the whole
                // transaction. It is written again from its first paper, hooks and
                // all, a few times before the import stops on it.
                if (!open || !db::isConflict(e)) throw;
                if (attemptsOfBatch >= db::kConflictAttempts)
                    throw db::conflictError(e, attemptsOfBatch);
                try {
                    query_.execSql(QStringLiteral("rollback"));
                } catch (const db::DbError&) {
                }
                for (int j = batchStart; j < jobs.size() && j <= next; ++j)
                    outcomes[j] = PaperOutcome{jobs[j].index};
                ahead_.clear();
                pending.clear();
                open = false;
                ++attemptsOfBatch;
                db::detail::pauseBeforeRetry(attemptsOfBatch);
                next = batchStart;
                done = batchStart;
            }
        }
    } catch (const db::StatementCancelled&) {
        ahead_.clear();
        loseBatch(kCancelledByUser, Outcome::NotWritten);
        summary_.stopReason = kCancelledByUser;
        next = std::min(next, end);
    } catch (const db::DbError& e) {
        // The server refused "begin", "commit" or the check itself: what is
        // open cannot be trusted.
        if (open) {
            try {
                query_.execSql(QStringLiteral("rollback"));
            } catch (...) {
            }
        }
        loseBatch(kLost);
        summary_.stopReason = e.message();
        // The job at hand failed with it; after a stop it was never tried,
        // and after a failed commit it is what the look-up found.
        if (settled) {
            if (next < jobs.size() && outcomes[next].outcome != Outcome::NotWritten) ++next;
        } else if (!stopped) {
            if (next < jobs.size() && outcomes[next].outcome != Outcome::Failed) {
                outcomes[next].outcome = Outcome::Failed;
                outcomes[next].reason = e.message();
            }
            ++next;
        }
    } catch (...) {
        if (open) {
            try {
                query_.execSql(QStringLiteral("rollback"));
            } catch (...) {
            }
        }
        throw;
    }
    for (int i = next; i < jobs.size(); ++i) {
        outcomes[i].outcome = Outcome::NotWritten;
        outcomes[i].reason = summary_.stopReason;
    }
    for (int i = 0; i < jobs.size(); ++i) summary_.add(outcomes[i], jobs[i].paper->key);
    return outcomes;
}

}  // namespace exchange
