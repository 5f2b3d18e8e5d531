// marklow-cli print: a report of a gradebook as a PDF file, without a display. Each report
// kind is one line of kKinds; the options are those of the program's print dialog.

#include "cli_common.h"

#ifdef MARKLOW_CLI_PRINT
#include "averages.h"
#include "chart_print_form.h"
#include "file_names.h"
#include "gradebook.h"
#include "output.h"
#include "output_file.h"
#include "paper.h"
#include "report_form.h"

#include <QDir>
#include <QGuiApplication>
#endif

#include <charconv>
#include <ostream>

namespace marklow::cli {

#ifndef MARKLOW_CLI_PRINT

int RunPrint(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "marklow-cli: print is not available in this build (built without Qt)\n";
    return kUsage;
}

#else

namespace {

constexpr const char* kPrintHelp = R"(Usage:
  marklow-cli print gradebook FILE -o OUT.pdf [--portrait | --landscape]
              [--grade exact|numbers|letters|both] [--shade-curved]
              [--omit-after-last-entry] [--ids] [--paper letter|a4] [--password TEXT]
  marklow-cli print progress FILE -o OUT.pdf [--student NAME] [--portrait | --landscape]
              [--grade exact|numbers|letters|both] [--shade-curved]
              [--omit-after-last-entry] [--paper letter|a4] [--password TEXT]
  marklow-cli print progress FILE --detailed (-o OUT.pdf | --split DIR [--force])
              [--student NAME] [--portrait | --landscape] [--omit-after-last-entry]
              [--paper letter|a4] [--password TEXT]
  marklow-cli print criteria FILE -o OUT.pdf [--portrait | --landscape]
              [--paper letter|a4] [--password TEXT]
  marklow-cli print chart FILE -o OUT.pdf [--grade K | --student K]
              [--histogram [--single-letter] [--letter-stats]] [--detail]
              [--portrait | --landscape] [--paper letter|a4] [--password TEXT]
--split DIR writes one NAME.pdf a student into DIR; PDFs already there are overwritten only
with --force, and links there are never followed.
See 'marklow-cli --help' for what each option does.
)";

// The options a report kind takes; any other is a usage error.
enum TOption : unsigned {
    kOrientation = 1,
    kGrade = 2,
    kShade = 4,
    kOmit = 8,
    kIds = 16,
    kStudent = 32,
    kHistogram = 64,
    kSingleLetter = 128,
    kLetterStats = 256,
    kDetail = 512,
    kDetailed = 1024,
    kSplit = 2048,
    kForce = 4096,
};
constexpr int kOptionCount = 13;

struct TReportKind {
    const char* Name;
    TReportType Type;
    unsigned Options;
    bool Chart = false; // the chart printouts: --grade and --student take entry numbers
    bool Variant = false; // chosen by an option of another kind, never by its name
};

// A later report kind is one more line here.
constexpr TReportKind kKinds[] = {
    {"gradebook", TReportType::Gradebook, kOrientation | kGrade | kShade | kOmit | kIds},
    {"progress", TReportType::Progress,
     kOrientation | kGrade | kShade | kOmit | kStudent | kDetailed | kSplit | kForce},
    // progress --detailed
    {"detailed progress", TReportType::DetailedProgress,
     kOrientation | kOmit | kStudent | kDetailed | kSplit | kForce, false, true},
    {"criteria", TReportType::GradeCriteria, kOrientation},
    {"chart", TReportType::Gradebook,
     kOrientation | kGrade | kStudent | kHistogram | kSingleLetter | kLetterStats | kDetail, true},
};

struct TPrintArgs {
    const TReportKind* Kind = nullptr;
    std::string File;
    std::string Output;
    std::optional<std::string> Password;
    std::optional<std::string> Student;
    std::optional<QPageSize::PageSizeId> Paper;
    std::string SplitDir; // one PDF a student in this folder
    bool Force = false;   // --split overwrites the PDFs already there
    bool OrientationGiven = false;
    PrintOptions Options;
    // The chart's choices, as marklow-cli stats takes them.
    TChartSelection Chart;
    bool Detail = false;
};

TPrintGrade ParseGrade(const std::string& v) {
    if (v == "exact") return TPrintGrade::ExactlyAsEntered;
    if (v == "numbers") return TPrintGrade::NumbersOnly;
    if (v == "letters") return TPrintGrade::LettersOnly;
    if (v == "both") return TPrintGrade::NumbersAndLetters;
    throw TUsageError{"--grade takes exact, numbers, letters or both"};
}

const TReportKind& FindKind(const std::string& name) {
    for (const TReportKind& k : kKinds)
        if (!k.Variant && name == k.Name) return k;
    throw TUsageError{"unknown report kind " + name};
}

int EntryNumber(const std::string& option, const std::string& text) {
    int k = -1;
    auto res = std::from_chars(text.data(), text.data() + text.size(), k);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size() || k < 0)
        throw TUsageError{option + " needs an entry number (0, 1, 2, ...), not \"" + text + "\""};
    return k;
}

