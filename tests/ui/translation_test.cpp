// Under German every visible text of the main window and the dialogs is translated: the
// windows are built in English and in German and every text that reads the same in both is
// reported, unless it is a name or a symbol.

#include "about_box.h"
#include "chart_form.h"
#include "check_form.h"
#include "detailed_progress_form.h"
#include "grid_accessibility.h"
#include "lms_export_dialog.h"
#include "main_window.h"
#include "new_print_dlg.h"
#include "options_dialog.h"
#include "password_dialogs.h"
#include "preview_window.h"
#include "print_chart_dlg.h"
#include "print_progress.h"
#include "property_dialogs.h"
#include "roster_dialog.h"
#include "roster_import.h"
#include "sample_builder.h"
#include "test_app.h"
#include "translations.h"

#include "messages.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>

namespace marklow {
namespace {

// Texts that are the same in German: names, symbols, and what Qt's German keeps.
const std::set<QString> kSameInGerman = {
    "", "Marklow", "OK", "&OK", "Name", "%", "English", "&English", "Deutsch", "&Deutsch",
    "Format:", "&Name:", "Canvas", "&Canvas...", "Moodle", "&Moodle...",
    // The class list the roster dialog shows.
    "canvas.csv", "/tmp/canvas.csv", QString::fromUtf8("Espa\u00f1o&l")};

struct TText {
    QString Where;
    QString Text;
};

void AddText(std::vector<TText>& out, const QString& where, const QString& text) {
    out.push_back({where, text});
}

void AddActions(std::vector<TText>& out, const QString& where, const QList<QAction*>& actions) {
    for (QAction* a : actions) {
        if (a->isSeparator()) continue;
        AddText(out, where + "/" + a->objectName(), a->text());
        if (!a->toolTip().isEmpty() && a->toolTip() != QString(a->text()).remove('&'))
            AddText(out, where + "/" + a->objectName() + ":tip", a->toolTip());
        if (a->menu()) AddActions(out, where + "/" + a->objectName(), a->menu()->actions());
    }
}

// Every text a person can read on the window: titles, captions, tips, items, tabs, headers
// and the menus' items.
std::vector<TText> VisibleTexts(QWidget& top) {
    std::vector<TText> out;
    QList<QWidget*> widgets = top.findChildren<QWidget*>();
    widgets.prepend(&top);
    for (QWidget* w : widgets) {
        const QString where = QString(w->metaObject()->className()) + ":" + w->objectName();
        if (w->isWindow()) AddText(out, where + ":title", w->windowTitle());
        AddText(out, where + ":tip", w->toolTip());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) AddText(out, where, b->text());
        if (auto* l = qobject_cast<QLabel*>(w)) AddText(out, where, l->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) AddText(out, where, g->title());
        if (auto* e = qobject_cast<QLineEdit*>(w)) AddText(out, where, e->placeholderText());
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                AddText(out, where + ":item", c->itemText(i));
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i)
                AddText(out, where + ":tab", t->tabText(i));
        if (auto* h = qobject_cast<QHeaderView*>(w); h && h->model())
            for (int i = 0; i < std::min(h->count(), 20); ++i)
                AddText(out, where + ":header",
                        h->model()->headerData(i, h->orientation()).toString());
        AddActions(out, where, w->actions());
    }
    return out;
}

using TMake = std::function<std::unique_ptr<QWidget>()>;

