// Faults a translation brings into the windows: two items of one menu or dialog underlining
// the same letter, a menu title whose Alt+letter a command's shortcut takes, a place (%1, %n)
// lost or added, and a caption wider than its fixed-width control.

#include "about_box.h"
#include "chart_form.h"
#include "check_form.h"
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

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace marklow {
namespace {

// The underlined letter of a caption ("Sa&ve" gives 'v'), or none; "&&" is an ampersand.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        // "Chart & Statistics": an ampersand, no letter.
        return text[i + 1].isSpace() ? QChar() : text[i + 1].toLower();
    }
    return QChar();
}

// "letter: caption, caption" for every letter two captions of one list share.
QStringList Clashes(const QString& where, const QStringList& captions) {
    std::map<QChar, QStringList> byLetter;
    for (const QString& c : captions)
        if (const QChar m = Mnemonic(c); !m.isNull()) byLetter[m] << c;
    QStringList out;
    for (const auto& [letter, list] : byLetter)
        if (list.size() > 1) out << where + ": &" + letter + " in " + list.join(", ");
    return out;
}

QStringList MenuClashes(const QString& where, const QMenu& menu) {
    QStringList captions;
    QStringList out;
    for (QAction* a : menu.actions()) {
        if (a->isSeparator() || !a->isVisible()) continue;
        captions << a->text();
        if (a->menu()) out << MenuClashes(where + "/" + a->text(), *a->menu());
    }
    return Clashes(where, captions) + out;
}

// Where a widget's mnemonic works: its tab page, or the window when it is on none.
QWidget* Scope(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<QStackedWidget*>(p->parentWidget()) &&
            qobject_cast<QTabWidget*>(p->parentWidget()->parentWidget()))
            return p;
        if (p->isWindow()) return p;
    }
    return w;
}

// Every clash within one menu, one tab page (with the window's own controls) or one window.
QStringList AcceleratorClashes(QWidget& top) {
    QStringList out;
    std::map<QWidget*, QStringList> byScope;
    QList<QWidget*> widgets = top.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(&top) && w->parentWidget() && !w->isWindow()) continue;
        QString text;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            text = b->text();
        else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
            text = l->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w); g && g->isCheckable())
            text = g->title();
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i)
                byScope[Scope(t)] << t->tabText(i);
        if (!text.isEmpty()) byScope[Scope(w)] << text;
    }
    for (auto& [scope, captions] : byScope) {
        QStringList all = captions;
        if (scope != &top && !scope->isWindow()) all += byScope[&top];
        out << Clashes(QString(top.metaObject()->className()) + ":" + scope->objectName(), all);
    }
    for (QMenu* m : top.findChildren<QMenu*>()) {
        // Submenus are walked from their parents.
        if (qobject_cast<QMenu*>(m->parentWidget())) continue;
        out << MenuClashes(QString(top.metaObject()->className()) + ":" + m->objectName(), *m);
    }
    if (auto* main = qobject_cast<QMainWindow*>(&top)) {
        QStringList titles;
        for (QAction* a : main->menuBar()->actions())
            titles << a->text();
        out << Clashes("menu bar", titles);
        // Alt and a title's letter opens the menu only when no command has taken the keys.
        for (QAction* a : main->findChildren<QAction*>())
            for (const QKeySequence& key : a->shortcuts())
                for (const QString& title : titles)
                    if (const QChar m = Mnemonic(title);
                        !m.isNull() && key == QKeySequence(QStringLiteral("Alt+") + m.toUpper()))
                        out << "menu bar: " + title + " is taken by " + a->text() + " " +
                                   key.toString();
    }
    return out;
}

// Every fixed-width control whose caption needs more room than it has.
QStringList CutCaptions(QWidget& top) {
    QStringList out;
    for (QWidget* w : top.findChildren<QWidget*>()) {
        if (w->minimumWidth() != w->maximumWidth()) continue;
        QString text;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            text = b->text();
        else if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap())
            text = l->text();
        if (text.isEmpty()) continue;
        // The control's own size hint: the caption by the font's metrics, with its margins.
        const int needed = w->sizeHint().width();
        if (needed > w->width())
            out << QString("%1 \"%2\": %3 px in %4 px")
                       .arg(w->metaObject()->className(), text)
                       .arg(needed)
                       .arg(w->width());
    }
    return out;
}

