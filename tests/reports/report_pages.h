#pragma once
// Reading laid-out pages in tests.

#include "page.h"
#include "report_run.h"

#include <QString>

#include <string>
#include <vector>

namespace marklow::testing {

inline std::vector<TPlacedText> Texts(const TReportPage& page) {
    std::vector<TPlacedText> out;
    for (const TPlacedItem& item : page.Items)
        if (auto t = std::get_if<TPlacedText>(&item)) out.push_back(*t);
    return out;
}

inline std::vector<TPlacedShape> Shapes(const TReportPage& page) {
    std::vector<TPlacedShape> out;
    for (const TPlacedItem& item : page.Items)
        if (auto s = std::get_if<TPlacedShape>(&item)) out.push_back(*s);
    return out;
}

// The texts of a page in order, as plain strings.
inline std::vector<std::string> Strings(const TReportPage& page) {
    std::vector<std::string> out;
    for (const TPlacedText& t : Texts(page))
        out.push_back(t.Text.toStdString());
    return out;
}

inline const TPlacedText* FindText(const TReportPage& page, const QString& text) {
    for (const TPlacedItem& item : page.Items)
        if (auto t = std::get_if<TPlacedText>(&item); t && t->Text == text) return t;
    return nullptr;
}

// r (a rectangle, or the box of a line) lies within area.
inline bool Inside(const QRectF& area, const QRectF& r) {
    constexpr double e = 1e-9;
    return r.left() >= area.left() - e && r.right() <= area.right() + e &&
           r.top() >= area.top() - e && r.bottom() <= area.bottom() + e;
}

// Every page of a run.
inline std::vector<TReportPage> AllPages(TQuickRep& report) {
    TReportRun run(report);
    std::vector<TReportPage> pages;
    while (auto p = run.NextPage())
        pages.push_back(std::move(*p));
    return pages;
}

// A page as comparable text: every item with its position to 0.001 mm.
inline std::string Describe(const TReportPage& page) {
    std::string out = "page " + std::to_string(page.Number) + "\n";
    auto n = [](double v) { return std::to_string(std::lround(v * 1000)); };
    for (const TPlacedItem& item : page.Items) {
        if (auto t = std::get_if<TPlacedText>(&item)) {
            out += "T " + t->Text.toStdString() + " " + n(t->Pos.x()) + " " + n(t->Pos.y()) + " " +
                   std::to_string(t->Angle) + "\n";
        } else if (auto s = std::get_if<TPlacedShape>(&item)) {
            out += "S " + n(s->Rect.x()) + " " + n(s->Rect.y()) + " " + n(s->Rect.width()) + " " +
                   n(s->Line.x1()) + " " + n(s->Line.y1()) + " " + n(s->PenWidth) + " " +
                   s->Fill.name().toStdString() + "\n";
        } else {
            out += "P\n";
        }
    }
    return out;
}

} // namespace marklow::testing
