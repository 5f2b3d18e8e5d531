#pragma once
// The report's own PDF writer for laid-out pages. A page of a gradebook is a few hundred
// short texts and rules; written directly it takes a fraction of the time and bytes of the
// general paint engine: each text shaped once, glyphs placed by the font's own advances,
// runs of rules as one path, each band's items relative to the band, fonts as subsets.
// Pages with pictures need the painter (see output.h).

#include "page.h"
#include "pdf_font.h"
#include "pdf_page.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class QIODevice;
class QImage;

namespace marklow {

class TPdfWriter {
public:
    TPdfWriter(QIODevice& out, const QString& title);
    ~TPdfWriter();
    TPdfWriter(const TPdfWriter&) = delete;
    TPdfWriter& operator=(const TPdfWriter&) = delete;

    void AddPage(const TReportPage& page);
    // Writes the fonts and the document's tables; false when anything could not be written.
    bool Finish();
    int Pages() const { return static_cast<int>(pages_.size()); }

    // The page's drawing operators, uncompressed (for tests).
    std::string PageContent(const TReportPage& page);

private:
    int NewObject();
    void BeginObject(int id);
    void Write(const std::string& s);
    void WriteStream(int id, const std::string& data, const std::string& extra = {});
    void WriteFont(int font, int id);
    void WriteType3(int font, int slice, int id);
    // An image with its transparency as a soft mask; its object.
    int WriteImage(const QImage& argb);

    QIODevice& out_;
    QString title_;
    int64_t written_ = 0;
    bool failed_ = false;
    std::vector<int64_t> offsets_; // by object number; 0: not yet written
    std::vector<int> pages_;
    std::string mediaBox_;
    std::vector<int> fontIds_; // object of each font, 0 while unused
    TPdfFontSet fonts_;
    std::vector<int> formIds_; // object of each form
    TPdfForms forms_;
};

} // namespace marklow
