#pragma once

#include <QComboBox>
#include <QList>
#include <QStringList>

#include "admin/Accounts.h"
#include "db/Messages.h"

// Widget pieces shared by the account windows.
namespace admin {

// An editable right box with the items "普通用户" and "高级用户" and empty text.
QComboBox* newRightBox(QWidget* parent, const QString& objectName);
// An editable user box, empty until the window fills it.
QComboBox* newUserBox(QWidget* parent, const QString& objectName);
// Adds the names as items and keeps the box's text as it was.
void fillUserBox(QComboBox* box, const QStringList& names);
using db::messages::show;

}  // namespace admin
