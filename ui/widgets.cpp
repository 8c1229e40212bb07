#include "ui/widgets.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/artwork.h"
#include "ui/wording.h"

namespace rotacle::ui {

// ---- Picture ------------------------------------------------------------------------

Picture::Picture(QWidget* parent, const QString& name, const QRect& geometry, Painter painter)
    : QWidget(parent), painter_(std::move(painter)) {
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Picture::SetOnClick(std::function<void()> action) {
    on_click_ = std::move(action);
    setCursor(Qt::PointingHandCursor);
}

void Picture::SetOnHover(std::function<void()> action) {
    on_hover_ = std::move(action);
    setMouseTracking(true);
}

void Picture::SetOnPress(std::function<void(QMouseEvent&)> action) { on_press_ = std::move(action); }

void Picture::SetOnDrag(std::function<void(QMouseEvent&)> action) { on_drag_ = std::move(action); }

void Picture::SetShown(bool shown) {
    if (isHidden() == shown) setVisible(shown);
}

void Picture::paintEvent(QPaintEvent* event) {
    if (!cached_) {
        QPainter p(this);
        p.setClipRegion(event->region());
        painter_(p, QRectF(QPointF(0, 0), QSizeF(size())));
        return;
    }
    const qreal dpr = devicePixelRatioF();
    if (cache_.isNull() || cache_.devicePixelRatio() != dpr ||
        cache_.deviceIndependentSize() != QSizeF(size())) {
        cache_ = QPixmap(size() * dpr);
        cache_.setDevicePixelRatio(dpr);
        cache_.fill(Qt::transparent);
        QPainter p(&cache_);
        painter_(p, QRectF(QPointF(0, 0), QSizeF(size())));
    }
    QPainter p(this);
    const QRect r = event->rect();
    p.drawPixmap(r, cache_, QRectF(QPointF(r.topLeft()) * dpr, QSizeF(r.size()) * dpr));
}

void Picture::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || (!on_click_ && !on_click_at_ && !on_press_)) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressed_ = true;
    if (on_press_) on_press_(*event);
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    const bool was_pressed = pressed_;
    pressed_ = false;
    if (!was_pressed || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    if (!rect().contains(at)) return;
    if (on_click_) on_click_();
    if (on_click_at_) on_click_at_(at);
}

void Picture::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ && on_drag_ && (event->buttons() & Qt::LeftButton)) on_drag_(*event);
    if (!on_hover_) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    on_hover_();
}

// ---- Caption ----------------------------------------------------------------------

Caption::Caption(QWidget* parent, const QString& name, const QRect& geometry, const QFont& font,
                 const QColor& colour, Qt::Alignment alignment)
    : QWidget(parent), colour_(colour), alignment_(alignment) {
    setObjectName(name);
    setGeometry(geometry);
    setFont(font);
    setAttribute(Qt::WA_NoSystemBackground);
}

bool Caption::SetText(std::string_view text) {
    if (text == source_) return false;
    source_.assign(text);
    text_ = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    update();
    return true;
}

void Caption::SetColour(const QColor& colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void Caption::SetBackground(std::optional<QColor> background) {
    if (background == background_) return;
    background_ = background;
    update();
}

void Caption::SetRim(std::optional<QColor> rim) {
    rim_ = rim;
    update();
}

void Caption::SetShown(bool shown) {
    if (isHidden() == shown) setVisible(shown);
}

void Caption::SetShrinkToFit(bool shrink, int smallest_pixels) {
    shrink_ = shrink;
    smallest_pixels_ = smallest_pixels;
    update();
}

QFont Caption::DrawnFont() const {
    if (!shrink_ || text_.isEmpty()) return font();
    // A pixel of room on each side keeps antialiasing inside. Money is never
    // cut: the font may go down to the smallest size that still reads.
    return art::FittedFont(font(), text_, width() - 2, smallest_pixels_);
}

void Caption::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();
    if (background_) {
        p.setPen(Qt::NoPen);
        p.setBrush(*background_);
        p.drawRoundedRect(r, 3, 3);
    }
    if (text_.isEmpty()) return;
    p.setFont(DrawnFont());
    if (rim_) {
        p.setPen(*rim_);
        for (const QPointF d : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1), QPointF(1, 1)})
            p.drawText(r.translated(d), static_cast<int>(alignment_), text_);
    }
    p.setPen(colour_);
    p.drawText(r, static_cast<int>(alignment_), text_);
}

