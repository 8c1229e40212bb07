// The window's artwork: geometry of every region and control, the palette,
// and the painting of each picture in its looks. Everything is drawn with
// QPainter in device-independent pixels, so it stays crisp at any scale.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <array>

#include "display/geometry.h"

class QPainter;

namespace rotacle::ui {

/// Places of the window's regions and controls, in window coordinates.
namespace layout {

inline constexpr int kWidth = geometry::kWidth;
inline constexpr int kClosedHeight = geometry::kClosedHeight;
inline constexpr int kOpenHeight = geometry::kOpenHeight;

/// The background picture, drag handle and hover reset surface.
inline constexpr QRect kHeadImage{0, 0, 457, 641};
/// IMPORT and EXPORT: wide enough for the mark and the whole caption.
inline constexpr QRect kImport{215, 16, 66, 25};
inline constexpr QRect kExport{287, 16, 66, 25};
inline constexpr QRect kVersion{401, 29, 48, 14};
inline constexpr QRect kHelp{370, 3, 25, 25};
inline constexpr QRect kMinimize{396, 3, 25, 25};
inline constexpr QRect kClose{422, 3, 25, 25};
inline constexpr QRect kGauge{-6, 55, 460, 6};
inline constexpr QRect kBankBox{50, 60, 168, 30};
inline constexpr QRect kStripBox{226, 60, 225, 30};
inline constexpr QRect kBankCaption{58, 66, 62, 18};
inline constexpr QRect kBankroll{120, 64, 94, 22};
inline constexpr QRect kUndo{387, 64, 57, 22};
/// The keyboard entry's readout, between the strip and the felt.
inline constexpr QRect kKeyReadout{232, 90, 150, 12};
inline constexpr QRect kFelt{6, 102, 445, 208};
/// The number cells' area, zero included.
inline constexpr QRect kBoard{16, 112, 418, 98};
inline constexpr QRect kLamp{218, 254, 20, 20};
inline constexpr QRect kSkipBet{16, 326, 57, 25};
inline constexpr QRect kSettings{248, 326, 82, 25};
inline constexpr QRect kLoad{336, 326, 52, 25};
inline constexpr QRect kSave{392, 326, 52, 25};
inline constexpr QRect kCommandStrip{240, 320, 225, 41};  ///< Shape15
/// The settings area's part of the background picture (down to its end).
inline constexpr QRect kSettingsBackdrop{0, 389, 457, 252};
/// The settings area below the stats strip, down to the open window's end.
/// On a screen shorter than the open window it scrolls.
inline constexpr QRect kSettingsArea{0, 389, 457, 308};
inline constexpr QRect kStatsStrip{0, 357, 465, 32};  ///< Shape16
/// The STATS command at the head of the stats strip: opens the statistics
/// window.
inline constexpr QRect kStatsCommand{8, 362, 58, 22};

/// The import panel, laid over the bank row and the whole felt while it is
/// open. It reaches past the window's right edge; the window shows its first
/// 457 pixels.
inline constexpr QRect kImportPanel{0, 53, 473, 259};

/// Places inside the import panel, in the panel's coordinates.
namespace panel {
inline constexpr QRect kBackdrop{0, 8, 473, 251};  ///< Image39, the hover reset surface
inline constexpr QRect kPaste{72, 80, 177, 25};
inline constexpr QRect kLoadFromFile{256, 80, 121, 25};
inline constexpr QRect kProgress{72, 112, 305, 17};  ///< ProgressBar2
inline constexpr QRect kProcess{72, 144, 177, 22};   ///< Button_Process
inline constexpr QRect kClose{256, 144, 121, 25};
}  // namespace panel

/// A place inside the import panel in window coordinates.
constexpr QRect InPanel(const QRect& r) { return r.translated(kImportPanel.topLeft()); }

/// The zero's column at the left of the three rows. The zero's cell is its
/// middle; the rest is a picture without action that shows with the cell.
inline constexpr QRect kZeroColumn{16, 112, 33, 97};

/// Number cell n (0..36), laid out like the table: 0 at the left, then
/// twelve columns of three with 3, 6, ... 36 in the top row. Neighbouring
/// cells share their one-pixel border.
constexpr QRect CellRect(int n) {
    if (n <= 0) return {16, 144, 33, 33};
    const int column = (n - 1) / 3;
    const int y = n % 3 == 0 ? 112 : (n % 3 == 2 ? 144 : 176);
    return {48 + 32 * column, y, 33, 33};
}

/// Even-chance field i (0 Less, 1 Even, 2 Red, 3 Black, 4 Odd, 5 More): three
/// fields left of the safety lamp and three right of it.
constexpr QRect FieldRect(int i) {
    const int x = i < 3 ? 16 + 64 * i : 250 + 64 * (i - 3);
    return {x, 253, 62, 24};
}
constexpr QRect TrendRect(int i) { return {FieldRect(i).x(), 227, 62, 18}; }
constexpr QRect ChipRect(int i) { return {FieldRect(i).x() + 19, 279, 24, 24}; }
constexpr QRect StakeRect(int i) { return {FieldRect(i).x() - 4, 283, 70, 16}; }
/// History slot k (0 is HisNum1, the newest; 8 is the hidden overflow slot).
constexpr QRect HisNumRect(int k) { return {236 + 18 * k, 66, 17, 17}; }

}  // namespace layout

namespace art {

// The palette shared by every picture.
inline const QColor kBackground{35, 35, 35};
inline const QColor kPanel{27, 27, 28};
inline const QColor kPanelLine{58, 58, 60};
inline const QColor kGold{210, 159, 4};
inline const QColor kGoldLight{240, 196, 74};
inline const QColor kSilver{192, 192, 192};
inline const QColor kText{236, 236, 236};
inline const QColor kDimText{120, 120, 124};
inline const QColor kTableRed{192, 34, 42};
inline const QColor kTableBlack{22, 22, 24};
inline const QColor kTableGreen{10, 138, 67};
inline const QColor kFelt{13, 84, 52};
inline const QColor kStake{255, 255, 0};
inline const QColor kImportPanel{29, 26, 45};

/// The looks of a picture command: normal, hover (the clickable one) and the
/// cover that lies above both (inactive, or open for the settings toggle), or
/// the busy cover of a command whose work is under way.
enum class Look { Normal, Hover, Cover, Busy };
/// The looks of a number cell: the plain picture under it (seen while the
/// board is locked), the normal cell and the highlighted cell.
enum class CellLook { Plain, Normal, Hover };
enum class Glyph {
    Import,
    Export,
    Settings,
    Load,
    Save,
    Skip,
    Undo,
    Minimize,
    Close,
    Paste,
    Wait,
    Help,
    Stats
};

/// The window font at `pixel_size`, optionally bold.
QFont Font(int pixel_size, bool bold = false);

/// `base`, or the largest smaller cut of it in which `text` is at most `width`
/// pixels wide: first without letter spacing, then a pixel smaller at a time,
/// down to `smallest_pixels` (0: two thirds of its size). The smallest cut
/// when none fits.
QFont FittedFont(const QFont& base, const QString& text, qreal width, int smallest_pixels = 0);

/// `text` in the painter's font, or in the cut of it that fits `r`'s width
/// (`FittedFont`), aligned in `r`.
void PaintLabel(QPainter& p, const QRectF& r, Qt::Alignment alignment, const QString& text);

/// The product's subtitle under its name, in `r` left of the IMPORT command.
void PaintSubtitle(QPainter& p, const QRectF& r, const QString& text);

/// A label of the statistics row, right-aligned in its place.
struct StripLabel {
    int left;
    int width;
    QString text;
};
/// The statistics row's labels ("Numbers in game:" ...) in the loaded language.
std::array<StripLabel, 3> StatsStripLabels();

/// The name painted on even-chance field i (0 to 5; the red and black fields
/// have a diamond instead and an empty name) in the loaded language.
QString FieldName(int field);

/// Dark palette for the standard controls of the settings area.
QPalette DarkPalette();

/// The background picture: top row, boxes, felt with the plain cells, the
/// even-chance fields, chip places and lamp socket.
void PaintBackground(QPainter& p, QSize size);
/// The settings area's background with the headings of its groups; `r` is
/// layout::kSettingsBackdrop moved to the painter's origin.
void PaintSettingsBackdrop(QPainter& p, const QRectF& r);
void PaintCell(QPainter& p, const QRectF& r, int n, CellLook look);
/// The picture of cell n in its own place (painter origin at the cell). The
/// zero's cell is painted as the middle of the zero's column, so that the
/// cell and the column meet without a seam.
void PaintCellPicture(QPainter& p, int n, CellLook look);
/// The plain pictures under the cells, seen where a cell is hidden; the
/// painter's origin is the window point `origin`.
void PaintPlainBoard(QPainter& p, const QPoint& origin);
void PaintCommand(QPainter& p, const QRectF& r, Glyph glyph, const QString& text, Look look);
void PaintWindowButton(QPainter& p, const QRectF& r, Glyph glyph, bool hover);
/// Trend picture of field i: 0 base, 1 hover, 2 choice mark.
void PaintTrend(QPainter& p, const QRectF& r, int field, int look);
void PaintField(QPainter& p, const QRectF& r, int field, bool highlighted);
/// Field i with `name` in place of its own.
void PaintField(QPainter& p, const QRectF& r, int field, bool highlighted, const QString& name);
void PaintChip(QPainter& p, const QRectF& r);
/// Safety lamp: `reached` is the lamp of a reached (or nearly reached) level.
void PaintLamp(QPainter& p, const QRectF& r, bool reached);
void PaintCommandStrip(QPainter& p, const QRectF& r);
void PaintStatsStrip(QPainter& p, const QRectF& r);
/// The import panel's own face: its top edge above the backdrop; `r` is the
/// whole panel.
void PaintImportPanel(QPainter& p, const QRectF& r);
/// The import panel's backdrop `Image39`: heading, the frame around the
/// commands and a line on what an import does; `r` is layout::panel::kBackdrop
/// moved to the painter's origin.
void PaintImportBackdrop(QPainter& p, const QRectF& r);
/// The import button: a white caption on a black backing.
void PaintImportButton(QPainter& p, const QRectF& r, const QString& text, bool enabled, bool hover,
                       bool down);
/// A flat button of the settings area.
void PaintFlatButton(QPainter& p, const QRectF& r, const QString& text, bool enabled, bool hover, bool down);
/// The product mark, also used for the window icon.
void PaintLogo(QPainter& p, const QRectF& r);

}  // namespace art
}  // namespace rotacle::ui
