#pragma once

#include <QString>

namespace catalogue {

// The path of a paper's file: its folder and file name as stored, joined
// with the folder's own separator ("\" in a folder written with
// backslashes, else "/"), nothing added when the folder already ends in one.
QString paperFilePath(const QString& folder, const QString& fileName);

}  // namespace catalogue
