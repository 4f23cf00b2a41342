#pragma once

#include <QString>
#include <vector>

#include "pdf/LineFeatures.h"

namespace pdf {

// Tells the kinds of a page's lines apart from their features: for each
// line kLineKinds likelihoods (in the order of LineKind) that add up to one.
class LineClassifier {
public:
    virtual ~LineClassifier() = default;
    // False, with the reason in error, when it cannot (no model, a damaged one).
    virtual bool classify(const LineFeatures& features, std::vector<float>& kinds, QString& error) const = 0;
};

}  // namespace pdf