TPrintArgs Parse(const std::vector<std::string>& args) {
    TPrintArgs a;
    bool& orientationGiven = a.OrientationGiven;
    std::vector<std::string> words;
    unsigned used = 0;
    std::string firstUsed[kOptionCount];
    // --grade and --student mean one thing for the chart and another for the other
    // reports: read once the kind is known.
    std::optional<std::string> grade;
    std::vector<std::pair<std::string, std::string>> entries; // option, value
    TArgReader r(args);
    while (r.Next()) {
        auto take = [&](TOption o) {
            used |= o;
            for (int bit = 0; bit < kOptionCount; ++bit)
                if (o == (1u << bit) && firstUsed[bit].empty()) firstUsed[bit] = r.Word();
        };
        auto orientation = [&](TReportOrientation o) {
            if (orientationGiven && a.Options.Orientation != o)
                throw TUsageError{"--portrait and --landscape exclude each other"};
            orientationGiven = true;
            a.Options.Orientation = o;
            take(kOrientation);
        };
        if (r.Word() == "-o" || r.Is("--output")) {
            a.Output = OutputValue(r);
        } else if (r.Is("--password")) {
            a.Password = r.Value();
        } else if (r.Word() == "--portrait") {
            orientation(TReportOrientation::Portrait);
        } else if (r.Word() == "--landscape") {
            orientation(TReportOrientation::Landscape);
        } else if (r.Is("--grade")) {
            take(kGrade);
            grade = r.Value();
            entries.emplace_back("--grade", *grade);
        } else if (r.Word() == "--shade-curved") {
            take(kShade);
            a.Options.ShadeCurved = true;
        } else if (r.Word() == "--omit-after-last-entry") {
            take(kOmit);
            a.Options.OmitAfterLastEntry = true;
        } else if (r.Word() == "--ids") {
            take(kIds);
            a.Options.PrintStudent = TPrintStudent::IDs;
        } else if (r.Is("--student")) {
            take(kStudent);
            a.Student = r.Value();
            entries.emplace_back("--student", *a.Student);
        } else if (r.Word() == "--histogram") {
            take(kHistogram);
            a.Chart.Histogram = true;
        } else if (r.Word() == "--single-letter") {
            take(kSingleLetter);
            a.Chart.SingleLetter = true;
        } else if (r.Word() == "--letter-stats") {
            take(kLetterStats);
            a.Chart.LetterStats = true;
        } else if (r.Word() == "--detail") {
            take(kDetail);
            a.Detail = true;
        } else if (r.Word() == "--detailed") {
            take(kDetailed);
        } else if (r.Is("--split")) {
            take(kSplit);
            a.SplitDir = r.Value();
            if (a.SplitDir.empty()) throw TUsageError{"--split needs a folder"};
        } else if (r.Word() == "--force") {
            take(kForce);
            a.Force = true;
        } else if (r.Is("--paper")) {
            std::string v = r.Value();
            if (v == "letter")
                a.Paper = QPageSize::Letter;
            else if (v == "a4")
                a.Paper = QPageSize::A4;
            else
                throw TUsageError{"--paper takes letter or a4"};
        } else if (r.IsOption()) {
            throw TUsageError{"unknown option " + r.Word()};
        } else {
            words.push_back(r.Word());
        }
    }
    if (words.empty())
        throw TUsageError{"print needs a report kind: gradebook, progress, criteria or chart"};
    a.Kind = &FindKind(words[0]);
    if ((used & kDetailed) && a.Kind->Type == TReportType::Progress) a.Kind = &kKinds[2];
    if (words.size() != 2) throw TUsageError{"print needs a report kind and exactly one FILE"};
    a.File = words[1];
    if (!a.Output.empty() && !a.SplitDir.empty())
        throw TUsageError{"-o and --split exclude each other"};
    if (a.Output.empty() && a.SplitDir.empty()) throw TUsageError{"print needs -o OUT.pdf"};
    if (a.Force && a.SplitDir.empty()) throw TUsageError{"--force goes with --split"};
    for (int bit = 0; bit < kOptionCount; ++bit)
        if ((used & ~a.Kind->Options) & (1u << bit))
            throw TUsageError{firstUsed[bit] + " does not apply to the " + a.Kind->Name +
                              " report"};
    if (!a.Kind->Chart) {
        if (grade) a.Options.PrintGrade = ParseGrade(*grade);
        return a;
    }
    if (entries.size() > 1) throw TUsageError{"--grade and --student are given once, and not both"};
    if (!entries.empty()) {
        a.Chart.DataType = entries[0].first == "--grade" ? TDataType::Grade : TDataType::Student;
        a.Chart.Entry = EntryNumber(entries[0].first, entries[0].second);
    }
    a.Student.reset();
    if ((a.Chart.SingleLetter || a.Chart.LetterStats) && !a.Chart.Histogram)
        throw TUsageError{"--single-letter and --letter-stats go with --histogram"};
    return a;
}

