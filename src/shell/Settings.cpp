#include "shell/Settings.h"

#include <QCoreApplication>
#include <QDir>

#include "db/ConnectionString.h"
#include "db/Credentials.h"
#include "shell/ProfileFile.h"

namespace shell {

bool Settings::complete() const {
    return provider != QLatin1String(kNoProvider) && dataSource != QLatin1String(kNoSource);
}

QString settingsPath() {
    return QCoreApplication::applicationDirPath() + QDir::separator() +
           QLatin1String(kSettingsFileName);
}

Settings readSettings(const QString& path) {
    const QString section = QLatin1String(kSettingsSection);
    return {profile::read(path, section, QLatin1String(kProviderKey), QLatin1String(kNoProvider)),
            profile::read(path, section, QLatin1String(kDataSourceKey), QLatin1String(kNoSource))};
}

void writeDataSource(const QString& dataSource, const QString& path) {
    profile::write(path, QLatin1String(kSettingsSection), QLatin1String(kDataSourceKey), dataSource);
}

QString loginConnectionString(const Settings& s) {
    return db::buildConnectionString(s.provider, QLatin1String(db::kDoorCode),
                                     QStringLiteral("login_user"), s.dataSource);
}

QString paperConnectionString(const Settings& s) {
    return db::buildConnectionString(s.provider, QLatin1String(db::kOpenShelf),
                                     QStringLiteral("paper_user"), s.dataSource);
}

QString testConnectionString(const QString& typedDataSource) {
    return db::buildConnectionString(QLatin1String(db::kOdbcProvider), QLatin1String(db::kDoorCode),
                                     QStringLiteral("login_user"), typedDataSource);
}

}  // namespace shell
