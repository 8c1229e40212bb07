#include "engine/speed_play.h"

namespace rotacle {

bool SpeedPlay::BoardLocked(const Engine& e) {
    return e.ProgressRunUnderWay() || !e.Inputs().GameModes.Enabled;
}

SpeedPlay::Outcome SpeedPlay::Digit(char digit) {
    if (digit < '0' || digit > '9') return Outcome::Ignored;
    if (typed_.size() >= 2) {
        refused_ = true;
        return Outcome::Refused;
    }
    refused_ = false;
    typed_.push_back(digit);
    return Outcome::Typed;
}

SpeedPlay::Outcome SpeedPlay::Backspace() {
    if (typed_.empty() && !refused_) return Outcome::Ignored;
    refused_ = false;
    if (!typed_.empty()) typed_.pop_back();
    return Outcome::Typed;
}

SpeedPlay::Outcome SpeedPlay::Clear() {
    if (typed_.empty() && !refused_) return Outcome::Ignored;
    typed_.clear();
    refused_ = false;
    return Outcome::Typed;
}

SpeedPlay::Outcome SpeedPlay::Commit(Engine& e) {
    if (typed_.empty()) return Outcome::Ignored;
    int n = 0;
    for (const char c : typed_) n = n * 10 + (c - '0');
    typed_.clear();
    return Enter(e, n);
}

SpeedPlay::Outcome SpeedPlay::Enter(Engine& e, int n) {
    refused_ = true;
    if (n < 0 || n > 36 || e.Panel().Panel_Import().Visible) return Outcome::Refused;
    // Play stopped at a session limit takes no number, nor keeps one waiting.
    if (e.Limits().Stopped() != LimitKind::None) return Outcome::Refused;
    if (BoardLocked(e) || !waiting_.empty()) {
        // Numbers keep the order in which the wheel gave them: behind a
        // waiting one, a new number waits too.
        if (waiting_.size() >= kMaxQueued) return Outcome::Refused;
        waiting_.push_back(n);
        e.NoteWaiting(n);
        refused_ = false;
        return Outcome::Queued;
    }
    const auto i = static_cast<std::size_t>(n);
    if (!e.Board().Image()[i].Visible && !e.Chrome().Image_Act()[i].Visible) return Outcome::Refused;
    refused_ = false;
    e.Event([&] { e.EnterNumber(n); });
    return Outcome::Entered;
}

SpeedPlay::Outcome SpeedPlay::Click(Engine& e, int n) {
    if (n < 0 || n > 36) return Outcome::Ignored;
    if (BoardLocked(e) || !waiting_.empty()) return Enter(e, n);
    const auto i = static_cast<std::size_t>(n);
    if (!e.Board().Image()[i].Visible && !e.Chrome().Image_Act()[i].Visible) return Outcome::Ignored;
    refused_ = false;
    e.Event([&] { e.EnterNumber(n); });
    return Outcome::Entered;
}

SpeedPlay::Outcome SpeedPlay::Undo(Engine& e) {
    if (!waiting_.empty()) {
        waiting_.pop_back();
        e.NoteWithdrawn();
        return Outcome::Withdrawn;
    }
    if (!e.UndoOffered() || BoardLocked(e)) return Outcome::Ignored;
    e.Event([&] { e.Image_Cancel2Click(); });
    return Outcome::Undone;
}

bool SpeedPlay::EnterWaiting(Engine& e) {
    while (!waiting_.empty() && !BoardLocked(e) && !e.Panel().Panel_Import().Visible) {
        const int n = waiting_.front();
        waiting_.pop_front();
        const auto i = static_cast<std::size_t>(n);
        // A number whose cell cannot be clicked is dropped, as its click
        // would be, and the readout shows the refusal.
        if (!e.Board().Image()[i].Visible && !e.Chrome().Image_Act()[i].Visible) {
            refused_ = true;
            continue;
        }
        e.Event([&] { e.EnterNumber(n); });
        return true;
    }
    return false;
}

}  // namespace rotacle
