#include "translations.h"

#include "messages.h"
#include "unicode_text.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace marklow {

namespace {

std::vector<std::unique_ptr<QTranslator>>& Installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

QString& Shown() {
    static QString shown = QStringLiteral("en");
    return shown;
}

bool Load(const QLocale& locale, const QString& name, const QString& folder) {
    auto t = std::make_unique<QTranslator>();
    if (!t->load(locale, name, "_", folder)) return false;
    QCoreApplication::installTranslator(t.get());
    Installed().push_back(std::move(t));
    return true;
}

// %1..%9 replaced in one pass, so a part holding "%2" stays as typed.
QString Fill(const QString& pattern, const QStringList& parts) {
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == '%' && i + 1 < pattern.size()) {
            const int n = pattern.at(i + 1).digitValue();
            if (n >= 1 && n <= parts.size()) {
                out += parts.at(n - 1);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

// The locale Qt started with, before any language was chosen.
const QLocale& StartLocale() {
    static const QLocale start;
    return start;
}

// Dates and month names follow the windows' language: the desktop's own locale when it
// speaks that language (its country's formats), else the language's usual one.
void FollowLanguage(const QString& language) {
    const QLocale start = StartLocale();
    const QLocale wanted(language);
    QLocale::setDefault(start.language() == wanted.language() ? start : wanted);
}

} // namespace

QString InstallTranslations(const QString& language) {
    RemoveTranslations();
    // Names sort as the program's language sorts them.
    SetCollationLanguage((language.isEmpty() ? QLocale::system().name() : language).toStdString());
    if (language == "en") {
        FollowLanguage(language);
        return Shown();
    }
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    if (!Load(locale, "marklow", ":/i18n")) {
        FollowLanguage("en");
        return Shown();
    }
    // The standard buttons and dialogs, and the help window's search and index (Qt Help's
    // own widgets); without Qt's own files they stay English.
    const QString qt = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    Load(locale, "qtbase", qt);
    Load(locale, "qt_help", qt);
    const QString name = Installed().front()->language();
    Shown() = name.left(2).toLower();
    FollowLanguage(Shown());
    return Shown();
}

bool WindowsUseDecimalComma() {
    if (Installed().empty()) return false;
    return QLocale(Installed().front()->language()).decimalPoint() == QLatin1Char(',');
}

void RemoveTranslations() {
    StartLocale();
    for (auto& t : Installed())
        QCoreApplication::removeTranslator(t.get());
    Installed().clear();
    QLocale::setDefault(StartLocale());
    Shown() = QStringLiteral("en");
}

QString ShownLanguage() {
    return Shown();
}

QString CoreText(std::string_view text) {
    const std::optional<TParsedMessage> parsed = ParseMessage(text);
    if (!parsed) return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const std::string pattern(parsed->Template->Text);
    QStringList parts;
    for (const std::string& part : parsed->Parts)
        parts << (parsed->Template->PhraseParts ? CoreText(part) : QString::fromStdString(part));
    return Fill(QCoreApplication::translate("core", pattern.c_str()), parts);
}

} // namespace marklow
