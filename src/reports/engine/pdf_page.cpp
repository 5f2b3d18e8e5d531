#include "pdf_page.h"

#include "units.h"

#include <QPageSize>
#include <QPainterPath>
#include <QTransform>

#include <charconv>
#include <cmath>
#include <optional>

namespace marklow {

namespace {

constexpr double kPtPerMm = 72 / kMmPerInch;

} // namespace

void PdfNumber(std::string& s, double v, int decimals) {
    char buf[48];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    if (ec != std::errc()) {
        s += '0';
        return;
    }
    char* last = end;
    if (decimals > 0) {
        while (last > buf && last[-1] == '0')
            --last;
        if (last > buf && last[-1] == '.') --last;
    }
    if (last - buf == 2 && buf[0] == '-' && buf[1] == '0') {
        s += '0';
        return;
    }
    s.append(buf, static_cast<size_t>(last - buf));
}

void PdfHex4(std::string& s, unsigned v) {
    static const char digits[] = "0123456789ABCDEF";
    for (int shift = 12; shift >= 0; shift -= 4)
        s += digits[(v >> shift) & 0xf];
}

std::string PdfTextString(const QString& text) {
    std::string s = "<FEFF";
    for (QChar c : text)
        PdfHex4(s, c.unicode());
    return s + ">";
}

void PdfPath(std::string& s, const QPainterPath& path, int decimals) {
    auto point = [&](const QPointF& p) {
        PdfNumber(s, p.x(), decimals);
        s += ' ';
        PdfNumber(s, p.y(), decimals);
    };
    const int n = path.elementCount();
    for (int k = 0; k < n; ++k) {
        const QPainterPath::Element e = path.elementAt(k);
        if (e.isMoveTo()) {
            if (k > 0) s += "h ";
            point(e);
            s += " m\n";
        } else if (e.isLineTo()) {
            point(e);
            s += " l\n";
        } else if (e.isCurveTo() && k + 2 < n) {
            point(e);
            s += ' ';
            point(path.elementAt(k + 1));
            s += ' ';
            point(path.elementAt(k + 2));
            s += " c\n";
            k += 2;
        }
    }
    if (n > 0) s += "h\n";
}

namespace {

void Num(std::string& s, double v, int decimals = 3) {
    PdfNumber(s, v, decimals);
}

void Colour(std::string& s, const QColor& c, bool stroke) {
    if (c.red() == c.green() && c.green() == c.blue()) {
        Num(s, c.redF(), 4);
        s += stroke ? " G\n" : " g\n";
        return;
    }
    Num(s, c.redF(), 4);
    s += ' ';
    Num(s, c.greenF(), 4);
    s += ' ';
    Num(s, c.blueF(), 4);
    s += stroke ? " RG\n" : " rg\n";
}

} // namespace

QSizeF PaperPoints(const QSizeF& mm) {
    const bool wide = mm.width() > mm.height();
    QSizeF upright = wide ? mm.transposed() : mm;
    QSizeF points =
        QPageSize(upright, QPageSize::Millimeter, QString(), QPageSize::FuzzyOrientationMatch)
            .sizePoints();
    return wide ? points.transposed() : points;
}

int TPdfForms::Use(const std::string& part) {
    if (part.size() < kLeast) return 0;
    auto it = seen_.find(part);
    if (it == seen_.end()) {
        if (seen_.size() < kMost) seen_.emplace(part, 0);
        return 0;
    }
    // Made on the second time: what comes once stays in its page.
    if (!it->second) it->second = make_(part);
    return it->second;
}

namespace {

// Writes one page's operators, keeping the graphics state it has set so that nothing is
// set twice, and gathering consecutive rules (or fills) of one pen into one path.
class TPageContent {
public:
    TPageContent(TPdfFontSet& fonts, std::vector<int>& usedFonts, TPdfForms* forms)
        : fonts_(fonts), used_(usedFonts), forms_(forms) {}