// The texts that read the same under German as in English.
QStringList Untranslated(const TMake& make) {
    RemoveTranslations();
    const std::vector<TText> english = VisibleTexts(*make());
    EXPECT_EQ(InstallTranslations("de"), "de");
    const std::vector<TText> german = VisibleTexts(*make());
    RemoveTranslations();
    // By place: the n-th text of a widget or item in one language against the same in the other.
    auto keyed = [](const std::vector<TText>& texts) {
        std::map<QString, QString> byPlace;
        std::map<QString, int> seen;
        for (const TText& t : texts)
            byPlace[t.Where + "#" + QString::number(seen[t.Where]++)] = t.Text;
        return byPlace;
    };
    const auto inGerman = keyed(german);
    QStringList same;
    for (const auto& [where, text] : keyed(english)) {
        // Numbers and symbols alone are the same in any language, and so is a version.
        if (!text.contains(QRegularExpression("[A-Za-z]{2}"))) continue;
        if (text.contains(QRegularExpression("^Marklow [0-9.]+$"))) continue;
        // A column of a class list, shown by its number and its header in the file.
        if (text.contains(QRegularExpression("^[0-9]+: "))) continue;
        const auto it = inGerman.find(where);
        if (it != inGerman.end() && it->second == text && !kSameInGerman.count(text))
            same << where + " \"" + text + "\"";
    }
    EXPECT_GT(english.size(), 3u);
    return same;
}

template <typename T> TMake Make() {
    return [] { return std::unique_ptr<QWidget>(new T); };
}

// A class for the dialogs that show one: a student matched by ID, one without an ID.
const TGradebook& SmallClass() {
    static const std::unique_ptr<TGradebook> gb = [] {
        auto built = std::make_unique<TGradebook>();
        built->SetEditMode(false);
        AddStudent(*built, "Lee, Ann", "S1");
        AddStudent(*built, "Ben Roy");
        AddGrade(*built, "Quiz", 10);
        built->SetCell(2, 2, "9");
        built->SetEditMode(true);
        return built;
    }();
    return *gb;
}

// A Canvas list with a student matched, one added, one line without a name.
std::unique_ptr<TImportRosterDlg> RosterDialog() {
    auto d = std::make_unique<TImportRosterDlg>();
    d->Load(SmallClass(),
            ReadRosterCsv("Student,ID,SIS User ID,SIS Login ID,Section\n"
                          "\"Lee, Ann\",1,S1,alee,A\n\"Diaz, Cara\",3,S3,cdiaz,A\n,,,,\n"),
            "/tmp/canvas.csv");
    return d;
}

TMake LmsDialog(TLmsFormat format) {
    return [format] {
        auto d = std::make_unique<TExportLmsDlg>();
        d->Load(SmallClass(), format, ExportForLms(SmallClass(), format));
        return std::unique_ptr<QWidget>(std::move(d));
    };
}

TEST(Translations, EveryWindowAndDialogIsTranslatedIntoGerman) {
    TestApp();
    const std::pair<const char*, TMake> windows[] = {
        {"main window", Make<TSDIAppForm>()},
        {"student", Make<TStudentDlg>()},
        {"grade", Make<TGradeDlg>()},
        {"password", Make<TPasswordDlg>()},
        {"new password", Make<TNewPasswordDlg>()},
        {"change password", Make<TPasswordDlg1>()},
        {"check", Make<TCheckForm>()},
        {"options", Make<TNewOptionsDlg>()},
        {"print", Make<TNewPrintDlg>()},
        {"preview", Make<TPreviewForm>()},
        {"print chart", Make<TPrintChartDlg>()},
        {"progress", Make<TPrintProgress>()},
        {"chart", Make<TChartForm>()},
        {"about", Make<TAboutBox>()},
        {"import roster", [] { return std::unique_ptr<QWidget>(RosterDialog()); }},
        {"export for Canvas", LmsDialog(TLmsFormat::Canvas)},
        {"export for Moodle", LmsDialog(TLmsFormat::Moodle)},
        {"export scores table", LmsDialog(TLmsFormat::Scores)},
    };
    for (const auto& [name, make] : windows)
        EXPECT_EQ(Untranslated(make).join("\n").toStdString(), "") << name;
}