// ---- Gauge ------------------------------------------------------------------------------

Gauge::Gauge(QWidget* parent, const QString& name, const QRect& geometry, const QColor& bar,
             const QColor& track)
    : QWidget(parent), bar_(bar), track_(track) {
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Gauge::SetProgress(int position, int maximum) {
    if (position == position_ && maximum == maximum_) return;
    position_ = position;
    maximum_ = maximum;
    update();
}

void Gauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), track_);
    QRectF inner = rect();
    if (frame_) {
        p.setPen(QPen(*frame_, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        inner.adjust(2, 2, -2, -2);
    }
    if (maximum_ <= 0 || position_ <= 0) return;
    const double share = std::min(1.0, static_cast<double>(position_) / maximum_);
    const QRectF bar(inner.left(), inner.top(), inner.width() * share, inner.height());
    QLinearGradient g(bar.topLeft(), bar.bottomLeft());
    g.setColorAt(0, bar_.lighter(125));
    g.setColorAt(0.5, bar_);
    g.setColorAt(1, bar_.darker(115));
    p.fillRect(bar, g);
}

// ---- Inputs --------------------------------------------------------------------------------

char TypedCharacter(const QString& text) {
    if (text.size() != 1) return 0;
    const char16_t c = text.at(0).unicode();
    if (c == u'\b') return '\b';
    // The engine's filters take ASCII only; anything else is dropped.
    return (c >= 0x20 && c < 0x7f) ? static_cast<char>(c) : 0;
}

EngineEdit::EngineEdit(QWidget* parent, const QString& name, const QRect& geometry) : QLineEdit(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void EngineEdit::SetEngineText(const std::string& text) {
    if (text == shown_) return;
    shown_ = text;
    setText(QString::fromStdString(text));
}

void EngineEdit::Splice(const QString& insert, int before, int after) {
    if (!on_text) return;
    const QString t = text();
    const int start = std::max(0, (hasSelectedText() ? selectionStart() : cursorPosition()) - before);
    const int end =
        std::min(static_cast<int>(t.size()), (hasSelectedText() ? selectionEnd() : cursorPosition()) + after);
    const QString next = t.left(start) + insert + t.mid(end);
    on_text(next.toStdString());
    // The engine set the text and with it the cursor to the end; it goes back
    // behind what was put in, where the player goes on typing.
    if (text() == next) setCursorPosition(start + static_cast<int>(insert.size()));
}

void EngineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        Splice(QGuiApplication::clipboard()->text());
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        if (hasSelectedText()) {
            QGuiApplication::clipboard()->setText(selectedText());
            Splice(QString());
        }
        return;
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Moving the cursor and selecting leave the text as it is.
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End: QLineEdit::keyPressEvent(event); return;
        default: break;
    }
    const bool at_end = !hasSelectedText() && cursorPosition() == text().size();
    if (event->key() == Qt::Key_Backspace) {
        if (at_end) {
            if (on_key) on_key('\b');
        } else if (hasSelectedText() || cursorPosition() > 0) {
            Splice(QString(), hasSelectedText() ? 0 : 1);
        }
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        if (!at_end) Splice(QString(), 0, hasSelectedText() ? 0 : 1);
        return;
    }
    const bool command =
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (!command && !event->text().isEmpty()) {
        const char c = TypedCharacter(event->text());
        if (c == 0) return;
        // Every typed character goes to the engine's key filter, which decides
        // what the text becomes; the edit only shows the result.
        if (at_end) {
            if (on_key) on_key(c);
            return;
        }
        const QString t = text();
        const int start = hasSelectedText() ? selectionStart() : cursorPosition();
        const int end = hasSelectedText() ? selectionEnd() : cursorPosition();
        const std::string rest = (t.left(start) + t.mid(end)).toStdString();
        if (const char put = key_filter ? key_filter(rest, c) : c; put != 0)
            Splice(QString(QLatin1Char(put)));
        return;
    }
    // Other editing keys would change a text that belongs to the engine.
    event->ignore();
}

