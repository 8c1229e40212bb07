// The main window's keyboard: number entry, shortcuts, and the rule that a
// control the player cannot see takes no key.
#include "ui/Unit1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>

#include "ui/accessible.h"
#include "ui/help_window.h"
#include "ui/widgets.h"

namespace rotacle::ui {

namespace {

// Inputs that take typed keys themselves while the player sees them.
bool TakesKeys(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
           qobject_cast<const QAbstractButton*>(w);
}

}  // namespace

bool TForm1::PlayerSees(const QWidget* w) const {
    if (w == this) return true;
    // Clipped by the window's edge or scrolled out of the settings area, a
    // control has nothing left on screen. A command's own hover picture lying
    // on it hides it from Qt's region, not from the player.
    if (!w->isVisibleTo(this)) return false;
    return !w->visibleRegion().isEmpty() || (IsPaintedCommand(w) && !UnderCover(*w));
}

void TForm1::FocusTable() { setFocus(Qt::OtherFocusReason); }

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && watched->isWidgetType()) {
        // A list, spin edit or slider that the pointer passes over while the
        // wheel scrolls the settings area must not change: it takes the wheel
        // only with the focus, and the wheel goes on to the area.
        const auto* w = static_cast<QWidget*>(watched);
        const bool setting =
            qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) || w == safe_level_;
        if (setting && w->window() == this && !w->hasFocus()) {
            event->ignore();
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    auto* target = static_cast<QWidget*>(watched);
    if (target->window() != this) return false;
    // A key is offered to the focus widget and then to its parents: it is
    // looked at once, at the first of them.
    const QWidget* focus = QApplication::focusWidget();
    if (focus && target != focus && target->isAncestorOf(focus)) return false;
    return HandleKey(target, *static_cast<QKeyEvent*>(event));
}

bool TForm1::HandleKey(QWidget* target, const QKeyEvent& key) {
    const int k = key.key();
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier && k == Qt::Key_Q) {
        Button_Close_HoverClick();
        return true;
    }
    if (mods == Qt::ControlModifier && k == Qt::Key_Z) {
        UndoCommandClick();
        return true;
    }
    // Enter or Esc ends the edit of a setting: the typed number that follows
    // is meant for the table, not for the setting.
    const bool setting_edit =
        dynamic_cast<const EngineEdit*>(target) != nullptr ||
        dynamic_cast<const EngineSpin*>(target) != nullptr ||
        (target->parentWidget() && dynamic_cast<const EngineSpin*>(target->parentWidget()) != nullptr);
    if (mods == Qt::NoModifier && setting_edit && PlayerSees(target) &&
        (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape)) {
        EndSettingEdit();
        return true;
    }
    if (mods == Qt::NoModifier && k == Qt::Key_Escape) {
        EscapeKey();
        return true;
    }
    if (mods == Qt::NoModifier && k == Qt::Key_F1) {
        ShowHelp(*this, &previous_sessions_);
        return true;
    }
    // A control outside the player's sight gets no key at all.
    const bool hidden = target != this && !PlayerSees(target);
    // A painted command with the focus leaves the keys of the play to the
    // table; Space or Enter with nothing typed presses it.
    const bool command = IsPaintedCommand(target) && target->hasFocus();
    if (!hidden && !command && TakesKeys(target)) return false;

    if (mods == Qt::NoModifier) {
        // Typed digits stay as they are: the number is entered after a look
        // at the statistics as well.
        if (k == Qt::Key_S) {
            ShowStatistics();
            return true;
        }
        if (k >= Qt::Key_0 && k <= Qt::Key_9) {
            speed_.Digit(static_cast<char>('0' + (k - Qt::Key_0)));
            AfterEvent();
            return true;
        }
        if (command && speed_.Typed().empty() &&
            (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space)) {
            PressLikePointer(*target);
            return true;
        }
        if (k == Qt::Key_Return || k == Qt::Key_Enter || (k == Qt::Key_Space && !speed_.Typed().empty())) {
            speed_.Commit(engine_);
            AfterEvent();
            return true;
        }
        if (k == Qt::Key_Backspace) {
            speed_.Backspace();
            AfterEvent();
            return true;
        }
    }
    return hidden;
}

bool TForm1::focusNextPrevChild(bool next) {
    // Qt's own order would also stop at the inputs of a closed settings
    // area, which the player cannot see, and at the window itself, which
    // shows no focus.
    QWidget* from = QApplication::focusWidget();
    if (!from || from->window() != this) from = this;
    QWidget* w = from;
    for (;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == from) return QWidget::focusNextPrevChild(next);
        QWidget* target = w;
        while (target->focusProxy()) target = target->focusProxy();
        if (w == this || target == from || w->window() != this || !(w->focusPolicy() & Qt::TabFocus) ||
            !w->isEnabled() || !w->isVisibleTo(this) || !PlayerSees(w))
            continue;
        w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
}

void TForm1::EndSettingEdit() {
    setFocus(Qt::OtherFocusReason);
    RefreshKeyReadout();
}

void TForm1::EscapeKey() {
    if (speed_.Clear() != SpeedPlay::Outcome::Ignored) {
        AfterEvent();
    } else if (engine_.Panel().Panel_Import().Visible) {
        Run([&] { engine_.Image_ClosePanel2Click(); });
    } else if (engine_.Chrome().ClientHeight() > layout::kClosedHeight) {
        Run([&] { engine_.Image_Settings3Click(); });
    }
}
}  // namespace rotacle::ui
