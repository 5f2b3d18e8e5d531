#include "pdf_font.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QTextLayout>

#include <algorithm>
#include <map>

namespace marklow {

namespace {

uint16_t U16(const QByteArray& b, qsizetype at) {
    if (at < 0 || at + 2 > b.size()) return 0;
    return static_cast<uint16_t>((static_cast<uint8_t>(b[at]) << 8) |
                                 static_cast<uint8_t>(b[at + 1]));
}

uint32_t U32(const QByteArray& b, qsizetype at) {
    return (uint32_t{U16(b, at)} << 16) | U16(b, at + 2);
}

int16_t S16(const QByteArray& b, qsizetype at) {
    return static_cast<int16_t>(U16(b, at));
}

void Put16(QByteArray& b, qsizetype at, uint32_t v) {
    b[at] = static_cast<char>((v >> 8) & 0xff);
    b[at + 1] = static_cast<char>(v & 0xff);
}

void Put32(QByteArray& b, qsizetype at, uint32_t v) {
    Put16(b, at, v >> 16);
    Put16(b, at + 2, v & 0xffff);
}

void Append32(QByteArray& b, uint32_t v) {
    b.append(4, '\0');
    Put32(b, b.size() - 4, v);
}

uint32_t Checksum(const QByteArray& b) {
    uint32_t sum = 0;
    for (qsizetype i = 0; i < b.size(); i += 4) {
        uint32_t word = 0;
        for (int k = 0; k < 4; ++k)
            word = (word << 8) | (i + k < b.size() ? static_cast<uint8_t>(b[i + k]) : 0u);
        sum += word;
    }
    return sum;
}

// Offsets of glyph g in 'glyf' from 'loca' (short or long format).
std::pair<uint32_t, uint32_t> GlyphSpan(const QByteArray& loca, bool longLoca, uint32_t g) {
    if (longLoca) return {U32(loca, g * 4), U32(loca, g * 4 + 4)};
    return {uint32_t{U16(loca, g * 2)} * 2, uint32_t{U16(loca, g * 2 + 2)} * 2};
}

// The glyphs a composite glyph is made of.
void AddComponents(const QByteArray& glyf, const QByteArray& loca, bool longLoca, uint32_t count,
                   uint16_t g, std::set<uint16_t>& out) {
    auto [from, to] = GlyphSpan(loca, longLoca, g);
    if (to <= from + 10 || to > static_cast<uint32_t>(glyf.size())) return;
    if (S16(glyf, from) >= 0) return;
    qsizetype at = from + 10;
    for (int guard = 0; guard < 64 && at + 4 <= to; ++guard) {
        const uint16_t flags = U16(glyf, at);
        const uint16_t part = U16(glyf, at + 2);
        if (part < count && out.insert(part).second)
            AddComponents(glyf, loca, longLoca, count, part, out);
        at += 4 + ((flags & 0x1) ? 4 : 2);
        if (flags & 0x8)
            at += 2;
        else if (flags & 0x40)
            at += 4;
        else if (flags & 0x80)
            at += 8;
        if (!(flags & 0x20)) break;
    }
}

// The glyph without its hinting instructions, which need the programs left out.
QByteArray WithoutInstructions(QByteArray g) {
    if (g.size() < 12) return g;
    const int16_t contours = S16(g, 0);
    if (contours >= 0) {
        const qsizetype at = 10 + 2 * qsizetype{contours};
        if (at + 2 > g.size()) return g;
        const uint16_t length = U16(g, at);
        if (at + 2 + length > g.size()) return g;
        g.remove(at + 2, length);
        Put16(g, at, 0);
        return g;
    }
    qsizetype at = 10;
    for (int guard = 0; guard < 64 && at + 4 <= g.size(); ++guard) {
        const uint16_t flags = U16(g, at);
        Put16(g, at, flags & ~0x100u);
        qsizetype next = at + 4 + ((flags & 0x1) ? 4 : 2);
        if (flags & 0x8)
            next += 2;
        else if (flags & 0x40)
            next += 4;
        else if (flags & 0x80)
            next += 8;
        at = next;
        if (!(flags & 0x20)) {
            if (at <= g.size()) g.truncate(at);
            break;
        }
    }
    return g;
}

// The characters in the opposite order.
QString Reversed(const QString& text) {
    QList<uint> chars = text.toUcs4();
    std::reverse(chars.begin(), chars.end());
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()), chars.size());
}

