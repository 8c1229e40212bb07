// The table's pictures: the number cells, the trend marks, the even-chance
// fields, the chips and the safety lamp.
#include "ui/artwork.h"

#include <QCoreApplication>

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "core/game_state.h"
#include "ui/artwork_shared.h"

namespace rotacle::ui::art {

namespace {

constexpr double kPi = 3.14159265358979323846;

void Diamond(QPainter& p, const QPointF& c, double w, double h, const QColor& fill, const QColor& rim) {
    QPainterPath d;
    d.moveTo(c.x(), c.y() - h / 2);
    d.lineTo(c.x() + w / 2, c.y());
    d.lineTo(c.x(), c.y() + h / 2);
    d.lineTo(c.x() - w / 2, c.y());
    d.closeSubpath();
    p.setPen(QPen(rim, 1.0));
    p.setBrush(fill);
    p.drawPath(d);
}

// The outline of `r`, `line` thick inside it, each corner covered once.
void Outline(QPainter& p, const QRectF& r, qreal line, const QColor& c) {
    p.fillRect(QRectF(r.left(), r.top(), r.width(), line), c);
    p.fillRect(QRectF(r.left(), r.bottom() - line, r.width(), line), c);
    p.fillRect(QRectF(r.left(), r.top() + line, line, r.height() - 2 * line), c);
    p.fillRect(QRectF(r.right() - line, r.top() + line, line, r.height() - 2 * line), c);
}

// The three colours of a cell: plain (locked board), normal and highlighted.
QColor CellFill(int n, CellLook look) {
    const bool zero = n == 0;
    const bool red = IsRed(n);
    switch (look) {
        case CellLook::Plain:
            return zero ? QColor(22, 58, 38) : (red ? QColor(70, 30, 33) : QColor(24, 27, 26));
        case CellLook::Normal: return zero ? kTableGreen : (red ? kTableRed : kTableBlack);
        case CellLook::Hover:
            return zero ? QColor(24, 186, 96) : (red ? QColor(236, 66, 62) : QColor(70, 70, 74));
    }
    return kTableBlack;
}

// A rising zig-zag: the trend mark.
void TrendGlyph(QPainter& p, const QRectF& r, const QColor& c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(c, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath z;
    z.moveTo(r.left(), r.bottom());
    z.lineTo(r.left() + r.width() * 0.35, r.top() + r.height() * 0.45);
    z.lineTo(r.left() + r.width() * 0.6, r.top() + r.height() * 0.7);
    z.lineTo(r.right(), r.top());
    p.drawPath(z);
    p.drawLine(QPointF(r.right(), r.top()), QPointF(r.right() - r.width() * 0.38, r.top()));
    p.drawLine(QPointF(r.right(), r.top()), QPointF(r.right(), r.top() + r.height() * 0.42));
    p.restore();
}

}  // namespace

void PaintPlainBoard(QPainter& p, const QPoint& origin) {
    // Only the cells that the exposed area touches: at start the normal
    // cells cover the board and nothing of this is seen.
    const QRectF exposed = p.hasClipping() ? p.clipBoundingRect() : QRectF(p.viewport());
    for (int n = 0; n <= 36; ++n) {
        const QRectF cell =
            QRectF(n == 0 ? layout::kZeroColumn : layout::CellRect(n)).translated(-QPointF(origin));
        if (cell.intersects(exposed)) PaintCell(p, cell, n, CellLook::Plain);
    }
}

void PaintCellPicture(QPainter& p, int n, CellLook look) {
    const QRect cell = layout::CellRect(n);
    const QRect whole = n == 0 ? layout::kZeroColumn : cell;
    PaintCell(p, QRectF(whole.translated(-cell.topLeft())), n, look);
}

void PaintCell(QPainter& p, const QRectF& r, int n, CellLook look) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    // Fill and lines in whole device pixels: at a fractional scale the picture
    // covers its size rounded to device pixels, and a line one logical pixel
    // wide would fall between two rows of them and leave a seam.
    const qreal dpr = p.device() ? p.device()->devicePixelRatio() : 1.0;
    const QRectF area(r.topLeft(), QSizeF(std::round(r.width() * dpr), std::round(r.height() * dpr)) / dpr);
    const qreal line = std::max(1.0, std::round(dpr)) / dpr;
    const QColor fill = CellFill(n, look);
    if (look == CellLook::Plain) {
        p.fillRect(area, fill);
    } else {
        QLinearGradient g(area.topLeft(), area.bottomLeft());
        g.setColorAt(0, fill.lighter(112));
        g.setColorAt(1, fill);
        p.fillRect(area, g);
    }
    // Table lines: neighbouring cells overlap by one line and share it.
    Outline(p, area, line, look == CellLook::Plain ? QColor(255, 255, 255, 60) : QColor(255, 255, 255, 150));
    if (look == CellLook::Hover) {
        Outline(p, area.adjusted(line, line, -line, -line), line, kGoldLight);
        Outline(p, area.adjusted(2 * line, 2 * line, -2 * line, -2 * line), line, kGoldLight);
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(Font(13, true));
    const QString text = QString::number(n);
    if (look == CellLook::Plain) {
        p.setPen(QColor(255, 255, 255, 70));
        p.drawText(r, Qt::AlignCenter, text);
    } else {
        p.setPen(QColor(0, 0, 0, 120));
        p.drawText(r.translated(0, 1), Qt::AlignCenter, text);
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignCenter, text);
    }
    p.restore();
}

void PaintTrend(QPainter& p, const QRectF& r, int field, int look) {
    (void)field;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF b = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = b.height() / 2;
    QColor ink;
    if (look == 2) {
        QLinearGradient g(b.topLeft(), b.bottomLeft());
        g.setColorAt(0, kGoldLight);
        g.setColorAt(1, kGold);
        p.setPen(QPen(QColor(255, 226, 140), 1));
        p.setBrush(g);
        ink = QColor(30, 24, 4);
    } else if (look == 1) {
        p.setPen(QPen(kGoldLight, 1));
        p.setBrush(QColor(0, 0, 0, 110));
        ink = kGoldLight;
    } else {
        p.setPen(QPen(QColor(255, 255, 255, 80), 1));
        p.setBrush(QColor(0, 0, 0, 70));
        ink = QColor(255, 255, 255, 120);
    }
    p.drawRoundedRect(b, radius, radius);
    if (look == 0) {
        TrendGlyph(p, QRectF(b.center().x() - 6, b.center().y() - 3.5, 12, 7), ink);
    } else {
        QFont f = Font(10, true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 0.4);
        const QString text = QCoreApplication::translate("Artwork", "TREND");
        f = FittedFont(f, text, b.width() - 2 * kCaptionPad - 16);
        p.setFont(f);
        const double tw = QFontMetricsF(f).horizontalAdvance(text);
        const double x0 = b.center().x() - (12 + 4 + tw) / 2;
        TrendGlyph(p, QRectF(x0, b.center().y() - 3.5, 12, 7), ink);
        p.setPen(ink);
        p.drawText(QRectF(x0 + 16, b.top(), tw + 2, b.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    p.restore();
}

QString FieldName(int field) {
    // German and Italian casinos name these fields in French as well.
    static const char* const names[6] = {
        QT_TRANSLATE_NOOP("Artwork", "1-18"), QT_TRANSLATE_NOOP("Artwork", "EVEN"), "", "",
        QT_TRANSLATE_NOOP("Artwork", "ODD"),  QT_TRANSLATE_NOOP("Artwork", "19-36")};
    return field < 0 || field >= 6 || !*names[field] ? QString()
                                                     : QCoreApplication::translate("Artwork", names[field]);
}

void PaintField(QPainter& p, const QRectF& r, int field, bool highlighted) {
    PaintField(p, r, field, highlighted, FieldName(field));
}

void PaintField(QPainter& p, const QRectF& r, int field, bool highlighted, const QString& name) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF b = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QColor ink;
    if (highlighted) {
        QLinearGradient g(b.topLeft(), b.bottomLeft());
        g.setColorAt(0, QColor(250, 212, 96));
        g.setColorAt(1, QColor(206, 150, 10));
        p.setPen(QPen(QColor(255, 238, 170), 1.5));
        p.setBrush(g);
        ink = QColor(26, 20, 2);
    } else {
        p.setPen(QPen(QColor(255, 255, 255, 150), 1));
        p.setBrush(QColor(0, 0, 0, 45));
        ink = Qt::white;
    }
    p.drawRoundedRect(b, 3, 3);
    if (field == 2 || field == 3) {
        const QColor fill = field == 2 ? kTableRed : kTableBlack;
        const QColor rim = highlighted ? QColor(60, 40, 0) : QColor(255, 255, 255, 200);
        Diamond(p, b.center(), 30, 15, fill, rim);
    } else {
        QFont f = Font(11, true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
        p.setFont(f);
        p.setPen(ink);
        PaintLabel(p, b.adjusted(kCaptionPad, 0, -kCaptionPad, 0), Qt::AlignCenter, name);
    }
    p.restore();
}

void PaintChip(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF c = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPointF m = c.center();
    const double radius = c.width() / 2;
    // Shadow, body, edge inserts, inner ring.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(c.translated(0.8, 1.2));
    QRadialGradient body(m - QPointF(radius * 0.3, radius * 0.35), radius * 1.3);
    body.setColorAt(0, QColor(70, 120, 214));
    body.setColorAt(1, QColor(22, 58, 140));
    p.setBrush(body);
    p.setPen(QPen(QColor(10, 26, 70), 1));
    p.drawEllipse(c);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 240, 240));
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4 + kPi / 8;
        p.save();
        p.translate(m);
        p.rotate(a * 180 / kPi);
        p.drawRoundedRect(QRectF(radius - 4.2, -1.6, 3.6, 3.2), 0.8, 0.8);
        p.restore();
    }
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.9, Qt::DashLine));
    p.setBrush(QColor(16, 44, 112));
    p.drawEllipse(m, radius * 0.56, radius * 0.56);
    p.restore();
}

