#include "pdf/reader/XgbLineClassifier.h"

#include <xgboost/c_api.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace pdf::reader {
namespace {

QString lastError() { return QString::fromUtf8(XGBGetLastError()); }

}  // namespace

XgbLineClassifier::XgbLineClassifier(const QString& modelFile) {
    const QString problem = QStringLiteral("版面模型文件%1").arg(QDir::toNativeSeparators(modelFile));
    if (!QFileInfo(modelFile).isFile()) {
        loadError_ = problem + QStringLiteral("不存在，无法读取PDF（请重新安装程序）");
        return;
    }
    BoosterHandle h = nullptr;
    if (XGBoosterCreate(nullptr, 0, &h) != 0) {
        loadError_ = problem + QStringLiteral("无法载入：") + lastError();
        return;
    }
    if (XGBoosterLoadModel(h, QFile::encodeName(modelFile).constData()) != 0) {
        loadError_ = problem + QStringLiteral("已损坏，无法读取PDF（请重新安装程序）");
        XGBoosterFree(h);
        return;
    }
    XGBoosterSetParam(h, "nthread", "1");
    bst_ulong features = 0;
    if (XGBoosterGetNumFeature(h, &features) != 0 || int(features) != LineFeatures::count()) {
        loadError_ = problem + QStringLiteral("与本程序不配（特征数 %1，应为 %2），请重新训练或重新安装")
                                   .arg(qulonglong(features))
                                   .arg(LineFeatures::count());
        XGBoosterFree(h);
        return;
    }
    booster_ = h;
}

XgbLineClassifier::~XgbLineClassifier() {
    if (booster_) XGBoosterFree(booster_);
}

QString XgbLineClassifier::defaultModelFile() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("pdf_line_model.ubj"));
}

bool XgbLineClassifier::classify(const LineFeatures& features, std::vector<float>& kinds, QString& error) const {
    kinds.clear();
    if (!booster_) {
        error = loadError_;
        return false;
    }
    if (features.rows() == 0) return true;
    DMatrixHandle m = nullptr;
    if (XGDMatrixCreateFromMat(features.values().data(), bst_ulong(features.rows()), bst_ulong(LineFeatures::count()),
                               std::nanf(""), &m) != 0) {
        error = QStringLiteral("版面模型无法计算：") + lastError();
        return false;
    }
    bst_ulong length = 0;
    const float* out = nullptr;
    const int rc = XGBoosterPredict(booster_, m, 0, 0, 0, &length, &out);
    if (rc != 0 || length != bst_ulong(features.rows()) * kLineKinds) {
        error = QStringLiteral("版面模型无法计算：") + (rc != 0 ? lastError() : QStringLiteral("输出的类别数不对"));
        XGDMatrixFree(m);
        return false;
    }
    kinds.assign(out, out + length);
    XGDMatrixFree(m);
    return true;
}

}  // namespace pdf::reader