using TMake = std::function<std::unique_ptr<QWidget>()>;

template <typename T> TMake Make() {
    return [] { return std::unique_ptr<QWidget>(new T); };
}

const TGradebook& SmallClass() {
    static const std::unique_ptr<TGradebook> gb = [] {
        auto built = std::make_unique<TGradebook>();
        built->SetEditMode(false);
        AddStudent(*built, "Lee, Ann", "S1");
        AddGrade(*built, "Quiz", 10);
        built->SetEditMode(true);
        return built;
    }();
    return *gb;
}

const std::vector<std::pair<const char*, TMake>>& Windows() {
    static const std::vector<std::pair<const char*, TMake>> windows = {
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
        {"import roster",
         [] {
             auto d = std::make_unique<TImportRosterDlg>();
             d->Load(SmallClass(), ReadRosterCsv("Student,SIS User ID\n\"Lee, Ann\",S1\n"),
                     "/tmp/r.csv");
             return std::unique_ptr<QWidget>(std::move(d));
         }},
        {"export",
         [] {
             auto d = std::make_unique<TExportLmsDlg>();
             d->Load(SmallClass(), TLmsFormat::Moodle,
                     ExportForLms(SmallClass(), TLmsFormat::Moodle));
             return std::unique_ptr<QWidget>(std::move(d));
         }},
    };
    return windows;
}

TEST(TranslationChecks, NoMenuOrDialogUnderlinesOneLetterTwice) {
    TestApp();
    for (const char* language : {"en", "de", "es"}) {
        ASSERT_EQ(InstallTranslations(language), language);
        for (const auto& [name, make] : Windows()) {
            const std::unique_ptr<QWidget> w = make();
            EXPECT_EQ(AcceleratorClashes(*w).join("\n").toStdString(), "")
                << language << ", " << name;
        }
    }
    RemoveTranslations();
}

TEST(TranslationChecks, EveryFixedWidthCaptionFitsItsControl) {
    TestApp();
    for (const char* language : {"en", "de", "es"}) {
        ASSERT_EQ(InstallTranslations(language), language);
        for (const auto& [name, make] : Windows()) {
            const std::unique_ptr<QWidget> w = make();
            EXPECT_EQ(CutCaptions(*w).join("\n").toStdString(), "") << language << ", " << name;
        }
    }
    RemoveTranslations();
}

TEST(TranslationChecks, TheChecksSeeTheFaultsTheyLookFor) {
    TestApp();
    QWidget top;
    top.setObjectName("top");
    QMenu menu(&top);
    menu.addAction("&Print");
    menu.addAction("Save &Picture...");
    menu.addAction("&Close");
    menu.addAction("Fish && &Chips");
    EXPECT_EQ(AcceleratorClashes(top).join("\n").toStdString(),
              "QWidget:: &c in &Close, Fish && &Chips\nQWidget:: &p in &Print, Save &Picture...");
    QLabel fixed("Buchstabenstatistik", &top);
    fixed.setFixedWidth(20);
    EXPECT_EQ(CutCaptions(top).size(), 1);
    fixed.setFixedWidth(fixed.sizeHint().width());
    EXPECT_TRUE(CutCaptions(top).isEmpty());
}

