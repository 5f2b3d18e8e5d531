#pragma once
// One page of the report's own PDF writer: its drawing operators, and how numbers and
// paper sizes are written.

#include "page.h"
#include "pdf_font.h"

#include <QPainterPath>
#include <QSizeF>
#include <QString>

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace marklow {

// Up to decimals places, without trailing zeros.
void PdfNumber(std::string& s, double v, int decimals = 3);
void PdfHex4(std::string& s, unsigned v);
// A PDF text string of any characters: UTF-16 with its byte order mark, in hex.
std::string PdfTextString(const QString& text);
// The path's outlines as path operators, closed, to be filled.
void PdfPath(std::string& s, const QPainterPath& path, int decimals = 3);
// The paper in whole points, as printers and Qt's PDF writer round it.
QSizeF PaperPoints(const QSizeF& mm);

// Parts of pages that repeat, each written once as a form.
class TPdfForms {
public:
    explicit TPdfForms(std::function<int(const std::string&)> make) : make_(std::move(make)) {}
    // The form to draw instead of part, or 0 to write part itself.
    int Use(const std::string& part);

private:
    static constexpr size_t kLeast = 60, kMost = 4096;
    std::function<int(const std::string&)> make_;
    std::unordered_map<std::string, int> seen_;
};

// The page's operators, uncompressed. usedFonts gets a nonzero entry for every font its texts
// use; parts that repeat are drawn as forms when forms are given.
std::string PdfPageContent(const TReportPage& page, TPdfFontSet& fonts, std::vector<int>& usedFonts,
                           TPdfForms* forms);

} // namespace marklow