bool IsRightToLeft(uint c) {
    const QChar::Direction d = QChar::direction(c);
    return d == QChar::DirR || d == QChar::DirAL;
}

// What one glyph of a shaped text stands for: the characters of each place it was made at,
// which must agree.
struct TMadeOf {
    QString First, Current;
    qsizetype End = -1;
    QPointF Where; // a place is one glyph where it stands: two flags side by side are two
    bool Conflict = false;

    void Add(const QString& chars, qsizetype at, qsizetype length, const QPointF& where) {
        if (at != End || where != Where) Close();
        Current += chars;
        End = at + length;
        Where = where;
    }
    void Close() {
        if (Current.isEmpty()) return;
        if (First.isEmpty())
            First = Current;
        else if (First != Current)
            Conflict = true;
        Current.clear();
    }
};

} // namespace

QByteArray SubsetTrueType(const QRawFont& font, const std::set<uint16_t>& used) {
    QByteArray head = font.fontTable("head"), hhea = font.fontTable("hhea");
    QByteArray maxp = font.fontTable("maxp"), hmtx = font.fontTable("hmtx");
    const QByteArray loca = font.fontTable("loca"), glyf = font.fontTable("glyf");
    if (head.size() < 54 || hhea.size() < 36 || maxp.size() < 6 || loca.isEmpty() || glyf.isEmpty())
        return {};
    const bool longLoca = S16(head, 50) == 1;
    const uint32_t count = U16(maxp, 4);
    std::set<uint16_t> glyphs{0}; // the missing glyph is always there
    for (uint16_t g : used)
        if (g < count) glyphs.insert(g);
    for (uint16_t g : std::set<uint16_t>(glyphs))
        AddComponents(glyf, loca, longLoca, count, g, glyphs);
    // Glyph numbers stay as they are; the font ends at the last glyph used.
    const uint32_t n = uint32_t{*glyphs.rbegin()} + 1;
    QByteArray newGlyf, newLoca;
    for (uint32_t g = 0; g < n; ++g) {
        Append32(newLoca, static_cast<uint32_t>(newGlyf.size()));
        if (!glyphs.count(static_cast<uint16_t>(g))) continue;
        auto [from, to] = GlyphSpan(loca, longLoca, g);
        if (to > from && to <= static_cast<uint32_t>(glyf.size()))
            newGlyf.append(WithoutInstructions(glyf.mid(from, to - from)));
        while (newGlyf.size() % 4)
            newGlyf.append('\0');
    }
    Append32(newLoca, static_cast<uint32_t>(newGlyf.size()));
    // Every glyph its own metrics; the unused ones zero, so that they pack to nothing.
    const uint32_t metrics = std::max<uint32_t>(1, U16(hhea, 34));
    QByteArray newHmtx(static_cast<qsizetype>(n) * 4, '\0');
    for (uint16_t g : glyphs) {
        const uint32_t advanceAt = std::min<uint32_t>(g, metrics - 1) * 4;
        const uint32_t lsbAt = g < metrics ? g * 4 + 2 : metrics * 4 + (g - metrics) * 2;
        Put16(newHmtx, g * 4, U16(hmtx, advanceAt));
        Put16(newHmtx, g * 4 + 2, U16(hmtx, lsbAt));
    }
    hmtx = newHmtx;
    Put16(hhea, 34, n);
    Put16(maxp, 4, n);
    Put16(head, 50, 1);
    Put32(head, 8, 0);

    std::map<QByteArray, QByteArray> tables{{"head", head}, {"hhea", hhea},    {"maxp", maxp},
                                            {"hmtx", hmtx}, {"loca", newLoca}, {"glyf", newGlyf}};
    // No hinting programs nor instructions: reports are drawn unhinted, at any size the same.
    const uint16_t numTables = static_cast<uint16_t>(tables.size());
    uint16_t power = 1, log = 0;
    while (power * 2 <= numTables) {
        power *= 2;
        ++log;
    }
    QByteArray out;
    Append32(out, 0x00010000);
    out.append(8, '\0');
    Put16(out, 4, numTables);
    Put16(out, 6, power * 16u);
    Put16(out, 8, log);
    Put16(out, 10, numTables * 16u - power * 16u);
    uint32_t offset = 12 + 16u * numTables;
    QByteArray body;
    qsizetype headAt = 0;
    for (const auto& [tag, data] : tables) {
        out.append(tag);
        Append32(out, Checksum(data));
        Append32(out, offset + static_cast<uint32_t>(body.size()));
        Append32(out, static_cast<uint32_t>(data.size()));
        if (tag == "head") headAt = offset + body.size();
        body.append(data);
        while (body.size() % 4)
            body.append('\0');
    }
    out.append(body);
    Put32(out, headAt + 8, 0xB1B0AFBAu - Checksum(out));
    return out;
}