// Alt and the underlined letter of a menu title opens that menu in every language, and the
// command whose shortcut gave the letter up has its translated one.
TEST(TranslationChecks, AltAndAMenuTitlesLetterOpensItsMenu) {
    TestApp();
    const struct {
        const char* Language;
        Qt::Key Title;        // the letter of the menu holding Copy Averages' neighbours
        Qt::Key CopyAverages; // Copy, Averages
    } cases[] = {
        {"en", Qt::Key_V, Qt::Key_A}, {"de", Qt::Key_A, Qt::Key_U}, {"es", Qt::Key_V, Qt::Key_P}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Language);
        ASSERT_EQ(InstallTranslations(c.Language), c.Language);
        TSDIAppForm form;
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QObject::disconnect(form.Averages1, &QAction::triggered, nullptr, nullptr);
        form.Averages1->setEnabled(true);
        QSignalSpy copied(form.Averages1, &QAction::triggered);
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        QTest::keyClick(focus, c.Title, Qt::AltModifier);
        EXPECT_TRUE(form.View1->isVisible()) << "the View menu did not open";
        form.View1->hide();
        QTest::keyClick(&form, Qt::Key_Escape);
        focus = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        QTest::keyClick(focus, c.CopyAverages, Qt::AltModifier);
        EXPECT_EQ(copied.count(), 1);
        // Every menu title's letter opens its own menu.
        for (QAction* title : form.menuBar()->actions()) {
            const QChar m = Mnemonic(title->text());
            ASSERT_FALSE(m.isNull()) << title->text().toStdString();
            focus = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
            QTest::keyClick(focus, static_cast<char>(m.toLatin1()), Qt::AltModifier);
            EXPECT_TRUE(title->menu()->isVisible()) << title->text().toStdString();
            title->menu()->hide();
        }
        form.hide();
        // The keys a menu names are named as the keyboard names them.
        if (std::string(c.Language) == "de") {
            EXPECT_EQ(form.Weights1->text(), "&Gewichtungen...\tStrg+W");
        }
    }
    RemoveTranslations();
}

// The places of a text: %1..%99 and %n, each with how often it appears.
std::map<QString, int> Places(const QString& text) {
    static const QRegularExpression place("%(L?[0-9]{1,2}|L?n)");
    std::map<QString, int> out;
    for (const auto& m : place.globalMatch(text))
        ++out[m.captured(1)];
    return out;
}

struct TMessage {
    QString Context, Source;
    QStringList Translations;
    bool Numerus = false;
};

std::vector<TMessage> ReadTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<TMessage> out;
    QXmlStreamReader xml(&file);
    QString context;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            numerus = xml.attributes().value("numerus") == u"yes";
            out.push_back({context, {}, {}, numerus});
        } else if (xml.name() == u"source" && !out.empty()) {
            out.back().Source = xml.readElementText();
        } else if (xml.name() == u"translation" && !out.empty() && !numerus) {
            out.back().Translations << xml.readElementText();
        } else if (xml.name() == u"numerusform" && !out.empty()) {
            // Each form of a counted text keeps the places.
            out.back().Translations << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return out;
}

TEST(TranslationChecks, EveryTranslationKeepsThePlacesAndTheUnderlinedLetter) {
    for (const char* language : {"de", "es"}) {
        const QString path = QString(MARKLOW_TS_DIR) + "/marklow_" + language + ".ts";
        const std::vector<TMessage> messages = ReadTs(path);
        EXPECT_GT(messages.size(), 100u) << language;
        for (const TMessage& m : messages) {
            const std::string where = std::string(language) + " [" + m.Context.toStdString() +
                                      "] " + m.Source.toStdString();
            ASSERT_FALSE(m.Translations.isEmpty()) << where;
            for (qsizetype i = 0; i < m.Translations.size(); ++i) {
                const QString& t = m.Translations[i];
                auto places = Places(t);
                // A counted text's forms before the last may spell the number out ("one").
                if (m.Numerus && i + 1 < m.Translations.size() && !places.count("n"))
                    places["n"] = Places(m.Source)["n"];
                EXPECT_EQ(places, Places(m.Source)) << where << " => " << t.toStdString();
                // A caption with an underlined letter keeps one, and a shortcut after a tab.
                EXPECT_EQ(Mnemonic(t).isNull(), Mnemonic(m.Source).isNull())
                    << where << " => " << t.toStdString();
                EXPECT_EQ(t.contains('\t'), m.Source.contains('\t'))
                    << where << " => " << t.toStdString();
            }
        }
    }
}

} // namespace
} // namespace marklow
