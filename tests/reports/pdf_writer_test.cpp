// The report's own PDF writer: pages that look as the painter draws them on Qt's PDF writer,
// subset fonts, paint order kept where items overlap, and the size of a big class's PDF.

#include "averages.h"
#include "criteria_form.h"
#include "gbook_form.h"
#include "gradebook.h"
#include "gradebook_file.h"
#include "output.h"
#include "painter.h"
#include "pdf_font.h"
#include "pdf_writer.h"
#include "progress_form.h"
#include "report_test_app.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "script_names.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>

#include <set>
#include <sstream>

using namespace marklow;
using marklow::testing::ScriptNames;
using marklow::testing::TempFolder;

namespace {

std::string Exec(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return p.readAllStandardOutput().toStdString();
}

std::unique_ptr<TGradebook> SampleClass() {
    auto gb = std::make_unique<TGradebook>();
    std::string bytes = ReadFileBytes(MARKLOW_DATA_DIR "/sample-class.gbd");
    EXPECT_EQ(ReadGradebook(bytes, *gb, [](const std::string&) { return true; }).Status,
              TReadResult::TStatus::Loaded);
    RecomputeAll(*gb);
    return gb;
}

// Page n of a PDF in grey at 72 dpi.
QImage Render(const std::string& pdf, int page, const std::string& prefix) {
    Exec("pdftoppm",
         {"-r", "72", "-gray", "-png", "-singlefile", "-f", QString::number(page), "-l",
          QString::number(page), QString::fromStdString(pdf), QString::fromStdString(prefix)});
    return QImage(QString::fromStdString(prefix + ".png"))
        .convertToFormat(QImage::Format_Grayscale8);
}

struct TDifference {
    double Share = 1; // of the pixels, differing by more than a third of the grey scale
    double Ink = 0;   // how much darker b is than a overall, as a share of a's ink
};

TDifference Compare(const QImage& a, const QImage& b) {
    TDifference d;
    if (a.isNull() || a.size() != b.size()) return d;
    long differing = 0;
    double inkA = 0, inkB = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* pa = a.constScanLine(y);
        const uchar* pb = b.constScanLine(y);
        for (int x = 0; x < a.width(); ++x) {
            if (std::abs(pa[x] - pb[x]) > 85) ++differing;
            inkA += 255 - pa[x];
            inkB += 255 - pb[x];
        }
    }
    d.Share = static_cast<double>(differing) / (a.width() * a.height());
    d.Ink = inkA > 0 ? (inkB - inkA) / inkA : 1;
    return d;
}

class PdfWriterTest : public ReportTest {
protected:
    TempFolder folder;
    PrintOptions options;

    // The report's pages written by the report's writer and painted on Qt's PDF writer
    // look the same page by page.
    void ExpectSameLook(TQuickRep& report, int pages) {
        const std::string own = folder / "own.pdf", painted = folder / "painted.pdf";
        ASSERT_EQ(WritePdfFile(report, QString::fromStdString(own)).Result, TOutputResult::Done);
        ASSERT_EQ(WritePdf(QString::fromStdString(painted), {},
                           [&](QPagedPaintDevice& d) { return PaintReport(report, d); })
                      .Result,
                  TOutputResult::Done);
        for (int page = 1; page <= pages; ++page) {
            SCOPED_TRACE(page);
            const QImage a = Render(painted, page, folder / "a"),
                         b = Render(own, page, folder / "b");
            ASSERT_FALSE(a.isNull());
            const TDifference d = Compare(a, b);
            EXPECT_LT(d.Share, 0.002);
            EXPECT_LT(std::abs(d.Ink), 0.03);
        }
        EXPECT_LT(QFileInfo(QString::fromStdString(own)).size(),
                  QFileInfo(QString::fromStdString(painted)).size());
    }

    // A page of these texts written alone as a PDF file; its operators.
    std::string WritePage(const std::vector<TPlacedText>& texts, const std::string& path) {
        TReportPage page;
        page.PaperMm = QSizeF(210, 297);
        for (const TPlacedText& t : texts)
            page.Items.emplace_back(t);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        TPdfWriter writer(buffer, {});
        std::string content = writer.PageContent(page);
        writer.AddPage(page);
        EXPECT_TRUE(writer.Finish());
        QFile file(QString::fromStdString(path));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(buffer.data());
        return content;
    }
};

