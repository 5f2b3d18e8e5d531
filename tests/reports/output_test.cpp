#include "cli.h"
#include "gbook_form.h"
#include "gradebook.h"
#include "gradebook_file.h"
#include "output.h"
#include "page_source.h"
#include "report_test_app.h"
#include "safe_save.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <fstream>
#include <sstream>

using namespace marklow;
using marklow::testing::TempFolder;

namespace {

std::string Exec(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return p.readAllStandardOutput().toStdString();
}

int PdfPages(const std::string& path) {
    std::string info = Exec("pdfinfo", {QString::fromStdString(path)});
    auto at = info.find("Pages:");
    if (at == std::string::npos) return -1;
    return std::stoi(info.substr(at + 6));
}

std::string PdfText(const std::string& path) {
    return Exec("pdftotext", {QString::fromStdString(path), "-"});
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::unique_ptr<TGradebook> SampleClass() {
    auto gb = std::make_unique<TGradebook>();
    std::string bytes = ReadFileBytes(MARKLOW_DATA_DIR "/sample-class.gbd");
    EXPECT_EQ(ReadGradebook(bytes, *gb, [](const std::string&) { return true; }).Status,
              TReadResult::TStatus::Loaded);
    return gb;
}

class Output : public ReportTest {
protected:
    TGBookForm form;
    PrintOptions options;
    TempFolder folder;
};

} // namespace

TEST_F(Output, APdfHoldsEveryPageAndTheNames) {
    auto gb = SampleClass();
    form.SetSource(*gb, options);
    TReportPages pages(form.Quickxrp1);
    pages.CountAll();
    std::string path = folder / "class.pdf";
    TOutputStatus s = WritePdfFile(form.Quickxrp1, QString::fromStdString(path));
    ASSERT_EQ(s.Result, TOutputResult::Done) << s.Error.toStdString();
    EXPECT_EQ(s.Pages, pages.Counted());
    EXPECT_EQ(PdfPages(path), pages.Counted());
    std::string text = PdfText(path);
    for (int r = 2; r <= gb->LastStudentRow(); ++r)
        EXPECT_NE(text.find(std::string(gb->Cell(1, r))), std::string::npos) << r;
    EXPECT_NE(text.find("Gradebook for"), std::string::npos);
}

TEST_F(Output, ARangeAndProgress) {
    auto gb = SampleClass();
    form.SetSource(*gb, options);
    std::string path = folder / "range.pdf";
    std::vector<int> told;
    TOutputStatus s =
        WritePdfFile(form.Quickxrp1, QString::fromStdString(path), {2, 2}, [&](int page, int) {
            told.push_back(page);
            return true;
        });
    ASSERT_EQ(s.Result, TOutputResult::Done);
    EXPECT_EQ(told, std::vector<int>{2});
    EXPECT_EQ(PdfPages(path), 1);
    // A range past the last page prints nothing and writes nothing.
    s = WritePdfFile(form.Quickxrp1, QString::fromStdString(folder / "none.pdf"), {99, 0});
    EXPECT_EQ(s.Result, TOutputResult::Empty);
    EXPECT_FALSE(std::filesystem::exists(folder / "none.pdf"));
}

TEST_F(Output, ACancelledOrFailedWriteLeavesTheOldFile) {
    auto gb = SampleClass();
    form.SetSource(*gb, options);
    std::string path = folder / "old.pdf";
    { std::ofstream(path) << "the earlier file"; }
    TOutputStatus s = WritePdfFile(form.Quickxrp1, QString::fromStdString(path), {},
                                   [](int page, int) { return page < 2; });
    EXPECT_EQ(s.Result, TOutputResult::Cancelled);
    EXPECT_EQ(Slurp(path), "the earlier file");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"old.pdf"});
    // A folder in the way, or no folder at all: reported, nothing touched.
    std::filesystem::create_directory(folder / "taken.pdf");
    s = WritePdfFile(form.Quickxrp1, QString::fromStdString(folder / "taken.pdf"));
    EXPECT_EQ(s.Result, TOutputResult::Failed);
    EXPECT_FALSE(s.Error.isEmpty());
    s = WritePdfFile(form.Quickxrp1, QString::fromStdString(folder / "no/such/dir.pdf"));
    EXPECT_EQ(s.Result, TOutputResult::Failed);
    EXPECT_TRUE(s.Error.contains("no/such/dir.pdf"));
}