// The row of the first student of that name, or 0.
int StudentRow(const TGradebook& gb, const std::string& name) {
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        if (gb.Cell(1, r) == name) return r;
    return 0;
}

// Fonts and PDF pages need a GUI application; without a display it runs offscreen.
bool EnsureGuiApplication(std::ostream& err) {
    if (QCoreApplication::instance()) {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return true;
        err << "marklow-cli: print needs a GUI application object\n";
        return false;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "marklow-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv); // lives to the exit
    return app != nullptr;
}

// The chart as the chart window shows it for the choices: a line graph, or a bar chart of
// the histogram; one landscape page, or the description and detail in portrait.
int PrintChart(const TPrintArgs& a, const TGradebook& gb, std::ostream& err) {
    const bool grades = a.Chart.DataType == TDataType::Grade;
    const int last = grades ? gb.GradeCount() : gb.StudentCount();
    if (a.Chart.Entry > last)
        throw TUsageError{a.File + " has no " + (grades ? "grade" : "student") + " entry " +
                          std::to_string(a.Chart.Entry) + " (the list ends at " +
                          std::to_string(last) + ")"};
    if (!EnsureGuiApplication(err)) return kUnreadable;
    TFormChartPrint form;
    form.SetSource(gb, MakeChartPrintSource(gb, a.Chart, DefaultChartLook(a.Chart.Histogram)));
    if (form.Source().Result.NoLetterThresholds)
        err << "marklow-cli: " << a.File
            << ": the Numbers to Letters table is empty, so the histogram has no ranges\n";
    if (a.Detail) {
        if (QString why = form.DetailNothingToPrint(); !why.isEmpty()) {
            err << "marklow-cli: " << why.toStdString() << "\n";
            return kUnreadable;
        }
    }
    TQuickRep& report = a.Detail ? form.DetailReport : form.GraphicReport;
    report.Page.Paper = a.Paper ? *a.Paper : LocalePaper();
    // Each printout keeps its own orientation unless one is asked for.
    if (a.OrientationGiven)
        report.Page.Orientation = a.Options.Orientation == TReportOrientation::Landscape
                                      ? QPageLayout::Landscape
                                      : QPageLayout::Portrait;
    const QString title = a.Detail ? form.DetailTitle() : form.GraphicTitle();
    TOutputStatus s = WritePdfFile(report, QString::fromStdString(a.Output), {}, {}, title);
    if (s.Result != TOutputResult::Done) {
        err << "marklow-cli: " << s.Error.toStdString() << "\n";
        return kUnreadable;
    }
    return kShown;
}

// One PDF a student in the folder, named after the student: what a teacher mails each
// family. The report runs once per student over the same source, so what it gathers about
// the class it gathers once.
int PrintSplit(const TPrintArgs& a, TReportForm& form, PrintOptions& options, const TGradebook& gb,
               std::ostream& out, std::ostream& err) {
    const QString dir = QString::fromStdString(a.SplitDir);
    if (!QDir().mkpath(dir)) {
        err << "marklow-cli: cannot make the folder " << a.SplitDir << "\n";
        return kUnreadable;
    }
    std::vector<int> rows;
    if (options.AllStudents)
        for (int r = 2; r <= gb.LastStudentRow(); ++r)
            rows.push_back(r);
    else
        rows.push_back(options.SelectedStudent + 2);
    std::vector<std::string> names;
    for (int r : rows)
        names.emplace_back(gb.Cell(1, r));
    const std::vector<std::string> files = UniqueFileNames(names);
    // Every name is looked at before the first file is written: a link put in the folder is
    // never written through, and PDFs already there are kept unless --force is given.
    std::vector<QString> paths;
    std::string existing;
    size_t existingCount = 0;
    for (const std::string& file : files) {
        paths.push_back(QDir(dir).filePath(QString::fromStdString(file + ".pdf")));
        const std::string path = paths.back().toStdString();
        TOutputTarget target = CheckOutputTarget(path);
        if (target.Kind == TOutputTarget::TKind::Refused) {
            err << "marklow-cli: " << target.Error << "\nNothing was written.\n";
            return kUnreadable;
        }
        if (target.Kind != TOutputTarget::TKind::New && !a.Force && existingCount++ == 0)
            existing = path;
    }
    if (existingCount > 0) {
        err << "marklow-cli: " << existing << " already exists";
        if (existingCount > 1) err << " (and " << existingCount - 1 << " more of the files)";
        err << ": nothing was written; give --force to overwrite\n";
        return kUnreadable;
    }
    options.AllStudents = false;
    form.SetSource(gb, options);
    for (size_t i = 0; i < rows.size(); ++i) {
        options.SelectedStudent = rows[i] - 2;
        const QString& path = paths[i];
        TOutputStatus s = WritePdfFile(form.Report(), path, {}, {}, form.DocumentTitle());
        if (s.Result != TOutputResult::Done) {
            err << "marklow-cli: " << path.toStdString() << ": " << s.Error.toStdString() << "\n";
            return kUnreadable;
        }
    }
    out << rows.size() << (rows.size() == 1 ? " file" : " files") << " written to " << a.SplitDir
        << "\n";
    return kShown;
}

} // namespace

