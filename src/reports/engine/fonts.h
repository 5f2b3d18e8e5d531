#pragma once
// Fonts of reports: a small value type, the family it resolves to, and text measured at the
// fixed report resolution.

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <memory>
#include <vector>

namespace marklow {

struct TFontStyle {
    QString Family = QStringLiteral("Arial");
    double PointSize = 10;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;

    bool operator==(const TFontStyle&) const = default;
};

// The installed family a report font uses: "Arial" becomes its metric twin Liberation Sans
// where Arial itself is missing, so pages break where they would with Arial.
QString ResolveFamily(const QString& family);

// The family has outline glyphs, so it can be rotated.
bool IsOutlineFamily(const QString& family);

// The font in report dots (its pixel size is the point size times 100), unhinted so that
// advances are the same on every device.
QFont ReportFont(const TFontStyle& style);

// Measures texts in millimetres at the report resolution, keeping the metrics of the few
// fonts a report uses.
class TTextMeasurer {
public:
    struct TMetrics {
        double Ascent = 0; // mm
        double Height = 0; // mm, ascent plus descent
    };

    double Width(const TFontStyle& font, const QString& text);
    TMetrics Metrics(const TFontStyle& font);
    // The longest start of text that fits width, followed by "…"; the text itself when it fits.
    QString Elide(const TFontStyle& font, const QString& text, double width);
    // Lines of text broken at blanks (and inside a word too long for a line) to fit width.
    std::vector<QString> Wrap(const TFontStyle& font, const QString& text, double width);

private:
    struct TEntry {
        TFontStyle Style;
        std::unique_ptr<QFontMetricsF> Metrics;
        QHash<QString, double> Widths;
    };
    TEntry& Entry(const TFontStyle& font);
    const QFontMetricsF& Get(const TFontStyle& font);
    std::vector<TEntry> cache_;
};

} // namespace marklow
