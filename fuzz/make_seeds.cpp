// Writes small valid files of every kind the fuzz targets read, one folder per target:
//   make_seeds CORPUS_FOLDER     (fuzz/corpus)

#include "averages.h"
#include "gradebook_file.h"
#include "option_files.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "window_geometry.h"

#include <cstdio>
#include <filesystem>
#include <string>

using namespace marklow;

namespace {

bool Put(const std::string& folder, const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(folder);
    TSaveOptions o;
    o.KeepBackup = false;
    std::string error = SaveFileSafely(folder + "/" + name, bytes, o);
    if (!error.empty()) std::fprintf(stderr, "%s\n", error.c_str());
    return error.empty();
}

std::unique_ptr<TGradebook> SmallClass(bool editMode) {
    TBuildOptions o;
    o.Students = 4;
    o.Grades = 3;
    o.Categories = 2;
    o.EditMode = editMode;
    auto gb = BuildGradebook(o);
    gb->SetCell(1, 2, "Zoë Brontë");
    gb->StudentAt(3)->Notes = "Moved from period 2.";
    gb->GradeAt(3)->ExtraCredit = true;
    gb->GradeAt(4)->Notes = "Curved: question 4 was unclear.";
    // Dates and the class-average switch live in the grade records' reserved bytes.
    gb->GradeAt(2)->Date = 45292;
    gb->GradeAt(3)->Date = 45306.5;
    gb->GradeAt(4)->OmitClassAverage = true;
    gb->Teacher = "Ms. Rivera";
    gb->ShowLetters = true;
    RecomputeAll(*gb);
    return gb;
}

// A file of the old layout: description, categories, letters and a 2 x 2 table as lists.
std::string OldVersion() {
    std::string bytes;
    TByteWriter out(bytes);
    out.Byte(0);
    WriteShortText(out, "1.0");
    WriteShortText(out, "Mr. Old");
    WriteShortText(out, "History");
    WriteShortText(out, "4");
    out.Byte(0);
    WriteShortText(out, "");
    WriteTextList(out, {"Drop the Lowest", "Yes", "No"});
    out.Byte(1);
    WriteTextList(out, {"Category", "Homework", "Tests"});
    WriteTextList(out, {"Percent", "30", "70"});
    WriteTextList(out, {"Letter", "A", "B", ""});
    WriteTextList(out, {"Number", "95", "85", ""});
    WriteTextList(out, {"Letter", "A", "B", "F", ""});
    WriteTextList(out, {"Number", "90", "80", "0", ""});
    WriteTextList(out, {"Category", "Homework", "tests"});
    WriteTextList(out, {"Weight", "1", "2"});
    WriteTextList(out, {"Points", "10", "0"});
    out.Byte(1);
    out.Int16(3);
    out.Int16(4);
    WriteTextList(out, {"", "Name", "HW 1", "Test 1"});
    WriteTextList(out, {"91", "Ann Lee", "9", "B"});
    WriteTextList(out, {"", "Ben Roy", "7 late", "/88"});
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds CORPUS_FOLDER\n");
        return 1;
    }
    const std::string root = argv[1];
    bool ok = true;

    TGradebook empty;
    ok &= Put(root + "/gradebook", "empty-edit.gbd", WriteGradebook(empty));
    empty.SetEditMode(false);
    ok &= Put(root + "/gradebook", "empty-move.gbd", WriteGradebook(empty));
    auto move = SmallClass(false);
    ok &= Put(root + "/gradebook", "small-move.gbd", WriteGradebook(*move));
    auto edit = SmallClass(true);
    edit->Password = "pw";
    ok &= Put(root + "/gradebook", "small-edit-password.gbd", WriteGradebook(*edit));
    ok &= Put(root + "/gradebook", "old-version.gbd", OldVersion());
    // Texts the layout cannot hold: the trailer keeps them whole, with the logins.
    auto foreign = SmallClass(false);
    foreign->SetCell(1, 2, "\xC5\x81ukasz \xE7\x8E\x8B");
    foreign->SetCell(2, 2, "9 \xE2\x9C\x93");
    foreign->SetCell(2, 1, std::string(300, 'q'));
    foreign->StudentAt(2)->Login = "lw@school.example";
    foreign->StudentAt(2)->Notes = "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D";
    foreign->Teacher = "Ng\xC3\xB4 B\xE1\xBA\xA3o";
    if (foreign->Categories.Count() > 0) foreign->Categories.Item(0).Name = "\xD0\x94\xD0\x97";
    ok &= Put(root + "/gradebook", "trailer.gbd", WriteGradebook(*foreign));

