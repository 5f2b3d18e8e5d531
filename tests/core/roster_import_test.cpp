#include "averages.h"
#include "gradebook_file.h"
#include "roster_import.h"
#include "sample_builder.h"

#include <gtest/gtest.h>

using namespace marklow;

namespace {

std::vector<std::vector<std::string>> Rows(const TRosterTable& t) {
    std::vector<std::vector<std::string>> rows;
    for (size_t r = 0; r < t.RowCount(); ++r) {
        rows.emplace_back();
        for (size_t c = 0; c < t.FieldCount(r); ++c)
            rows.back().emplace_back(t.Field(r, c));
    }
    return rows;
}

TRosterPlan Plan(const TGradebook& gb, std::string_view csv,
                 TNameOrder order = TNameOrder::AsInFile) {
    TRosterTable table = ReadRosterCsv(csv);
    EXPECT_EQ(table.Error, "");
    TRosterLayout layout = RecogniseRoster(table);
    return PlanRosterImport(gb, table, {layout.Columns, order, layout.Format});
}

std::vector<std::string> Names(const TGradebook& gb) {
    std::vector<std::string> names;
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        names.emplace_back(gb.Cell(1, r));
    return names;
}

} // namespace

TEST(RosterCsv, QuotedFieldsHoldDelimitersBreaksAndQuotes) {
    TRosterTable t = ReadRosterCsv("Name,ID\r\n\"Lee, Ann\",\"7\"\"a\"\n\"Roy\nBen\",8\r\n\r\n"
                                   "Kim,\n");
    ASSERT_EQ(t.Error, "");
    EXPECT_EQ(t.Delimiter, ',');
    EXPECT_EQ(Rows(t), (std::vector<std::vector<std::string>>{
                           {"Name", "ID"}, {"Lee, Ann", "7\"a"}, {"Roy\nBen", "8"}, {"Kim", ""}}));
    // The blank line is no record; the line numbers are the file's.
    EXPECT_EQ(t.LineOf(2), 3);
    EXPECT_EQ(t.LineOf(3), 6);
    EXPECT_EQ(t.Field(3, 5), "");
}

TEST(RosterCsv, DetectsTheDelimiterAndTheEncoding) {
    // Semicolons split every line alike; the commas inside the names do not.
    TRosterTable semi = ReadRosterCsv("Name;ID\nLee, Ann;1\nRoy, Ben;2\n");
    EXPECT_EQ(semi.Delimiter, ';');
    EXPECT_EQ(Rows(semi)[1], (std::vector<std::string>{"Lee, Ann", "1"}));
    EXPECT_EQ(ReadRosterCsv("Name\tID\nAnn\t1\n").Delimiter, '\t');
    // Commas and semicolons split alike: the commas are the names'.
    EXPECT_EQ(ReadRosterCsv("Park, Zoe;4471\nNguyen, Bao;4472\n").Delimiter, ';');
    EXPECT_EQ(ReadRosterCsv("Name,ID\nAnn,1\n").Delimiter, ',');
    TRosterTable sep = ReadRosterCsv("sep=;\nName;ID\nAnn, B;1\n");
    EXPECT_EQ(sep.Delimiter, ';');
    EXPECT_EQ(Rows(sep)[0], (std::vector<std::string>{"Name", "ID"}));

    TRosterTable bom = ReadRosterCsv("\xEF\xBB\xBFName\nZo\xC3\xAB\n");
    EXPECT_EQ(bom.Encoding, TRosterEncoding::Utf8Bom);
    EXPECT_EQ(bom.Field(0, 0), "Name");
    EXPECT_EQ(bom.Field(1, 0), "Zo\xC3\xAB");
    // Not UTF-8: the Windows-1252 bytes of a spreadsheet saved on Windows.
    TRosterTable ansi = ReadRosterCsv("Name\nZo\xEB M\x9A\x80\n");
    EXPECT_EQ(ansi.Encoding, TRosterEncoding::Windows1252);
    EXPECT_EQ(ansi.Field(1, 0), "Zo\xC3\xAB M\xC5\xA1\xE2\x82\xAC");
    TRosterTable badBom = ReadRosterCsv("\xEF\xBB\xBFName\nk\xD2sua\n");
    EXPECT_EQ(badBom.Encoding, TRosterEncoding::Windows1252);
    EXPECT_EQ(badBom.Field(1, 0), "k\xC3\x92sua");
    // Blackboard's UTF-16, a character beyond the BMP included.
    std::string u16("\xFF\xFEN\0a\0m\0e\0\n\0=\xD8\x00\xDE\n\0", 18);
    TRosterTable wide = ReadRosterCsv(u16);
    EXPECT_EQ(wide.Error, "");
    EXPECT_EQ(wide.Encoding, TRosterEncoding::Utf16Le);
    EXPECT_EQ(wide.Field(1, 0), "\xF0\x9F\x98\x80");
}