struct TPdfFontSet::TFont {
    QRawFont Raw;
    QString Key;
    bool Outline = false;
    int UnitsPerEm = 1000;
    QByteArray Hmtx;
    int Metrics = 0; // entries of 'hmtx'; 0 when the font has none
    std::set<uint16_t> Used;
    std::map<uint16_t, QString> Unicode;
    std::map<uint8_t, uint16_t> OneByte;
    QHash<uint, uint16_t> CharGlyphs;
    std::map<uint16_t, uint16_t> Type3Codes;        // glyph, code
    std::vector<std::vector<uint16_t>> Type3Glyphs; // by font of outlines, by byte

    uint16_t Type3Code(uint16_t g) {
        auto it = Type3Codes.find(g);
        if (it != Type3Codes.end()) return it->second;
        // Byte 0 of each font is a blank "m": readers of PDFs (poppler) guess the size of a
        // Type 3 font's text from its "m", and would otherwise guess from the first glyph
        // (an ideograph, an emoji) and take the text for another line.
        if (Type3Glyphs.empty() || Type3Glyphs.back().size() == 255) Type3Glyphs.emplace_back();
        const auto code =
            static_cast<uint16_t>((Type3Glyphs.size() - 1) * 256 + 1 + Type3Glyphs.back().size());
        Type3Glyphs.back().push_back(g);
        Type3Codes.emplace(g, code);
        return code;
    }
};

struct TPdfFontSet::TStyle {
    TFontStyle Style;
    QFont Font;
    double Ascent = 0, Height = 0;
    QHash<QString, TShapedText> Texts;
};

TPdfFontSet::TPdfFontSet() = default;
TPdfFontSet::~TPdfFontSet() = default;

const QRawFont& TPdfFontSet::Raw(int font) const {
    return fonts_[static_cast<size_t>(font)]->Raw;
}

bool TPdfFontSet::Embeddable(int font) const {
    return fonts_[static_cast<size_t>(font)]->Outline;
}

int TPdfFontSet::FontIndex(const QRawFont& raw) {
    const QString key = raw.familyName() + QLatin1Char('|') + raw.styleName() + QLatin1Char('|') +
                        QString::number(raw.weight()) + QLatin1Char('|') +
                        QString::number(static_cast<int>(raw.style()));
    for (size_t i = 0; i < fonts_.size(); ++i)
        if (fonts_[i]->Key == key) return static_cast<int>(i);
    auto f = std::make_unique<TFont>();
    f->Raw = raw;
    f->Key = key;
    const QByteArray head = raw.fontTable("head"), hhea = raw.fontTable("hhea");
    f->Hmtx = raw.fontTable("hmtx");
    if (head.size() >= 54 && hhea.size() >= 36 && !f->Hmtx.isEmpty()) {
        f->UnitsPerEm = std::max<int>(16, U16(head, 18));
        f->Metrics = std::min<int>(U16(hhea, 34), static_cast<int>(f->Hmtx.size() / 4));
    }
    f->Outline = f->Metrics > 0 && !raw.fontTable("glyf").isEmpty() &&
                 !raw.fontTable("loca").isEmpty();
    fonts_.push_back(std::move(f));
    return static_cast<int>(fonts_.size()) - 1;
}

TPdfFontSet::TStyle& TPdfFontSet::StyleOf(const TFontStyle& style) {
    for (auto& s : styles_)
        if (s->Style == style) return *s;
    auto s = std::make_unique<TStyle>();
    s->Style = style;
    s->Font = ReportFont(style);
    const QFontMetricsF fm(s->Font);
    s->Ascent = fm.ascent();
    s->Height = fm.ascent() + fm.descent();
    styles_.push_back(std::move(s));
    return *styles_.back();
}