    ok &= Put(root + "/category_file", "empty.gca", WriteCategoryFile(TCategoryList()));
    ok &= Put(root + "/category_file", "small.gca", WriteCategoryFile(move->Categories));

    ok &= Put(root + "/letter_file", "empty.gln", WriteLetterFile(TRealList(), TRealList()));
    ok &= Put(root + "/letter_file", "standard.gln",
              WriteLetterFile(move->LetterToNumber, move->NumberToLetter));

    ok &= Put(root + "/student_block", "students.blk", WriteStudentBlock(*move));
    TGradebook none;
    ok &= Put(root + "/student_block", "none.blk", WriteStudentBlock(none));
    ok &= Put(root + "/student_block", "trailer.blk", WriteStudentBlock(*foreign));
    ok &= Put(root + "/category_file", "trailer.gca", WriteCategoryFile(foreign->Categories));

    // Paste: a first byte for the format (0 students, 4 averages in edit mode, 2 text).
    const std::string block = WriteStudentBlock(*move);
    ok &= Put(root + "/paste", "students.bin", std::string(1, '\0') + block);
    ok &= Put(root + "/paste", "averages-edit.bin", "\x04" + block);
    ok &= Put(root + "/paste", "text.bin",
              "\x02"
              "Ann Lee\nBen\tB+\r\n\r\n  Cy \r");

    // Pasted plain text: names, a spreadsheet's columns, controls, a long line.
    ok &= Put(root + "/paste_names", "names.txt", "Ann Lee\nBen\tB+\r\n\r\n  Cy \rZo\xc3\xab\n");
    ok &= Put(root + "/paste_names", "controls.txt",
              "Di\x01"
              "Ek\x7f\n\x1b\xc2\x85"
              "Fay\n\xff\n");
    ok &= Put(root + "/paste_names", "long.txt",
              std::string(600, 'x') + "\n" + std::string(300, ' ') + "y\n");

    // Preferences: a first byte for the kind (0 an INI file, 1 a geometry's text, 2 its bytes).
    const std::string geometry = "AdnQywADAAAAAABiAAAAMgAAA4UAAAKpAAAAZAAAAFAAAAODAAACpwAAAAAAAAAA"
                                 "B4AAAABkAAAAUAAAA4MAAAKn";
    const std::string ini = "[Start Up]\nWindow State=2\nWindow Geometry=" + geometry +
                            "\n[File History]\nFile Path 1=/home/t/period 1.gbd\n"
                            "File Path 2=/home/t/a,b.gbd\n[Display Options]\nCurve=0\n"
                            "Show Hints=1\nFlat Toolbars=1\n2D Tables=0\n[Letters Options]\n"
                            "Show Letters=1\n[All Grades]\nOmit Zeros=1\nDefault Points=12.3\n"
                            "Default Weight=1\n[View Menu]\nToolbar=1\nStatusbar=1\n"
                            "Averages=1\n[Display Font]\nName=DejaVu Sans\nSize=10\n";
    ok &= Put(root + "/settings", "settings.ini", std::string(1, '\0') + ini);
    ok &= Put(root + "/settings", "huge-font.ini",
              std::string(1, '\0') + "[Display Font]\nName=DejaVu Sans\nSize=100000\n");
    ok &= Put(root + "/settings", "geometry.txt", "\x01" + geometry);
    if (auto g = DecodeWindowGeometry(geometry))
        ok &= Put(root + "/settings", "geometry.bin", "\x02" + g->Bytes);
    return ok ? 0 : 2;
}
