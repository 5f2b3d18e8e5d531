#pragma once
// The options dialog under test: scripted prompts, a data folder of its own, a small class,
// and a way to act on the shown dialog and press OK or Cancel.

#include "categories_page.h"
#include "description_page.h"
#include "display_page.h"
#include "letters_page.h"
#include "options_dialog.h"
#include "prompts.h"
#include "sample_builder.h"
#include "string_grid.h"
#include "temp_folder.h"
#include "test_app.h"
#include "weights_page.h"

#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '{' << l.join("|").toStdString() << '}';
}

namespace marklow::testing {

class OptionsTest : public ::testing::Test {
protected:
    OptionsTest() {
        TestApp();
        dlg = std::make_unique<TNewOptionsDlg>();
        dlg->SetDataFolder(QString::fromStdString(data.Path().string()));
        TBuildOptions o;
        o.Students = 5;
        o.Grades = 4;
        o.Categories = 3;
        o.Seed = 5;
        gb = BuildGradebook(o);
    }

    // Shows the dialog, acts on it, then presses OK (or Cancel).
    std::optional<TOptionsOutcome> Run(const std::function<void(TNewOptionsDlg&)>& act,
                                       bool ok = true, TOptionsRequest request = {}) {
        prompts.Script.DialogActions.push_back([&act, ok, this](QDialog&) {
            act(*dlg);
            if (!dlg->isVisible()) return;
            (ok ? dlg->OKBtn : dlg->CancelBtn)->click();
        });
        return dlg->Run(*gb, request);
    }
    std::optional<TOptionsOutcome> RunOn(int page, const std::function<void(TNewOptionsDlg&)>& act,
                                         bool ok = true) {
        TOptionsRequest r;
        r.Page = page;
        return Run(act, ok, r);
    }

    ScopedPrompts prompts;
    TempFolder data;
    std::unique_ptr<TNewOptionsDlg> dlg;
    std::unique_ptr<TGradebook> gb;
};

// Makes (c, r) current and types the text as a teacher does.
inline void TypeInto(TStringGrid1& grid, int c, int r, const QString& text) {
    grid.SetCurrent(c, r);
    QTest::keyClicks(grid.Editor(), text);
}

inline QStringList ColumnTexts(const TStringGrid1& grid, int c) {
    QStringList out;
    for (int r = 1; r < grid.RowCount(); ++r)
        out << grid.Cell(c, r);
    return out;
}

} // namespace marklow::testing