const TShapedText& TPdfFontSet::Shape(const TFontStyle& style, const QString& text) {
    TStyle& s = StyleOf(style);
    auto it = s.Texts.constFind(text);
    if (it != s.Texts.constEnd()) return it.value();
    if (s.Texts.size() > 50000) s.Texts.clear();
    TShapedText shaped;
    shaped.Ascent = s.Ascent;
    shaped.Height = s.Height;
    // The same shaping as the painter's drawText: one line, no wrapping.
    QTextLayout layout(text, s.Font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) line.setPosition(QPointF(0, 0));
    layout.endLayout();
    const double baseline = line.isValid() ? line.ascent() : 0;
    shaped.Advance = line.isValid() ? line.naturalTextWidth() : 0;
    const QList<QGlyphRun> runs = layout.glyphRuns();
    for (const QGlyphRun& run : runs) {
        TShapedRun r;
        r.Font = FontIndex(run.rawFont());
        r.PixelSize = run.rawFont().pixelSize();
        TFont& font = *fonts_[static_cast<size_t>(r.Font)];
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
            const uint16_t g = static_cast<uint16_t>(glyphs[i]);
            r.Glyphs.push_back(g);
            r.X.push_back(positions[i].x());
            r.Y.push_back(positions[i].y() - baseline);
            font.Used.insert(g);
        }
        // Which character each glyph stands for, so the PDF's text can be searched and copied.
        for (uint c : text.toUcs4()) {
            auto known = font.CharGlyphs.constFind(c);
            uint16_t g = 0;
            if (known != font.CharGlyphs.constEnd()) {
                g = known.value();
            } else {
                const char32_t one = c;
                const QList<quint32> mapped =
                    font.Raw.glyphIndexesForString(QString::fromUcs4(&one, 1));
                g = mapped.isEmpty() ? 0 : static_cast<uint16_t>(mapped[0]);
                font.CharGlyphs.insert(c, g);
            }
            if (g && font.Used.count(g) && !font.Unicode.count(g))
                font.Unicode[g] = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        }
        r.Type3 = !font.Outline || std::any_of(r.Glyphs.begin(), r.Glyphs.end(),
                                               [](uint16_t g) { return g >= 0x8000; });
        for (uint16_t g : r.Glyphs) {
            if (r.Type3) {
                r.Codes.push_back(font.Type3Code(g));
                continue;
            }
            uint16_t code = static_cast<uint16_t>(0x8000 + g);
            auto u = font.Unicode.find(g);
            if (u != font.Unicode.end() && u->second.size() == 1) {
                const char16_t c = u->second[0].unicode();
                if (c >= 0x20 && c < 0x7f && font.CharGlyphs.value(c) == g) {
                    code = c;
                    font.OneByte[static_cast<uint8_t>(c)] = g;
                }
            }
            r.Codes.push_back(code);
        }
        if (!r.Glyphs.empty()) shaped.Runs.push_back(std::move(r));
    }
    // Read glyph by glyph in the order they stand, as readers of PDFs read them (right to
    // left in a text of a right-to-left script), does the PDF give the text back?
    const QList<uint> ucs4 = text.toUcs4();
    const bool rightToLeft = std::any_of(ucs4.begin(), ucs4.end(), IsRightToLeft);
    auto spelled = [&] {
        std::vector<std::pair<double, QString>> placed;
        for (const TShapedRun& r : shaped.Runs)
            for (size_t i = 0; i < r.Glyphs.size(); ++i)
                placed.emplace_back(r.X[i], CharsOf(r.Font, r.Glyphs[i]));
        std::stable_sort(placed.begin(), placed.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        QString chars;
        for (const auto& p : placed)
            chars += p.second;
        return rightToLeft ? Reversed(chars) : chars;
    };
    // Most texts are printable ASCII, one code a character: read without gathering.
    auto plain = [&] {
        qsizetype k = 0;
        for (const TShapedRun& r : shaped.Runs) {
            if (r.Type3) return false;
            for (uint16_t code : r.Codes) {
                if (code >= 0x80 || k >= text.size() || text[k].unicode() != code) return false;
                ++k;
            }
        }
        return k == text.size();
    };
    shaped.Faithful = plain() || spelled() == text;
    if (!shaped.Faithful) {
        // Glyphs the shaping chose (joined and contextual forms, ligatures) stand for the
        // characters they were made of.
        std::map<std::pair<int, uint16_t>, TMadeOf> made;
        for (qsizetype at = 0; at < text.size();) {
            const qsizetype length = text[at].isHighSurrogate() && at + 1 < text.size() &&
                                             text[at + 1].isLowSurrogate()
                                         ? 2
                                         : 1;
            const QString chars = text.mid(at, length);
            for (const QGlyphRun& run :
                 layout.glyphRuns(static_cast<int>(at), static_cast<int>(length))) {
                const int index = FontIndex(run.rawFont());
                const QList<quint32> glyphs = run.glyphIndexes();
                const QList<QPointF> positions = run.positions();
                for (qsizetype k = 0; k < glyphs.size() && k < positions.size(); ++k)
                    made[{index, static_cast<uint16_t>(glyphs[k])}].Add(chars, at, length,
                                                                         positions[k]);
            }
            at += length;
        }
        for (auto& [glyph, of] : made) {
            of.Close();
            TFont& font = *fonts_[static_cast<size_t>(glyph.first)];
            // The missing glyph stands for whatever a font lacks, so for nothing.
            if (of.Conflict || of.First.isEmpty() || glyph.second == 0 ||
                !font.Used.count(glyph.second))
                continue;
            // A ligature of a right-to-left script is read as its letters stand, left to
            // right, and then turned around with the line (so pdftotext and the viewers
            // built on poppler read it).
            // (Marks and joiners in its cluster go either way; a left-to-right letter not.)
            const QList<uint> letters = of.First.toUcs4();
            const bool turned =
                letters.size() > 1 && std::any_of(letters.begin(), letters.end(), IsRightToLeft) &&
                std::none_of(letters.begin(), letters.end(),
                             [](uint c) { return QChar::direction(c) == QChar::DirL; });
            font.Unicode.emplace(glyph.second, turned ? Reversed(of.First) : of.First);
        }
        shaped.Faithful = spelled() == text;
    }
    return s.Texts.insert(text, std::move(shaped)).value();
}

