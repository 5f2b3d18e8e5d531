#include "pdf_writer.h"

#include "units.h"

#include <QDateTime>
#include <QGlyphRun>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QTransform>

#include <cmath>

namespace marklow {

namespace {

constexpr double kPtPerMm = 72 / kMmPerInch;

void Num(std::string& s, double v, int decimals = 3) {
    PdfNumber(s, v, decimals);
}

void Hex4(std::string& s, unsigned v) {
    PdfHex4(s, v);
}

// A ToUnicode map of the given codes.
std::string UnicodeMap(const std::string& ranges,
                       const std::vector<std::pair<std::string, QString>>& chars) {
    std::string m = "/CIDInit /ProcSet findresource begin 12 dict begin begincmap\n"
                    "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                    "/CMapName /Adobe-Identity-UCS def /CMapType 2 def\n" +
                    ranges;
    for (size_t i = 0; i < chars.size(); i += 100) {
        const size_t n = std::min<size_t>(100, chars.size() - i);
        m += std::to_string(n) + " beginbfchar\n";
        for (size_t k = i; k < i + n; ++k) {
            m += '<' + chars[k].first + "> <";
            for (QChar c : chars[k].second)
                Hex4(m, c.unicode());
            m += ">\n";
        }
        m += "endbfchar\n";
    }
    return m + "endcmap CMapName currentdict /CMap defineresource pop end end\n";
}

// A glyph without an outline but with a picture (a colour emoji), drawn at 128 pixels to
// the em: its pixels and where they stand, in thousandths of an em with y up. Null when it
// leaves no ink (a space).
struct TGlyphPicture {
    QImage Image;
    QRectF Box;
};

TGlyphPicture GlyphPicture(const QRawFont& raw, uint16_t glyph) {
    // Only fonts of colour pictures: a font of plain bitmaps would print black whatever the
    // text's colour.
    if (raw.fontTable("CBDT").isEmpty() && raw.fontTable("sbix").isEmpty()) return {};
    constexpr int kPixels = 96;
    QRawFont big = raw;
    big.setPixelSize(kPixels);
    // The glyph's box and the line's, in pixels from the baseline's origin (y down).
    const QList<QPointF> advances = big.advancesForGlyphIndexes(QList<quint32>{glyph});
    const QRectF line(0, -big.ascent(), advances.isEmpty() ? 0 : advances[0].x(),
                      big.ascent() + big.descent());
    const QRect pixels = big.boundingRect(glyph).united(line).toAlignedRect();
    if (pixels.isEmpty() || pixels.width() > 8 * kPixels || pixels.height() > 8 * kPixels)
        return {};
    QImage image(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        QGlyphRun run;
        run.setRawFont(big);
        run.setGlyphIndexes({glyph});
        run.setPositions({QPointF(-pixels.left(), -pixels.top())});
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    const int w = image.width(), h = image.height();
    image = image.convertToFormat(QImage::Format_ARGB32);
    bool ink = false;
    for (int y = 0; y < h && !ink; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w && !ink; ++x)
            ink = qAlpha(line[x]) != 0;
    }
    if (!ink) return {};
    const double unit = 1000.0 / kPixels;
    return {image, QRectF(pixels.left() * unit, -pixels.bottom() * unit - unit, w * unit,
                          h * unit)};
}

} // namespace

TPdfWriter::TPdfWriter(QIODevice& out, const QString& title)
    : out_(out), title_(title), forms_([this](const std::string& part) {
          const int id = NewObject();
          WriteStream(id, part,
                      " /Type /XObject /Subtype /Form /BBox [-10000 -10000 10000 10000] "
                      "/Resources 3 0 R");
          formIds_.push_back(id);
          return static_cast<int>(formIds_.size());
      }) {
    offsets_.assign(5, 0); // 1 catalog, 2 page tree, 3 resources, 4 information
    // 1.5 for the marked content's ActualText.
    Write("%PDF-1.5\n%\xE2\xE3\xCF\xD3\n");
}

TPdfWriter::~TPdfWriter() = default;

int TPdfWriter::NewObject() {
    offsets_.push_back(0);
    return static_cast<int>(offsets_.size()) - 1;
}

void TPdfWriter::Write(const std::string& s) {
    if (failed_) return;
    if (out_.write(s.data(), static_cast<qint64>(s.size())) != static_cast<qint64>(s.size()))
        failed_ = true;
    written_ += static_cast<int64_t>(s.size());
}

void TPdfWriter::BeginObject(int id) {
    offsets_[static_cast<size_t>(id)] = written_;
    Write(std::to_string(id) + " 0 obj\n");
}

void TPdfWriter::WriteStream(int id, const std::string& data, const std::string& extra) {
    QByteArray packed = qCompress(reinterpret_cast<const uchar*>(data.data()),
                                  static_cast<qsizetype>(data.size()), 9);
    // qCompress puts the length before the zlib stream.
    const std::string body(packed.constData() + 4, static_cast<size_t>(packed.size() - 4));
    BeginObject(id);
    Write("<< /Length " + std::to_string(body.size()) + " /Filter /FlateDecode" + extra +
          " >>\nstream\n");
    Write(body);
    Write("\nendstream\nendobj\n");
}

std::string TPdfWriter::PageContent(const TReportPage& page) {
    return PdfPageContent(page, fonts_, fontIds_, nullptr);
}

void TPdfWriter::AddPage(const TReportPage& page) {
    const int content = NewObject();
    WriteStream(content, PdfPageContent(page, fonts_, fontIds_, &forms_));
    const int id = NewObject();
    BeginObject(id);
    // The page tree gives the first page's paper and the resources to every page.
    std::string box = "/MediaBox [0 0 ";
    const QSizeF paper = PaperPoints(page.PaperMm);
    Num(box, paper.width());
    box += ' ';
    Num(box, paper.height());
    box += "]";
    if (pages_.empty()) mediaBox_ = box;
    std::string s = "<< /Type /Page /Parent 2 0 R ";
    if (box != mediaBox_) s += box + ' ';
    s += "/Contents " + std::to_string(content) + " 0 R >>\nendobj\n";
    Write(s);
    pages_.push_back(id);
}

void TPdfWriter::WriteFont(int font, int id) {
    const TPdfFontData d = fonts_.Data(font);
    // A subset's name starts with a tag of six capitals made of what it holds.
    uint32_t hash = 2166136261u;
    for (char c : d.File)
        hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
    std::string tag;
    for (int i = 0; i < 6; ++i, hash /= 26)
        tag += static_cast<char>('A' + hash % 26);
    const std::string name = tag + "+" + d.PostScriptName.toStdString();
    const int cid = NewObject(), descriptor = NewObject(), file = NewObject(), cmap = NewObject(),
              encoding = NewObject();
    BeginObject(id);
    Write("<< /Type /Font /Subtype /Type0 /BaseFont /" + name + " /Encoding " +
          std::to_string(encoding) + " 0 R /DescendantFonts [" + std::to_string(cid) +
          " 0 R] /ToUnicode " + std::to_string(cmap) + " 0 R >>\nendobj\n");
    // Printable ASCII is one byte, the character itself; every other glyph is 0x8000 plus
    // its number. Texts of digits and letters then read as they are and pack small.
    const std::string ranges =
        "2 begincodespacerange\n<20> <7E>\n<8000> <FFFF>\nendcodespacerange\n";
    const std::string cmapName = "Marklow-" + tag;
    std::string e =
        "/CIDInit /ProcSet findresource begin 12 dict begin begincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> def\n"
        "/CMapName /" +
        cmapName + " def /CMapType 1 def\n" + ranges;
    if (!d.OneByte.empty()) {
        e += std::to_string(d.OneByte.size()) + " begincidchar\n";
        for (const auto& [code, g] : d.OneByte) {
            char line[32];
            std::snprintf(line, sizeof line, "<%02X> %u\n", code, g);
            e += line;
        }
        e += "endcidchar\n";
    }
    e += "1 begincidrange\n<8000> <FFFF> 0\nendcidrange\n"
         "endcmap CMapName currentdict /CMap defineresource pop end end\n";
    WriteStream(encoding, e,
                " /Type /CMap /CMapName /" + cmapName +
                    " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>");
    std::string s = "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + name +
                    " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
                    " /FontDescriptor " +
                    std::to_string(descriptor) + " 0 R /CIDToGIDMap /Identity /W [";
    for (const auto& [g, w] : d.Widths) {
        s += std::to_string(g) + " [";
        Num(s, w, 2);
        s += "] ";
    }
    s += "] >>\nendobj\n";
    BeginObject(cid);
    Write(s);
    s = "<< /Type /FontDescriptor /FontName /" + name + " /Flags 4 /FontBBox [";
    for (double v : d.BBox) {
        Num(s, v, 0);
        s += ' ';
    }
    s += "] /ItalicAngle ";
    Num(s, d.ItalicAngle, 0);
    s += " /Ascent ";
    Num(s, d.Ascent, 0);
    s += " /Descent ";
    Num(s, d.Descent, 0);
    s += " /CapHeight ";
    Num(s, d.CapHeight, 0);
    s += " /StemV 80 /FontFile2 " + std::to_string(file) + " 0 R >>\nendobj\n";
    BeginObject(descriptor);
    Write(s);
    WriteStream(file, std::string(d.File.constData(), static_cast<size_t>(d.File.size())),
                " /Length1 " + std::to_string(d.File.size()));
    std::vector<std::pair<std::string, QString>> chars;
    for (const auto& [code, g] : d.OneByte) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", code);
        chars.emplace_back(hex, QString(QChar(code)));
    }
    for (const auto& [g, text] : d.Unicode) {
        if (g >= 0x8000) continue;
        std::string hex;
        Hex4(hex, 0x8000u + g);
        chars.emplace_back(hex, text);
    }
    WriteStream(cmap, UnicodeMap(ranges, chars));
}

