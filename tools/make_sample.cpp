// Writes the sample class and the shipped letter tables into the folder given (data/), or a
// made-up class of any size (for measuring printing and files of big classes).
//   make_sample DATA_FOLDER
//   make_sample --class STUDENTS GRADES OUT.gbd

#include "grade_date.h"
#include "gradebook.h"
#include "gradebook_file.h"
#include "option_files.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "text.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

using namespace marklow;

namespace {
int WriteBuiltClass(const char* students, const char* grades, const std::string& path) {
    TBuildOptions o;
    o.Students = std::atoi(students);
    o.Grades = std::atoi(grades);
    if (o.Students < 1 || o.Grades < 1) {
        std::fprintf(stderr, "make_sample: STUDENTS and GRADES must be at least 1\n");
        return 1;
    }
    std::unique_ptr<TGradebook> gb = BuildGradebook(o);
    std::string error = SaveFileSafely(path, WriteGradebook(*gb), {false, {}});
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--class")
        return WriteBuiltClass(argv[2], argv[3], argv[4]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample DATA_FOLDER\n"
                             "       make_sample --class STUDENTS GRADES OUT.gbd\n");
        return 1;
    }
    const std::string folder = argv[1];
    TGradebook gb;
    gb.SetEditMode(false);
    SetStandardLetterTables(gb);
    gb.Teacher = "Ms. Rivera";
    gb.ClassName = "Algebra I";
    gb.ClassNumber = "Period 3";
    gb.Categories.Add("Homework", 20, true);
    gb.Categories.Add("Quizzes", 20, false);
    gb.Categories.Add("Tests", 45, false);
    gb.Categories.Add("Projects", 15, false);

    // The fall term of 2026: the days the grades were given, not the day the file was made.
    struct Item {
        const char* name;
        double points;
        int category;
        unsigned month;
        unsigned day;
    };
    const Item items[] = {{"HW 1", 10, 0, 9, 4},          {"HW 2", 10, 0, 9, 11},
                          {"HW 3", 10, 0, 9, 25},         {"HW 4", 10, 0, 10, 9},
                          {"Quiz 1", 20, 1, 9, 18},       {"Quiz 2", 20, 1, 10, 2},
                          {"Quiz 3", 20, 1, 10, 30},      {"Unit Test 1", 100, 2, 9, 29},
                          {"Unit Test 2", 100, 2, 11, 6}, {"Midterm", 100, 2, 10, 23},
                          {"Poster", 50, 3, 11, 20},      {"Bonus Puzzle", 5, 2, 11, 13}};
    for (const Item& it : items) {
        AddGrade(gb, it.name, it.points, it.category);
        gb.GradeAt(gb.LastGradeColumn())->Date = DayNumber(2026, it.month, it.day);
    }
    TGrade& midterm = *gb.GradeAt(11);
    midterm.Curve = true;
    midterm.CurveAmount = 4;
    midterm.Notes = "Curved by 4 points: question 17 was ambiguous.";
    TGrade& bonus = *gb.GradeAt(13);
    bonus.ExtraCredit = true;
    bonus.Weight = 0.15; // a few points on top of the tests, not a whole test
    bonus.Notes = "Optional logic puzzle.";

    const char* names[] = {"Aaliyah Brooks", "Ben Carter",   "Chloe Nguyen",   "Daniel Kim",
                           "Emma Johnson",   "Farah Haddad", "Gabriel Silva",  "Hannah Lee",
                           "Isaac Martin",   "Jade Thompson", "Kofi Mensah",   "Lily Chen",
                           "Marcus Wright",  "Nora Fischer", "Owen Patel",     "Priya Sharma",
                           "Quinn O'Brien",  "Rosa Delgado", "Samuel Green",   "Tara Walsh",
                           "Umar Farouk",    "Victoria Ross", "William Zhang", "Ximena Lopez",
                           "Yusuf Demir"};
    std::mt19937 rng(2026);
    int row = 0;
    for (const char* name : names) {
        int r = AddStudent(gb, name, "A" + std::to_string(24100 + row));
        double ability = 0.62 + 0.35 * ((rng() % 1000) / 1000.0);
        for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
            const TGrade& g = *gb.GradeAt(c);
            double noise = ((rng() % 200) / 1000.0) - 0.1;
            double share = std::min(1.0, std::max(0.0, ability + noise));
            std::string entry = FormatNumber(std::round(share * g.Points * 2) / 2);
            if (g.ExtraCredit) entry = rng() % 3 == 0 ? FormatNumber(rng() % 6) : "";
            gb.SetCell(c, r, entry);
        }
        ++row;
    }
    // What a real term holds: letters, comments, a missing and a not-yet-typed entry,
    // an exempt-from-curve entry and a typo the check will find.
    gb.SetCell(3, 4, "B+");
    gb.SetCell(6, 7, "17 late");
    gb.SetCell(9, 9, "92 retake");
    gb.SetCell(4, 10, "");
    gb.SetCell(11, 12, "/88");
    gb.SetCell(5, 14, "abs");
    gb.SetCell(8, 16, "8,5");
    gb.SetCell(12, 20, "A-");
    gb.StudentsInUserOrder = true;
    gb.GradesInUserOrder = true;
    gb.ShowLetters = true;

    std::string error =
        SaveFileSafely(folder + "/sample-class.gbd", WriteGradebook(gb), {false, {}});
    if (error.empty()) error = SaveDefaultLetterFile(folder + "/default.ltd", gb);
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    return 0;
}
