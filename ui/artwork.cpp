#include "ui/artwork.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "core/game_state.h"

namespace rotacle::ui::art {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Room kept free between a caption and the edges of its command.
constexpr double kCaptionPad = 3;
// Between a command's mark and its caption.
constexpr double kGlyphGap = 4;

QColor Alpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

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

void SettingsHeading(QPainter& p, int y, const QString& text, int line_end = 445) {
    p.setFont(Font(10, true));
    const QFontMetrics fm(p.font());
    const int w = fm.horizontalAdvance(text);
    p.setPen(Alpha(kGold, 210));
    p.drawText(QRect(12, y - 6, w + 2, 12), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.setPen(QPen(kPanelLine, 1));
    p.drawLine(QPointF(12 + w + 8, y + 0.5), QPointF(line_end, y + 0.5));
}

}  // namespace

QFont Font(int pixel_size, bool bold) {
    QFont f = QApplication::font();
    f.setPixelSize(pixel_size);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont FittedFont(const QFont& base, const QString& text, qreal width, int smallest_pixels) {
    if (QFontMetricsF(base).horizontalAdvance(text) <= width) return base;
    QFont f = base;
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const int size = base.pixelSize() > 0 ? base.pixelSize() : QFontInfo(base).pixelSize();
    const int smallest = smallest_pixels > 0 ? smallest_pixels : std::max(1, (size * 2 + 2) / 3);
    for (int pixels = size;; --pixels) {
        f.setPixelSize(pixels);
        if (pixels <= smallest || QFontMetricsF(f).horizontalAdvance(text) <= width) return f;
    }
}

QPalette DarkPalette() {
    QPalette pal;
    const QColor base(22, 22, 23);
    const QColor button(48, 48, 50);
    pal.setColor(QPalette::Window, kBackground);
    pal.setColor(QPalette::WindowText, kSilver);
    pal.setColor(QPalette::Base, base);
    pal.setColor(QPalette::AlternateBase, QColor(30, 30, 32));
    pal.setColor(QPalette::Text, kText);
    pal.setColor(QPalette::Button, button);
    pal.setColor(QPalette::ButtonText, kText);
    pal.setColor(QPalette::BrightText, Qt::white);
    pal.setColor(QPalette::Highlight, kGold);
    pal.setColor(QPalette::HighlightedText, QColor(20, 20, 20));
    pal.setColor(QPalette::ToolTipBase, QColor(48, 48, 50));
    pal.setColor(QPalette::ToolTipText, kText);
    pal.setColor(QPalette::PlaceholderText, kDimText);
    pal.setColor(QPalette::Light, QColor(70, 70, 72));
    pal.setColor(QPalette::Midlight, QColor(58, 58, 60));
    pal.setColor(QPalette::Mid, QColor(40, 40, 42));
    pal.setColor(QPalette::Dark, QColor(18, 18, 18));
    pal.setColor(QPalette::Shadow, QColor(0, 0, 0));
    const QColor disabled_text(100, 100, 104);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, disabled_text);
    pal.setColor(QPalette::Disabled, QPalette::Text, disabled_text);
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, disabled_text);
    pal.setColor(QPalette::Disabled, QPalette::Base, QColor(30, 30, 31));
    pal.setColor(QPalette::Disabled, QPalette::Button, QColor(38, 38, 40));
    pal.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 80, 80));
    return pal;
}

