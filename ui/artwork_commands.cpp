// The commands' pictures: their marks, the picture commands in their looks,
// the window buttons and the buttons of the import panel and settings area.
#include "ui/artwork.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/artwork_shared.h"

namespace rotacle::ui::art {

namespace {

// Between a command's mark and its caption.
constexpr double kGlyphGap = 4;

}  // namespace

void PaintGlyph(QPainter& p, const QRectF& r, Glyph glyph, const QColor& c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(c, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QPointF m = r.center();
    const double s = std::min(r.width(), r.height());
    switch (glyph) {
        case Glyph::Import:
        case Glyph::Export: {
            // A tray with an arrow going in (import) or out (export).
            const double w = s * 0.8;
            const double tray_y = m.y() + s * 0.32;
            p.drawLine(QPointF(m.x() - w / 2, tray_y - s * 0.22), QPointF(m.x() - w / 2, tray_y));
            p.drawLine(QPointF(m.x() - w / 2, tray_y), QPointF(m.x() + w / 2, tray_y));
            p.drawLine(QPointF(m.x() + w / 2, tray_y), QPointF(m.x() + w / 2, tray_y - s * 0.22));
            const double top = m.y() - s * 0.42;
            const double bottom = m.y() + s * 0.12;
            p.drawLine(QPointF(m.x(), top), QPointF(m.x(), bottom));
            const double head = s * 0.2;
            if (glyph == Glyph::Import) {
                p.drawLine(QPointF(m.x() - head, bottom - head), QPointF(m.x(), bottom));
                p.drawLine(QPointF(m.x() + head, bottom - head), QPointF(m.x(), bottom));
            } else {
                p.drawLine(QPointF(m.x() - head, top + head), QPointF(m.x(), top));
                p.drawLine(QPointF(m.x() + head, top + head), QPointF(m.x(), top));
            }
            break;
        }
        case Glyph::Settings: {
            // Three sliders.
            for (int i = 0; i < 3; ++i) {
                const double y = m.y() - s * 0.3 + i * s * 0.3;
                p.drawLine(QPointF(m.x() - s * 0.42, y), QPointF(m.x() + s * 0.42, y));
                const double knob = m.x() + (i == 1 ? 0.18 : -0.16) * s;
                p.setBrush(c);
                p.drawEllipse(QPointF(knob, y), s * 0.1, s * 0.1);
                p.setBrush(Qt::NoBrush);
            }
            break;
        }
        case Glyph::Load: {
            // An open folder.
            QPainterPath f;
            f.moveTo(m.x() - s * 0.45, m.y() + s * 0.35);
            f.lineTo(m.x() - s * 0.45, m.y() - s * 0.32);
            f.lineTo(m.x() - s * 0.12, m.y() - s * 0.32);
            f.lineTo(m.x() - s * 0.02, m.y() - s * 0.2);
            f.lineTo(m.x() + s * 0.38, m.y() - s * 0.2);
            f.lineTo(m.x() + s * 0.38, m.y() - s * 0.02);
            p.drawPath(f);
            QPainterPath open;
            open.moveTo(m.x() - s * 0.45, m.y() + s * 0.35);
            open.lineTo(m.x() - s * 0.26, m.y() - s * 0.02);
            open.lineTo(m.x() + s * 0.52, m.y() - s * 0.02);
            open.lineTo(m.x() + s * 0.32, m.y() + s * 0.35);
            open.closeSubpath();
            p.drawPath(open);
            break;
        }
        case Glyph::Save: {
            // A floppy disk.
            const QRectF d(m.x() - s * 0.42, m.y() - s * 0.42, s * 0.84, s * 0.84);
            p.drawRoundedRect(d, 1.5, 1.5);
            p.drawRect(QRectF(d.left() + s * 0.2, d.top(), s * 0.42, s * 0.26));
            p.drawRect(QRectF(d.left() + s * 0.14, d.top() + s * 0.46, s * 0.56, s * 0.38));
            break;
        }
        case Glyph::Skip: {
            // Play to the end: a triangle and a bar.
            QPainterPath t;
            t.moveTo(m.x() - s * 0.38, m.y() - s * 0.36);
            t.lineTo(m.x() + s * 0.16, m.y());
            t.lineTo(m.x() - s * 0.38, m.y() + s * 0.36);
            t.closeSubpath();
            p.setBrush(c);
            p.drawPath(t);
            p.drawLine(QPointF(m.x() + s * 0.34, m.y() - s * 0.36),
                       QPointF(m.x() + s * 0.34, m.y() + s * 0.36));
            break;
        }
        case Glyph::Undo: {
            // An arrow turning back.
            const QRectF arc(m.x() - s * 0.38, m.y() - s * 0.3, s * 0.8, s * 0.7);
            QPainterPath a;
            a.arcMoveTo(arc, 160);
            a.arcTo(arc, 160, -250);
            p.drawPath(a);
            const QPointF start = a.pointAtPercent(0);
            p.drawLine(start, start + QPointF(s * 0.3, -s * 0.04));
            p.drawLine(start, start + QPointF(s * 0.02, -s * 0.3));
            break;
        }
        case Glyph::Minimize:
            p.drawLine(QPointF(m.x() - s * 0.26, m.y() + s * 0.12),
                       QPointF(m.x() + s * 0.26, m.y() + s * 0.12));
            break;
        case Glyph::Close:
            p.drawLine(QPointF(m.x() - s * 0.22, m.y() - s * 0.22),
                       QPointF(m.x() + s * 0.22, m.y() + s * 0.22));
            p.drawLine(QPointF(m.x() + s * 0.22, m.y() - s * 0.22),
                       QPointF(m.x() - s * 0.22, m.y() + s * 0.22));
            break;
        case Glyph::Help: {
            // A question mark: a hook over a dot.
            QPainterPath q;
            q.moveTo(m.x() - s * 0.2, m.y() - s * 0.16);
            q.cubicTo(m.x() - s * 0.2, m.y() - s * 0.46, m.x() + s * 0.22, m.y() - s * 0.46, m.x() + s * 0.22,
                      m.y() - s * 0.2);
            q.cubicTo(m.x() + s * 0.22, m.y() - s * 0.02, m.x(), m.y() + s * 0.02, m.x(), m.y() + s * 0.16);
            p.drawPath(q);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(QPointF(m.x(), m.y() + s * 0.36), s * 0.08, s * 0.08);
            break;
        }
        case Glyph::Paste: {
            // A clipboard with its clip and two lines of text.
            const QRectF board(m.x() - s * 0.36, m.y() - s * 0.36, s * 0.72, s * 0.84);
            p.drawRoundedRect(board, 1.2, 1.2);
            p.setBrush(c);
            p.drawRoundedRect(QRectF(m.x() - s * 0.16, m.y() - s * 0.48, s * 0.32, s * 0.2), 0.8, 0.8);
            p.setBrush(Qt::NoBrush);
            p.drawLine(QPointF(m.x() - s * 0.18, m.y() + s * 0.04),
                       QPointF(m.x() + s * 0.18, m.y() + s * 0.04));
            p.drawLine(QPointF(m.x() - s * 0.18, m.y() + s * 0.26),
                       QPointF(m.x() + s * 0.1, m.y() + s * 0.26));
            break;
        }
        case Glyph::Wait: {
            // An hourglass with its sand run half through.
            const double w = s * 0.34;
            const double h = s * 0.46;
            p.drawLine(QPointF(m.x() - w - s * 0.06, m.y() - h), QPointF(m.x() + w + s * 0.06, m.y() - h));
            p.drawLine(QPointF(m.x() - w - s * 0.06, m.y() + h), QPointF(m.x() + w + s * 0.06, m.y() + h));
            QPainterPath glass;
            glass.moveTo(m.x() - w, m.y() - h);
            glass.lineTo(m.x() + w, m.y() - h);
            glass.lineTo(m.x() + s * 0.05, m.y());
            glass.lineTo(m.x() + w, m.y() + h);
            glass.lineTo(m.x() - w, m.y() + h);
            glass.lineTo(m.x() - s * 0.05, m.y());
            glass.closeSubpath();
            p.drawPath(glass);
            QPainterPath sand;
            sand.moveTo(m.x() - w * 0.7, m.y() + h);
            sand.lineTo(m.x(), m.y() + h * 0.45);
            sand.lineTo(m.x() + w * 0.7, m.y() + h);
            sand.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawPath(sand);
            break;
        }
        case Glyph::Stats: {
            // Three bars of a chart on its base line.
            const double base = m.y() + s * 0.42;
            p.drawLine(QPointF(m.x() - s * 0.46, base), QPointF(m.x() + s * 0.46, base));
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            const double bar = s * 0.2;
            const double heights[3] = {0.42, 0.78, 0.58};
            for (int i = 0; i < 3; ++i) {
                const double h = s * heights[i];
                p.drawRect(QRectF(m.x() - s * 0.36 + i * s * 0.27, base - 1 - h, bar, h));
            }
            break;
        }
    }
    p.restore();
}

void PaintCommand(QPainter& p, const QRectF& r, Glyph glyph, const QString& text, Look look) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF b = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    QColor border;
    QColor ink;
    QColor glyph_ink;
    // The settings toggle's cover is its open look: lit, not greyed.
    const bool open_look = look == Look::Cover && glyph == Glyph::Settings;
    if (open_look) {
        g.setColorAt(0, kGoldLight);
        g.setColorAt(1, kGold);
        border = QColor(255, 224, 130);
        ink = glyph_ink = QColor(28, 22, 4);
    } else if (look == Look::Hover) {
        g.setColorAt(0, QColor(72, 66, 50));
        g.setColorAt(1, QColor(50, 45, 32));
        border = kGold;
        ink = Qt::white;
        glyph_ink = kGoldLight;
    } else if (look == Look::Normal) {
        g.setColorAt(0, QColor(62, 62, 65));
        g.setColorAt(1, QColor(44, 44, 46));
        border = QColor(78, 78, 82);
        ink = kText;
        glyph_ink = kSilver;
    } else if (look == Look::Busy) {
        g.setColorAt(0, QColor(36, 33, 46));
        g.setColorAt(1, QColor(28, 26, 36));
        border = Alpha(kGold, 110);
        ink = QColor(150, 140, 112);
        glyph_ink = kGold;
    } else {
        g.setColorAt(0, QColor(40, 40, 42));
        g.setColorAt(1, QColor(34, 34, 36));
        border = QColor(52, 52, 54);
        ink = glyph_ink = QColor(88, 88, 92);
    }
    p.setPen(QPen(border, 1));
    p.setBrush(g);
    p.drawRoundedRect(b, 4, 4);
    if (look == Look::Busy) {
        // Faint diagonal stripes: the command is at work, not switched off.
        QPainterPath body;
        body.addRoundedRect(b.adjusted(1, 1, -1, -1), 3, 3);
        p.save();
        p.setClipPath(body);
        p.setPen(QPen(Alpha(kGold, 22), 3));
        for (double x = b.left() - b.height(); x < b.right(); x += 9)
            p.drawLine(QPointF(x, b.bottom()), QPointF(x + b.height(), b.top()));
        p.restore();
    } else if (look != Look::Cover || open_look) {
        p.setPen(QPen(QColor(255, 255, 255, 28), 1));
        p.drawLine(QPointF(b.left() + 4, b.top() + 1), QPointF(b.right() - 4, b.top() + 1));
    }

    // The mark and the caption side by side, centred. A caption that needs
    // more than a pixel less to fit beside the mark is shown without it.
    QFont f = Font(10, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    const double gs = std::min(11.0, r.height() - 12);
    const double room = r.width() - 2 * kCaptionPad;
    QFont fitted = FittedFont(f, text, room - gs - kGlyphGap);
    const bool with_glyph = fitted.pixelSize() >= f.pixelSize() - 1;
    if (!with_glyph) fitted = FittedFont(f, text, room);
    const double text_w = QFontMetricsF(fitted).horizontalAdvance(text);
    const double mark_w = with_glyph ? gs + kGlyphGap : 0;
    const double x0 = r.left() + (r.width() - mark_w - text_w) / 2;
    if (with_glyph)
        PaintGlyph(p, QRectF(x0, r.center().y() - gs / 2, gs, gs), look == Look::Busy ? Glyph::Wait : glyph,
                   glyph_ink);
    p.setFont(fitted);
    p.setPen(ink);
    p.drawText(QRectF(x0 + mark_w, r.top(), text_w + 2, r.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.restore();
}

void PaintWindowButton(QPainter& p, const QRectF& r, Glyph glyph, bool hover) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF b = r.adjusted(1.5, 1.5, -1.5, -1.5);
    if (hover) {
        p.setPen(Qt::NoPen);
        p.setBrush(glyph == Glyph::Close ? QColor(196, 43, 28) : QColor(70, 70, 74));
        p.drawRoundedRect(b, 4, 4);
    }
    PaintGlyph(p, r.adjusted(6, 6, -6, -6), glyph, hover ? QColor(Qt::white) : kSilver);
    p.restore();
}

namespace {

// A button's face: the rounded frame over `fill`, the caption centred in a
// cut of `font` that fits the button.
void ButtonFace(QPainter& p, const QRectF& r, const QBrush& fill, const QColor& border, qreal radius,
                const QFont& font, const QString& text, const QColor& ink) {
    const QRectF b = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(b, radius, radius);
    p.setFont(FittedFont(font, text, r.width() - 2 * kCaptionPad));
    p.setPen(ink);
    p.drawText(b, Qt::AlignCenter, text);
}

}  // namespace

void PaintImportButton(QPainter& p, const QRectF& r, const QString& text, bool enabled, bool hover,
                       bool down) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QColor border = QColor(84, 84, 92);
    QColor ink = Qt::white;
    if (!enabled) {
        border = QColor(48, 46, 58);
        ink = QColor(104, 102, 112);
    } else if (down) {
        border = kGoldLight;
        ink = kGoldLight;
    } else if (hover) {
        border = kGold;
    }
    QFont f = Font(11, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    ButtonFace(p, r, Qt::black, border, 3, f, text, ink);
    p.restore();
}

void PaintFlatButton(QPainter& p, const QRectF& r, const QString& text, bool enabled, bool hover, bool down) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF b = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    QColor border;
    QColor ink;
    if (!enabled) {
        g.setColorAt(0, QColor(40, 40, 42));
        g.setColorAt(1, QColor(36, 36, 38));
        border = QColor(52, 52, 54);
        ink = QColor(92, 92, 96);
    } else if (down) {
        g.setColorAt(0, kGold);
        g.setColorAt(1, kGoldLight);
        border = kGoldLight;
        ink = QColor(28, 22, 4);
    } else if (hover) {
        g.setColorAt(0, QColor(72, 66, 50));
        g.setColorAt(1, QColor(50, 45, 32));
        border = kGold;
        ink = Qt::white;
    } else {
        g.setColorAt(0, QColor(62, 62, 65));
        g.setColorAt(1, QColor(44, 44, 46));
        border = QColor(78, 78, 82);
        ink = kText;
    }
    QFont f = Font(10, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    ButtonFace(p, r, g, border, 4, f, text, ink);
    p.restore();
}

}  // namespace rotacle::ui::art