TEST(RosterCsv, BadInputGivesAClearMessage) {
    EXPECT_NE(ReadRosterCsv("").Error.find("empty"), std::string::npos);
    EXPECT_NE(ReadRosterCsv("\xEF\xBB\xBF\r\n\n").Error.find("empty"), std::string::npos);
    EXPECT_NE(ReadRosterCsv(std::string("Name\nA\0nn\n", 10)).Error.find("NUL"), std::string::npos);
    std::string longLine = "Name\n" + std::string(50u << 20, 'x') + "\n";
    TRosterTable big = ReadRosterCsv(longLine);
    EXPECT_NE(big.Error.find("Line 2 is longer than 1 MB"), std::string::npos) << big.Error;
    EXPECT_EQ(big.RowCount(), 0u);
    // A quoted field too long ends the same way; one that never closes says so.
    EXPECT_NE(ReadRosterCsv("\"" + std::string(2u << 20, 'x')).Error.find("longer"),
              std::string::npos);
    EXPECT_NE(ReadRosterCsv("Name\n\"Lee, Ann\n").Error.find("Line 2 opens a quoted field"),
              std::string::npos);
    EXPECT_NE(ReadRosterCsv(std::string(kMaxRosterBytes + 1, 'a')).Error.find("128 MB"),
              std::string::npos);
}

TEST(RosterColumns, RecognisesEachSystemsHeaders) {
    struct Case {
        const char* Header;
        TRosterFormat Format;
        TRosterColumns Columns;
    };
    const Case cases[] = {
        {"Student,ID,SIS User ID,SIS Login ID,Section,Quiz 1 (123)",
         TRosterFormat::Canvas,
         {0, -1, -1, 2, 3, true, 1}},
        {"First name,Last name,ID number,Institution,Department,Email address",
         TRosterFormat::Moodle,
         {-1, 0, 1, 2, 5, true}},
        {"username,firstname,lastname,email,idnumber",
         TRosterFormat::Moodle,
         {-1, 1, 2, 4, 3, true}},
        {"\"Last Name\",\"First Name\",\"Username\",\"Student ID\",\"Last Access\"",
         TRosterFormat::Blackboard,
         {-1, 1, 0, 3, 2, true}},
        {"NAME;Student Number", TRosterFormat::Generic, {0, -1, -1, 1, -1, true}},
        {"Telefon,Numéro", TRosterFormat::Unrecognised, {-1, -1, -1, -1, -1, false}},
        // A French list's "Nom" alone is the whole name.
        {"Nom,Numéro", TRosterFormat::Generic, {0, -1, -1, -1, -1, true}},
    };
    for (const Case& c : cases) {
        TRosterLayout layout = RecogniseRoster(ReadRosterCsv(std::string(c.Header) + "\nx,y\n"));
        EXPECT_EQ(layout.Format, c.Format) << c.Header;
        EXPECT_EQ(layout.Columns, c.Columns) << c.Header;
    }
    TRosterTable t = ReadRosterCsv("Pupil,E-Mail\nAnn,a@b\n");
    EXPECT_EQ(FindRosterColumn(t, "e-mail"), 1);
    EXPECT_EQ(FindRosterColumn(t, "2"), 1);
    EXPECT_EQ(FindRosterColumn(t, "3"), -1);
    EXPECT_EQ(FindRosterColumn(t, "Phone"), -1);
}

