#pragma once

#include <QString>

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

// The settings file beside the executable, whatever the working directory.
QString settingsPath();
// Reads the settings file afresh.
Settings readSettings(const QString& path = settingsPath());
// Writes "data source"; throws DbError "Unable to write to <path>" on failure.
void writeDataSource(const QString& dataSource, const QString& path = settingsPath());

// The three connection strings.
QString loginConnectionString(const Settings& settings);
QString paperConnectionString(const Settings& settings);
QString testConnectionString(const QString& typedDataSource);

}  // namespace shell
