#pragma once
// The language of the interface: Italian, the language of the source texts,
// or English from the translation embedded in the executable. Qt's own
// translation gives the standard buttons and menus the same language.

#include "nav/language.h"

#include <QLocale>
#include <QStringList>

namespace toolkit {

enum class Language { Italian, English };

// The first of the user's languages that the program speaks, in the order
// of preference; Italian when none of them is Italian or English.
Language PreferredLanguage(const QStringList& uiLanguages);

// Installs the translators of the language, replacing those of an earlier
// call. Italian needs only Qt's own. Returns false when the program's
// English translation could not be loaded: then all of it is Italian.
bool InstallTranslations(Language language);

// The language the texts show now: English while the program's English
// translation is installed.
Language InterfaceLanguage();

// Removes what InstallTranslations installed: the source texts show.
void RemoveTranslations();

// Installs the translators for the user's locale.
void InstallUserTranslations(const QLocale& locale = QLocale::system());

// The interface's language for the texts nav/ writes.
nav::Language NavLanguage();

}  // namespace toolkit
