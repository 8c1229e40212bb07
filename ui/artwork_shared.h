// Drawing helpers that the artwork's files share; the view's other files use
// ui/artwork.h only.
#pragma once

#include <QColor>
#include <QRectF>

#include "ui/artwork.h"

class QPainter;

namespace rotacle::ui::art {

/// Room kept free between a caption and the edges of its command or field.
inline constexpr double kCaptionPad = 3;

/// `c` with the opacity `alpha` (0..255).
inline QColor Alpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

/// The mark of `glyph` in `r`, drawn in `c`.
void PaintGlyph(QPainter& p, const QRectF& r, Glyph glyph, const QColor& c);

}  // namespace rotacle::ui::art