TEST_F(PdfWriterTest, EveryReportLooksAsThePainterDrawsIt) {
    auto gb = SampleClass();
    options.PrintGrade = TPrintGrade::NumbersAndLetters;
    options.ShadeCurved = true;
    {
        TGBookForm form;
        form.SetSource(*gb, options);
        ExpectSameLook(form.Quickxrp1, 2);
    }
    {
        options.Orientation = TReportOrientation::Landscape;
        TGBookForm form;
        form.SetSource(*gb, options);
        ExpectSameLook(form.Quickxrp1, 1);
    }
    {
        TRprogform form;
        form.SetSource(*gb, options);
        ExpectSameLook(form.Quickxrp1, 3);
    }
    {
        TGradeCriForm form;
        form.SetSource(*gb, options);
        ExpectSameLook(form.Quickxrp1, 1);
    }
}

TEST_F(PdfWriterTest, FontsAreEmbeddedAsSubsets) {
    auto gb = SampleClass();
    TGBookForm form;
    form.SetSource(*gb, options);
    const std::string path = folder / "class.pdf";
    ASSERT_EQ(WritePdfFile(form.Quickxrp1, QString::fromStdString(path)).Result,
              TOutputResult::Done);
    const std::string fonts = Exec("pdffonts", {QString::fromStdString(path)});
    int listed = 0;
    std::istringstream lines(fonts);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.find("CID TrueType") == std::string::npos) continue;
        ++listed;
        EXPECT_EQ(line[6], '+') << line; // a subset's tag
        EXPECT_NE(line.find("yes yes yes"), std::string::npos) << line;
    }
    EXPECT_EQ(listed, 2) << fonts; // regular and bold
    // The names and grades can be searched and copied.
    const std::string text = Exec("pdftotext", {QString::fromStdString(path), "-"});
    EXPECT_NE(text.find("Aaliyah Brooks"), std::string::npos);
    EXPECT_NE(text.find("Gradebook for Algebra I"), std::string::npos);
}

TEST_F(PdfWriterTest, ASubsetHoldsTheGlyphsUsedAndTheirPartsUnchanged) {
    QRawFont full = QRawFont::fromFont(ReportFont(TFontStyle{}));
    ASSERT_TRUE(full.isValid());
    const QString used = QStringLiteral("0123456789.é");
    std::set<uint16_t> glyphs;
    for (quint32 g : full.glyphIndexesForString(used))
        glyphs.insert(static_cast<uint16_t>(g));
    const QByteArray subset = SubsetTrueType(full, glyphs);
    ASSERT_FALSE(subset.isEmpty());
    EXPECT_LT(subset.size(), full.fontTable("glyf").size() / 10);
    QRawFont small(subset, full.pixelSize());
    ASSERT_TRUE(small.isValid());
    for (uint16_t g : glyphs) {
        // "é" is made of parts; they came along, so it has its outline.
        EXPECT_EQ(small.pathForGlyph(g), full.pathForGlyph(g)) << g;
        EXPECT_FALSE(small.pathForGlyph(g).isEmpty()) << g;
        EXPECT_EQ(small.advancesForGlyphIndexes(QList<quint32>{g}),
                  full.advancesForGlyphIndexes(QList<quint32>{g}));
    }
    const quint32 w = full.glyphIndexesForString(QStringLiteral("W")).value(0);
    if (w < static_cast<quint32>(*glyphs.rbegin())) {
        EXPECT_TRUE(small.pathForGlyph(w).isEmpty());
    }
}

TPlacedShape Fill(const QRectF& r, const QColor& c) {
    TPlacedShape s;
    s.Rect = r;
    s.Fill = c;
    return s;
}

TPlacedShape Rule(const QLineF& l, double width = 0.26) {
    TPlacedShape s;
    s.Kind = TPlacedShape::TKind::Line;
    s.Line = l;
    s.PenWidth = width;
    return s;
}

