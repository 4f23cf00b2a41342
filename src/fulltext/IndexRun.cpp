#include "fulltext/IndexRun.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "db/DbError.h"
#include "db/OdbcQuery.h"
#include "db/SqlText.h"
#include "db/Transaction.h"
#include "exchange/PaperRecord.h"
#include "fulltext/IndexTables.h"
#include "catalogue/PaperFilePath.h"
#include "fulltext/SegmentMerge.h"
#include "pdf/ReaderProcess.h"

namespace fulltext {

IndexRun::IndexRun(const QString& connectionString, const QStringList& keys, const IndexLimits& limits,
                   QObject* parent)
    : QObject(parent), connectionString_(connectionString), keys_(keys), limits_(limits),
      readerProgram_(pdf::ReaderProcess::defaultProgram()) {}

IndexRun::~IndexRun() {
    if (writing_.valid()) writing_.wait();
}

void IndexRun::start() {
    query_ = new db::OdbcQuery(this);
    query_->setConnectionString(connectionString_);
    try {
        if (!indexPresent(*query_)) {
            summary_.error = QStringLiteral("数据库中没有全文索引表（请用 sql/upgrade-fulltext.sql 建立）");
            end();
            return;
        }
        plan();
    } catch (const db::DbError& e) {
        summary_.error = e.message();
        end();
        return;
    }
    if (stopped() || wanted_.isEmpty()) {
        summary_.cancelled = stopped();
        end();
        return;
    }
    emit progress(0, int(wanted_.size()));
    reader_ = new pdf::ReaderProcess(this);
    reader_->setProgram(readerProgram_);
    reader_->setTimeLimit(limits_.timeLimitMs);
    reader_->setArguments({QStringLiteral("--text"), QString::number(limits_.maxPages),
                           QString::number(limits_.maxChars)});
    connect(reader_, &pdf::ReaderProcess::lineRead, this, &IndexRun::lineRead);
    connect(reader_, &pdf::ReaderProcess::fileRead, this, &IndexRun::fileFailed);
    connect(reader_, &pdf::ReaderProcess::finished, this, &IndexRun::readerDone);
    QStringList paths;
    for (const Wanted& w : wanted_) paths.append(w.path);
    reader_->start(paths);
}

void IndexRun::cancel() {
    cancelled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (reader_ && reader_->isRunning()) reader_->cancel();
        },
        Qt::QueuedConnection);
}

void IndexRun::plan() {
    // a whole-catalogue run also reads again the files whose text was indexed
    // before pair terms (CommonGrams.h), so that they get them
    const QSet<std::uint64_t> withPairs = keys_.isEmpty() ? docsWithPairs(*query_) : QSet<std::uint64_t>();
    QString sql = QStringLiteral(
        "select a.Paperid, a.dir, a.filename, d.file_size, d.file_mtime, d.file_hash, d.doc_id, "
        "d.pages>0 and d.error is null from address a left join fulltext_doc d on d.Paperid=a.Paperid");
    if (!keys_.isEmpty()) sql += QStringLiteral(" where a.Paperid in (") + quotedList(keys_) + QLatin1Char(')');
    query_->openSql(sql);
    const auto rows = query_->result();
    for (qint64 r = 0; rows && r < rows->rowCount(); ++r) {
        Wanted w{rows->text(r, 0), rows->text(r, 1), rows->text(r, 2), QString(), rows->text(r, 5)};
        if (w.filename.trimmed().isEmpty()) continue;  // no file named
        w.path = catalogue::paperFilePath(w.dir, w.filename);
        const QFileInfo fi(w.path);
        if (!fi.isFile()) {
            summary_.notFound.append(w.key + QStringLiteral("：") + w.path);
            continue;
        }
        const bool withoutPairs = keys_.isEmpty() && !rows->isNull(r, 6) && rows->text(r, 7) == QLatin1String("1") &&
                                  !withPairs.contains(rows->text(r, 6).toULongLong());
        if (withoutPairs) w.oldHash.clear();  // written again even when its content is the same
        else if (!rows->isNull(r, 6) && rows->text(r, 3).toLongLong() == fi.size() &&
                 rows->text(r, 4).toLongLong() == fi.lastModified().toMSecsSinceEpoch()) {
            ++summary_.unchanged;
            continue;
        }
        wanted_.append(w);
    }
    query_->close();
    if (!keys_.isEmpty()) return;
    // documents whose paper went by a way that did not take them along
    query_->openSql(QStringLiteral("select d.doc_id, d.seg from fulltext_doc d left join address a on "
                                   "a.Paperid=d.Paperid where a.Paperid is null"));
    QVector<IndexedDoc> orphans;
    for (; !query_->eof(); query_->next()) orphans.append({query_->field(0).toULongLong(), query_->field(1).toULongLong()});
    query_->close();
    if (orphans.isEmpty()) return;
    db::Transaction change(*query_);
    forgetDocs(*query_, orphans);
    change.finish(true);
}

