// marklow-cli export-lms, its files read back with Python's csv module, every number checked
// against what the gradebook itself computes from the same file.

#include "averages.h"
#include "cli_run.h"
#include "entry.h"
#include "gradebook_file.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "temp_folder.h"
#include "text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>

using namespace marklow;
using marklow::testing::Cli;
using marklow::testing::Lines;
using marklow::testing::ReadText;
using marklow::testing::TCliResult;
using marklow::testing::TempFolder;

namespace {

using TTable = std::vector<std::vector<std::string>>;

// The records as Python's csv module reads the file in strict mode, decoding strict UTF-8;
// nothing when Python refuses it.
std::optional<TTable> ReadWithPython(const std::string& path) {
    const std::string script =
        "import csv, sys\n"
        "with open(sys.argv[1], newline='', encoding='utf-8', errors='strict') as f:\n"
        "    rows = list(csv.reader(f, strict=True))\n"
        "sys.stdout.buffer.write('\\x1e'.join('\\x1f'.join(r) for r in rows).encode())\n";
    TempFolder dir;
    marklow::testing::WriteText(dir / "read.py", script);
    std::string command =
        std::string(MARKLOW_PYTHON) + " '" + (dir / "read.py") + "' '" + path + "' 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return std::nullopt;
    std::string text;
    char buf[65536];
    for (size_t n; (n = fread(buf, 1, sizeof buf, pipe.get())) > 0;)
        text.append(buf, n);
    if (pclose(pipe.release()) != 0) {
        ADD_FAILURE() << "python could not read " << path << ":\n" << text;
        return std::nullopt;
    }
    TTable table;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\x1e', start);
        if (end == std::string::npos) end = text.size();
        std::vector<std::string> record;
        std::string_view line(text.data() + start, end - start);
        size_t f = 0;
        while (true) {
            size_t g = line.find('\x1f', f);
            record.emplace_back(line.substr(f, g == line.npos ? line.npos : g - f));
            if (g == line.npos) break;
            f = g + 1;
        }
        table.push_back(std::move(record));
        start = end + 1;
    }
    return table;
}

// A class of every sort of entry, with names Python must read back whole.
void WriteClass(const std::string& path, const std::string& password = "") {
    TBuildOptions o;
    o.Students = 60;
    o.Grades = 12;
    o.InvalidShare = 5;
    o.CommentShare = 10;
    o.SlashShare = 10;
    auto gb = BuildGradebook(o);
    gb->GradeAt(3)->ExtraCredit = true;
    gb->GradeAt(4)->Curve = true;
    gb->GradeAt(4)->CurveAmount = 0.35;
    gb->GradeAt(5)->Points = 0;
    gb->GradeAt(6)->Points = 7;
    gb->SetCell(1, 2, "O'Neil, \"Red\" Ana");
    gb->SetCell(1, 3, "Zoë Ñúñez-Çelik");
    gb->SetCell(1, 4, "Line\r\nBreak");
    gb->SetCell(6, 4, "6.3 retake");
    gb->SetCell(7, 1, "Lab, part \"B\"");
    gb->StudentAt(5)->ID = "";
    gb->StudentAt(6)->ID = "S1000";
    gb->Password = password;
    ASSERT_EQ(SaveFileSafely(path, WriteGradebook(*gb)), "");
}

std::unique_ptr<TGradebook> Load(const std::string& path) {
    auto gb = std::make_unique<TGradebook>();
    ReadGradebook(ReadText(path), *gb, [](const std::string&) { return true; });
    RecomputeAll(*gb);
    return gb;
}

// Each score field of one student against the averages' own percentage of the grade.
void ExpectScores(const TGradebook& gb, int r, const std::vector<std::string>& record,
                  size_t first) {
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        const TGrade& g = *gb.GradeAt(c);
        const std::string& field = record.at(first + static_cast<size_t>(c - 2));
        auto pct = EntryPercent(g, ReadEntry(gb.Cell(c, r), gb.LetterToNumber));
        SCOPED_TRACE("row " + std::to_string(r) + " column " + std::to_string(c) + " entry \"" +
                     std::string(gb.Cell(c, r)) + "\" written \"" + field + "\"");
        if (!pct || !(g.Points > 0)) {
            EXPECT_EQ(field, "");
            continue;
        }
        auto written = ConvertNumber(field);
        ASSERT_TRUE(written);
        EXPECT_NEAR(*written, *pct * g.Points / 100, 1e-12 * std::max(1.0, std::fabs(*written)));
    }
}

} // namespace