TPlacedText Text(const QString& text, const QPointF& at) {
    TPlacedText t;
    t.Text = text;
    t.Pos = at;
    t.Box = QRectF(at, QSizeF(30, 5));
    return t;
}

TEST_F(PdfWriterTest, WhatIsDrawnOverAnotherStaysOverIt) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TPdfWriter writer(buffer, {});
    TReportPage page;
    page.PaperMm = QSizeF(210, 297);
    // A text, a grey box over it, and a white box over nothing at all.
    page.Items.emplace_back(Text("Covered", {20, 20}));
    page.Items.emplace_back(Fill(QRectF(18, 18, 40, 8), QColor(217, 217, 217)));
    page.Items.emplace_back(Fill(QRectF(100, 100, 20, 5), Qt::white));
    std::string s = writer.PageContent(page);
    ASSERT_NE(s.find("Tj"), std::string::npos) << s;
    EXPECT_LT(s.find("Tj"), s.find(" re")) << s;
    EXPECT_EQ(s.find("100 100 20 5 re"), std::string::npos) << s;

    // Rules of one pen, with fills and texts between them that they do not touch, are one
    // path drawn under the texts; a white box over a text is kept, after it.
    page.Items.clear();
    page.Items.emplace_back(Fill(QRectF(20, 40, 10, 4), QColor(217, 217, 217)));
    page.Items.emplace_back(Text("A", {21, 40}));
    page.Items.emplace_back(Rule(QLineF(10, 50, 100, 50)));
    page.Items.emplace_back(Text("B", {21, 60}));
    page.Items.emplace_back(Rule(QLineF(10, 70, 100, 70)));
    page.Items.emplace_back(Rule(QLineF(10, 80, 100, 80)));
    page.Items.emplace_back(Fill(QRectF(20, 60, 10, 4), Qt::white));
    s = writer.PageContent(page);
    size_t strokes = 0;
    for (size_t at = s.find("S\n"); at != std::string::npos; at = s.find("S\n", at + 1))
        ++strokes;
    EXPECT_EQ(strokes, 1u) << s;
    EXPECT_LT(s.find("80 m"), s.find("BT")) << s;
    EXPECT_GT(s.find("20 60 10 4 re"), s.find("(B)")) << s;
    EXPECT_NE(s.find("20 60 10 4 re"), std::string::npos) << s;
}

TEST_F(PdfWriterTest, TextsKeepTheirSizeWhateverFontCameFirst) {
    // Two sizes of one font: each text is written at its own size.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TPdfWriter writer(buffer, {});
    TReportPage page;
    page.PaperMm = QSizeF(210, 297);
    TPlacedText big = Text("Title", {20, 20});
    big.Font.PointSize = 12;
    big.Font.Bold = true;
    TPlacedText small = Text("Teacher", {20, 40});
    small.Font.Bold = true;
    page.Items.emplace_back(big);
    page.Items.emplace_back(small);
    const std::string s = writer.PageContent(page);
    EXPECT_NE(s.find("4.23333 Tf"), std::string::npos) << s; // 12 points in mm
    EXPECT_NE(s.find("3.52778 Tf"), std::string::npos) << s; // 10 points
}

TEST_F(PdfWriterTest, ABigClassTakesAFewKilobytesAPage) {
    TBuildOptions o;
    o.Students = 400;
    o.Grades = 50;
    auto gb = BuildGradebook(o);
    RecomputeAll(*gb);
    TGBookForm form;
    form.SetSource(*gb, options);
    const std::string path = folder / "big.pdf";
    TOutputStatus s = WritePdfFile(form.Quickxrp1, QString::fromStdString(path));
    ASSERT_EQ(s.Result, TOutputResult::Done);
    ASSERT_GT(s.Pages, 50);
    // About 2 KB a page; painted on Qt's PDF writer it took about 8.5 KB.
    EXPECT_LT(QFileInfo(QString::fromStdString(path)).size() / s.Pages, 3000);
    // Repeated rules and headings are forms drawn again.
    const std::string info = Exec("pdfinfo", {QString::fromStdString(path)});
    EXPECT_NE(info.find("Pages:           " + std::to_string(s.Pages)), std::string::npos);
}

