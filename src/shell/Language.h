#pragma once

#include <QString>

class QCoreApplication;

namespace shell {

// The language of the interface. Chinese is the language the texts are
// written in and the default; English is chosen by the key "language" of the
// section "interface" in the settings file ("en" or "zh"), or, without that
// key, by the locale (LANG=en_US.UTF-8 and the like).
inline constexpr char kInterfaceSection[] = "interface";
inline constexpr char kLanguageKey[] = "language";

// "en" or "zh" from the settings value and the locale's name ("en_US").
QString chooseLanguage(const QString& settingsValue, const QString& localeName);

// Loads the translation of the chosen language into the application (nothing
// for Chinese); returns the language.
QString installTranslation(QCoreApplication& app);

}  // namespace shell
