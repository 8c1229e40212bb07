// Helpers of the window tests: a shown window, the pointer moved and clicked
// through the window as a player's pointer is, and pixels read from the
// rendered window.
#pragma once

#include <QImage>
#include <QPoint>
#include <QTest>
#include <QWidget>
#include <memory>

#include "ui/Unit1.h"
#include "ui/artwork.h"
#include "ui/widgets.h"

namespace rotacle::ui::test {

namespace layout = rotacle::ui::layout;

/// Drops the offscreen platform's warning about every fixed-size window and
/// passes every other message on to QtTest. Call from initTestCase: QtTest
/// installs its own handler when a suite starts.
inline void QuietPlatform() {
    static QtMessageHandler next = nullptr;
    next =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.contains(QLatin1String("propagateSizeHints"))) next(type, context, message);
        });
}

/// A window as the program shows it, with message boxes that do not block.
inline std::unique_ptr<TForm1> ShowWindow() {
    auto form = std::make_unique<TForm1>();
    form->Platform().SetNonBlockingMessages(true);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) return nullptr;
    if (!QTest::qWaitFor([&] { return form->WindowComplete(); }, 5000)) return nullptr;
    return form;
}

inline QWidget* Part(TForm1& form, const char* name) {
    return form.findChild<QWidget*>(QString::fromLatin1(name));
}

/// Visible within the window (not hidden by the engine).
inline bool Shown(TForm1& form, const char* name) {
    QWidget* w = Part(form, name);
    return w != nullptr && w->isVisibleTo(&form);
}

inline void MoveTo(TForm1& form, QPoint at) {
    // A pointer resting where the last window was moves no more; a second
    // position makes sure the picture under it sees a move.
    QTest::mouseMove(&form, at + QPoint(1, 1));
    QTest::mouseMove(&form, at);
    QCoreApplication::processEvents();
}

/// Moves the pointer onto `at` and clicks there, as a player does.
inline void ClickAt(TForm1& form, QPoint at) {
    MoveTo(form, at);
    QTest::mouseClick(&form, Qt::LeftButton, Qt::NoModifier, at);
    QCoreApplication::processEvents();
}

/// A place of the background that belongs to no control.
inline QPoint Background() { return {150, 96}; }

inline bool RunInProgress(TForm1& form) {
    for (const TimerId id : rotacle::kModeTimers)
        if (form.Engine().TimerControl(id).Enabled) return true;
    return false;
}

/// Clicks the cell of n and waits until a progress run it started is over.
inline bool Spin(TForm1& form, int n) {
    ClickAt(form, layout::CellRect(n).center());
    return QTest::qWaitFor([&] { return !RunInProgress(form); }, 5000);
}

inline QColor PixelAt(TForm1& form, QPoint at) { return form.grab().toImage().pixelColor(at); }

/// Index of the one visible chip, -1 for none, -2 for several.
inline int ShownChip(TForm1& form) {
    static const char* const names[6] = {"ChipLess",  "ChipEven", "ChipRed",
                                         "ChipBlack", "ChipOdd",  "ChipMore"};
    int found = -1;
    for (int i = 0; i < 6; ++i) {
        if (!Shown(form, names[i])) continue;
        if (found != -1) return -2;
        found = i;
    }
    return found;
}

}  // namespace rotacle::ui::test
