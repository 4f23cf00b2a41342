#include "shell/Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include "shell/Places.h"
#include "shell/ProfileFile.h"
#include "shell/Settings.h"

namespace shell {

QString chooseLanguage(const QString& settingsValue, const QString& localeName) {
    const QString chosen = settingsValue.trimmed().toLower();
    if (chosen.startsWith(QLatin1String("en"))) return QStringLiteral("en");
    if (chosen.startsWith(QLatin1String("zh"))) return QStringLiteral("zh");
    return localeName.startsWith(QLatin1String("en")) ? QStringLiteral("en") : QStringLiteral("zh");
}

QString installTranslation(QCoreApplication& app) {
    QString value;
    try {
        value = profile::read(settingsPath(), QLatin1String(kInterfaceSection), QLatin1String(kLanguageKey), {});
    } catch (const std::exception&) {
        // a settings file that cannot be read leaves the choice to the locale
    }
    const QString language = chooseLanguage(value, QLocale::system().name());
    if (language == QLatin1String("zh")) return language;
    auto* translator = new QTranslator(&app);
    for (const QString& dir : places::translationDirs(places::executableDir())) {
        if (translator->load(QStringLiteral("paper_catalogue_") + language, dir)) {
            QCoreApplication::installTranslator(translator);
            return language;
        }
    }
    delete translator;
    return QStringLiteral("zh");
}

}  // namespace shell
