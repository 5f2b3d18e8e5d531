#include "cli.h"
#include "cli_run.h"
#include "gradebook_file.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace marklow;
using marklow::testing::Cli;
using marklow::testing::ReadText;
using marklow::testing::TCliResult;
using marklow::testing::TempFolder;
using marklow::testing::WriteText;

namespace {

void SaveClass(const std::string& path, const std::string& password = "") {
    TGradebook gb;
    gb.SetEditMode(false);
    AddStudent(gb, "Lee, Ann", "S1");
    AddStudent(gb, "Ben Roy");
    AddGrade(gb, "Quiz", 10);
    gb.SetCell(2, 2, "9");
    gb.Password = password;
    gb.SetEditMode(true);
    ASSERT_EQ(SaveFileSafely(path, WriteGradebook(gb)), "");
}

std::unique_ptr<TGradebook> Load(const std::string& path) {
    auto gb = std::make_unique<TGradebook>();
    ReadGradebook(ReadText(path), *gb, [](const std::string&) { return true; });
    return gb;
}

constexpr const char* kBlackboard = "\"Last Name\",\"First Name\",\"Username\",\"Student ID\"\n"
                                    "\"Lee\",\"Ann\",\"alee\",\"S1\"\n"
                                    "\"Roy\",\"Ben\",\"broy\",\"S2\"\n"
                                    "\"Diaz\",\"Cara\",\"cdiaz\",\"S3\"\n";

} // namespace

