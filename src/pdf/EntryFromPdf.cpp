#include "pdf/EntryFromPdf.h"

namespace pdf {

EntryTexts entryTexts(const exchange::PaperRecord& r) {
    EntryTexts e;
    e.title = r.title;
    e.author = r.authors.value(0);
    e.date = r.date;
    e.filename = r.filename;
    e.dir = r.dir;
    const QStringList further = r.authors.mid(1, 4);
    e.authorsTicked = !further.isEmpty();
    e.authors = further.join(QStringLiteral("；"));
    const QStringList kwords = r.keywords.mid(0, 10);
    e.kwordsTicked = !kwords.isEmpty();
    e.kwords = kwords.join(QStringLiteral("；"));
    e.remark = r.remark;
    return e;
}

}  // namespace pdf
