#pragma once
// Plays a laid-out page on any paint device: printer, PDF, preview image.

#include "page.h"

#include <QRectF>

class QPainter;

namespace marklow {

// Draws the page so that its paper fills target (in the painter's current coordinates).
// Backgrounds are fixed colours and the paper itself is not painted, so a dark desktop
// theme never reaches the paper.
void PaintPage(QPainter& painter, const TReportPage& page, const QRectF& target);

} // namespace marklow