TEST(CliImportRoster, DryRunPrintsThePlanAndWritesNothing) {
    TempFolder dir;
    SaveClass(dir / "c.gbd");
    WriteText(dir / "r.csv", kBlackboard);
    const std::string before = ReadText(dir / "c.gbd");
    TCliResult r = Cli(
        {"import-roster", dir / "c.gbd", dir / "r.csv", "--dry-run", "--name-order", "first-last"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Roster: Blackboard download, UTF-8, comma-separated, 4 lines\n"
                     "Added: 1 student\n"
                     "Matched: 2 (1 by ID, 1 by name); 2 of them get an ID or login\n"
                     "Not on the roster (kept): 0 students\n"
                     "Skipped: 0 lines\n"
                     "Students added:\n  Cara Diaz (ID S3)\n"
                     "Nothing was written (--dry-run).\n");
    EXPECT_EQ(ReadText(dir / "c.gbd"), before);
    EXPECT_FALSE(std::filesystem::exists(dir / "c.Backup.gbd"));
}

TEST(CliImportRoster, WritesTheClassWithItsBackup) {
    TempFolder dir;
    SaveClass(dir / "c.gbd", "pw");
    WriteText(dir / "r.csv", kBlackboard);
    const std::string before = ReadText(dir / "c.gbd");
    EXPECT_EQ(Cli({"import-roster", dir / "c.gbd", dir / "r.csv"}).status, 3);
    TCliResult r = Cli({"import-roster", dir / "c.gbd", dir / "r.csv", "--password=pw"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Wrote "), std::string::npos);
    EXPECT_EQ(ReadText(dir / "c.Backup.gbd"), before);
    auto gb = Load(dir / "c.gbd");
    EXPECT_EQ(gb->Password, "pw");
    ASSERT_EQ(gb->StudentCount(), 3);
    EXPECT_EQ(gb->Cell(1, 4), "Diaz, Cara"); // as in the file by default
    EXPECT_EQ(gb->StudentAt(4)->ID, "S3");
    EXPECT_EQ(gb->StudentAt(4)->Login, "cdiaz");
    EXPECT_EQ(gb->StudentAt(3)->ID, "S2"); // Ben Roy found under "Roy, Ben"
    EXPECT_EQ(gb->Cell(2, 2), "9");
    // Again: everyone is there, nothing is written.
    TCliResult again = Cli({"import-roster", dir / "c.gbd", dir / "r.csv", "--password", "pw"});
    EXPECT_EQ(again.status, 0);
    EXPECT_NE(again.out.find("Nothing to change"), std::string::npos);
}

TEST(CliImportRoster, ColumnsChosenByHandAndBadRosters) {
    TempFolder dir;
    SaveClass(dir / "c.gbd");
    const std::string before = ReadText(dir / "c.gbd");
    WriteText(dir / "plain.csv", "Zoe Park;Z9\nAnn Lee;\n");
    TCliResult none = Cli({"import-roster", dir / "c.gbd", dir / "plain.csv"});
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("no column of names"), std::string::npos) << none.err;
    TCliResult picked = Cli({"import-roster", dir / "c.gbd", dir / "plain.csv", "--name-column",
                             "1", "--id-column=2", "--dry-run"});
    EXPECT_EQ(picked.status, 0) << picked.err;
    EXPECT_NE(picked.out.find("Added: 1 student\nMatched: 1 (0 by ID, 1 by name)"),
              std::string::npos)
        << picked.out;
    EXPECT_EQ(
        Cli({"import-roster", dir / "c.gbd", dir / "plain.csv", "--id-column", "Phone"}).status, 1);
    EXPECT_EQ(Cli({"import-roster", dir / "c.gbd", dir / "plain.csv", "--name-order", "x"}).status,
              1);
    EXPECT_EQ(Cli({"import-roster", dir / "c.gbd"}).status, 1);

    WriteText(dir / "empty.csv", "");
    WriteText(dir / "nul.csv", std::string("Name\nA\0\n", 8));
    for (const char* bad : {"empty.csv", "nul.csv", "missing.csv"}) {
        TCliResult r = Cli({"import-roster", dir / "c.gbd", dir / bad});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_FALSE(r.err.empty()) << bad;
    }
    EXPECT_EQ(ReadText(dir / "c.gbd"), before);
}

TEST(CliImportRoster, ExportsOfGermanSpanishAndFrenchInstallations) {
    TempFolder dir;
    // A Spanish Moodle's grade export, with the byte order mark Moodle writes for Excel.
    WriteText(dir / "moodle_es.csv",
              "\xEF\xBB\xBF"
              "Nombre,Apellido(s),Número de ID,Institución,Departamento,Dirección de correo,"
              "\"Tarea: Ensayo (Real)\",\"Última descarga de este curso\"\n"
              "Ann,Lee,S1,Colegio,2B,ann@colegio.es,7.00,1733900000\n"
              "Cara,Díaz,S3,Colegio,2B,cara@colegio.es,-,1733900000\n");
    // A German Blackboard's Grade Center download, tab-separated.
    WriteText(dir / "blackboard_de.xls",
              "\"Nachname\"\t\"Vorname\"\t\"Benutzername\"\t\"Studenten-ID\"\t\"Letzter Zugriff\"\n"
              "\"Roy\"\t\"Ben\"\t\"broy\"\t\"S2\"\t\"2026-12-01\"\n"
              "\"Öztürk\"\t\"Jörg\"\t\"joez\"\t\"S4\"\t\"2026-12-01\"\n");
    // A French Moodle's, semicolon-separated.
    WriteText(dir / "moodle_fr.csv",
              "Prénom;Nom;Numéro d'identification;Institution;Département;Adresse de courriel\n"
              "Élodie;Brunet;S5;Lycée;2nde;eb@lycee.fr\n");
    SaveClass(dir / "c.gbd");
    TCliResult es =
        Cli({"import-roster", dir / "c.gbd", dir / "moodle_es.csv", "--name-order", "first-last"});
    ASSERT_EQ(es.status, 0) << es.err;
    EXPECT_EQ(es.out.substr(0, es.out.find('\n')),
              "Roster: Moodle export, UTF-8 with byte order mark, comma-separated, 3 lines");
    TCliResult de = Cli({"import-roster", dir / "c.gbd", dir / "blackboard_de.xls"});
    ASSERT_EQ(de.status, 0) << de.err;
    EXPECT_EQ(de.out.substr(0, de.out.find('\n')),
              "Roster: Blackboard download, UTF-8, tab-separated, 3 lines");
    TCliResult fr = Cli({"import-roster", dir / "c.gbd", dir / "moodle_fr.csv"});
    ASSERT_EQ(fr.status, 0) << fr.err;
    EXPECT_EQ(fr.out.substr(0, fr.out.find('\n')),
              "Roster: Moodle export, UTF-8, semicolon-separated, 2 lines");

    auto gb = Load(dir / "c.gbd");
    ASSERT_EQ(gb->StudentCount(), 5);
    // Ann Lee by her ID, Ben Roy by his name; the others added with their IDs and logins.
    EXPECT_EQ(gb->Cell(1, 2), "Lee, Ann");
    EXPECT_EQ(gb->StudentAt(3)->ID, "S2");
    EXPECT_EQ(gb->Cell(1, 4), "Cara Díaz");
    EXPECT_EQ(gb->StudentAt(4)->ID, "S3");
    EXPECT_EQ(gb->StudentAt(4)->Login, "cara@colegio.es");
    EXPECT_EQ(gb->StudentAt(5)->ID, "S4");
    EXPECT_EQ(gb->StudentAt(5)->Login, "joez");
    EXPECT_EQ(gb->StudentAt(6)->ID, "S5");
    EXPECT_EQ(gb->StudentAt(6)->Login, "eb@lycee.fr");
}
