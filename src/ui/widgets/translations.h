#pragma once
// The program's languages: its own translations (built into it) and Qt's for the standard
// dialogs and buttons. Installed once before the first window; a change of the preference
// takes effect at the next start.

#include <QString>

#include <string>
#include <string_view>

namespace marklow {

// Installs the translations for a language code ("de", "es"; "en" installs none) or, for
// an empty code, for the desktop's languages. Returns the code of the language now shown.
QString InstallTranslations(const QString& language);
// Whether the language the windows are shown in writes numbers with a decimal comma (German,
// Spanish); English, with no translation installed, does not.
bool WindowsUseDecimalComma();
// Takes out what InstallTranslations put in: the windows show English again.
void RemoveTranslations();
// The code of the language the windows are shown in: what InstallTranslations last
// returned, "en" before it and after RemoveTranslations. The help follows it.
QString ShownLanguage();

// A text the core made (see messages.h) in the language of the windows; a text that no
// template of the core made is shown as it is.
QString CoreText(std::string_view text);

} // namespace marklow
