#include "averages.h"
#include "chart_curve.h"
#include "chart_form.h"
#include "gradebook.h"
#include "prompts.h"
#include "sample_builder.h"
#include "temp_folder.h"
#include "test_app.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace marklow;
using marklow::testing::TempFolder;

namespace {

// Quiz (50 points): 45 40 35 30 25 (90 .. 50 percent); Essay: 80 and 90; Solo: one result.
struct Fixture {
    TGradebook gb;
    int quiz, essay, solo;
    Fixture() {
        gb.SetEditMode(false);
        for (auto [letter, value] : {std::pair{"A", 90}, {"B", 80}, {"C", 70}, {"D", 60}, {"F", 0}})
            gb.NumberToLetter.Add(letter, value);
        quiz = AddGrade(gb, "Quiz", 50);
        essay = AddGrade(gb, "Essay", 100);
        solo = AddGrade(gb, "Solo", 100);
        const char* names[] = {"Ann Lee", "Ben Roy", "Cy Dee", "Di Eng", "Ed Fox"};
        const char* scores[] = {"45", "40", "35", "30", "25"};
        for (int i = 0; i < 5; ++i) {
            int r = AddStudent(gb, names[i]);
            gb.SetCell(quiz, r, scores[i]);
        }
        gb.SetCell(essay, 2, "80");
        gb.SetCell(essay, 3, "90");
        gb.SetCell(solo, 4, "70");
        RecomputeAll(gb);
    }
    // What the main window's command does with a new curve.
    std::vector<std::tuple<int, bool, double>> calls;
    void Hook(TChartForm& form) {
        form.ChangeCurve = [this](int c, bool curve, double amount) {
            calls.emplace_back(c, curve, amount);
            TCurveChange::For(gb, c, curve, amount).Redo(gb);
        };
    }
};

std::vector<double> GraphValues(const TChartForm& form) {
    std::vector<double> v;
    for (int i = 1; i <= form.Graph1->Model().PointCount; ++i)
        v.push_back(form.Graph1->Model().Value(i));
    return v;
}

std::vector<std::string> GraphLabels(const TChartForm& form) {
    std::vector<std::string> v;
    for (int i = 1; i <= form.Graph1->Model().PointCount; ++i)
        v.push_back(form.Graph1->Model().Label(i));
    return v;
}

} // namespace

TEST(ChartForm, OpensMaximisedOnTheGradeListAtTheCurrentCell) {
    TestApp();
    Fixture f;
    TChartForm form;
    ScopedPrompts p;
    bool acted = false;
    p.Script.DialogActions.push_back([&](QDialog& d) {
        acted = true;
        EXPECT_EQ(d.windowTitle(), "Chart & Statistics");
        EXPECT_TRUE(d.windowState() & Qt::WindowMaximized);
        EXPECT_TRUE(form.GradeRadio->isChecked());
        EXPECT_TRUE(form.GradeCombo->isVisible());
        EXPECT_FALSE(form.StudentCombo->isVisible());
        EXPECT_EQ(form.GradeCombo->currentIndex(), 2);   // column 3
        EXPECT_EQ(form.StudentCombo->currentIndex(), 1); // row 2
        EXPECT_EQ(form.Graph1->Model().ChartTitle, "Essay");
        EXPECT_EQ(form.Graph1->Model().StatsLine, "Count 2, Mean 85, Std Dev 5");
        EXPECT_EQ(form.Graph1->Model().MedianLine, "Median 85, Min 80, Max 90");
        EXPECT_EQ(form.ComboBox2->currentText(), "Line");
        form.CloseButton->click();
    });
    EXPECT_EQ(form.ShowFor(f.gb, f.essay, 2), QDialog::Accepted);
    EXPECT_TRUE(acted);
    EXPECT_TRUE(p.Script.Unexpected.isEmpty()) << p.Script.Unexpected.join("; ").toStdString();

    // Off the grade columns and student rows: the averages; the type is Grade again.
    form.StudentRadio->setChecked(true);
    form.Prepare(f.gb, 1, 0);
    EXPECT_TRUE(form.GradeRadio->isChecked());
    EXPECT_EQ(form.GradeCombo->currentIndex(), 0);
    EXPECT_EQ(form.StudentCombo->currentIndex(), 0);
    EXPECT_EQ(form.Graph1->Model().ChartTitle, "Class Averages");
    EXPECT_EQ(form.GradeCombo->count(), 4);
    EXPECT_EQ(form.StudentCombo->count(), 6);
}

