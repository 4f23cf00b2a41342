#pragma once

#include "db/Query.h"

namespace fulltext {

// Papers indexed one at a time (an entry, a changed file) leave a segment
// each, so a common term is spread over as many posting rows. Once at least
// `atLeast` segments hold fewer than `smallDocs` documents each, their
// postings are merged into one segment (at most `most` segments a time), in
// one transaction. Returns the number of segments merged (0: below the count).
int mergeSmallSegments(db::Query& query, int smallDocs = 100, int atLeast = 32, int most = 2000);

}  // namespace fulltext