TEST(RosterNames, OrderAsChosenAndCutAsPasteCutsIt) {
    EXPECT_EQ(RosterName("Lee, Ann", "", "", false, TNameOrder::AsInFile), "Lee, Ann");
    EXPECT_EQ(RosterName(" Lee ,  Ann Marie ", "", "", false, TNameOrder::FirstLast),
              "Ann Marie Lee");
    EXPECT_EQ(RosterName("Ann Lee", "", "", false, TNameOrder::FirstLast), "Ann Lee");
    EXPECT_EQ(RosterName("", " Ann ", "Lee", true, TNameOrder::FirstLast), "Ann Lee");
    EXPECT_EQ(RosterName("", "Ann", "Lee", true, TNameOrder::AsInFile), "Lee, Ann");
    EXPECT_EQ(RosterName("", "", "Lee", true, TNameOrder::AsInFile), "Lee");
    EXPECT_EQ(RosterName("Ann\tLee", "", "", false, TNameOrder::AsInFile), "Ann Lee");
    // 300 two-byte characters: 255 characters kept, cut between characters.
    std::string longName;
    for (int i = 0; i < 300; ++i)
        longName += "\xC3\xA9";
    EXPECT_EQ(RosterName(longName, "", "", false, TNameOrder::AsInFile), longName.substr(0, 510));
}

TEST(RosterPlan, MatchesByIdThenByNameInEitherOrder) {
    TGradebook gb;
    gb.SetEditMode(false);
    AddStudent(gb, "Lee, Ann", "S1");  // row 2: by ID
    AddStudent(gb, "ben roy");         // row 3: by name, gets the ID and the e-mail
    AddStudent(gb, "Cara Diaz", "S9"); // row 4: another ID, same name: not her
    AddStudent(gb, "Dov Old");         // row 5: not on the roster
    gb.StudentAt(2)->Notes = "front row";
    gb.StudentAt(2)->Login = "ann@old";
    TRosterPlan plan = Plan(gb,
                            "Student,ID,SIS User ID,SIS Login ID,Section\n"
                            "    Points Possible,,,,\n"
                            "\"Lee, Ann\",11,S1,ann@x,A\n"
                            "\"Roy, Ben\",12,S2,ben@x,A\n"
                            "\"Diaz, Cara\",13,S3,cara@x,A\n"
                            "\"Lee, Ann\",11,S1,ann@x,A\n"
                            ",14,S4,,A\n"
                            "\"Student, Test\",15,,,A\n",
                            TNameOrder::FirstLast);
    ASSERT_EQ(plan.Error, "");
    ASSERT_EQ(plan.Lines.size(), 7u);
    EXPECT_EQ(plan.Lines[0].Outcome, TRosterOutcome::NotAStudent);
    EXPECT_EQ(plan.Lines[1].Outcome, TRosterOutcome::MatchedById);
    EXPECT_EQ(plan.Lines[1].Row, 2);
    EXPECT_FALSE(plan.Lines[1].Fills); // has its ID and login already
    EXPECT_EQ(plan.Lines[2].Outcome, TRosterOutcome::MatchedByName);
    EXPECT_EQ(plan.Lines[2].Row, 3);
    EXPECT_EQ(plan.Lines[3].Outcome, TRosterOutcome::Added);
    EXPECT_EQ(plan.Lines[3].Name, "Cara Diaz");
    EXPECT_EQ(plan.Lines[3].Row, 6);
    EXPECT_EQ(plan.Lines[4].Outcome, TRosterOutcome::Repeated);
    EXPECT_EQ(plan.Lines[4].SameAsLine, 3);
    EXPECT_EQ(plan.Lines[5].Outcome, TRosterOutcome::NoName);
    EXPECT_EQ(plan.Lines[6].Outcome, TRosterOutcome::NotAStudent);
    EXPECT_EQ(plan.NotOnRoster, (std::vector<int>{4, 5}));
    EXPECT_EQ(plan.Added, 1);
    EXPECT_EQ(plan.MatchedById, 1);
    EXPECT_EQ(plan.MatchedByName, 1);
    EXPECT_EQ(plan.Skipped + plan.Repeated, 4);
    ASSERT_EQ(plan.Change.Fills.size(), 1u);
    EXPECT_EQ(plan.Change.Fills[0].NewID, "S2");
    EXPECT_EQ(plan.Change.Fills[0].NewLogin, "ben@x");

    const std::string before = WriteGradebook(gb);
    ApplyRosterImport(gb, plan.Change);
    EXPECT_EQ(Names(gb), (std::vector<std::string>{"Lee, Ann", "ben roy", "Cara Diaz", "Dov Old",
                                                   "Cara Diaz"}));
    EXPECT_EQ(gb.StudentAt(6)->ID, "S3");
    // The login has a field of its own; the notes are the teacher's.
    EXPECT_EQ(gb.StudentAt(6)->Login, "cara@x");
    EXPECT_EQ(gb.StudentAt(6)->Notes, "");
    EXPECT_EQ(gb.StudentAt(6)->UserOrder, 2147483647);
    EXPECT_EQ(gb.StudentAt(3)->ID, "S2");
    EXPECT_EQ(gb.StudentAt(2)->Notes, "front row");
    RevertRosterImport(gb, plan.Change);
    EXPECT_EQ(WriteGradebook(gb), before);
}