void IndexRun::lineRead(int index, const QByteArray& line) {
    if (ended_ || stopped()) return;
    const Wanted& w = wanted_[index];
    const QJsonObject o = QJsonDocument::fromJson(line).object();
    ExtractedFile f{w.key, w.dir, w.filename, qint64(o.value(QStringLiteral("size")).toDouble()),
                    qint64(o.value(QStringLiteral("mtime")).toDouble()), o.value(QStringLiteral("hash")).toString(),
                    {}, o.value(QStringLiteral("error")).toString()};
    if (f.hash.isEmpty()) {
        // not even the bytes could be read: tried again next time
        const QString why = f.error.isEmpty() ? QStringLiteral("读取程序的回答无法识别") : f.error;
        if (why == QStringLiteral("文件不存在")) summary_.notFound.append(w.key + QStringLiteral("：") + w.path);
        else summary_.failed.append(w.path + QStringLiteral("：") + why);
    } else if (f.hash == w.oldHash) {
        try {
            touchFile(*query_, w.key, f.size, f.mtime);
        } catch (const db::DbError& e) {
            summary_.error = e.message();
            cancel();
            return;
        }
        ++summary_.unchanged;
    } else {
        for (const QJsonValue& page : o.value(QStringLiteral("pages")).toArray()) {
            f.pages.append(page.toString());
            batchChars_ += f.pages.last().size();
        }
        if (!f.error.isEmpty()) summary_.failed.append(w.path + QStringLiteral("：") + f.error);
        batch_.append(f);
        if (batch_.size() >= limits_.batchFiles || batchChars_ >= limits_.batchChars) flush();
    }
    emit progress(index + 1, int(wanted_.size()));
}

void IndexRun::fileFailed(int index, const exchange::PaperRecord& record) {
    if (ended_ || stopped()) return;
    const Wanted& w = wanted_[index];
    summary_.failed.append(w.path + QStringLiteral("：") + record.error);
    // kept with its size and time, so that it is read again only once it changed
    const QFileInfo fi(w.path);
    batch_.append(ExtractedFile{w.key, w.dir, w.filename, fi.size(), fi.lastModified().toMSecsSinceEpoch(),
                                QString(), {}, record.error});
    emit progress(index + 1, int(wanted_.size()));
}

void IndexRun::flush() {
    if (batch_.isEmpty()) return;
    collectWrite();  // at most one batch in writing
    QVector<ExtractedFile> files = std::move(batch_);
    batch_.clear();
    batchChars_ = 0;
    if (!summary_.error.isEmpty()) return;
    writing_ = std::async(std::launch::async, [connection = connectionString_, files = std::move(files)] {
        db::OdbcQuery writer;
        writer.setConnectionString(connection);
        return writeBatch(writer, files);
    });
}

void IndexRun::collectWrite() {
    if (!writing_.valid()) return;
    try {
        summary_.indexed += writing_.get();
    } catch (const db::DbError& e) {
        summary_.error = e.message();
        cancel();
    }
}

void IndexRun::readerDone(bool cancelled) {
    if (!cancelled && !stopped()) flush();
    collectWrite();
    if (!cancelled && !stopped()) {
        try {
            if (summary_.error.isEmpty()) mergeSmallSegments(*query_);
        } catch (const db::DbError& e) {
            summary_.error = e.message();
        }
    }
    summary_.cancelled = summary_.error.isEmpty() && (cancelled || stopped());
    end();
}

void IndexRun::end() {
    if (ended_) return;
    collectWrite();
    ended_ = true;
    emit finished(summary_);
}

}  // namespace fulltext