// The real program in a process of its own, with no display and no platform named.
TEST_F(Output, MarklowCliPrintsWithoutADisplay) {
    std::string out = folder / "class.pdf";
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    p.setProcessEnvironment(env);
    p.start(MARKLOW_CLI_PATH, {"print", "gradebook", MARKLOW_DATA_DIR "/sample-class.gbd", "-o",
                               QString::fromStdString(out), "--landscape", "--paper", "letter",
                               "--grade", "both", "--ids"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    std::string info = Exec("pdfinfo", {QString::fromStdString(out)});
    EXPECT_NE(info.find("792 x 612 pts (letter)"), std::string::npos) << info;
    std::string text = PdfText(out);
    EXPECT_NE(text.find("Class Average"), std::string::npos);
    EXPECT_EQ(text.find("Aaliyah Brooks"), std::string::npos); // IDs, not names
}

TEST_F(Output, MarklowCliPrintUsageAndFailures) {
    auto cli = [](std::vector<std::string> args, std::string* err = nullptr) {
        std::ostringstream o, e;
        int rc = cli::Run(args, o, e);
        if (err) *err = e.str();
        return rc;
    };
    std::string sample = MARKLOW_DATA_DIR "/sample-class.gbd";
    std::string err;
    EXPECT_EQ(cli({"print", "gradebook", sample}, &err), cli::kUsage);
    EXPECT_NE(err.find("-o"), std::string::npos);
    EXPECT_EQ(cli({"print", "roster", sample, "-o", folder / "x.pdf"}, &err), cli::kUsage);
    EXPECT_NE(err.find("unknown report kind roster"), std::string::npos);
    EXPECT_EQ(cli({"print", "gradebook", sample, "-o", folder / "x.pdf", "--grade", "all"}),
              cli::kUsage);
    EXPECT_EQ(
        cli({"print", "gradebook", sample, "-o", folder / "x.pdf", "--portrait", "--landscape"}),
        cli::kUsage);
    EXPECT_EQ(cli({"print", "gradebook", sample, "-o", folder / "x.pdf", "--paper", "legal"}),
              cli::kUsage);
    EXPECT_EQ(cli({"print", "gradebook", folder / "missing.gbd", "-o", folder / "x.pdf"}),
              cli::kUnreadable);
    // A PDF that cannot be written is reported; the file in the way stays.
    std::filesystem::create_directory(folder / "dir.pdf");
    EXPECT_EQ(cli({"print", "gradebook", sample, "-o", folder / "dir.pdf"}, &err),
              cli::kUnreadable);
    EXPECT_NE(err.find("dir.pdf"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir.pdf"));
    EXPECT_FALSE(std::filesystem::exists(folder / "x.pdf"));
    // In-process, with the test's application: A4 on request, the options taken.
    EXPECT_EQ(cli({"print", "gradebook", sample, "-o", folder / "a4.pdf", "--paper=a4",
                   "--omit-after-last-entry", "--shade-curved", "--grade=numbers"}),
              cli::kShown);
    EXPECT_NE(Exec("pdfinfo", {QString::fromStdString(folder / "a4.pdf")}).find("(A4)"),
              std::string::npos);
}

TEST_F(Output, MarklowCliPrintsProgressAndCriteria) {
    auto cli = [](std::vector<std::string> args, std::string* err = nullptr) {
        std::ostringstream o, e;
        int rc = cli::Run(args, o, e);
        if (err) *err = e.str();
        return rc;
    };
    std::string sample = MARKLOW_DATA_DIR "/sample-class.gbd";
    auto gb = SampleClass();
    std::string one = folder / "one.pdf";
    ASSERT_EQ(cli({"print", "progress", sample, "-o", one, "--student", "Ben Carter", "--grade",
                   "both", "--omit-after-last-entry", "--shade-curved"}),
              cli::kShown);
    EXPECT_EQ(PdfPages(one), 1);
    EXPECT_NE(PdfText(one).find("Ben Carter"), std::string::npos);
    std::string all = folder / "all.pdf";
    ASSERT_EQ(cli({"print", "progress", sample, "-o", all, "--landscape"}), cli::kShown);
    EXPECT_EQ(PdfPages(all), gb->StudentCount());
    EXPECT_NE(Exec("pdfinfo", {QString::fromStdString(all)}).find(" x "), std::string::npos);
    std::string criteria = folder / "criteria.pdf";
    ASSERT_EQ(cli({"print", "criteria", sample, "-o", criteria, "--paper", "letter"}), cli::kShown);
    EXPECT_NE(PdfText(criteria).find("Grade Criteria"), std::string::npos);
    EXPECT_NE(PdfText(criteria).find(std::string(gb->Cell(2, 1))), std::string::npos);
    // Options of another report are usage errors; so is a student nobody is called.
    std::string err;
    EXPECT_EQ(cli({"print", "progress", sample, "-o", one, "--ids"}, &err), cli::kUsage);
    EXPECT_NE(err.find("--ids does not apply to the progress report"), std::string::npos);
    EXPECT_EQ(cli({"print", "criteria", sample, "-o", one, "--grade", "both"}), cli::kUsage);
    EXPECT_EQ(cli({"print", "criteria", sample, "-o", one, "--shade-curved"}), cli::kUsage);
    EXPECT_EQ(cli({"print", "gradebook", sample, "-o", one, "--student", "Ben Carter"}),
              cli::kUsage);
    EXPECT_EQ(cli({"print", "progress", sample, "-o", one, "--student", "Nobody"}, &err),
              cli::kUsage);
    EXPECT_NE(err.find("Nobody"), std::string::npos);
    EXPECT_EQ(PdfPages(one), 1); // the earlier file, untouched
}
