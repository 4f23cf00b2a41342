#include "window/BusyIndicator.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace busy {

BusyIndicator::BusyIndicator(QWidget* window) : QDialog(window) {
    setObjectName(QStringLiteral("BusyIndicator"));
    setWindowTitle(QCoreApplication::translate("BusyIndicator", "正在执行"));
    setWindowModality(Qt::WindowModal);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* what = new QLabel(QCoreApplication::translate("BusyIndicator", "正在执行数据库语句，请稍候……"), this);
    elapsed_ = new QLabel(this);
    elapsed_->setObjectName(QStringLiteral("Label_elapsed"));
    cancel_ = new QPushButton(QCoreApplication::translate("BusyIndicator", "取消"), this);
    cancel_->setObjectName(QStringLiteral("Button_cancel"));
    cancel_->setAutoDefault(false);

    auto* row = new QHBoxLayout;
    row->addWidget(elapsed_, 1);
    row->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(what);
    layout->addLayout(row);
    setElapsed(0);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));

    connect(cancel_, &QPushButton::clicked, this, &BusyIndicator::requestCancel);
}

void BusyIndicator::setElapsed(qint64 milliseconds) {
    elapsed_->setText(QCoreApplication::translate("BusyIndicator", "已用时 %1 秒").arg(double(milliseconds) / 1000.0, 0, 'f', 1));
}

void BusyIndicator::reject() { requestCancel(); }

void BusyIndicator::closeEvent(QCloseEvent* event) {
    // The box goes away when the statement has ended, not before.
    event->ignore();
    requestCancel();
}

void BusyIndicator::requestCancel() {
    if (cancelling_) return;
    cancelling_ = true;
    cancel_->setEnabled(false);
    cancel_->setText(QCoreApplication::translate("BusyIndicator", "正在取消……"));
    emit cancelRequested();
}

}  // namespace busy
