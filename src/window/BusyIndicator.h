#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace busy {

// The small window-modal box shown over a window whose statement takes a
// while: what is going on, the time it has taken so far, and "取消".
// Escape and the box's own close ask for the cancel as "取消" does.
class BusyIndicator : public QDialog {
    Q_OBJECT
public:
    explicit BusyIndicator(QWidget* window);

    void setElapsed(qint64 milliseconds);
    QPushButton* cancelButton() const { return cancel_; }

    void reject() override;

signals:
    void cancelRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void requestCancel();

    QLabel* elapsed_;
    QPushButton* cancel_;
    bool cancelling_ = false;
};

}  // namespace busy
