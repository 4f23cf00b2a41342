#include "shell/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "db/ConnectionString.h"
#include "db/Credentials.h"
#include "db/DbError.h"
#include "shell/Places.h"
#include "shell/ProfileFile.h"

namespace shell {

bool Settings::complete() const {
    return provider != QLatin1String(kNoProvider) && dataSource != QLatin1String(kNoSource);
}

namespace {

const QString kFolder = QStringLiteral("paper-catalogue");

bool mayWrite(const QString& path) {
    const QFileInfo file(path);
    if (file.exists()) return file.isWritable();
    const QFileInfo dir(file.absolutePath());
    return dir.exists() ? dir.isWritable() : true;  // a missing user folder is made
}

bool isFile(const QString& path) { return QFileInfo(path).isFile(); }

}  // namespace

SettingsPlaces settingsPlaces() {
    const QString exeDir = places::executableDir();
    const QString name = QLatin1String(kSettingsFileName);
    SettingsPlaces p;
    p.besideExecutable = exeDir + QDir::separator() + name;
    p.user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + kFolder +
             QLatin1Char('/') + name;
    QStringList config = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    if (!config.isEmpty()) config.removeFirst();  // the user's own
    for (const QString& dir : config) p.site << dir + QLatin1Char('/') + kFolder + QLatin1Char('/') + name;
    p.installed = places::installed(exeDir);
    p.writable = mayWrite;
    return p;
}

QString settingsPath(const SettingsPlaces& p) {
    const auto writable = p.writable ? p.writable : mayWrite;
    const bool beside = QFileInfo::exists(p.besideExecutable);
    if (beside && writable(p.besideExecutable)) return p.besideExecutable;
    if (isFile(p.user)) return p.user;
    if (beside) return p.besideExecutable;
    for (const QString& site : p.site)
        if (isFile(site)) return site;
    return p.installed ? p.user : p.besideExecutable;
}

QString settingsPath() { return settingsPath(settingsPlaces()); }

QString settingsWritePath(const SettingsPlaces& p) {
    const QString read = settingsPath(p);
    const auto writable = p.writable ? p.writable : mayWrite;
    if (read == p.besideExecutable || read == p.user) {
        if (writable(read) || read == p.user) return read;
        return p.user;
    }
    return p.user;  // a site-wide file is the administrator's
}

Settings readSettings(const QString& path) {
    const QString section = QLatin1String(kSettingsSection);
    return {profile::read(path, section, QLatin1String(kProviderKey), QLatin1String(kNoProvider)),
            profile::read(path, section, QLatin1String(kDataSourceKey), QLatin1String(kNoSource))};
}

void writeDataSource(const QString& dataSource, const QString& path) {
    profile::write(path, QLatin1String(kSettingsSection), QLatin1String(kDataSourceKey), dataSource);
}

QString writeDataSource(const QString& dataSource, const SettingsPlaces& p) {
    const QString read = settingsPath(p);
    const QString target = settingsWritePath(p);
    if (target != read && target == p.user && !QFileInfo::exists(p.user)) {
        // The user's file starts as the one read, so nothing of it is lost.
        QDir().mkpath(QFileInfo(p.user).absolutePath());
        if (isFile(read) && !QFile::copy(read, p.user))
            throw db::DbError(QStringLiteral("Unable to write to %1").arg(p.user));
        QFile::setPermissions(p.user, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    } else if (target == p.user) {
        QDir().mkpath(QFileInfo(p.user).absolutePath());
    }
    writeDataSource(dataSource, target);
    return target;
}

QString writeDataSource(const QString& dataSource) { return writeDataSource(dataSource, settingsPlaces()); }

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
