#include <QMessageBox>

#include "db/Messages.h"

// The message boxes of db::messages: every program that links the window
// layer shows them.
namespace {

void showBox(const db::messages::Shown& shown) {
    const bool report = shown.kind == db::messages::Kind::ErrorReport;
    QMessageBox box(report ? QMessageBox::Critical : QMessageBox::NoIcon, shown.caption, shown.text,
                    QMessageBox::Ok);
    box.exec();
}

const bool installed = [] {
    db::messages::setBoxes(&showBox);
    return true;
}();

}  // namespace