TEST(RosterPlan, LinesWithIdsClaimNamesakesOneEachAndRepeatsCollapse) {
    TGradebook gb;
    gb.SetEditMode(false);
    AddStudent(gb, "Sam Poe");
    AddStudent(gb, "Sam Poe");
    TRosterPlan plan = Plan(gb,
                            "First name,Last name,ID number,Email address\n"
                            "Sam,Poe,1,a@x\nSam,Poe,2,b@x\nSam,Poe,3,c@x\nSam,Poe,2,b@x\n",
                            TNameOrder::FirstLast);
    ASSERT_EQ(plan.Lines.size(), 4u);
    EXPECT_EQ(plan.Lines[0].Row, 2);
    EXPECT_EQ(plan.Lines[1].Row, 3);
    EXPECT_EQ(plan.Lines[2].Outcome, TRosterOutcome::Added);
    EXPECT_EQ(plan.Lines[3].Outcome, TRosterOutcome::Repeated);
    EXPECT_EQ(plan.Lines[3].SameAsLine, 3);
    EXPECT_TRUE(plan.NotOnRoster.empty());
    // Names differing in case and blanks are the same student; repeated lines add one.
    TRosterPlan names = Plan(gb, "Name\n  SAM POE \nNew Kid\nnew kid\n");
    EXPECT_EQ(names.MatchedByName, 1);
    EXPECT_EQ(names.Added, 1);
    EXPECT_EQ(names.Repeated, 1);
    EXPECT_EQ(names.NotOnRoster, (std::vector<int>{3}));
}

TEST(RosterPlan, NoNameColumnChangesNothing) {
    TGradebook gb;
    TRosterTable t = ReadRosterCsv("Telefon,Numéro\nAnn,1\n");
    TRosterLayout layout = RecogniseRoster(t);
    TRosterPlan plan =
        PlanRosterImport(gb, t, {layout.Columns, TNameOrder::AsInFile, layout.Format});
    EXPECT_NE(plan.Error.find("no column of names"), std::string::npos);
    EXPECT_FALSE(plan.Change.Changes());
    // Chosen by hand, without a header: every line is a student.
    TRosterColumns chosen;
    chosen.Name = 0;
    chosen.Id = 1;
    chosen.Header = false;
    TRosterPlan picked = PlanRosterImport(gb, t, {chosen, TNameOrder::AsInFile, layout.Format});
    EXPECT_EQ(picked.Added, 2);
    EXPECT_EQ(picked.Change.Added.NewStudents[1].ID, "1");
}

TEST(RosterPlan, AppliedInEditModeGivesWhatRecomputingGives) {
    TBuildOptions o;
    o.Students = 20;
    o.Grades = 6;
    o.EditMode = true;
    auto gb = BuildGradebook(o);
    RecomputeAll(*gb);
    const std::string before = WriteGradebook(*gb);
    TRosterPlan plan = Plan(*gb, "Name,Student ID\nNew One,N1\nNew Two,N2\n");
    ASSERT_EQ(plan.Added, 2);
    ApplyRosterImport(*gb, plan.Change);
    EXPECT_EQ(gb->Cell(1, 22), "New One");
    EXPECT_EQ(gb->RowCount(), 25); // the spare row follows them
    const std::string applied = WriteGradebook(*gb);
    RecomputeAll(*gb);
    EXPECT_EQ(WriteGradebook(*gb), applied);
    RevertRosterImport(*gb, plan.Change);
    EXPECT_EQ(WriteGradebook(*gb), before);
    // A plan for another shape is refused before anything changes.
    AddStudent(*gb, "Late");
    EXPECT_THROW(ApplyRosterImport(*gb, plan.Change), std::logic_error);
}