int RunPrint(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            out << kPrintHelp;
            return kShown;
        }
    }
    TPrintArgs a = Parse(args);
    TGradebook gb;
    if (int status = OpenGradebookFile(a.File, a.Password, gb, err)) return status;
    // The averages as the program shows them after opening the file.
    RecomputeAll(gb);
    if (a.Kind->Chart) return PrintChart(a, gb, err);
    if (a.Student) {
        int r = StudentRow(gb, *a.Student);
        if (!r) throw TUsageError{"no student is named " + *a.Student};
        a.Options.AllStudents = false;
        a.Options.SelectedStudent = r - 2;
    }
    if (!EnsureGuiApplication(err)) return kUnreadable;
    std::unique_ptr<TReportForm> form = MakeReportForm(a.Kind->Type);
    if (!form) {
        err << "marklow-cli: the " << a.Kind->Name << " report is not available yet\n";
        return kUsage;
    }
    a.Options.ReportType = a.Kind->Type;
    form->SetSource(gb, a.Options);
    if (QString why = form->NothingToPrint(); !why.isEmpty()) {
        err << "marklow-cli: " << why.toStdString() << "\n";
        return kUnreadable;
    }
    TQuickRep& report = form->Report();
    // A PDF goes to no printer: the paper is the locale's unless asked for. Reports that
    // take no orientation of their own are turned as a printer setup would turn them.
    report.Page.Paper = a.Paper ? *a.Paper : LocalePaper();
    report.Page.Orientation = a.Options.Orientation == TReportOrientation::Landscape
                                  ? QPageLayout::Landscape
                                  : QPageLayout::Portrait;
    if (!a.SplitDir.empty()) return PrintSplit(a, *form, a.Options, gb, out, err);
    QString path = QString::fromStdString(a.Output);
    TOutputStatus s = WritePdfFile(report, path, {}, {}, form->DocumentTitle());
    if (s.Result != TOutputResult::Done) {
        err << "marklow-cli: " << s.Error.toStdString() << "\n";
        return kUnreadable;
    }
    return kShown;
}

#endif

} // namespace marklow::cli
