#include "grid_accessibility.h"

#include "cell_rules.h"
#include "gradebook.h"
#include "text.h"

#include <QCoreApplication>
#include <QStringList>

namespace marklow {

namespace {

// The grid's texts, under the context lupdate finds them in.
struct GradeBook {
    Q_DECLARE_TR_FUNCTIONS(GradeBook)
};

QString CellText(const TGradebook& gb, int c, int r) {
    const std::string_view text = gb.Cell(c, r);
    return IsBlank(text) ? GradeBook::tr("blank")
                         : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// An average as said: the "*" the grid shows for invalid entries met is said in words.
QString AverageText(const TGradebook& gb, int c, int r) {
    const QString text = CellText(gb, c, r);
    if (!text.startsWith('*')) return text;
    return GradeBook::tr("%1, counting invalid entries").arg(text.mid(1));
}

} // namespace

QString CellAnnouncement(const TGradebook& gb, int c, int r, bool averagesShown, bool curveShown) {
    if (c < 0 || r < 0 || c >= gb.ColCount() || r >= gb.RowCount()) return QString();
    const bool student = r >= 2 && r <= gb.LastStudentRow();
    const bool grade = c >= 2 && c <= gb.LastGradeColumn();
    QStringList parts;
    if (c == 0 || r == 0) {
        // The averages themselves, in the frozen row and column.
        if (c == 0 && r == 0) return GradeBook::tr("Average");
        if (c == 0 && r == 1)
            return GradeBook::tr("Average of the students' averages, %1")
                .arg(AverageText(gb, 0, 1));
        if (c == 1 && r == 0)
            return GradeBook::tr("Average of the class averages, %1").arg(AverageText(gb, 1, 0));
        if (c == 0)
            parts << CellText(gb, 1, r) << GradeBook::tr("average") << AverageText(gb, 0, r);
        else
            parts << CellText(gb, c, 1) << GradeBook::tr("class average") << AverageText(gb, c, 0);
        return parts.join(QStringLiteral(", "));
    }
    if (c == 1 && r == 1) return GradeBook::tr("Name");
    if (r == 1) {
        if (!grade) return GradeBook::tr("New grade, %1").arg(CellText(gb, c, 1));
        parts << GradeBook::tr("Grade name") << CellText(gb, c, 1);
        if (averagesShown && !IsBlank(gb.Cell(c, 0)))
            parts << GradeBook::tr("class average %1").arg(AverageText(gb, c, 0));
        return parts.join(QStringLiteral(", "));
    }
    if (c == 1) {
        if (!student) return GradeBook::tr("New student, %1").arg(CellText(gb, 1, r));
        parts << GradeBook::tr("Name") << CellText(gb, 1, r);
        if (averagesShown && !IsBlank(gb.Cell(0, r)))
            parts << GradeBook::tr("average %1").arg(AverageText(gb, 0, r));
        return parts.join(QStringLiteral(", "));
    }
    parts << (student ? CellText(gb, 1, r) : GradeBook::tr("New student"));
    parts << (grade ? CellText(gb, c, 1) : GradeBook::tr("New grade"));
    parts << CellText(gb, c, r);
    if (const auto shown = OverpaintText(gb, c, r, curveShown); shown && *shown != gb.Cell(c, r))
        parts << GradeBook::tr("curved %1")
                     .arg(IsBlank(*shown) ? GradeBook::tr("blank")
                                          : QString::fromStdString(*shown));
    if (EntryProblem(gb, c, r) != TEntryProblem::None) parts << CellPrompt(gb, c, r);
    if (student && averagesShown && !IsBlank(gb.Cell(0, r)))
        parts << GradeBook::tr("average %1").arg(AverageText(gb, 0, r));
    return parts.join(QStringLiteral(", "));
}

} // namespace marklow
