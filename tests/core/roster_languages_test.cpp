// Class lists as German, Spanish and French installations of Moodle, Canvas and Blackboard
// write them: their headers are in the installation's language.

#include "roster_import.h"
#include "sample_builder.h"

#include <gtest/gtest.h>

using namespace marklow;

namespace {

struct TRead {
    TRosterFormat Format;
    TRosterColumns Columns;
    std::vector<std::string> Names, Ids, Logins;
};

// Reads the file as the import does and adds its students to an empty class.
TRead Import(std::string_view file) {
    TRead out;
    TRosterTable table = ReadRosterCsv(file);
    EXPECT_EQ(table.Error, "");
    TRosterLayout layout = RecogniseRoster(table);
    out.Format = layout.Format;
    out.Columns = layout.Columns;
    TGradebook gb;
    gb.SetEditMode(false);
    TRosterPlan plan =
        PlanRosterImport(gb, table, {layout.Columns, TNameOrder::FirstLast, layout.Format});
    EXPECT_EQ(plan.Error, "");
    ApplyRosterImport(gb, plan.Change);
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        out.Names.emplace_back(gb.Cell(1, r));
        out.Ids.push_back(gb.StudentAt(r)->ID);
        out.Logins.push_back(gb.StudentAt(r)->Login);
    }
    return out;
}

using TStrings = std::vector<std::string>;

} // namespace

TEST(RosterLanguages, MoodleGradeExportsInGermanSpanishAndFrench) {
    // Moodle's CSV grade export: names, ID number, institution, department, e-mail, the grade
    // items and the time of the download.
    const char* exports[] = {
        "Vorname,Nachname,ID-Nummer,Institution,Abteilung,E-Mail-Adresse,"
        "\"Aufgabe: Aufsatz (Punkte)\",\"Zuletzt aus diesem Kurs geladen\"\n"
        "Jörg,Müller,M-101,Schule,8a,jm@schule.de,7.00,1733900000\n"
        "Åsa,Weiß,M-102,Schule,8a,aw@schule.de,-,1733900000\n",
        "\xEF\xBB\xBF"
        "Nombre,Apellido(s),Número de ID,Institución,Departamento,Dirección de correo,"
        "\"Tarea: Ensayo (Real)\",\"Última descarga de este curso\"\n"
        "Jörg,Müller,M-101,Colegio,2B,jm@schule.de,7.00,1733900000\n"
        "Åsa,Weiß,M-102,Colegio,2B,aw@schule.de,-,1733900000\n",
        "Prénom;Nom;Numéro d'identification;Institution;Département;Adresse de courriel;"
        "\"Devoir : Essai (Réel)\";\"Dernier téléchargement depuis ce cours\"\n"
        "Jörg;Müller;M-101;Lycée;2nde;jm@schule.de;7,00;1733900000\n"
        "Åsa;Weiß;M-102;Lycée;2nde;aw@schule.de;-;1733900000\n",
    };
    for (const char* file : exports) {
        const TRead read = Import(file);
        EXPECT_EQ(read.Format, TRosterFormat::Moodle) << file;
        EXPECT_EQ(read.Columns, (TRosterColumns{-1, 0, 1, 2, 5, true})) << file;
        EXPECT_EQ(read.Names, (TStrings{"Jörg Müller", "Åsa Weiß"})) << file;
        EXPECT_EQ(read.Ids, (TStrings{"M-101", "M-102"})) << file;
        EXPECT_EQ(read.Logins, (TStrings{"jm@schule.de", "aw@schule.de"})) << file;
    }
}

