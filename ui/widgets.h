// The window's building blocks: painted pictures, text labels, gauges and the
// inputs whose typed characters go to the engine instead of into the text.
#pragma once

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QColor>
#include <QLineEdit>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/artwork.h"

namespace rotacle::ui {

/// A picture of the window, optionally clickable, hover-aware or draggable.
class Picture : public QWidget {
public:
    using Painter = std::function<void(QPainter&, const QRectF&)>;

    Picture(QWidget* parent, const QString& name, const QRect& geometry, Painter painter);

    /// Paints once per scale into a pixmap and then only copies it: for large
    /// pictures that other pictures uncover often. Small ones draw directly.
    void SetCached(bool cached) { cached_ = cached; }

    /// A click (press and release on the picture) runs `action`; the pointer
    /// becomes a hand over the picture.
    void SetOnClick(std::function<void()> action);
    /// A click runs `action` with the place of the release in the picture;
    /// the cursor stays as it is (for a picture only parts of which act).
    void SetOnClickAt(std::function<void(QPoint)> action) { on_click_at_ = std::move(action); }
    /// Runs the click action, if any, as a click on the picture does.
    void Click() {
        if (on_click_) on_click_();
    }
    /// Runs the hover action, if any, as a move of the pointer onto the picture does.
    void Hover() {
        if (on_hover_) on_hover_();
    }
    /// Every move of the pointer over the picture runs `action`.
    void SetOnHover(std::function<void()> action);
    /// A press of the left button runs `action` (the window drag).
    void SetOnPress(std::function<void(QMouseEvent&)> action);
    /// Moves with the left button held after a press run `action`.
    void SetOnDrag(std::function<void(QMouseEvent&)> action);
    /// Shows or hides the picture when its visibility differs.
    void SetShown(bool shown);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Painter painter_;
    QPixmap cache_;
    bool cached_ = false;
    std::function<void()> on_click_;
    std::function<void(QPoint)> on_click_at_;
    std::function<void()> on_hover_;
    std::function<void(QMouseEvent&)> on_press_;
    std::function<void(QMouseEvent&)> on_drag_;
    bool pressed_ = false;
};

/// A text label that repaints only when its text or colours change.
class Caption : public QWidget {
public:
    Caption(QWidget* parent, const QString& name, const QRect& geometry, const QFont& font,
            const QColor& colour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

    /// Returns true when the text changed.
    bool SetText(std::string_view text);
    void SetColour(const QColor& colour);
    /// A filled, rounded background (history slots); none by default.
    void SetBackground(std::optional<QColor> background);
    /// Draws the text with a dark rim so it reads over artwork.
    void SetRim(std::optional<QColor> rim);
    void SetShown(bool shown);
    /// A text wider than the label is drawn in a smaller font, down to
    /// `smallest_pixels`.
    void SetShrinkToFit(bool shrink, int smallest_pixels = 6);
    QString Text() const { return text_; }
    QColor Colour() const { return colour_; }
    /// The font the text is drawn in (smaller than `font()` when it shrank).
    QFont DrawnFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool shrink_ = false;
    int smallest_pixels_ = 6;
    std::string source_;
    QString text_;
    QColor colour_;
    std::optional<QColor> background_;
    std::optional<QColor> rim_;
    Qt::Alignment alignment_;
};

/// A flat progress bar without text.
class Gauge : public QWidget {
public:
    Gauge(QWidget* parent, const QString& name, const QRect& geometry, const QColor& bar,
          const QColor& track);
    void SetProgress(int position, int maximum);
    int Position() const { return position_; }
    int Maximum() const { return maximum_; }
    /// A one-pixel frame around the track, the bar inside it; none by default.
    void SetFrame(std::optional<QColor> frame) { frame_ = frame; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor bar_;
    QColor track_;
    std::optional<QColor> frame_;
    int position_ = 0;
    int maximum_ = 100;
};

/// A single-line edit whose text belongs to the engine, and the text shown is
/// set back from the engine. A character typed or a backspace at the end of
/// the text, with nothing selected, is handed to `on_key`, the engine's own
/// typing. A key, paste, cut or delete that replaces a selection or acts
/// inside the text hands the whole new text to `on_text`, as in any edit;
/// `key_filter` (text without the selection, key) gives the character that a
/// typed key inserts there, 0 for none.
class EngineEdit : public QLineEdit {
public:
    EngineEdit(QWidget* parent, const QString& name, const QRect& geometry);

    std::function<void(char)> on_key;
    std::function<void(const std::string&)> on_text;
    std::function<char(std::string_view, char)> key_filter;
    void SetEngineText(const std::string& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    /// Replaces the selection (or nothing at the cursor), widened by
    /// `before` characters before it and `after` after it, by `insert`.
    void Splice(const QString& insert, int before = 0, int after = 0);

    std::string shown_;
};

/// A spin edit on the same terms: typed characters to `on_key`, the arrows and
/// the wheel to `on_step`.
class EngineSpin : public QAbstractSpinBox {
public:
    EngineSpin(QWidget* parent, const QString& name, const QRect& geometry);

    std::function<void(char)> on_key;
    std::function<void(int)> on_step;
    void SetEngineText(const std::string& text);
    void stepBy(int steps) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    StepEnabled stepEnabled() const override;

private:
    std::string shown_;
};

/// A button painted in code that repaints when the pointer enters or leaves
/// it, with the hand cursor and no keyboard focus.
class HoverButton : public QAbstractButton {
public:
    HoverButton(QWidget* parent, const QString& name, const QRect& geometry);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

/// A flat speed button of the settings area.
class FlatButton : public HoverButton {
public:
    FlatButton(QWidget* parent, const QString& name, const QRect& geometry, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
};

/// A command in the look of the picture commands (mark and caption), that
/// keeps its hover look itself: for commands of the window alone, which the
/// engine does not know.
class CommandButton : public HoverButton {
public:
    CommandButton(QWidget* parent, const QString& name, const QRect& geometry, art::Glyph glyph,
                  const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    art::Glyph glyph_;
};

/// The import panel's IMPORT button: a white caption on a black backing.
class ImportButton : public HoverButton {
public:
    ImportButton(QWidget* parent, const QString& name, const QRect& geometry);
    /// Shows `text` when it differs from the caption shown.
    void SetCaption(std::string_view text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::string caption_;
};

/// Accepts a character that the engine's filters may see: printable ASCII.
/// Returns 0 for anything else.
char TypedCharacter(const QString& text);

}  // namespace rotacle::ui
