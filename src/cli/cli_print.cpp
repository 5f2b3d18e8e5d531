// marklow-cli print: a report of a gradebook as a PDF file, without a display. Each report
// kind is one line of kKinds; the options are those of the program's print dialog.

#include "cli_common.h"

#ifdef MARKLOW_CLI_PRINT
#include "averages.h"
#include "gradebook.h"
#include "output.h"
#include "paper.h"
#include "report_form.h"

#include <QGuiApplication>
#endif

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
  marklow-cli print criteria FILE -o OUT.pdf [--portrait | --landscape]
              [--paper letter|a4] [--password TEXT]
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
};

struct TReportKind {
    const char* Name;
    TReportType Type;
    unsigned Options;
};

// A later report kind is one more line here.
constexpr TReportKind kKinds[] = {
    {"gradebook", TReportType::Gradebook, kOrientation | kGrade | kShade | kOmit | kIds},
    {"progress", TReportType::Progress, kOrientation | kGrade | kShade | kOmit | kStudent},
    {"criteria", TReportType::GradeCriteria, kOrientation},
};

struct TPrintArgs {
    const TReportKind* Kind = nullptr;
    std::string File;
    std::string Output;
    std::optional<std::string> Password;
    std::optional<std::string> Student;
    std::optional<QPageSize::PageSizeId> Paper;
    PrintOptions Options;
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
        if (name == k.Name) return k;
    throw TUsageError{"unknown report kind " + name};
}

TPrintArgs Parse(const std::vector<std::string>& args) {
    TPrintArgs a;
    bool orientationGiven = false;
    std::vector<std::string> words;
    unsigned used = 0;
    std::string firstUsed[6];
    TArgReader r(args);
    while (r.Next()) {
        auto take = [&](TOption o) {
            used |= o;
            for (int bit = 0; bit < 6; ++bit)
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
            a.Output = r.Value();
        } else if (r.Is("--password")) {
            a.Password = r.Value();
        } else if (r.Word() == "--portrait") {
            orientation(TReportOrientation::Portrait);
        } else if (r.Word() == "--landscape") {
            orientation(TReportOrientation::Landscape);
        } else if (r.Is("--grade")) {
            take(kGrade);
            a.Options.PrintGrade = ParseGrade(r.Value());
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
        throw TUsageError{"print needs a report kind: gradebook, progress or criteria"};
    a.Kind = &FindKind(words[0]);
    if (words.size() != 2) throw TUsageError{"print needs a report kind and exactly one FILE"};
    a.File = words[1];
    if (a.Output.empty()) throw TUsageError{"print needs -o OUT.pdf"};
    for (int bit = 0; bit < 6; ++bit)
        if ((used & ~a.Kind->Options) & (1u << bit))
            throw TUsageError{firstUsed[bit] + " does not apply to the " + a.Kind->Name +
                              " report"};
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