void EngineEdit::inputMethodEvent(QInputMethodEvent* event) { event->ignore(); }

void EngineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the X selection; it is pasted text like any
    // other and goes to the engine, at the end of the text.
    if (event->button() == Qt::MiddleButton) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (on_text && clipboard->supportsSelection())
            on_text((text() + clipboard->text(QClipboard::Selection)).toStdString());
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

EngineSpin::EngineSpin(QWidget* parent, const QString& name, const QRect& geometry)
    : QAbstractSpinBox(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setKeyboardTracking(true);
    // Keys reach the spin edit itself; a middle-button paste would reach its
    // inner edit directly, past the engine.
    lineEdit()->installEventFilter(this);
}

bool EngineSpin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton)
        return true;
    return QAbstractSpinBox::eventFilter(watched, event);
}

void EngineSpin::SetEngineText(const std::string& text) {
    if (text == shown_) return;
    shown_ = text;
    lineEdit()->setText(QString::fromStdString(text));
}

void EngineSpin::stepBy(int steps) {
    if (on_step && stepEnabled() != StepNone) on_step(steps);
}

QAbstractSpinBox::StepEnabled EngineSpin::stepEnabled() const {
    if (isReadOnly() || !isEnabled()) return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

void EngineSpin::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up: stepBy(1); return;
        case Qt::Key_Down: stepBy(-1); return;
        case Qt::Key_PageUp: stepBy(10); return;
        case Qt::Key_PageDown: stepBy(-10); return;
        case Qt::Key_Backspace:
            if (on_key) on_key('\b');
            return;
        default: break;
    }
    const bool command =
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (!command && !event->text().isEmpty()) {
        if (const char c = TypedCharacter(event->text()); c != 0 && on_key) on_key(c);
        return;
    }
    event->ignore();
}

HoverButton::HoverButton(QWidget* parent, const QString& name, const QRect& geometry)
    : QAbstractButton(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void HoverButton::enterEvent(QEnterEvent* event) {
    update();
    QAbstractButton::enterEvent(event);
}

void HoverButton::leaveEvent(QEvent* event) {
    update();
    QAbstractButton::leaveEvent(event);
}

FlatButton::FlatButton(QWidget* parent, const QString& name, const QRect& geometry, const QString& text)
    : HoverButton(parent, name, geometry) {
    setText(text);
}

void FlatButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    art::PaintFlatButton(p, QRectF(rect()), text(), isEnabled(), underMouse(), isDown());
}

CommandButton::CommandButton(QWidget* parent, const QString& name, const QRect& geometry, art::Glyph glyph,
                             const QString& text)
    : HoverButton(parent, name, geometry), glyph_(glyph) {
    setText(text);
}

void CommandButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    art::PaintCommand(p, QRectF(rect()), glyph_, text(),
                      underMouse() || isDown() ? art::Look::Hover : art::Look::Normal);
}

ImportButton::ImportButton(QWidget* parent, const QString& name, const QRect& geometry)
    : HoverButton(parent, name, geometry) {}

void ImportButton::SetCaption(std::string_view text) {
    if (text == caption_) return;
    caption_.assign(text);
    setText(Worded(text));
}

void ImportButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    art::PaintImportButton(p, QRectF(rect()), text(), isEnabled(), underMouse(), isDown());
}

}  // namespace rotacle::ui
