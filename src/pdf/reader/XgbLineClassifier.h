#pragma once

#include <QString>

#include "pdf/LineClassifier.h"

namespace pdf::reader {

// The line classifier of the reader: gradient-boosted trees trained by
// bench/pdf_train.py, in XGBoost's own model file, evaluated through
// XGBoost's C library on one thread. A model that is missing, damaged or
// made for other features answers every page with an error that says so.
class XgbLineClassifier : public LineClassifier {
public:
    explicit XgbLineClassifier(const QString& modelFile);
    ~XgbLineClassifier() override;
    XgbLineClassifier(const XgbLineClassifier&) = delete;
    XgbLineClassifier& operator=(const XgbLineClassifier&) = delete;

    // The model beside the reader program.
    static QString defaultModelFile();

    bool ready() const { return booster_ != nullptr; }
    const QString& loadError() const { return loadError_; }
    bool classify(const LineFeatures& features, std::vector<float>& kinds, QString& error) const override;

private:
    void* booster_ = nullptr;
    QString loadError_;
};

}  // namespace pdf::reader