TEST(RosterLanguages, BlackboardDownloadsInGermanSpanishAndFrench) {
    // Blackboard's Grade Center download: tab-separated, UTF-16 little-endian in real life,
    // family name first, then the user name and the student ID.
    const char* downloads[] = {
        "\"Nachname\"\t\"Vorname\"\t\"Benutzername\"\t\"Studenten-ID\"\t\"Letzter "
        "Zugriff\"\t\"Verfügbarkeit\"\n"
        "\"Müller\"\t\"Jörg\"\t\"jmueller\"\t\"B-7\"\t\"2026-12-01\"\t\"Ja\"\n",
        "\"Apellidos\"\t\"Nombre\"\t\"Nombre de usuario\"\t\"ID de estudiante\"\t\"Último "
        "acceso\"\t\"Disponibilidad\"\n"
        "\"Müller\"\t\"Jörg\"\t\"jmueller\"\t\"B-7\"\t\"2026-12-01\"\t\"Sí\"\n",
        "\"Nom\"\t\"Prénom\"\t\"Nom d'utilisateur\"\t\"ID de l'étudiant\"\t\"Dernier "
        "accès\"\t\"Disponibilité\"\n"
        "\"Müller\"\t\"Jörg\"\t\"jmueller\"\t\"B-7\"\t\"2026-12-01\"\t\"Oui\"\n",
    };
    for (const char* file : downloads) {
        const TRead read = Import(file);
        EXPECT_EQ(read.Format, TRosterFormat::Blackboard) << file;
        EXPECT_EQ(read.Columns, (TRosterColumns{-1, 1, 0, 3, 2, true})) << file;
        EXPECT_EQ(read.Names, (TStrings{"Jörg Müller"})) << file;
        EXPECT_EQ(read.Ids, (TStrings{"B-7"})) << file;
        EXPECT_EQ(read.Logins, (TStrings{"jmueller"})) << file;
    }
}

TEST(RosterLanguages, CanvasExportsWithTranslatedHeaders) {
    const char* exports[] = {
        "Teilnehmer/in,ID,SIS-Benutzer-ID,SIS-Anmelde-ID,Abschnitt,Aufsatz (311)\n"
        "\"Müller, Jörg\",4711,S-1,jmueller,8a,7\n",
        "Estudiante,ID,ID de usuario SIS,ID de inicio de sesión SIS,Sección,Ensayo (311)\n"
        "\"Müller, Jörg\",4711,S-1,jmueller,2B,7\n",
        "Étudiant,ID,ID utilisateur SIS,ID de connexion SIS,Section,Essai (311)\n"
        "\"Müller, Jörg\",4711,S-1,jmueller,2nde,7\n",
    };
    for (const char* file : exports) {
        const TRead read = Import(file);
        EXPECT_EQ(read.Format, TRosterFormat::Canvas) << file;
        EXPECT_EQ(read.Columns, (TRosterColumns{0, -1, -1, 2, 3, true, 1})) << file;
        EXPECT_EQ(read.Names, (TStrings{"Jörg Müller"})) << file;
        EXPECT_EQ(read.Ids, (TStrings{"S-1"})) << file;
    }
}

TEST(RosterLanguages, SchoolListsNameTheirColumnsInTheirLanguage) {
    struct Case {
        const char* Header;
        TRosterColumns Columns;
    };
    const Case cases[] = {
        // "Name, Vorname": beside a first name, Name is the family name.
        {"Name;Vorname;Schülernummer", {-1, 1, 0, 2, -1, true}},
        {"Schüler;E-Mail", {0, -1, -1, -1, 1, true}},
        {"SCHUELER,Matrikelnummer", {0, -1, -1, 1, -1, true}},
        {"Nombre completo,Correo electrónico", {0, -1, -1, -1, 1, true}},
        // Spanish "Nombre" alone is the whole name; with "Apellidos" it is the first name.
        {"Nombre,Matrícula", {0, -1, -1, 1, -1, true}},
        {"Apellidos,Nombre,Nombre de usuario", {-1, 1, 0, -1, 2, true}},
        {"Élève,Courriel", {0, -1, -1, -1, 1, true}},
        {"NOM,PRÉNOM,Numéro d'identification", {-1, 1, 0, 2, -1, true}},
        // Letters outside Latin-1 and stray bytes do not make a header another one.
        {"Nom\xC5\x93,Pr\xC3nom", {-1, -1, -1, -1, -1, false}},
    };
    for (const Case& c : cases) {
        TRosterLayout layout = RecogniseRoster(ReadRosterCsv(std::string(c.Header) + "\nx,y\n"));
        EXPECT_EQ(layout.Columns, c.Columns) << c.Header;
    }
    // A column asked for by its header in another language's spelling is found.
    TRosterTable t = ReadRosterCsv("Prénom,Nom\nAnn,Lee\n");
    EXPECT_EQ(FindRosterColumn(t, "PRENOM"), 0);
}
