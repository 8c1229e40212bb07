// The window's own pictures: fonts, palette, the backgrounds of the window,
// the settings area and the import panel, the strips and the product mark.
// The table's pictures and the commands' have files of their own
// (artwork_table.cpp, artwork_commands.cpp).
#include "ui/artwork.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "ui/artwork_shared.h"

namespace rotacle::ui::art {

namespace {

void SettingsHeading(QPainter& p, int y, const QString& text, int line_end = 445) {
    // A long heading of another language takes a smaller font rather than
    // run under the controls where its rule ends.
    p.setFont(FittedFont(Font(10, true), text, line_end - 14));
    const QFontMetrics fm(p.font());
    const int w = fm.horizontalAdvance(text);
    p.setPen(Alpha(kGold, 210));
    p.drawText(QRect(12, y - 6, w + 2, 12), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.setPen(QPen(kPanelLine, 1));
    if (12 + w + 8 < line_end) p.drawLine(QPointF(12 + w + 8, y + 0.5), QPointF(line_end, y + 0.5));
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

void PaintLabel(QPainter& p, const QRectF& r, Qt::Alignment alignment, const QString& text) {
    const QFont font = p.font();
    p.setFont(FittedFont(font, text, r.width()));
    p.drawText(r, static_cast<int>(alignment), text);
    p.setFont(font);
}

void PaintSubtitle(QPainter& p, const QRectF& r, const QString& text) {
    QFont sub = Font(10, true);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.setFont(sub);
    PaintLabel(p, r, Qt::AlignLeft | Qt::AlignVCenter, text);
}

std::array<StripLabel, 3> StatsStripLabels() {
    return {{{68, 88, QCoreApplication::translate("Artwork", "Numbers in game:")},
             {200, 72, QCoreApplication::translate("Artwork", "Bets played:")},
             {314, 70, QCoreApplication::translate("Artwork", "Flat index:")}}};
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
    p.setPen(kGold);
    PaintSubtitle(p, QRectF(53, 29, layout::kImport.left() - 57, 12),
                  QCoreApplication::translate("Artwork", "EVEN CHANCE ASSISTANT"));

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
    SettingsHeading(p, 449, QCoreApplication::translate("TForm1", "STAKING RULES"));
    SettingsHeading(p, 517, QCoreApplication::translate("TForm1", "SAFETY"));
    SettingsHeading(p, 564, QCoreApplication::translate("TForm1", "MATRIX"));
    // The heading's rule stops short of the language list, the la partage
    // and quick-proposals boxes at its end.
    SettingsHeading(p, 636, QCoreApplication::translate("TForm1", "PHASE AND RESET"), 126);
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
    for (const StripLabel& label : StatsStripLabels())
        PaintLabel(p, QRectF(label.left, y, label.width, r.height()), Qt::AlignRight | Qt::AlignVCenter,
                   label.text);
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
    PaintLabel(p, QRectF(94, 28, 283, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("Artwork", "IMPORT NUMBERS"));
    p.setFont(Font(11));
    p.setPen(QColor(168, 162, 190));
    PaintLabel(p, QRectF(72, 50, 305, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("Artwork", "From a saved Evolution history page or a text file"));

    // The frame around the commands.
    const QRectF frame(60.5, 70.5, 328, 108);
    p.setPen(QPen(QColor(255, 255, 255, 30), 1));
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(frame, 7, 7);

    // What an import does to the game.
    p.setFont(Font(10));
    p.setPen(QColor(128, 122, 150));
    PaintLabel(p, QRectF(60, 188, 329, 14), Qt::AlignHCenter | Qt::AlignVCenter,
               QCoreApplication::translate("Artwork", "The numbers replace the history, oldest first."));
    PaintLabel(p, QRectF(60, 202, 329, 14), Qt::AlignHCenter | Qt::AlignVCenter,
               QCoreApplication::translate("Artwork", "No bet is settled and no game mode runs."));

    p.setPen(QPen(Alpha(kGold, 90), 1));
    p.drawLine(QPointF(0, area.bottom() - 0.5), QPointF(area.right(), area.bottom() - 0.5));
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