double TPdfFontSet::Width(int index, uint16_t glyph) const {
    const TFont& f = *fonts_[static_cast<size_t>(index)];
    if (f.Metrics > 0) {
        const uint32_t entry = std::min<uint32_t>(glyph, static_cast<uint32_t>(f.Metrics - 1));
        return U16(f.Hmtx, entry * 4) * 1000.0 / f.UnitsPerEm;
    }
    const QList<QPointF> advances = f.Raw.advancesForGlyphIndexes(QList<quint32>{glyph});
    return advances.isEmpty() ? 0 : advances[0].x() * 1000.0 / f.Raw.pixelSize();
}

int TPdfFontSet::Type3Count(int font) const {
    return static_cast<int>(fonts_[static_cast<size_t>(font)]->Type3Glyphs.size());
}

const std::vector<uint16_t>& TPdfFontSet::Type3Glyphs(int font, int slice) const {
    return fonts_[static_cast<size_t>(font)]->Type3Glyphs[static_cast<size_t>(slice)];
}

QString TPdfFontSet::CharsOf(int font, uint16_t glyph) const {
    const TFont& f = *fonts_[static_cast<size_t>(font)];
    auto it = f.Unicode.find(glyph);
    return it == f.Unicode.end() ? QString() : it->second;
}

TPdfFontData TPdfFontSet::Data(int index) const {
    const TFont& f = *fonts_[static_cast<size_t>(index)];
    TPdfFontData d;
    d.Outline = f.Outline;
    if (!f.Outline) return d;
    QString name = f.Raw.familyName() + QLatin1Char('-') + f.Raw.styleName();
    name.remove(QLatin1Char(' '));
    d.PostScriptName = name;
    d.File = SubsetTrueType(f.Raw, f.Used);
    const QByteArray head = f.Raw.fontTable("head");
    const double unit = 1000.0 / f.UnitsPerEm;
    for (int i = 0; i < 4; ++i)
        d.BBox[i] = S16(head, 36 + 2 * i) * unit;
    const double toThousandths = 1000.0 / f.Raw.pixelSize();
    d.Ascent = f.Raw.ascent() * toThousandths;
    d.Descent = -f.Raw.descent() * toThousandths;
    d.CapHeight = f.Raw.capHeight() * toThousandths;
    d.ItalicAngle = f.Raw.style() == QFont::StyleNormal ? 0 : -12;
    for (uint16_t g : f.Used) {
        const uint32_t entry = std::min<uint32_t>(g, static_cast<uint32_t>(f.Metrics - 1));
        d.Widths.emplace_back(g, U16(f.Hmtx, entry * 4) * unit);
    }
    for (const auto& [g, text] : f.Unicode)
        d.Unicode.emplace_back(g, text);
    for (const auto& [code, g] : f.OneByte)
        d.OneByte.emplace_back(code, g);
    return d;
}

} // namespace marklow