TEST(RosterPlan, SummaryListsAddedSkippedAndNotOnRoster) {
    TGradebook gb;
    gb.SetEditMode(false);
    AddStudent(gb, "Old Timer");
    TRosterPlan plan = Plan(gb, "Name,ID\nAnn Lee,7\n,8\n");
    EXPECT_EQ(RosterSummaryText(gb, plan),
              "Added: 1 student\n"
              "Matched: 0 (0 by ID, 0 by name); 0 of them get an ID or login\n"
              "Not on the roster (kept): 1 student\n"
              "Skipped: 1 line\n"
              "Students added:\n  Ann Lee (ID 7)\n"
              "Lines skipped:\n  line 3: no name\n"
              "Students not on the roster:\n  Old Timer\n");
}

TEST(RosterColumns, AVeryWideListOffersItsFirstColumnsAndEveryRecognisedOne) {
    // A header of a million columns in a megabyte, with the names far to the right.
    std::string header;
    for (int i = 0; i < 999999; ++i)
        header += i == 500000 ? "Name," : i == 700000 ? "SIS User ID," : ",";
    header += "y\nAnn Lee";
    TRosterTable table = ReadRosterCsv(header);
    ASSERT_TRUE(table.Error.empty()) << table.Error;
    ASSERT_EQ(table.ColumnCount(), 1000000u);
    TRosterColumns recognised;
    recognised.Name = 500000;
    recognised.Id = 700000;
    const std::vector<int> offered = OfferedRosterColumns(table, recognised);
    ASSERT_EQ(offered.size(), kMaxRosterColumnsOffered + 2);
    for (size_t i = 0; i < kMaxRosterColumnsOffered; ++i)
        EXPECT_EQ(offered[i], static_cast<int>(i));
    EXPECT_EQ(offered[kMaxRosterColumnsOffered], 500000);
    EXPECT_EQ(offered[kMaxRosterColumnsOffered + 1], 700000);

    // A narrow list offers every column once, whatever was recognised in it.
    TRosterTable narrow = ReadRosterCsv("Name,ID,Email\nAnn,1,a@x.example\n");
    TRosterColumns cols = RecogniseRoster(narrow).Columns;
    EXPECT_EQ(OfferedRosterColumns(narrow, cols), (std::vector<int>{0, 1, 2}));
    // Two choices of one column beyond the cap, and one beyond the table, come once or never.
    cols.First = cols.Last = 2;
    cols.Login = 7;
    EXPECT_EQ(OfferedRosterColumns(narrow, cols, 1), (std::vector<int>{0, 1, 2}));
}

TEST(RosterCsv, Utf16WithoutAByteOrderMarkIsReadAsUtf16) {
    auto wide = [](std::string_view ascii, bool big) {
        std::string out;
        for (char c : ascii) {
            if (big) out += '\0';
            out += c;
            if (!big) out += '\0';
        }
        return out;
    };
    for (bool big : {false, true}) {
        // "Zoë Lee" with its non-ASCII letter, then the ID.
        std::string bytes = wide("Name,ID\r\nZo", big);
        bytes += big ? std::string("\0\xEB", 2) : std::string("\xEB\0", 2);
        bytes += wide(" Lee,7\r\n", big);
        TRosterTable table = ReadRosterCsv(bytes);
        EXPECT_EQ(table.Error, "") << big;
        EXPECT_EQ(table.Encoding, big ? TRosterEncoding::Utf16Be : TRosterEncoding::Utf16Le);
        ASSERT_EQ(table.RowCount(), 2u);
        EXPECT_EQ(table.Field(1, 0), "Zo\xC3\xAB Lee");
        EXPECT_EQ(table.Field(1, 1), "7");
        EXPECT_EQ(table.Field(0, 1), "ID");
    }
    // NUL bytes that do not alternate with text are still no class list.
    EXPECT_NE(ReadRosterCsv(std::string("Name\nA\0nn\n", 10)).Error.find("NUL"), std::string::npos);
    EXPECT_NE(ReadRosterCsv(std::string(64, '\0')).Error.find("NUL"), std::string::npos);
    EXPECT_NE(ReadRosterCsv(std::string("N\0", 2)).Error.find("NUL"), std::string::npos);
}
