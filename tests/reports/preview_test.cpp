#include "gbook_form.h"
#include "gradebook.h"
#include "preview_window.h"
#include "report_test_app.h"
#include "sample_builder.h"

#include <QTest>

using namespace marklow;

namespace {

class Preview : public ReportTest {
protected:
    void SetUp() override {
        TBuildOptions o;
        o.Students = 200;
        o.Grades = 40; // 5 column pages of 6 pages each in portrait
        gb = BuildGradebook(o);
        form.SetSource(*gb, options);
        window.resize(800, 600);
        window.show();
        window.SetPages(std::make_unique<TReportPages>(form.Quickxrp1));
    }
    void CountAll() {
        while (!window.Pages()->CountComplete())
            QApplication::processEvents();
    }
    std::unique_ptr<TGradebook> gb;
    PrintOptions options;
    TGBookForm form;
    TPreviewForm window;
};

} // namespace

TEST_F(Preview, TheToolBarAndItsHints) {
    QStringList texts, hints;
    for (QAction* a : window.ToolBar->actions()) {
        if (a->isSeparator()) continue;
        texts << a->text();
        hints << a->toolTip();
    }
    EXPECT_EQ(texts.join(","), "Fit,100 %,Width,First,Prev,Next,Last,Setup,Print,Close");
    EXPECT_EQ(hints.join(","), "Zoom to Fit,Zoom to 100%,Zoom to Width,First Page,Previous Page,"
                               "Next Page,Last Page,Printer Setup,Print,Close");
}

TEST_F(Preview, OnlyThePageOnScreenIsLaidOut) {
    EXPECT_EQ(window.Pages()->LayoutsMade(), 1);
    EXPECT_FALSE(window.Pages()->CountComplete());
    CountAll();
    EXPECT_EQ(window.Pages()->Counted(), 30);
    EXPECT_EQ(window.Pages()->LayoutsMade(), 1);
    EXPECT_EQ(window.Status->text(), "Page 1 of 30");
    window.NextAction->trigger();
    EXPECT_EQ(window.CurrentPage(), 1);
    EXPECT_EQ(window.Pages()->LayoutsMade(), 2);
    EXPECT_EQ(window.Status->text(), "Page 2 of 30");
}

TEST_F(Preview, KeysTurnThePages) {
    QTest::keyClick(window.View, Qt::Key_PageDown);
    EXPECT_EQ(window.CurrentPage(), 1);
    QTest::keyClick(window.View, Qt::Key_End);
    EXPECT_EQ(window.CurrentPage(), 29);
    EXPECT_TRUE(window.Pages()->CountComplete());
    EXPECT_FALSE(window.NextAction->isEnabled());
    QTest::keyClick(window.View, Qt::Key_PageDown); // stays on the last page
    EXPECT_EQ(window.CurrentPage(), 29);
    QTest::keyClick(window.View, Qt::Key_PageUp);
    EXPECT_EQ(window.CurrentPage(), 28);
    QTest::keyClick(window.View, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(window.CurrentPage(), 0);
    EXPECT_FALSE(window.PrevAction->isEnabled());
    QTest::keyClick(window.View, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(window.CurrentPage(), 29);
    QTest::keyClick(window.View, Qt::Key_Home);
    EXPECT_EQ(window.CurrentPage(), 0);
    EXPECT_EQ(window.Status->text(), "Page 1 of 30");
}

TEST_F(Preview, ZoomModes) {
    window.SetZoom(TPreviewForm::TZoom::Actual);
    EXPECT_NEAR(window.Scale(), window.logicalDpiX() / 25.4, 1e-9);
    EXPECT_TRUE(window.ZoomAction->isChecked());
    window.WidthAction->trigger();
    const int room = window.View->viewport()->width() - 2 * TPageView::kDesk;
    EXPECT_NEAR(window.Scale(), room / 215.9, 1e-9);
    window.FitAction->trigger();
    EXPECT_LE(window.Scale() * 279.4, window.View->viewport()->height());
    EXPECT_TRUE(window.FitAction->isChecked());
    EXPECT_FALSE(window.WidthAction->isChecked());
}

TEST_F(Preview, CountingWaitsWhilePrinting) {
    window.SetBusy(true);
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    int counted = window.Pages()->Counted();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    EXPECT_EQ(window.Pages()->Counted(), counted);
    window.SetBusy(false);
    CountAll();
    EXPECT_EQ(window.Pages()->Counted(), 30);
}
