#include "fonts.h"

#include "units.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QStringList>

#include <cmath>
#include <mutex>

namespace marklow {

namespace {
// Asking the font database goes through fontconfig's substitution every time; the answers
// do not change while the program runs.
template <class T> class TMemo {
public:
    template <class F> T Get(const QString& key, F compute) {
        std::lock_guard lock(mutex_);
        auto it = values_.find(key);
        if (it != values_.end()) return it.value();
        T value = compute();
        values_.insert(key, value);
        return value;
    }

private:
    std::mutex mutex_;
    QHash<QString, T> values_;
};

QString ResolveFamilyUncached(const QString& family) {
    static const struct {
        const char* Name;
        const char* Twin;
    } twins[] = {{"Arial", "Liberation Sans"},
                 {"Times New Roman", "Liberation Serif"},
                 {"Courier New", "Liberation Mono"}};
    for (const auto& t : twins) {
        if (family.compare(QLatin1String(t.Name), Qt::CaseInsensitive) != 0) continue;
        if (QFontDatabase::hasFamily(family)) return family;
        if (QFontDatabase::hasFamily(QLatin1String(t.Twin))) return QLatin1String(t.Twin);
    }
    return family;
}
} // namespace

QString ResolveFamily(const QString& family) {
    static TMemo<QString> memo;
    return memo.Get(family, [&] { return ResolveFamilyUncached(family); });
}

bool IsOutlineFamily(const QString& family) {
    static TMemo<bool> memo;
    return memo.Get(family, [&] {
        QString resolved = ResolveFamily(family);
        return QFontDatabase::hasFamily(resolved) && QFontDatabase::isSmoothlyScalable(resolved);
    });
}

QFont ReportFont(const TFontStyle& style) {
    QFont f(ResolveFamily(style.Family));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(style.PointSize * kDotsPerInch / 72))));
    f.setBold(style.Bold);
    f.setItalic(style.Italic);
    f.setUnderline(style.Underline);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    f.setStyleStrategy(QFont::ForceOutline);
    return f;
}

TTextMeasurer::TEntry& TTextMeasurer::Entry(const TFontStyle& font) {
    for (TEntry& e : cache_)
        if (e.Style == font) return e;
    cache_.push_back({font, std::make_unique<QFontMetricsF>(ReportFont(font)), {}});
    return cache_.back();
}

const QFontMetricsF& TTextMeasurer::Get(const TFontStyle& font) {
    return *Entry(font).Metrics;
}

double TTextMeasurer::Width(const TFontStyle& font, const QString& text) {
    // Reports repeat the same short texts (grades, letters) thousands of times.
    TEntry& e = Entry(font);
    auto it = e.Widths.constFind(text);
    if (it != e.Widths.constEnd()) return it.value();
    if (e.Widths.size() > 50000) e.Widths.clear();
    double w = DotsToMm(e.Metrics->horizontalAdvance(text));
    e.Widths.insert(text, w);
    return w;
}

TTextMeasurer::TMetrics TTextMeasurer::Metrics(const TFontStyle& font) {
    const QFontMetricsF& fm = Get(font);
    return {DotsToMm(fm.ascent()), DotsToMm(fm.ascent() + fm.descent())};
}

QString TTextMeasurer::Elide(const TFontStyle& font, const QString& text, double width) {
    if (Width(font, text) <= width) return text;
    const QFontMetricsF& fm = Get(font);
    double dots = MmToDots(width);
    const QString ellipsis(QChar(0x2026));
    double room = dots - fm.horizontalAdvance(ellipsis);
    // Binary search on the length of the start that fits.
    int lo = 0, hi = static_cast<int>(text.size());
    while (lo < hi) {
        int mid = (lo + hi + 1) / 2;
        if (fm.horizontalAdvance(text.left(mid)) <= room)
            lo = mid;
        else
            hi = mid - 1;
    }
    // Never split a surrogate pair.
    if (lo > 0 && text.at(lo - 1).isHighSurrogate()) --lo;
    return text.left(lo).trimmed() + ellipsis;
}

std::vector<QString> TTextMeasurer::Wrap(const TFontStyle& font, const QString& text, double width) {
    const QFontMetricsF& fm = Get(font);
    double dots = MmToDots(width);
    std::vector<QString> lines;
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (QString paragraph : paragraphs) {
        if (paragraph.endsWith(QLatin1Char('\r'))) paragraph.chop(1);
        if (Width(font, paragraph) <= width) {
            lines.push_back(paragraph);
            continue;
        }
        QString line;
        qsizetype i = 0;
        const qsizetype n = paragraph.size();
        while (i < n) {
            // The next word with the blanks before it.
            qsizetype start = i;
            while (i < n && paragraph.at(i) == QLatin1Char(' '))
                ++i;
            while (i < n && paragraph.at(i) != QLatin1Char(' '))
                ++i;
            QString piece = paragraph.mid(start, i - start);
            QString candidate = line + piece;
            if (fm.horizontalAdvance(candidate) <= dots) {
                line = candidate;
                continue;
            }
            if (!line.isEmpty()) {
                lines.push_back(line);
                line.clear();
            }
            QString word = piece.trimmed();
            // A word longer than a line is cut where it reaches the edge.
            while (fm.horizontalAdvance(word) > dots && word.size() > 1) {
                qsizetype fit = 1;
                while (fit < word.size() && fm.horizontalAdvance(word.left(fit + 1)) <= dots)
                    ++fit;
                if (word.at(fit - 1).isHighSurrogate() && fit > 1) --fit;
                lines.push_back(word.left(fit));
                word = word.mid(fit);
            }
            line = word;
        }
        if (!line.isEmpty() || lines.empty()) lines.push_back(line);
    }
    return lines;
}

} // namespace marklow