void PaintBackground(QPainter& p, QSize size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(QPoint(0, 0), size), kBackground);

    // Top row: a slightly lifted band with the product mark.
    QLinearGradient top(0, 0, 0, 50);
    top.setColorAt(0, QColor(46, 46, 48));
    top.setColorAt(1, kBackground);
    p.fillRect(QRect(0, 0, size.width(), 50), top);
    PaintLogo(p, QRectF(12, 9, 32, 32));
    p.setFont(Font(19, true));
    p.setPen(kText);
    QFont title = Font(19, true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(title);
    p.drawText(QRectF(52, 6, 170, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ROTACLE"));
    QFont sub = Font(10, true);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.setFont(sub);
    p.setPen(kGold);
    p.drawText(QRectF(53, 29, 175, 12), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("EVEN CHANCE ASSISTANT"));

    // Bank box and history box.
    for (const QRect& box : {layout::kBankBox, layout::kStripBox}) {
        const QRectF b = QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(kPanelLine, 1));
        p.setBrush(kPanel);
        p.drawRoundedRect(b, 6, 6);
    }
    // A small stack of chips in front of the bank.
    for (int i = 0; i < 3; ++i) {
        const QRectF c(22, 79 - i * 4, 18, 7);
        p.setPen(QPen(QColor(10, 10, 10), 1));
        p.setBrush(i == 2 ? kGold : QColor(150, 112, 8));
        p.drawEllipse(c);
    }

    // The felt of the table.
    const QRectF felt = QRectF(layout::kFelt).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient cloth(felt.topLeft(), felt.bottomLeft());
    cloth.setColorAt(0, QColor(16, 98, 60));
    cloth.setColorAt(1, QColor(9, 66, 40));
    p.setPen(QPen(Alpha(kGold, 150), 1));
    p.setBrush(cloth);
    p.drawRoundedRect(felt, 9, 9);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(felt.adjusted(2, 2, -2, -2), 7, 7);

    // Even-chance fields, lamp socket and chip places.
    for (int i = 0; i < 6; ++i) PaintField(p, layout::FieldRect(i), i, false);
    const QRectF lamp = QRectF(layout::kLamp);
    QRadialGradient socket(lamp.center(), lamp.width() / 2);
    socket.setColorAt(0, QColor(58, 58, 58));
    socket.setColorAt(1, QColor(18, 18, 18));
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(socket);
    p.drawEllipse(lamp.adjusted(0.5, 0.5, -0.5, -0.5));
    for (int i = 0; i < 6; ++i) {
        const QRectF place = QRectF(layout::ChipRect(i)).adjusted(1.5, 1.5, -1.5, -1.5);
        p.setPen(QPen(QColor(255, 255, 255, 70), 1, Qt::DashLine));
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawEllipse(place);
    }

    p.restore();
}

void PaintSettingsBackdrop(QPainter& p, const QRectF& r) {
    p.save();
    p.fillRect(r, kBackground);
    p.setPen(QPen(Alpha(kGold, 120), 1));
    p.drawLine(QPointF(r.left(), r.top() + 0.5), QPointF(r.right(), r.top() + 0.5));
    // Headings between the groups of controls, in window coordinates.
    p.translate(r.left(), r.top() - layout::kSettingsBackdrop.top());
    SettingsHeading(p, 449, QStringLiteral("STAKING RULES"));
    SettingsHeading(p, 517, QStringLiteral("SAFETY"));
    SettingsHeading(p, 564, QStringLiteral("MATRIX"));
    // The heading's rule stops short of the quick-proposals box at its end.
    SettingsHeading(p, 636, QStringLiteral("PHASE AND RESET"), 290);
    p.restore();
}

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
        const QString text = QStringLiteral("TREND");
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

void PaintField(QPainter& p, const QRectF& r, int field, bool highlighted) {
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
        static const char* const names[6] = {"1-18", "EVEN", "", "", "ODD", "19-36"};
        QFont f = Font(11, true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
        p.setFont(f);
        p.setPen(ink);
        p.drawText(b, Qt::AlignCenter, QString::fromLatin1(names[field]));
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
    p.restore();
}

void PaintCommandStrip(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kPanel);
    p.drawRoundedRect(r.adjusted(0, 0, 12, 12), 8, 8);
    p.setPen(QPen(kPanelLine, 1));
    QPainterPath edge;
    edge.moveTo(r.left() + 0.5, r.bottom() + 1);
    edge.lineTo(r.left() + 0.5, r.top() + 8.5);
    edge.quadTo(r.left() + 0.5, r.top() + 0.5, r.left() + 8.5, r.top() + 0.5);
    edge.lineTo(r.right() + 1, r.top() + 0.5);
    p.drawPath(edge);
    p.restore();
}

void PaintStatsStrip(QPainter& p, const QRectF& r) {
    p.save();
    p.fillRect(r, kPanel);
    p.setPen(QPen(kPanelLine, 1));
    p.drawLine(QPointF(r.left(), r.top() + 0.5), QPointF(240, r.top() + 0.5));
    const double y = r.top();
    // The row's heading is the STATS command (layout::kStatsCommand), a
    // widget of its own that opens the statistics window.
    p.setFont(Font(11));
    p.setPen(kSilver);
    p.drawText(QRectF(60, y, 96, r.height()), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Numbers in game:"));
    p.drawText(QRectF(200, y, 72, r.height()), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Bets played:"));
    p.drawText(QRectF(314, y, 70, r.height()), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Flat index:"));
    p.restore();
}

void PaintImportPanel(QPainter& p, const QRectF& r) {
    p.save();
    p.fillRect(r, kImportPanel);
    p.setPen(QPen(Alpha(kGold, 150), 1));
    p.drawLine(QPointF(r.left(), r.top() + 0.5), QPointF(r.right(), r.top() + 0.5));
    p.restore();
}

void PaintImportBackdrop(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn in the panel's coordinates.
    p.translate(r.left(), r.top() - layout::panel::kBackdrop.top());
    const QRectF area(0, layout::panel::kBackdrop.top(), r.width(), r.height());
    QLinearGradient shade(area.topLeft(), area.bottomLeft());
    shade.setColorAt(0, kImportPanel.lighter(118));
    shade.setColorAt(0.45, kImportPanel);
    shade.setColorAt(1, kImportPanel.darker(125));
    p.fillRect(area, shade);

    // Heading: the import mark and the panel's title, with what it takes.
    PaintGlyph(p, QRectF(72, 32, 15, 15), Glyph::Import, kGoldLight);
    QFont title = Font(15, true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 1.4);
    p.setFont(title);
    p.setPen(kText);
    p.drawText(QRectF(94, 28, 283, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("IMPORT NUMBERS"));
    p.setFont(Font(11));
    p.setPen(QColor(168, 162, 190));
    p.drawText(QRectF(72, 50, 305, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("From a saved Evolution history page or a text file"));

    // The frame around the commands.
    const QRectF frame(60.5, 70.5, 328, 108);
    p.setPen(QPen(QColor(255, 255, 255, 30), 1));
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(frame, 7, 7);

    // What an import does to the game.
    p.setFont(Font(10));
    p.setPen(QColor(128, 122, 150));
    p.drawText(QRectF(60, 188, 329, 14), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("The numbers replace the history, oldest first."));
    p.drawText(QRectF(60, 202, 329, 14), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("No bet is settled and no game mode runs."));

    p.setPen(QPen(Alpha(kGold, 90), 1));
    p.drawLine(QPointF(0, area.bottom() - 0.5), QPointF(area.right(), area.bottom() - 0.5));
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

void PaintLogo(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF m = r.center();
    const double radius = std::min(r.width(), r.height()) / 2 - 0.5;
    // A wheel: gold rim, red and black pockets, green zero, gold hub.
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawEllipse(m, radius, radius);
    const double inner = radius * 0.84;
    const int pockets = 16;
    for (int i = 0; i < pockets; ++i) {
        QPainterPath slice;
        slice.moveTo(m);
        const QRectF box(m.x() - inner, m.y() - inner, inner * 2, inner * 2);
        slice.arcTo(box, 90 + i * 360.0 / pockets, 360.0 / pockets);
        slice.closeSubpath();
        p.setBrush(i == 0 ? kTableGreen : (i % 2 ? kTableRed : QColor(18, 18, 18)));
        p.drawPath(slice);
    }
    p.setBrush(QColor(40, 30, 6));
    p.drawEllipse(m, radius * 0.5, radius * 0.5);
    QRadialGradient hub(m - QPointF(radius * 0.1, radius * 0.1), radius * 0.4);
    hub.setColorAt(0, kGoldLight);
    hub.setColorAt(1, QColor(150, 110, 6));
    p.setBrush(hub);
    p.drawEllipse(m, radius * 0.36, radius * 0.36);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(m.x() + radius * 0.6, m.y() - radius * 0.36), radius * 0.1, radius * 0.1);
    p.restore();
}

}  // namespace rotacle::ui::art