    std::string Make(const TReportPage& page) {
        s_.reserve(64 * 1024);
        s_ += "q ";
        Num(s_, kPtPerMm, 6);
        s_ += " 0 0 ";
        Num(s_, -kPtPerMm, 6);
        s_ += " 0 ";
        Num(s_, PaperPoints(page.PaperMm).height());
        s_ += " cm 2 J 0 j\n";
        size_t band = 0;
        for (size_t i = 0; i < page.Items.size(); ++i) {
            while (band < page.Bands.size() && page.Bands[band].Item <= i) {
                if (band + 1 >= page.Bands.size() || page.Bands[band + 1].Item > i)
                    SetOrigin(page.Bands[band].Origin);
                ++band;
            }
            std::visit([&](const auto& x) { Put(x); }, page.Items[i]);
        }
        EmitGroup();
        Flush();
        EndText();
        s_ += "Q\n";
        return std::move(s_);
    }

private:
    struct TState {
        std::optional<QColor> Fill, Stroke;
        double LineWidth = -1;
        int Font = -1;
        double FontSize = 0;
    };
    enum class TPath { None, Stroke, Fill };

    void X(double x) { Num(s_, x - origin_.x()); }
    void Y(double y) { Num(s_, y - origin_.y()); }
    void Point(const QPointF& p) {
        X(p.x());
        s_ += ' ';
        Y(p.y());
    }
    void Rect(const QRectF& r) {
        Point(r.topLeft());
        s_ += ' ';
        Num(s_, r.width());
        s_ += ' ';
        Num(s_, r.height());
        s_ += " re\n";
    }

    void SetOrigin(const QPointF& origin) {
        EmitGroup();
        EndBand();
        Flush();
        EndText();
        // Moved on from the band before (by the numbers as written, so nothing drifts):
        // the rows of a table then read alike.
        const QPointF by(Rounded(origin.x() - origin_.x()), Rounded(origin.y() - origin_.y()));
        if (by.isNull()) return;
        s_ += "1 0 0 1 ";
        Num(s_, by.x());
        s_ += ' ';
        Num(s_, by.y());
        s_ += " cm\n";
        origin_ += by;
    }

    void FillColour(const QColor& c) {
        if (state_.Fill && *state_.Fill == c) return;
        Colour(s_, c, false);
        state_.Fill = c;
    }
    void StrokeColour(const QColor& c) {
        if (state_.Stroke && *state_.Stroke == c) return;
        Colour(s_, c, true);
        state_.Stroke = c;
    }
    void LineWidth(double w) {
        if (state_.LineWidth == w) return;
        Num(s_, w, 4);
        s_ += " w\n";
        state_.LineWidth = w;
    }

    void Flush() {
        if (path_ == TPath::Stroke) s_ += "S\n";
        if (path_ == TPath::Fill) s_ += "f\n";
        path_ = TPath::None;
    }
    void BeginText() {
        if (inText_) return;
        Flush();
        s_ += "BT\n";
        inText_ = true;
        line_.reset();
    }
    void EndText() {
        if (!inText_) return;
        s_ += "ET\n";
        inText_ = false;
    }
    // Starts or goes on with a path of this kind and pen.
    void Path(TPath kind, const QColor& colour, double width) {
        EndText();
        bool same = path_ == kind;
        if (same)
            same = kind == TPath::Fill ? *state_.Fill == colour
                                       : *state_.Stroke == colour && state_.LineWidth == width;
        if (same) return;
        Flush();
        if (kind == TPath::Fill) {
            FillColour(colour);
        } else {
            StrokeColour(colour);
            LineWidth(width);
        }
        path_ = kind;
    }

