#include "Workloads.h"

#include <QFile>
#include <stdexcept>

#include "catalogue/SelectStatements.h"

namespace bench {

QString quickSearchStatement() { return catalogue::search::quickStatement({}, {}, {}); }

QString detailedAllColumnsStatement() {
    catalogue::search::Outputs outputs;
    outputs.fill(true);
    catalogue::search::Ticks ticks;
    ticks.fill(false);
    return catalogue::search::detailedStatement(outputs, ticks, {});
}

namespace {

QString unescape(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        char c = field[i];
        if (c == '\\' && i + 1 < field.size()) {
            char n = field[++i];
            out += n == 't' ? '\t' : n == 'n' ? '\n' : n == '0' ? '\0' : n;
        } else {
            out += c;
        }
    }
    return QString::fromUtf8(out);
}

}  // namespace

QList<catalogue::entry::PaperEntry> readEntries(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
    QList<catalogue::entry::PaperEntry> entries;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.isEmpty()) continue;
        const QList<QByteArray> v = line.split('\t');
        if (v.size() != 13) throw std::runtime_error("bad line in " + path.toStdString());
        auto flag = [](const QByteArray& b) { return b == "1"; };
        catalogue::entry::PaperEntry e;
        e.title = unescape(v[0]);
        e.author = unescape(v[1]);
        e.date = unescape(v[2]);
        e.filename = unescape(v[3]);
        e.dir = unescape(v[4]);
        e.kwordsTicked = flag(v[5]);
        e.kwords = unescape(v[6]);
        e.authorsTicked = flag(v[7]);
        e.authors = unescape(v[8]);
        e.catalogTicked = flag(v[9]);
        e.catalog = unescape(v[10]);
        e.remarkTicked = flag(v[11]);
        e.remark = unescape(v[12]);
        entries.append(e);
    }
    return entries;
}

}  // namespace bench
