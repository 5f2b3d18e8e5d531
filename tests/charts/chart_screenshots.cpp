// Renders the chart window in the states worth looking at, to PNG files in the folder given
// as the first argument (default /tmp/chart-shots). Run on the offscreen platform.

#include "averages.h"
#include "chart_form.h"
#include "gradebook_file.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "translations.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QRadioButton>
#include <QToolButton>

#include <iostream>

using namespace marklow;

namespace {

void Save(QWidget& w, const QString& folder, const QString& name) {
    QApplication::processEvents();
    w.grab().save(folder + "/" + name + ".png");
}

void Type(TChartForm& form, const char* type, bool horizontal) {
    form.ComboBox2->setCurrentText(QCoreApplication::translate("ChartForm", type));
    form.CheckBox1->setChecked(horizontal);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // MARKLOW_LANGUAGE=de shows the window in German.
    InstallTranslations(qEnvironmentVariable("MARKLOW_LANGUAGE", "en"));
    const QString folder = argc > 1 ? QString(argv[1]) : QString("/tmp/chart-shots");
    QDir().mkpath(folder);

    TGradebook sample;
    try {
        auto read = ReadGradebook(ReadFileBytes(MARKLOW_DATA_DIR "/sample-class.gbd"), sample,
                                  [](const std::string&) { return true; });
        (void)read;
    } catch (const std::exception& e) {
        std::cerr << "sample class: " << e.what() << "\n";
        return 1;
    }
    RecomputeAll(sample);

    TChartForm form;
    form.ChangeCurve = [](int, bool, double) {};
    form.resize(1100, 720);
    form.Prepare(sample, 1, 1);
    form.show();
    Save(form, folder, "class-averages-line");
    Type(form, "2D bar", false);
    Save(form, folder, "class-averages-2d");
    Type(form, "3D bar", false);
    Save(form, folder, "class-averages-3d");
    Type(form, "Area", false);
    Save(form, folder, "class-averages-area");

    form.GradeCombo->setCurrentIndex(3);
    Type(form, "2D bar", true);
    Save(form, folder, "grade-2d-horizontal");
    Type(form, "3D bar", true);
    Save(form, folder, "grade-3d-horizontal");
    form.InitsButton->click();
    Type(form, "3D bar", false);
    Save(form, folder, "grade-3d-initials");

    form.HistoButton->click();
    Save(form, folder, "histogram");
    form.SingleButton->click();
    form.LetterButton->click();
    Save(form, folder, "histogram-single-letter-stats");
    form.HistoButton->click();
    form.SingleButton->click();
    form.LetterButton->click();

    form.StudentRadio->setChecked(true);
    form.StudentCombo->setCurrentIndex(2);
    Type(form, "Line", false);
    Save(form, folder, "student-line");

    TBuildOptions o;
    o.Students = 300;
    o.Grades = 40;
    o.Seed = 9;
    auto big = BuildGradebook(o);
    RecomputeAll(*big);
    form.Prepare(*big, 1, 1);
    form.StudentRadio->setChecked(true);
    form.StudentCombo->setCurrentIndex(0);
    Type(form, "2D bar", false);
    Save(form, folder, "students-300-2d");
    Type(form, "Line", false);
    Save(form, folder, "students-300-line");
    Type(form, "2D bar", true);
    Save(form, folder, "students-300-horizontal");

    QPalette dark;
    dark.setColor(QPalette::Window, QColor(37, 37, 38));
    dark.setColor(QPalette::WindowText, QColor(225, 225, 225));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(225, 225, 225));
    dark.setColor(QPalette::Button, QColor(50, 50, 52));
    dark.setColor(QPalette::ButtonText, QColor(225, 225, 225));
    form.setPalette(dark);
    form.Prepare(sample, 3, 2);
    Type(form, "3D bar", false);
    Save(form, folder, "dark-3d");
    Type(form, "Line", false);
    Save(form, folder, "dark-line");
    form.HistoButton->click();
    Save(form, folder, "dark-histogram");
    return 0;
}
