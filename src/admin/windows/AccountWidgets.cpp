#include "admin/windows/AccountWidgets.h"

#include "db/Messages.h"

namespace admin {

namespace {
QComboBox* newEditableBox(QWidget* parent, const QString& objectName) {
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setEditable(true);
    // Typed text is used as it stands and never added to the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}
}  // namespace

QComboBox* newRightBox(QWidget* parent, const QString& objectName) {
    QComboBox* box = newEditableBox(parent, objectName);
    box->addItems(rightItems());
    box->setCurrentIndex(-1);
    box->setEditText(QString());
    return box;
}

QComboBox* newUserBox(QWidget* parent, const QString& objectName) {
    return newEditableBox(parent, objectName);
}

void fillUserBox(QComboBox* box, const QStringList& names) {
    const QString text = box->currentText();
    box->addItems(names);
    box->setCurrentIndex(-1);
    box->setEditText(text);
}

}  // namespace admin
