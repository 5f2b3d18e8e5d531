#include "sample_builder.h"

#include "text.h"

#include <random>

namespace marklow {

void SetStandardLetterTables(TGradebook& gb) {
    struct Pair {
        const char* letter;
        double value;
    };
    static const Pair toNumber[] = {{"A", 95}, {"A+", 98}, {"A-", 91}, {"B", 85}, {"B+", 88},
                                    {"B-", 81}, {"C", 75}, {"C+", 78}, {"C-", 71}, {"D", 65},
                                    {"D+", 68}, {"D-", 61}, {"F", 50}};
    static const Pair toLetter[] = {{"A+", 97}, {"A", 93}, {"A-", 90}, {"B+", 87}, {"B", 83},
                                    {"B-", 80}, {"C+", 77}, {"C", 73}, {"C-", 70}, {"D+", 67},
                                    {"D", 63}, {"D-", 60}, {"F", 0}};
    gb.LetterToNumber.Clear();
    for (const auto& p : toNumber) gb.LetterToNumber.Add(p.letter, p.value);
    gb.LetterToNumber.SortByText();
    gb.NumberToLetter.Clear();
    for (const auto& p : toLetter) gb.NumberToLetter.Add(p.letter, p.value);
    gb.NumberToLetter.SortByValue();
}

int AddStudent(TGradebook& gb, const std::string& name, const std::string& id) {
    int r = gb.LastStudentRow() + 1;
    if (r >= gb.RowCount()) gb.SetRowCount(r + 1);
    auto s = gb.NewStudent();
    s->Name = name;
    s->ID = id;
    gb.AttachStudent(r, std::move(s));
    gb.SetCell(1, r, name);
    return r;
}

int AddGrade(TGradebook& gb, const std::string& name, double points, int category) {
    int c = gb.LastGradeColumn() + 1;
    if (c >= gb.ColCount()) gb.SetColCount(c + 1);
    auto g = gb.NewGrade();
    g->Name = name;
    g->Points = points;
    g->CategoryIndex = category;
    g->UserOrder = c;
    gb.AttachGrade(c, std::move(g));
    gb.SetCell(c, 1, name);
    return c;
}

std::unique_ptr<TGradebook> BuildGradebook(const TBuildOptions& o) {
    auto gb = std::make_unique<TGradebook>();
    std::mt19937 rng(o.Seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); };
    gb->SetEditMode(false);
    if (o.LetterTables) SetStandardLetterTables(*gb);
    static const char* names[] = {"Homework", "Quizzes", "Tests", "Projects", "Labs", "Essays"};
    for (int k = 0; k < o.Categories; ++k) {
        std::string name = k < 6 ? names[k] : "Category " + std::to_string(k + 1);
        gb->Categories.Add(name, 10.0 + 10.0 * (k % 4), o.DropLowest && k == 0);
    }
    gb->SetColCount(2 + o.Grades);
    gb->SetRowCount(2 + o.Students);
    for (int i = 0; i < o.Grades; ++i) {
        int c = AddGrade(*gb, "G" + std::to_string(i + 1), (i % 3 == 0) ? 50 : 100,
                         o.Categories > 0 ? i % o.Categories : 0);
        gb->GradeAt(c)->Curve = (i % 7 == 3);
        gb->GradeAt(c)->CurveAmount = 2;
    }
    static const char* first[] = {"Ann", "Ben", "Cara", "Dev", "Eli", "Fay", "Gus", "Hana"};
    static const char* last[] = {"Lee", "Moss", "Ng", "Ortiz", "Park", "Quinn", "Roy", "Shah"};
    static const char* letters[] = {"A", "B+", "b", "C-", "A-", "D"};
    for (int i = 0; i < o.Students; ++i) {
        std::string name = std::string(first[i % 8]) + " " + last[(i / 8) % 8] +
                           (i >= 64 ? " " + std::to_string(i) : "");
        int r = AddStudent(*gb, name, "S" + std::to_string(1000 + i));
        for (int c = 2; c <= gb->LastGradeColumn(); ++c) {
            double points = gb->GradeAt(c)->Points;
            int roll = pick(100);
            std::string entry;
            if (roll < o.BlankShare) {
                entry = "";
            } else if (roll < o.BlankShare + o.InvalidShare) {
                entry = "abs?";
            } else if (roll < o.BlankShare + o.InvalidShare + o.LetterShare && o.LetterTables) {
                entry = letters[pick(6)];
            } else {
                entry = FormatNumber(points * (0.55 + 0.45 * pick(1000) / 1000.0));
                int more = pick(100);
                if (more < o.SlashShare) entry = "/" + entry;
                else if (more < o.SlashShare + o.CommentShare) entry += " late";
            }
            gb->SetCell(c, r, entry);
        }
    }
    gb->StudentsInUserOrder = true;
    if (o.EditMode) gb->SetEditMode(true);
    return gb;
}

} // namespace marklow
