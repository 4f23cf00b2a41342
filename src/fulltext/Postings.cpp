#include "fulltext/Postings.h"

namespace fulltext {
namespace {

void putVarint(QByteArray& out, std::uint64_t v) {
    while (v >= 0x80) {
        out.append(char((v & 0x7F) | 0x80));
        v >>= 7;
    }
    out.append(char(v));
}

bool getVarint(const unsigned char*& p, const unsigned char* end, std::uint64_t& v) {
    v = 0;
    for (int shift = 0; p < end && shift < 64; shift += 7) {
        const unsigned char b = *p++;
        v |= std::uint64_t(b & 0x7F) << shift;
        if (!(b & 0x80)) return true;
    }
    return false;
}

}  // namespace

QByteArray encodePostings(const QVector<Posting>& sorted) {
    QByteArray out;
    out.reserve(sorted.size() * 4);
    std::uint64_t lastDoc = 0;
    for (qsizetype i = 0; i < sorted.size();) {
        const std::uint64_t doc = sorted[i].doc;
        qsizetype j = i;
        while (j < sorted.size() && sorted[j].doc == doc) ++j;
        putVarint(out, doc - lastDoc);
        putVarint(out, std::uint64_t(j - i));
        std::uint32_t lastPage = 0;
        for (; i < j; ++i) {
            putVarint(out, sorted[i].page - lastPage);
            putVarint(out, sorted[i].count);
            lastPage = sorted[i].page;
        }
        lastDoc = doc;
    }
    return out;
}

bool decodePostings(const char* data, std::size_t size, QVector<Posting>& out) {
    auto p = reinterpret_cast<const unsigned char*>(data);
    const auto end = p + size;
    std::uint64_t doc = 0;
    while (p < end) {
        std::uint64_t delta, pages;
        if (!getVarint(p, end, delta) || !getVarint(p, end, pages)) return false;
        doc += delta;
        std::uint64_t page = 0;
        for (std::uint64_t k = 0; k < pages; ++k) {
            std::uint64_t pd, count;
            if (!getVarint(p, end, pd) || !getVarint(p, end, count)) return false;
            page += pd;
            out.append(Posting{doc, std::uint32_t(page), std::uint32_t(count)});
        }
    }
    return true;
}

QByteArray withoutDocument(const QByteArray& packed, std::uint64_t doc) {
    QVector<Posting> all;
    decodePostings(packed.constData(), std::size_t(packed.size()), all);
    QVector<Posting> kept;
    kept.reserve(all.size());
    for (const Posting& p : all)
        if (p.doc != doc) kept.append(p);
    return encodePostings(kept);
}

}  // namespace fulltext
