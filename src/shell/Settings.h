#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace shell {

inline constexpr char kSettingsFileName[] = "DBS_KT40617395.ini";
inline constexpr char kSettingsSection[] = "database_info";
inline constexpr char kProviderKey[] = "provider";
inline constexpr char kDataSourceKey[] = "data source";
inline constexpr char kNoProvider[] = "no_provider";
inline constexpr char kNoSource[] = "no_source";

struct Settings {
    QString provider;
    QString dataSource;
    // Both values were found (neither is its default).
    bool complete() const;
};

// Where the settings file may lie.
struct SettingsPlaces {
    QString besideExecutable;  // the file beside the executable
    QString user;              // the user's own: $XDG_CONFIG_HOME/paper-catalogue/<file>
    QStringList site;          // site-wide: each of $XDG_CONFIG_DIRS/paper-catalogue/<file>
    bool installed = false;    // the program runs from an installed layout
    // Whether the program may write a file (or create it); replaceable in tests.
    std::function<bool(const QString&)> writable;
};
// The places of the running program, whatever the working directory.
SettingsPlaces settingsPlaces();

// The file read:
//  1. beside the executable when it is there and writable (a build folder, a
//     copied folder: as ever);
//  2. else the user's own file when it is there;
//  3. else the file beside the executable when it is there (read-only);
//  4. else the first site-wide file that is there;
//  5. with none anywhere: beside the executable for a build or copied folder,
//     the user's file for an installed program.
QString settingsPath(const SettingsPlaces& places);
QString settingsPath();
// The file the database change window writes: the one read when it may be
// written, else the user's own.
QString settingsWritePath(const SettingsPlaces& places);

// Reads the settings file afresh.
Settings readSettings(const QString& path = settingsPath());
// Writes "data source"; throws DbError "Unable to write to <path>" on failure.
void writeDataSource(const QString& dataSource, const QString& path);
// Writes "data source" by the rule above; when the file read may not be
// written, the user's file starts as a copy of it (so that the provider and
// every other line carry over). Returns the file written.
QString writeDataSource(const QString& dataSource, const SettingsPlaces& places);
QString writeDataSource(const QString& dataSource);

// The three connection strings.
QString loginConnectionString(const Settings& settings);
QString paperConnectionString(const Settings& settings);
QString testConnectionString(const QString& typedDataSource);

}  // namespace shell