void TPdfWriter::WriteType3(int font, int slice, int id) {
    // Glyphs drawn from their outlines in thousandths of an em, y up; the fill colour is the
    // text's.
    const QRawFont& raw = fonts_.Raw(font);
    const std::vector<uint16_t>& glyphs = fonts_.Type3Glyphs(font, slice);
    const double unit = 1000.0 / raw.pixelSize();
    const QTransform toGlyphSpace(unit, 0, 0, -unit, 0, 0);
    // Byte 0: the blank "m" (see TPdfFontSet), 0.6 em as readers expect an "m" to be.
    const int blank = NewObject();
    WriteStream(blank, "600 0 0 0 0 0 d1\n");
    std::string procs = "/m " + std::to_string(blank) + " 0 R ", differences = "0 /m",
                widths = "600 ", pictures;
    std::vector<std::pair<std::string, QString>> chars;
    QRectF box;
    for (size_t code = 0; code < glyphs.size(); ++code) {
        const uint16_t g = glyphs[code];
        const QPainterPath path = toGlyphSpace.map(raw.pathForGlyph(g));
        const QRectF bounds = path.boundingRect();
        const double width = fonts_.Width(font, g);
        std::string proc;
        Num(proc, width, 2);
        proc += " 0 ";
        // The glyph's box in whole units, outward, so that nothing of it is cut.
        for (double v : {std::floor(bounds.left()), std::floor(bounds.top()),
                         std::ceil(bounds.right()), std::ceil(bounds.bottom())}) {
            Num(proc, path.isEmpty() ? 0 : v, 0);
            proc += ' ';
        }
        proc += "d1\n";
        if (!path.isEmpty()) {
            PdfPath(proc, path, 1);
            proc += "f\n";
            box = box.isNull() ? bounds : box.united(bounds);
        } else if (const TGlyphPicture picture = GlyphPicture(raw, g); !picture.Image.isNull()) {
            // Its own colours: a glyph that sets them (d0) rather than taking the text's.
            proc.clear();
            Num(proc, width, 2);
            proc += " 0 d0\nq ";
            const QRectF& r = picture.Box;
            for (double v : {r.width(), 0.0, 0.0, r.height(), r.left(), r.top()}) {
                Num(proc, v, 2);
                proc += ' ';
            }
            const std::string image = "/P" + std::to_string(g);
            proc += "cm " + image + " Do Q\n";
            pictures += image + ' ' + std::to_string(WriteImage(picture.Image)) + " 0 R ";
            box = box.isNull() ? r : box.united(r);
        }
        const int procId = NewObject();
        WriteStream(procId, proc);
        const std::string name = "/g" + std::to_string(g);
        procs += name + ' ' + std::to_string(procId) + " 0 R ";
        differences += ' ' + name;
        Num(widths, width, 2);
        widths += ' ';
        const QString text = fonts_.CharsOf(font, g);
        if (!text.isEmpty()) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(code + 1));
            chars.emplace_back(hex, text);
        }
    }
    const int cmap = NewObject();
    WriteStream(cmap, UnicodeMap("1 begincodespacerange\n<00> <FF>\nendcodespacerange\n", chars));
    std::string s = "<< /Type /Font /Subtype /Type3 /FontBBox [";
    for (double v : {std::floor(box.left()), std::floor(box.top()), std::ceil(box.right()),
                     std::ceil(box.bottom())}) {
        Num(s, v, 0);
        s += ' ';
    }
    s += "] /FontMatrix [0.001 0 0 0.001 0 0] /CharProcs << " + procs +
         ">> /Encoding << /Type /Encoding /Differences [" + differences +
         "] >> /FirstChar 0 /LastChar " + std::to_string(glyphs.size()) + " /Widths [" +
         widths + "] /Resources << /XObject << " + pictures + ">> >> /ToUnicode " + std::to_string(cmap) + " 0 R >>\nendobj\n";
    BeginObject(id);
    Write(s);
}