    // Items are drawn in layers, fills under rules under texts, as long as nothing is drawn
    // under anything it overlaps and was painted over: a band's cells then come out as one
    // path of fills, one of rules and one text object.
    void Put(const TPlacedShape& s) {
        if (s.PenWidth <= 0 && s.Kind == TPlacedShape::TKind::Rectangle && s.Fill.isValid()) {
            // White on the paper where nothing was drawn yet changes nothing.
            if (s.Fill == QColor(Qt::white) && s.Fill.alpha() == 255 && !Overlaps(s.Rect, band_) &&
                (!s.Rect.intersects(bandsBox_) || !Overlaps(s.Rect, bands_)))
                return;
            if (Overlaps(s.Rect, strokeBounds_) || Overlaps(s.Rect, textBounds_)) EmitGroup();
            fills_.push_back(&s);
            Drawn(s.Rect);
            return;
        }
        if (s.PenWidth > 0 && !s.Fill.isValid()) {
            // What a rule or a frame paints: its lines, as wide as the pen.
            const double half = s.PenWidth / 2;
            std::vector<QRectF> areas;
            if (s.Kind == TPlacedShape::TKind::Line) {
                areas.push_back(QRectF(s.Line.p1(), s.Line.p2()).normalized());
            } else {
                const QRectF r = s.Rect.normalized();
                areas = {QRectF(r.topLeft(), r.topRight()), QRectF(r.bottomLeft(), r.bottomRight()),
                         QRectF(r.topLeft(), r.bottomLeft()),
                         QRectF(r.topRight(), r.bottomRight())};
            }
            for (QRectF& a : areas)
                a.adjust(-half, -half, half, half);
            bool under = false;
            for (const QRectF& a : areas)
                under = under || Overlaps(a, textBounds_);
            if (under) EmitGroup();
            strokes_.push_back(&s);
            for (const QRectF& a : areas) {
                strokeBounds_.push_back(a);
                Drawn(a);
            }
            return;
        }
        EmitGroup();
        Emit(s);
        Drawn(s.Rect.adjusted(-s.PenWidth, -s.PenWidth, s.PenWidth, s.PenWidth));
    }

    void Put(const TPlacedText& t) {
        const TShapedText& shaped = fonts_.Shape(t.Font, t.Text);
        QTransform local;
        local.translate(t.Pos.x(), t.Pos.y());
        local.scale(kMmPerDot, kMmPerDot);
        local.rotate(-t.Angle);
        const QRectF bounds = local.mapRect(QRectF(0, 0, shaped.Advance, shaped.Height));
        textBounds_.push_back(bounds);
        texts_.push_back(&t);
        Drawn(bounds.adjusted(-1, -1, 1, 1)); // italics and accents may reach out a little
    }

    // Bounds of what the page holds so far: the band's items, and each band before as one.
    void Drawn(const QRectF& r) {
        band_.push_back(r);
        bandBox_ = bandBox_.isNull() ? r : bandBox_.united(r);
    }
    void EndBand() {
        if (!bandBox_.isNull()) {
            bands_.push_back(bandBox_);
            bandsBox_ = bandsBox_.isNull() ? bandBox_ : bandsBox_.united(bandBox_);
        }
        bandBox_ = QRectF();
        band_.clear();
    }

    void Put(const TPlacedPicture& p) { // drawn only by the painter
        EmitGroup();
        Drawn(p.Rect);
    }

    static bool Overlaps(const QRectF& r, const std::vector<QRectF>& others) {
        for (const QRectF& o : others)
            if (r.intersects(o)) return true;
        return false;
    }

    void EmitGroup() {
        if (!fills_.empty() || !strokes_.empty())
            Part([&] {
                for (const TPlacedShape* s : fills_)
                    Emit(*s);
                for (const TPlacedShape* s : strokes_)
                    Emit(*s);
            });
        if (!texts_.empty())
            Part([&] {
                for (const TPlacedText* t : texts_)
                    Emit(*t);
            });
        fills_.clear();
        strokes_.clear();
        texts_.clear();
        strokeBounds_.clear();
        textBounds_.clear();
    }

    // Writes what write writes on its own, setting every state it needs. What repeats (the
    // rules of every row, the headings of every page) goes into one form drawn wherever
    // it comes again.
    template <class F> void Part(F write) {
        Flush();
        EndText();
        if (!forms_) {
            write();
            return;
        }
        const TState before = state_;
        std::string outside = std::move(s_);
        s_.clear();
        state_ = TState();
        write();
        Flush();
        EndText();
        std::string part = std::move(s_);
        s_ = std::move(outside);
        if (int form = forms_->Use(part)) {
            s_ += "/X";
            s_ += std::to_string(form);
            s_ += " Do\n";
            state_ = before; // a form leaves the state as it found it
            return;
        }
        s_ += part;
    }