TEST_F(PdfWriterTest, NamesInEveryScriptAreDrawnAndGiveBackTheirText) {
    TGradebook gb;
    gb.SetEditMode(false);
    AddGrade(gb, "Quiz", 10);
    // Headings are drawn turned: glyphs of outlines and joined scripts turned with them.
    const std::vector<std::string> grades = {"期中考试", "اختبار", "Контрольная"};
    for (const std::string& g : grades)
        AddGrade(gb, g, 10);
    for (size_t i = 0; i < ScriptNames().size(); ++i) {
        const int r = AddStudent(gb, ScriptNames()[i], "S" + std::to_string(i));
        gb.SetCell(2, r, std::to_string(i));
    }
    RecomputeAll(gb);
    TGBookForm form;
    form.SetSource(gb, options);
    // Chinese comes from a font of CFF outlines, the rest from TrueType subsets; right to
    // left and shaped scripts are drawn as the painter draws them.
    ExpectSameLook(form.Quickxrp1, 1);
    const std::string path = folder / "own.pdf";
    const std::string text = Exec("pdftotext", {QString::fromStdString(path), "-"});
    for (const std::string& name : ScriptNames())
        EXPECT_NE(text.find(name), std::string::npos) << name << "\n" << text;
    for (const std::string& grade : grades)
        EXPECT_NE(text.find(grade), std::string::npos) << grade << "\n" << text;
    // Every font is in the file.
    const std::string fonts = Exec("pdffonts", {QString::fromStdString(path)});
    std::istringstream lines(fonts);
    std::string line;
    for (int skip = 0; skip < 2 && std::getline(lines, line); ++skip) {
    }
    int listed = 0;
    while (std::getline(lines, line)) {
        ++listed;
        EXPECT_TRUE(line.find("Type 3") != std::string::npos ||
                    line.find("yes yes yes") != std::string::npos)
            << line;
    }
    EXPECT_GE(listed, 5) << fonts;
}

TEST_F(PdfWriterTest, ManyGlyphsOfOneFontOfOutlinesSpanSeveralFonts) {
    // 511 ideographs: past the 255 glyphs a font of outlines holds, the text goes on in the
    // next one and still reads as it was written.
    QString ideographs;
    for (char32_t c = 0x4E00; c < 0x4E00 + 511; ++c)
        ideographs += QString::fromUcs4(&c, 1);
    std::vector<TPlacedText> lines;
    for (int line = 0; line < 18; ++line) {
        lines.push_back(Text(ideographs.mid(line * 30, 30), {10, 20.0 + line * 10}));
        lines.back().Box.setWidth(190);
    }
    const std::string path = folder / "ideographs.pdf";
    WritePage(lines, path);
    const QString text =
        QString::fromStdString(Exec("pdftotext", {QString::fromStdString(path), "-"}));
    QString read = text;
    read.remove(QRegularExpression(QStringLiteral("\\s")));
    EXPECT_EQ(read.toStdString(), ideographs.toStdString());
    // Noto Sans CJK has CFF outlines; a TrueType font of ideographs is embedded instead.
    TPdfFontSet set;
    const TShapedText& one = set.Shape(TFontStyle{}, ideographs.left(1));
    ASSERT_FALSE(one.Runs.empty());
    if (set.Embeddable(one.Runs[0].Font))
        GTEST_SKIP() << "the ideographs come from a TrueType font here";
    const std::string fonts = Exec("pdffonts", {QString::fromStdString(path)});
    size_t type3 = 0;
    for (size_t at = fonts.find("Type 3"); at != std::string::npos; at = fonts.find("Type 3", at + 1))
        ++type3;
    EXPECT_EQ(type3, 3u) << fonts;
}