int TPdfWriter::WriteImage(const QImage& argb) {
    std::string rgb, alpha;
    rgb.reserve(static_cast<size_t>(argb.width() * argb.height() * 3));
    alpha.reserve(static_cast<size_t>(argb.width() * argb.height()));
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            rgb += static_cast<char>(qRed(line[x]));
            rgb += static_cast<char>(qGreen(line[x]));
            rgb += static_cast<char>(qBlue(line[x]));
            alpha += static_cast<char>(qAlpha(line[x]));
        }
    }
    const std::string size = " /Type /XObject /Subtype /Image /Width " +
                             std::to_string(argb.width()) + " /Height " +
                             std::to_string(argb.height()) + " /BitsPerComponent 8";
    const int mask = NewObject();
    WriteStream(mask, alpha, size + " /ColorSpace /DeviceGray");
    const int id = NewObject();
    WriteStream(id, rgb, size + " /ColorSpace /DeviceRGB /SMask " + std::to_string(mask) + " 0 R");
    return id;
}

bool TPdfWriter::Finish() {
    std::string fonts;
    for (int f = 0; f < fonts_.FontCount(); ++f) {
        if (static_cast<size_t>(f) < fontIds_.size() && fontIds_[static_cast<size_t>(f)]) {
            const int id = NewObject();
            WriteFont(f, id);
            fonts += "/F" + std::to_string(f) + ' ' + std::to_string(id) + " 0 R ";
        }
        for (int slice = 0; slice < fonts_.Type3Count(f); ++slice) {
            const int id = NewObject();
            WriteType3(f, slice, id);
            fonts += "/T" + std::to_string(f) + 'x' + std::to_string(slice) + ' ' +
                     std::to_string(id) + " 0 R ";
        }
    }
    BeginObject(1);
    Write("<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");
    BeginObject(2);
    std::string kids;
    for (int id : pages_)
        kids += std::to_string(id) + " 0 R ";
    Write("<< /Type /Pages /Resources 3 0 R " + mediaBox_ + " /Kids [" + kids + "] /Count " +
          std::to_string(pages_.size()) + " >>\nendobj\n");
    std::string forms;
    for (size_t i = 0; i < formIds_.size(); ++i)
        forms += "/X" + std::to_string(i + 1) + ' ' + std::to_string(formIds_[i]) + " 0 R ";
    BeginObject(3);
    Write("<< /ProcSet [/PDF /Text] /Font << " + fonts + ">> /XObject << " + forms +
          ">> >>\nendobj\n");
    BeginObject(4);
    std::string info =
        "<< /Creator " + PdfTextString(QStringLiteral("Marklow")) + " /Producer " +
        PdfTextString(QStringLiteral("Marklow")) + " /CreationDate (D:" +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toStdString() +
        "Z)";
    if (!title_.isEmpty()) info += " /Title " + PdfTextString(title_);
    Write(info + " >>\nendobj\n");
    const int64_t xref = written_;
    std::string table = "xref\n0 " + std::to_string(offsets_.size()) + "\n0000000000 65535 f \n";
    for (size_t id = 1; id < offsets_.size(); ++id) {
        char line[24];
        std::snprintf(line, sizeof line, "%010lld 00000 n \n",
                      static_cast<long long>(offsets_[id]));
        table += line;
    }
    table += "trailer\n<< /Size " + std::to_string(offsets_.size()) +
             " /Root 1 0 R /Info 4 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    Write(table);
    return !failed_;
}

} // namespace marklow
