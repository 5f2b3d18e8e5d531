#include "angled_label.h"

#include "units.h"

#include <cmath>

namespace marklow {

TTrueTypeCheck CheckTrueType(const TFontStyle& font, bool fontIsOutline, TTrueTypeAlert alert,
                             const TFontStyle* parent, bool parentIsOutline) {
    TTrueTypeCheck result;
    result.Font = font;
    if (alert == TTrueTypeAlert::ttaNone || fontIsOutline) return result;
    if (alert == TTrueTypeAlert::ttaMessage) {
        result.Message =
            QStringLiteral("Font selected is not a TrueType Font and can't be rotated");
        return result;
    }
    if (parent && parentIsOutline) {
        result.UseParentFont = true;
        result.Font = *parent;
    } else {
        result.Font.Family = QStringLiteral("Arial");
    }
    if (alert == TTrueTypeAlert::ttaAbortMessage)
        result.Message = QStringLiteral("Font selected is not a TrueType Font. '%1' was assigned")
                             .arg(result.Font.Family);
    return result;
}

void TQRAngledLabel::Check(const TFontStyle* parent) {
    TTrueTypeCheck c = CheckTrueType(font_, IsOutlineFamily(font_.Family), TrueTypeAlert, parent,
                                     parent && IsOutlineFamily(parent->Family));
    font_ = c.Font;
    if (c.UseParentFont) ParentFont = true;
    if (!c.Message.isEmpty() && OnAlert) OnAlert(c.Message);
}

void TQRAngledLabel::SetFont(const TFontStyle& font, const TFontStyle* parent) {
    font_ = font;
    ParentFont = false;
    Check(parent);
}

void TQRAngledLabel::SetTrueTypeAlert(TTrueTypeAlert alert, const TFontStyle* parent) {
    if (alert == TrueTypeAlert) return;
    TrueTypeAlert = alert;
    Check(parent);
}

TAngledGeometry TQRAngledLabel::Geometry(TTextMeasurer& measure, const TFontStyle& font,
                                         const QString& text) const {
    // Computed in report dots, where rounding to whole units costs nothing visible.
    double tw = MmToDots(measure.Width(font, text));
    double th = MmToDots(measure.Metrics(font).Height);
    TAngledGeometry g = AngledGeometry(angle_, AnchorStyle, AutoSize, tw, th,
                                       std::round(MmToDots(Left)), std::round(MmToDots(Top)),
                                       std::round(MmToDots(Width)), std::round(MmToDots(Height)));
    for (double* v :
         {&g.A, &g.B, &g.C, &g.D, &g.BW, &g.BH, &g.Left, &g.Top, &g.Width, &g.Height, &g.OX, &g.OY})
        *v = DotsToMm(*v);
    return g;
}

void TQRAngledLabel::Place(const TPlaceContext& ctx) const {
    if (!ctx.Page) return;
    TTextMeasurer& m = *ctx.Measure;
    QString text = Caption;
    if (OnPrint) OnPrint(*this, text);
    // Laying out never asks anything: a font that cannot turn quietly gives way.
    TFontStyle font = ParentFont && ctx.ParentFont ? *ctx.ParentFont : font_;
    if (TrueTypeAlert != TTrueTypeAlert::ttaNone && !IsOutlineFamily(font.Family)) {
        TTrueTypeCheck c = CheckTrueType(font, false, TTrueTypeAlert::ttaAbort, ctx.ParentFont,
                                         ctx.ParentFont && IsOutlineFamily(ctx.ParentFont->Family));
        font = c.Font;
    }
    // A fixed box along the text's direction cuts the text with "…" rather than mid-letter.
    if (!AutoSize && angle_ % 90 == 0) {
        double room = angle_ % 180 == 0 ? Width : Height;
        text = m.Elide(font, text, room);
    }
    TAngledGeometry g = Geometry(m, font, text);
    QRectF box(ctx.Origin + QPointF(g.Left, g.Top), QSizeF(g.Width, g.Height));
    if (!Transparent) {
        TPlacedShape fill;
        fill.Rect = box;
        fill.Fill = Color;
        ctx.Page->Items.emplace_back(std::move(fill));
    }
    if (!text.isEmpty()) {
        TPlacedText t;
        t.Text = text;
        t.Font = font;
        t.Pos = box.topLeft() + QPointF(g.OX, g.OY);
        t.Angle = angle_;
        t.Box = box;
        constexpr double kSlack = 0.01;
        t.Clipped = g.BW > g.Width + kSlack || g.BH > g.Height + kSlack;
        ctx.Page->Items.emplace_back(std::move(t));
    }
    PlaceFrame(ctx, box, Frame);
}

} // namespace marklow