// Texts put together as a view scrolls or a report prints, which the walk above cannot read.
TEST(Translations, TextsMadeWhenShownAreTranslatedIntoGerman) {
    TestApp();
    ASSERT_EQ(InstallTranslations("de"), "de");
    {
        TNewPrintDlg print;
        EXPECT_EQ(print.RadioGroup1->Button(3)->text(),
                  QString::fromUtf8("Ausf\u00fchrlicher Leistungsbericht"));
    }
    {
        const auto roster = RosterDialog();
        const QAbstractItemModel& lines = *roster->LinesView->model();
        ASSERT_EQ(lines.rowCount(), 3);
        EXPECT_EQ(lines.index(0, 4).data().toString(),
                  QString::fromUtf8(
                      "Ist Lee, Ann (\u00fcber die Kennung), erh\u00e4lt Kennung oder Login"));
        EXPECT_EQ(lines.index(1, 4).data().toString(), "Neu aufgenommen");
        EXPECT_EQ(lines.index(2, 4).data().toString(),
                  QString::fromUtf8("\u00dcbersprungen: kein Name"));
    }
    {
        TDetailedProgressForm report;
        EXPECT_EQ(report.NothingToPrint(),
                  QString::fromUtf8("Es gibt keine Sch\u00fcler, f\u00fcr die Leistungsberichte "
                                    "gedruckt werden k\u00f6nnen."));
    }
    EXPECT_EQ(CellAnnouncement(SmallClass(), 2, 3, false, false), "Ben Roy, Quiz, leer");
    RemoveTranslations();
}

TEST(Translations, EveryCoreTemplateHasAGermanAndASpanishText) {
    TestApp();
    for (const char* language : {"de", "es"}) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QString(":/i18n/marklow_") + language));
        for (const TMessageTemplate& t : MessageTemplates()) {
            const std::string source(t.Text);
            // A word may be the same ("Error" in Spanish); its translation must still be there.
            const QString shown = translator.translate("core", source.c_str());
            EXPECT_FALSE(shown.isEmpty()) << language << ": " << source;
            // The places survive the translation.
            for (char n = '1'; n <= '9'; ++n)
                EXPECT_EQ(shown.contains(QString("%") + n),
                          source.find(std::string("%") + n) != std::string::npos)
                    << language << ": " << source;
        }
    }
}

TEST(Translations, CoreTextsAreShownTranslatedWithTheirPartsAsTyped) {
    TestApp();
    ASSERT_EQ(InstallTranslations("de"), "de");
    // A name is put in as typed, even one that looks like a place or a phrase.
    EXPECT_EQ(
        CoreText(FormatMessage("Category \"%1\" has no grades assigned", {"letters %2"})),
        QString::fromUtf8("Der Kategorie \u201eletters %2\u201c sind keine Noten zugeordnet"));
    // A phrase given as a part is itself translated.
    EXPECT_EQ(CoreText(FormatMessage("%1: Not a regular file (%2)", {"/tmp/x", "a device"})),
              QString::fromUtf8("/tmp/x: Keine normale Datei (ein Ger\u00e4t)"));
    // Text the core did not make from a template stays as it is.
    EXPECT_EQ(CoreText("/tmp/x: Permission denied"), "/tmp/x: Permission denied");
    RemoveTranslations();
    EXPECT_EQ(CoreText("Average"), "Average");
}

TEST(Translations, TheDesktopsLanguageIsFollowedAndEnglishNeedsNoTranslator) {
    TestApp();
    EXPECT_EQ(InstallTranslations("en"), "en");
    EXPECT_EQ(QCoreApplication::translate("core", "Average"), "Average");
    EXPECT_EQ(InstallTranslations("es"), "es");
    EXPECT_EQ(QCoreApplication::translate("core", "Average"), "Promedio");
    // An unknown language falls back to English.
    EXPECT_EQ(InstallTranslations("xx"), "en");
    EXPECT_EQ(QCoreApplication::translate("core", "Average"), "Average");
    RemoveTranslations();
}

} // namespace
} // namespace marklow
