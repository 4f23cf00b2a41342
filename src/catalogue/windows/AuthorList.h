#pragma once

#include <QComboBox>

#include "db/Query.h"

// The editable author drop-down of the author directory windows: the user may
// pick a name or type any text, which is then used exactly as typed.
namespace catalogue {

QComboBox* makeAuthorList(QWidget* parent);

// Fills the list from the directory, sorted by name; the typed text stays
// empty. An error leaves the list as far as it got.
void fillAuthorList(QComboBox* list, db::Query& query, const QString& connection);

}  // namespace catalogue