void PaintLamp(QPainter& p, const QRectF& r, bool reached) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF c = r.adjusted(2.5, 2.5, -2.5, -2.5);
    const QColor core = reached ? QColor(150, 255, 160) : QColor(255, 150, 120);
    const QColor edge = reached ? QColor(18, 150, 52) : QColor(176, 34, 20);
    QRadialGradient glow(c.center(), r.width() / 2);
    glow.setColorAt(0.6, Alpha(edge, 150));
    glow.setColorAt(1, Alpha(edge, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(r);
    QRadialGradient g(c.center() - QPointF(c.width() * 0.15, c.height() * 0.2), c.width() * 0.7);
    g.setColorAt(0, core);
    g.setColorAt(1, edge);
    p.setBrush(g);
    p.setPen(QPen(edge.darker(160), 1));
    p.drawEllipse(c);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(
        QRectF(c.left() + c.width() * 0.25, c.top() + c.height() * 0.15, c.width() * 0.3, c.height() * 0.22));
    // A tick on the reached lamp and a bar on the other: the lamps differ in
    // shape as well as in colour.
    p.setPen(QPen(edge.darker(260), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF m = c.center();
    const double u = c.width() / 6;
    if (reached) {
        const QPointF tick[3] = {m + QPointF(-1.6 * u, 0), m + QPointF(-0.4 * u, 1.2 * u),
                                 m + QPointF(1.6 * u, -1.2 * u)};
        p.drawPolyline(tick, 3);
    } else {
        p.drawLine(m + QPointF(-1.4 * u, 0), m + QPointF(1.4 * u, 0));
    }
    p.restore();
}

}  // namespace rotacle::ui::art