TEST(ChartForm, HistogramSwitchesChartTypeAndInitialsCaption) {
    TestApp();
    Fixture f;
    TChartForm form;
    form.Prepare(f.gb, f.quiz, 2);
    form.show();
    EXPECT_FALSE(form.CheckBox1->isVisible());
    form.HistoButton->click();
    EXPECT_EQ(form.ComboBox2->currentText(), "2D bar");
    EXPECT_EQ(form.InitsButton->text(), "Letters");
    EXPECT_TRUE(form.CheckBox1->isVisible());
    EXPECT_EQ(GraphValues(form), (std::vector<double>{1, 1, 1, 1, 1}));
    EXPECT_EQ(form.Graph1->Model().ChartType, 3);
    EXPECT_EQ(form.Graph1->Model().StatsLine, "Count 5, Mean 70, Std Dev 14.1");
    form.LetterButton->click();
    EXPECT_EQ(form.Graph1->Model().StatsLine, "Count 5, Mean 2 of 4, Std Dev 1.41");
    form.InitsButton->click();
    EXPECT_EQ(GraphLabels(form), (std::vector<std::string>{"A", "B", "C", "D", "F"}));
    form.HistoButton->click();
    EXPECT_EQ(form.ComboBox2->currentText(), "Line");
    EXPECT_EQ(form.InitsButton->text(), "Initials");
    EXPECT_FALSE(form.CheckBox1->isVisible());
    EXPECT_EQ(GraphLabels(form), (std::vector<std::string>{"AL", "BR", "CD", "DE", "EF"}));
    EXPECT_EQ(GraphValues(form), (std::vector<double>{90, 80, 70, 60, 50}));

    // With Histogram up, Letter Stats and Single Letter change nothing on screen.
    const std::string line = form.Graph1->Model().StatsLine;
    form.LetterButton->click();
    form.SingleButton->click();
    EXPECT_EQ(form.Graph1->Model().StatsLine, line);
    EXPECT_EQ(GraphValues(form), (std::vector<double>{90, 80, 70, 60, 50}));

    // Initials up: the points are numbered.
    form.InitsButton->click();
    EXPECT_EQ(GraphLabels(form), (std::vector<std::string>{"1", "2", "3", "4", "5"}));

    // The horizontal layout only for bar types.
    form.ComboBox2->setCurrentText("3D bar");
    form.CheckBox1->setChecked(true);
    EXPECT_TRUE(form.Graph1->Model().Horizontal);
    EXPECT_EQ(form.Graph1->Model().ChartType, 4);
    EXPECT_EQ(form.ChartDescriptionText(), "A horizontal 3 dimensional bar chart of ");
    form.ComboBox2->setCurrentText("Area");
    EXPECT_FALSE(form.Graph1->Model().Horizontal);
    EXPECT_TRUE(form.CheckBox1->isChecked()); // kept for the next bar chart
}

TEST(ChartForm, PopupItemsWorkTheButtonsAndOfferChangeCurveForAGrade) {
    TestApp();
    Fixture f;
    TChartForm form;
    f.Hook(form);
    form.Prepare(f.gb, 1, 2);
    emit form.PopupMenu1->aboutToShow();
    EXPECT_FALSE(form.ChangeCurve1->isVisible()); // Class Averages
    EXPECT_FALSE(form.Histogram1->isChecked());
    form.Histogram1->trigger();
    EXPECT_TRUE(form.HistoButton->isChecked());
    EXPECT_EQ(form.ComboBox2->currentText(), "2D bar");
    form.InitsButton->setChecked(true);
    emit form.PopupMenu1->aboutToShow();
    EXPECT_TRUE(form.Histogram1->isChecked());
    EXPECT_TRUE(form.Initials1->isChecked());
    form.Initials1->trigger();
    EXPECT_FALSE(form.InitsButton->isChecked());

    form.GradeCombo->setCurrentIndex(1);
    emit form.PopupMenu1->aboutToShow();
    EXPECT_TRUE(form.ChangeCurve1->isVisible());
    form.StudentRadio->setChecked(true);
    emit form.PopupMenu1->aboutToShow();
    EXPECT_FALSE(form.ChangeCurve1->isVisible());
    EXPECT_TRUE(form.StudentCombo->isVisibleTo(&form));
    EXPECT_FALSE(form.GradeCombo->isVisibleTo(&form));
    EXPECT_EQ(form.Graph1->Model().ChartTitle, "Ann Lee");
}