    void Emit(const TPlacedShape& s) {
        if (s.PenWidth <= 0) {
            if (s.Kind == TPlacedShape::TKind::Rectangle && s.Fill.isValid()) {
                Path(TPath::Fill, s.Fill, 0);
                Rect(s.Rect);
            }
            return;
        }
        if (s.Kind == TPlacedShape::TKind::Line) {
            Path(TPath::Stroke, s.PenColor, s.PenWidth);
            Point(s.Line.p1());
            s_ += " m ";
            Point(s.Line.p2());
            s_ += " l\n";
            return;
        }
        if (!s.Fill.isValid()) {
            Path(TPath::Stroke, s.PenColor, s.PenWidth);
            Rect(s.Rect);
            return;
        }
        EndText();
        Flush();
        FillColour(s.Fill);
        StrokeColour(s.PenColor);
        LineWidth(s.PenWidth);
        Rect(s.Rect);
        s_ += "B\n";
    }

    void Emit(const TPlacedText& t) {
        const TShapedText& shaped = fonts_.Shape(t.Font, t.Text);
        if (shaped.Runs.empty()) return;
        const double rad = t.Angle * M_PI / 180;
        const double cosA = t.Angle == 0 ? 1 : std::cos(rad),
                     sinA = t.Angle == 0 ? 0 : std::sin(rad);
        const bool upright = t.Angle == 0;
        // Local dots (y down, from the text's top left corner) to the paper.
        auto paper = [&](double u, double v) {
            return QPointF(t.Pos.x() + kMmPerDot * (u * cosA + v * sinA),
                           t.Pos.y() + kMmPerDot * (-u * sinA + v * cosA));
        };
        TState saved;
        if (t.Clipped) {
            Flush();
            EndText();
            saved = state_;
            s_ += "q ";
            Point(t.Box.topLeft());
            s_ += ' ';
            Num(s_, t.Box.width());
            s_ += ' ';
            Num(s_, t.Box.height());
            s_ += " re W n\n";
        }
        if (!shaped.Faithful) {
            // The text itself for searching and copying, where its glyphs do not spell it.
            Flush();
            EndText();
            s_ += "/Span <</ActualText ";
            s_ += PdfTextString(t.Text);
            s_ += " >> BDC\n";
        }
        for (const TShapedRun& run : shaped.Runs) {
            const double size = run.PixelSize;
            if (!run.Type3) {
                if (used_.size() <= static_cast<size_t>(run.Font)) used_.resize(run.Font + 1, 0);
                if (!used_[run.Font]) used_[run.Font] = -1;
            }
            BeginText();
            FillColour(t.Color);
            size_t i = 0;
            while (i < run.Glyphs.size()) {
                // A segment of glyphs on one baseline: one matrix, then the fonts' advances
                // corrected where the shaping (kerning) differs.
                const double y = run.Y[i];
                // An upright text starts from the edge or centre it is aligned on, so that
                // the same text in the same column reads the same on every row.
                double from = run.X[i];
                if (upright && &run == &shaped.Runs.front() && i == 0) from = AlignedOn(t, shaped);
                const QPointF at = paper(from, shaped.Ascent + y);
                if (upright && line_) {
                    Num(s_, at.x() - line_->x());
                    s_ += ' ';
                    Num(s_, line_->y() - at.y());
                    s_ += " Td\n";
                } else {
                    Num(s_, cosA, 6);
                    s_ += ' ';
                    Num(s_, -sinA, 6);
                    s_ += ' ';
                    Num(s_, -sinA, 6);
                    s_ += ' ';
                    Num(s_, -cosA, 6);
                    s_ += ' ';
                    Point(at);
                    s_ += " Tm\n";
                }
                // Numbers are rounded as written: carry on from where the PDF really is.
                if (upright)
                    line_ = QPointF(origin_.x() + Rounded(at.x() - origin_.x()),
                                    origin_.y() + Rounded(at.y() - origin_.y()));
                else
                    line_.reset();
                std::string glyphs;
                bool adjusted = false;
                double expected = from;
                bool open = false;
                // Glyphs of one font so far, shown before another font is chosen.
                auto show = [&] {
                    if (open) glyphs += ')';
                    if (glyphs.empty()) return;
                    if (adjusted) {
                        s_ += '[';
                        s_ += glyphs;
                        s_ += "]TJ\n";
                    } else {
                        s_ += glyphs;
                        s_ += "Tj\n";
                    }
                    glyphs.clear();
                    open = adjusted = false;
                };
                for (; i < run.Glyphs.size() && std::abs(run.Y[i] - y) < 0.01; ++i) {
                    const uint16_t code = run.Codes[i];
                    const int key = run.Type3 ? run.Font * 257 + 1 + (code >> 8) : run.Font * 257;
                    if (state_.Font != key || state_.FontSize != size) {
                        show();
                        s_ += run.Type3 ? "/T" : "/F";
                        s_ += std::to_string(run.Font);
                        if (run.Type3) {
                            s_ += 'x';
                            s_ += std::to_string(code >> 8);
                        }
                        s_ += ' ';
                        Num(s_, size * kMmPerDot, 5);
                        s_ += " Tf\n";
                        state_.Font = key;
                        state_.FontSize = size;
                    }
                    const long n = std::lround((expected - run.X[i]) * 1000 / size);
                    if (n != 0) {
                        if (open) glyphs += ')';
                        glyphs += std::to_string(n);
                        open = false;
                        adjusted = true;
                        expected -= n * size / 1000;
                    }
                    if (!open) glyphs += '(';
                    open = true;
                    if (run.Type3)
                        Byte(glyphs, code & 0xff);
                    else
                        Code(glyphs, code);
                    expected += fonts_.Width(run.Font, run.Glyphs[i]) * size / 1000;
                }
                show();
            }
        }
        if (t.Font.Underline) {
            // Where the painter draws it: below the baseline by the font's underline offset.
            QFontMetricsF fm(ReportFont(t.Font));
            const double top = shaped.Ascent + fm.underlinePos() - fm.lineWidth() / 2;
            Path(TPath::Fill, t.Color, 0);
            const QPointF a = paper(0, top), b = paper(shaped.Advance, top),
                          c = paper(shaped.Advance, top + fm.lineWidth()),
                          d = paper(0, top + fm.lineWidth());
            Point(a);
            s_ += " m ";
            Point(b);
            s_ += " l ";
            Point(c);
            s_ += " l ";
            Point(d);
            s_ += " l h\n";
        }
        if (!shaped.Faithful) {
            Flush();
            EndText();
            s_ += "EMC\n";
        }
        if (t.Clipped) {
            Flush();
            EndText();
            s_ += "Q\n";
            state_ = saved;
        }
    }

