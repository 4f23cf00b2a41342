#include "exchange/PaperWriter.h"

#include "catalogue/RemovePaper.h"
#include "db/DbError.h"
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

bool PaperWriter::writePaper(const WriteJob& job, PaperOutcome& out) {
    const CheckedPaper& p = *job.paper;
    query_.execSql(kSavepoint);
    try {
        if (job.present)
            for (const QString& d : catalogue::removal::deleteStatements(p.key)) query_.execSql(d);
        if (!job.replaces.isEmpty() && job.replaces != p.key)
            for (const QString& d : catalogue::removal::deleteStatements(job.replaces)) query_.execSql(d);
        const auto counts = catalogue::entry::sendPaper(query_, hooks_, p.entry, p.key,
                                                        options_.typist, options_.date);
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
    } catch (const db::DbError& e) {
        if (db::isConflict(e)) throw;  // the whole batch again
        // The query object has rolled back to the savepoint, or the whole
        // batch when it could not (a lost connection).
        out.outcome = Outcome::Failed;
        out.reason = e.message();
        return stillInTransaction();
    }
    return true;
}

QVector<PaperOutcome> PaperWriter::write(const QVector<WriteJob>& jobs, const Progress& progress) {
    summary_ = Summary{};
    QVector<PaperOutcome> outcomes(jobs.size());
    for (int i = 0; i < jobs.size(); ++i) outcomes[i].index = jobs[i].index;

    QVector<int> pending;  // written in the open batch, not yet committed
    bool open = false;
    auto loseBatch = [&](const QString& reason) {
        for (int j : pending) {
            outcomes[j].outcome = Outcome::Failed;
            outcomes[j].reason = reason;
        }
        pending.clear();
        open = false;
    };
    int attemptsOfBatch = 1;
    auto commit = [&] {
        if (!open) return;
        query_.execSql(QStringLiteral("commit"));
        open = false;
        pending.clear();
        attemptsOfBatch = 1;
    };

    int done = 0;
    int next = 0;
    int batchStart = 0;  // the first job of the open transaction
    bool stopped = false;  // by the user, after job next - 1
    try {
        for (;;) {
            try {
                for (; next < jobs.size(); ++next) {
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
                            query_.execSql(QStringLiteral("begin"));
                            open = true;
                            batchStart = next;
                        }
                        if (!writePaper(job, out))
                            loseBatch(kLost);
                        else if (out.outcome != Outcome::Failed)
                            pending << next;
                        if (open && pending.size() >= options_.papersPerCommit) commit();
                    }
                    ++done;
                    if (progress && !progress(done, jobs.size())) {
                        ++next;
                        stopped = true;
                        summary_.stopReason = QStringLiteral("用户取消");
                        break;
                    }
                }
                commit();
                break;
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
                pending.clear();
                open = false;
                ++attemptsOfBatch;
                db::detail::pauseBeforeRetry(attemptsOfBatch);
                next = batchStart;
                done = batchStart;
            }
        }
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
        // The job at hand failed with it; after a stop it was never tried.
        if (!stopped) {
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
