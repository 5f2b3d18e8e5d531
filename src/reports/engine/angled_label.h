#pragma once
// TQRAngledLabel: one line of text turned by a whole number of degrees, such as a column
// heading reading upward. Its geometry is computed when the page is laid out, from the
// report font's metrics, never from a screen.

#include "angled_geometry.h"
#include "elements.h"

#include <functional>

namespace marklow {

enum class TTrueTypeAlert { ttaNone, ttaMessage, ttaAbort, ttaAbortMessage };

// What the outline-font check decides for an element's font.
struct TTrueTypeCheck {
    bool UseParentFont = false;
    TFontStyle Font;  // the font in use afterwards
    QString Message; // empty when nothing is to be told
};

// fontIsOutline and parentIsOutline say whether those families have outline glyphs;
// parent is null when the element sits on nothing with a font of its own.
TTrueTypeCheck CheckTrueType(const TFontStyle& font, bool fontIsOutline, TTrueTypeAlert alert,
                             const TFontStyle* parent, bool parentIsOutline);

class TQRAngledLabel : public TQRElement {
public:
    TQRAngledLabel() { SetBounds(0, 0, 20, 5); }

    int Angle() const { return angle_; }
    void SetAngle(long long degrees) { angle_ = NormalizeAngle(degrees); }
    TAnchorStyle AnchorStyle = TAnchorStyle::asNone;
    bool AutoSize = true;
    QString Caption;
    QColor Color = Qt::white;
    bool Transparent = false;
    bool ParentFont = true;
    TTrueTypeAlert TrueTypeAlert = TTrueTypeAlert::ttaAbort;
    // May replace the text printed this time; the caption stays.
    std::function<void(const TQRAngledLabel& label, QString& text)> OnPrint;
    // Told the check's message when the font is set (never while pages are laid out).
    std::function<void(const QString& message)> OnAlert;

    const TFontStyle& Font() const { return font_; }
    // Sets the font and runs the outline-font check against the parent's font.
    void SetFont(const TFontStyle& font, const TFontStyle* parent = nullptr);
    void SetTrueTypeAlert(TTrueTypeAlert alert, const TFontStyle* parent = nullptr);

    // The geometry in mm for this text in font, as layout computes it.
    TAngledGeometry Geometry(TTextMeasurer& measure, const TFontStyle& font,
                             const QString& text) const;
    void Place(const TPlaceContext& ctx) const override;

private:
    void Check(const TFontStyle* parent);
    int angle_ = 45;
    TFontStyle font_;
};

} // namespace marklow