    static double Rounded(double v) { return std::round(v * 1000) / 1000; }

    // Dots from the text's corner to the box's edge or centre the text is aligned on.
    static double AlignedOn(const TPlacedText& t, const TShapedText& shaped) {
        const double width = shaped.Advance * kMmPerDot;
        double on = t.Pos.x();
        if (std::abs(t.Pos.x() + width / 2 - t.Box.center().x()) < 0.001)
            on = t.Box.center().x();
        else if (std::abs(t.Pos.x() + width - t.Box.right()) < 0.001)
            on = t.Box.right();
        return (on - t.Pos.x()) / kMmPerDot;
    }

    // A code in a literal string: printable characters as they are, others as two bytes.
    static void Code(std::string& s, uint16_t code) {
        if (code < 0x80) {
            if (code == '(' || code == ')' || code == '\\') s += '\\';
            s += static_cast<char>(code);
            return;
        }
        Byte(s, code >> 8);
        Byte(s, code & 0xff);
    }

    // A byte in a literal string: those that end a line or escape as octal escapes.
    static void Byte(std::string& s, int byte) {
        if (byte == '(' || byte == ')' || byte == '\\' || byte == '\r' || byte == '\n') {
            char esc[5];
            std::snprintf(esc, sizeof esc, "\\%03o", byte);
            s += esc;
        } else {
            s += static_cast<char>(byte);
        }
    }

    TPdfFontSet& fonts_;
    std::vector<int>& used_;
    TPdfForms* forms_;
    std::vector<const TPlacedShape*> fills_, strokes_;
    std::vector<const TPlacedText*> texts_;
    std::vector<QRectF> strokeBounds_, textBounds_;
    std::vector<QRectF> band_, bands_;
    QRectF bandBox_, bandsBox_; // the band's items, the bands before (bands stack down the page)
    std::string s_;
    TState state_;
    TPath path_ = TPath::None;
    bool inText_ = false;
    std::optional<QPointF> line_; // where the text line of an upright text starts
    QPointF origin_;
};

} // namespace

std::string PdfPageContent(const TReportPage& page, TPdfFontSet& fonts, std::vector<int>& usedFonts,
                           TPdfForms* forms) {
    return TPageContent(fonts, usedFonts, forms).Make(page);
}

} // namespace marklow