TEST(ChartForm, SeriesOfOneItemShowsTitlesButNoPoints) {
    TestApp();
    Fixture f;
    TChartForm form;
    form.Prepare(f.gb, f.solo, 2);
    EXPECT_EQ(form.Graph1->Model().PointCount, 0);
    EXPECT_EQ(form.Graph1->Model().ChartTitle, "Solo");
    EXPECT_EQ(form.Graph1->Model().StatsLine, "Count 1, Mean 70, Std Dev 0");
}

TEST(ChartForm, EmptyLetterTableHistogramSaysSo) {
    TestApp();
    Fixture f;
    f.gb.NumberToLetter.Clear();
    TChartForm form;
    form.Prepare(f.gb, f.quiz, 2);
    form.LetterButton->click();
    form.HistoButton->click();
    EXPECT_EQ(form.Graph1->Model().PointCount, 0);
    EXPECT_FALSE(form.Graph1->Model().Note.empty());
    EXPECT_EQ(form.Graph1->Model().StatsLine, "Count 5, Mean 70, Std Dev 14.1");
}

TEST(ChartForm, ChangeCurveGoesThroughTheHookAndShowsTheCurvedResults) {
    TestApp();
    Fixture f;
    TChartForm form;
    f.Hook(form);
    f.gb.SetCell(f.quiz, 1, "Quiz 1"); // renamed in the grid, not yet in the object
    form.Prepare(f.gb, f.quiz, 2);
    ScopedPrompts p;
    p.Script.Inputs = {QString("5")};
    form.ChangeCurveClick();
    ASSERT_EQ(f.calls.size(), 1u);
    EXPECT_EQ(f.calls[0], std::make_tuple(f.quiz, true, 5.0));
    ASSERT_EQ(p.Script.InputRequests.size(), 1u);
    EXPECT_EQ(p.Script.InputRequests[0].Caption, "Curve for Quiz 1");
    EXPECT_EQ(p.Script.InputRequests[0].Label, "Enter New Curve Amount");
    EXPECT_EQ(p.Script.InputRequests[0].Initial, "");
    EXPECT_TRUE(form.CurveChanged());
    // 5 of 50 points: every result 10 percent higher, at once.
    EXPECT_EQ(GraphValues(form), (std::vector<double>{100, 90, 80, 70, 60}));

    // The same amount, text that is no number, Cancel: nothing reaches the gradebook.
    p.Script.Inputs = {QString(" 5 "), QString("5 pts"), std::nullopt};
    p.Script.Answers = {TAnswer::Ok};
    form.ChangeCurveClick();
    form.ChangeCurveClick();
    form.ChangeCurveClick();
    EXPECT_EQ(f.calls.size(), 1u);
    EXPECT_EQ(p.Script.InputRequests[1].Initial, "5");
    ASSERT_EQ(p.Script.Messages.size(), 1u);
    EXPECT_EQ(p.Script.Messages[0].Kind, TMessageKind::Error);
    EXPECT_TRUE(p.Script.Messages[0].Text.contains("5 pts"));
    EXPECT_TRUE(f.gb.GradeAt(f.quiz)->Curve);

    // A fraction is shown in full; blank takes the curve away.
    f.gb.GradeAt(f.quiz)->CurveAmount = 0.1 + 0.2;
    p.Script.Inputs = {QString("")};
    form.ChangeCurveClick();
    EXPECT_EQ(p.Script.InputRequests.back().Initial, "0.30000000000000004");
    ASSERT_EQ(f.calls.size(), 2u);
    EXPECT_EQ(f.calls[1], std::make_tuple(f.quiz, false, 0.0));
    EXPECT_EQ(GraphValues(form), (std::vector<double>{90, 80, 70, 60, 50}));
    EXPECT_TRUE(p.Script.Unexpected.isEmpty());

    // A fresh showing starts without a changed curve.
    form.Prepare(f.gb, f.quiz, 2);
    EXPECT_FALSE(form.CurveChanged());
}

TEST(ChartForm, HelpAndPrintHooks) {
    TestApp();
    Fixture f;
    TChartForm form;
    form.Prepare(f.gb, 1, 1);
    EXPECT_FALSE(form.PrintButton->isEnabled());
    int topic = 0, prints = 0;
    form.ShowHelp = [&](int t) { topic = t; };
    form.PrintChart = [&] { ++prints; };
    form.Prepare(f.gb, 1, 1);
    form.Help2->trigger();
    EXPECT_EQ(topic, 50);
    EXPECT_TRUE(form.PrintButton->isEnabled());
    form.Print2->trigger();
    EXPECT_EQ(prints, 1);
}