TEST(CliExportLms, EachFormatReadsBackWithTheGradebooksOwnNumbers) {
#ifndef MARKLOW_HAVE_PYTHON
    GTEST_SKIP() << "python3 was not found when the build was configured";
#endif
    TempFolder dir;
    WriteClass(dir / "c.gbd");
    auto gb = Load(dir / "c.gbd");
    const int students = gb->StudentCount();

    TCliResult r = Cli({"export-lms", dir / "c.gbd", "--format", "canvas", "-o", dir / "c.csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto table = ReadWithPython(dir / "c.csv");
    ASSERT_TRUE(table);
    ASSERT_EQ(table->size(), static_cast<size_t>(students + 2));
    EXPECT_EQ((*table)[0][0], "Student") << "no byte order mark";
    EXPECT_EQ((*table)[0][5 + 5], "Lab, part \"B\"");
    EXPECT_EQ((*table)[1][0], "Points Possible");
    EXPECT_EQ((*table)[1][5 + 1], "0") << "extra credit";
    EXPECT_EQ((*table)[1][5 + 3], "(read only)");
    EXPECT_EQ((*table)[1][5 + 4], "7");
    EXPECT_EQ((*table)[2][0], "O'Neil, \"Red\" Ana");
    EXPECT_EQ((*table)[3][0], "Ñúñez-Çelik, Zoë");
    EXPECT_EQ((*table)[4][0], "Line\r\nBreak") << "a name that cannot be split stays as typed";
    EXPECT_EQ((*table)[4][5 + 4], "6.3");
    for (int row = 2; row <= gb->LastStudentRow(); ++row) {
        const auto& record = (*table)[static_cast<size_t>(row)];
        EXPECT_EQ(record[2], gb->StudentAt(row)->ID);
        ExpectScores(*gb, row, record, 5);
    }
    // Told on standard error: the student without ID, the ID held twice, every entry that
    // cannot be read.
    std::vector<std::string> warnings = Lines(r.err);
    size_t unreadable = 0;
    for (const std::string& line : warnings) {
        EXPECT_EQ(line.rfind("marklow-cli: warning: ", 0), 0u) << line;
        unreadable += line.find("cannot be read") != std::string::npos;
    }
    EXPECT_GT(unreadable, 10u);
    EXPECT_NE(r.err.find("has no ID"), std::string::npos);
    EXPECT_NE(r.err.find("has the ID \"S1000\""), std::string::npos);

    ASSERT_EQ(Cli({"export-lms", dir / "c.gbd", "--format=moodle", "-o", dir / "m.csv"}).status, 0);
    table = ReadWithPython(dir / "m.csv");
    ASSERT_TRUE(table);
    ASSERT_EQ((*table)[0][0], "ID number");
    // The student without ID (row 5) and without e-mail address is left out.
    ASSERT_EQ(table->size(), static_cast<size_t>(students));
    size_t record = 1;
    for (int row = 2; row <= gb->LastStudentRow(); ++row) {
        if (row == 5) continue;
        EXPECT_EQ((*table)[record][1], gb->Cell(1, row));
        ExpectScores(*gb, row, (*table)[record++], 3);
    }

    r = Cli(
        {"export-lms", "--format", "scores", dir / "c.gbd", "--bom", "--output", dir / "s.csv"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.err.find("has no ID"), std::string::npos) << "the table matches nobody";
    const std::string bytes = ReadText(dir / "s.csv");
    ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    table = ReadWithPython(dir / "s.csv");
    ASSERT_TRUE(table);
    ASSERT_EQ((*table)[0].back(), "Letter");
    for (int row = 2; row <= gb->LastStudentRow(); ++row) {
        const auto& fields = (*table)[static_cast<size_t>(row - 1)];
        const TStudent& s = *gb->StudentAt(row);
        ExpectScores(*gb, row, fields, 2);
        ASSERT_TRUE(s.HasAverage);
        EXPECT_NEAR(*ConvertNumber(fields[fields.size() - 2]), s.Average, 1e-12 * s.Average);
        EXPECT_EQ(fields.back(), LetterOf(gb->NumberToLetter, s.Average));
    }
}

TEST(CliExportLms, UsagePasswordsAndStandardOutput) {
    TempFolder dir;
    WriteClass(dir / "locked.gbd", "Open Sesame");
    EXPECT_EQ(Cli({"export-lms", dir / "locked.gbd"}).status, 1) << "no format";
    EXPECT_EQ(Cli({"export-lms", dir / "locked.gbd", "--format", "blackboard"}).status, 1);
    EXPECT_EQ(Cli({"export-lms", "--format", "canvas"}).status, 1);
    EXPECT_EQ(Cli({"export-lms", dir / "locked.gbd", "--format", "canvas", "--ids"}).status, 1);
    EXPECT_EQ(Cli({"export-lms", dir / "locked.gbd", "--format", "canvas"}).status, 3);
    EXPECT_EQ(Cli({"export-lms", dir / "missing.gbd", "--format", "canvas"}).status, 2);

    TCliResult shown =
        Cli({"export-lms", dir / "locked.gbd", "--format", "canvas", "--password", "Open Sesame"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out.rfind("Student,ID,SIS User ID,SIS Login ID,Section,", 0), 0u);
    ASSERT_EQ(Cli({"export-lms", dir / "locked.gbd", "--format", "canvas", "--password",
                   "Open Sesame", "-o", dir / "c.csv"})
                  .status,
              0);
    EXPECT_EQ(ReadText(dir / "c.csv"), shown.out) << "the file holds what standard output shows";
    EXPECT_EQ(Cli({"export-lms", dir / "locked.gbd", "--format", "canvas", "--password",
                   "Open Sesame", "-o", dir / "no such folder" + std::string("/c.csv")})
                  .status,
              2);

    TCliResult help = Cli({"--help"});
    EXPECT_NE(help.out.find("export-lms FILE --format canvas|moodle|scores"), std::string::npos);
}