TEST_F(PdfWriterTest, JoinedLigaturedAndReorderedTextsReadBackAsWritten) {
    // Arabic's joined forms and its lam-lam-heh, Latin ligatures, a name in two directions,
    // Devanagari's vowel drawn before its consonant, an emoji, ideographs after Latin.
    const QStringList texts = {QStringLiteral("محمد الأحمد"), QStringLiteral("عبد الله"),
                               QStringLiteral("Raffaella Affleck"), QStringLiteral("Sofia صوفيا"),
                               QStringLiteral("अनिल कुमार"), QStringLiteral("Zoë 🌟 Star"),
                               QStringLiteral("Li Wei 王芳")};
    std::vector<TPlacedText> lines;
    for (qsizetype i = 0; i < texts.size(); ++i)
        lines.push_back(Text(texts[i], {20, 20.0 + 10 * static_cast<double>(i)}));
    // Fonts with those ligatures: Naskh's lam-lam-heh, DejaVu's ff and ffl.
    lines[1].Font.Family = QStringLiteral("Noto Naskh Arabic");
    lines[2].Font.Family = QStringLiteral("DejaVu Sans");
    const std::string path = folder / "scripts.pdf";
    const std::string content = WritePage(lines, path);
    // Only the Hindi (and the name in two directions) need their text given as a whole: the
    // glyphs of the others stand for their letters.
    EXPECT_NE(content.find(PdfTextString(texts[4])), std::string::npos) << content;
    for (int i : {0, 1, 2, 5, 6})
        EXPECT_EQ(content.find(PdfTextString(texts[i])), std::string::npos) << i << content;
    const QString read =
        QString::fromStdString(Exec("pdftotext", {QString::fromStdString(path), "-"}));
    for (const QString& t : texts) {
        if (t.startsWith(QStringLiteral("Sofia"))) continue; // two directions: poppler's order
        EXPECT_TRUE(read.contains(t)) << t.toStdString() << "\n" << read.toStdString();
    }
}

TEST_F(PdfWriterTest, AnEmojiOfAColourFontIsDrawnAsItsPicture) {
    // An emoji newer than Symbola's comes from a font of pictures (Noto Color Emoji), which
    // has no outlines: the PDF draws its picture and keeps its text.
    const QString melting = QStringLiteral("Mia 🫠");
    TPdfFontSet set;
    const TShapedText& shaped = set.Shape(TFontStyle{}, melting);
    const TShapedRun* emoji = nullptr;
    for (const TShapedRun& r : shaped.Runs)
        if (r.Type3 && set.Raw(r.Font).pathForGlyph(r.Glyphs[0]).isEmpty()) emoji = &r;
    if (!emoji) GTEST_SKIP() << "no font of colour pictures here";
    TPlacedText big = Text(melting, {20, 20});
    big.Font.PointSize = 36;
    big.Box.setSize(QSizeF(100, 20));
    const std::string path = folder / "emoji.pdf";
    WritePage({big}, path);
    EXPECT_NE(Exec("pdftotext", {QString::fromStdString(path), "-"}).find("Mia 🫠"),
              std::string::npos);
    Exec("pdftoppm", {"-r", "72", "-png", "-singlefile", QString::fromStdString(path),
                      QString::fromStdString(folder / "emoji")});
    const QImage pdf(QString::fromStdString(folder / "emoji.png"));
    ASSERT_FALSE(pdf.isNull());
    int coloured = 0;
    for (int y = 0; y < pdf.height() / 4; ++y)
        for (int x = 0; x < pdf.width() / 2; ++x) {
            const QColor c = pdf.pixelColor(x, y);
            coloured += std::abs(c.red() - c.blue()) > 60; // the emoji's yellow, not grey
        }
    EXPECT_GT(coloured, 100);
    // Where the painter puts it, the right way up and as large.
    QImage painted(pdf.size(), QImage::Format_ARGB32);
    painted.fill(Qt::white);
    {
        QPainter p(&painted);
        TReportPage page;
        page.PaperMm = QSizeF(210, 297);
        page.Items.emplace_back(big);
        PaintPage(p, page, QRectF(0, 0, painted.width(), painted.height()));
    }
    int inked = 0, differing = 0;
    for (int y = 50; y < 120; ++y) // the text's box, in points
        for (int x = 50; x < 350; ++x) {
            const QColor a = painted.pixelColor(x, y), b = pdf.pixelColor(x, y);
            inked += a != QColor(Qt::white);
            differing += std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                   std::abs(a.blue() - b.blue())}) > 80;
        }
    EXPECT_LT(differing, inked / 8) << inked;
}

} // namespace