TEST(ChartForm, SavesThePictureAsPngOrSvg) {
    TestApp();
    Fixture f;
    TChartForm form;
    form.Prepare(f.gb, f.quiz, 2);
    form.resize(800, 600);
    form.show();
    TempFolder dir;
    ScopedPrompts p;
    p.Script.FileNames = {QString::fromStdString(dir / "chart.png"),
                          QString::fromStdString(dir / "chart.svg"),
                          QString::fromStdString(dir / "missing/chart.png")};
    form.SavePictureClick();
    QImage png(QString::fromStdString(dir / "chart.png"));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), form.Graph1->size());
    form.SavePictureClick();
    QFile svg(QString::fromStdString(dir / "chart.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("Count 5, Mean 70, Std Dev 14.1"));
    EXPECT_TRUE(p.Script.Messages.empty());
    form.SavePictureClick();
    ASSERT_EQ(p.Script.Messages.size(), 1u);
    EXPECT_EQ(p.Script.Messages[0].Kind, TMessageKind::Error);
    EXPECT_EQ(p.Script.FileRequests[0].Filter, "PNG Image (*.png);;SVG Drawing (*.svg)");
}

TEST(ChartForm, PaintsIntoAGivenRectangleOnly) {
    TestApp();
    Fixture f;
    TChartForm form;
    form.Prepare(f.gb, f.quiz, 2);
    form.ComboBox2->setCurrentText("2D bar");
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRect inside(100, 150, 500, 300);
    {
        QPainter painter(&image);
        form.PaintChart(painter, inside);
    }
    int paintedInside = 0, paintedOutside = 0, blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb px = image.pixel(x, y);
            if (px == qRgb(255, 255, 255)) continue;
            (inside.contains(x, y) ? paintedInside : paintedOutside)++;
            if (px == qRgb(0, 0, 255)) ++blue;
        }
    EXPECT_EQ(paintedOutside, 0);
    EXPECT_GT(paintedInside, 1000);
    EXPECT_GT(blue, 100); // the first bar
}

TEST(ChartForm, AxesAndTextFollowADarkPalette) {
    TestApp();
    Fixture f;
    TChartForm form;
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    form.setPalette(dark);
    form.Prepare(f.gb, f.quiz, 2);
    form.ComboBox2->setCurrentText("2D bar");
    form.resize(800, 600);
    form.show();
    const QImage shot = form.Graph1->grab().toImage();
    const TGraphLayout& layout = form.Graph1->Layout();
    ASSERT_TRUE(layout.HasPlot);
    EXPECT_EQ(shot.pixel(layout.Plot.Left, layout.Plot.Bottom - 3), qRgb(230, 230, 230));
    EXPECT_EQ(shot.pixel(2, 2), qRgb(30, 30, 30));
}

TEST(ChartForm, GraphLaysOutAgainOnlyWhenSomethingChanged) {
    TestApp();
    TMyGraph graph;
    graph.resize(720, 500);
    graph.SetChartType(kChart2DBar);
    graph.SetPointCount(2);
    graph.SetPointValue(1, 80);
    graph.SetPointValue(2, 90);
    EXPECT_EQ(graph.Layout().Margin, 6);
    graph.resize(700, 300);
    EXPECT_EQ(graph.Layout().Margin, 4);
    graph.SetChartType(kChartLine);
    EXPECT_EQ(graph.Layout().LineMean, 85);
}

TEST(ChartForm, EmptyGradebookOpensWithEmptyLists) {
    TestApp();
    TGradebook gb;
    gb.MakeEmpty();
    TChartForm form;
    form.Prepare(gb, 1, 2);
    EXPECT_EQ(form.GradeCombo->count(), 0);
    EXPECT_EQ(form.StudentCombo->count(), 0);
    EXPECT_EQ(form.Graph1->Model().StatsLine, "Count 0, Mean 0, Std Dev 0");
    form.StudentRadio->setChecked(true);
    form.HistoButton->click();
    EXPECT_EQ(form.Graph1->Model().PointCount, 0);
    ScopedPrompts p;
    form.ChangeCurveClick(); // nothing chosen: nothing asked
    EXPECT_TRUE(p.Script.InputRequests.empty());
}
