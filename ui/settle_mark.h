// The mark of a settled bet: for a moment after a number settles the bet on
// the table, its field is ringed green with a tick (won) or red with a cross
// (lost). It follows the game's play events alone: the game says which field
// was settled and how; the window only draws it.
#pragma once

#include "core/play_events.h"

class QTimer;
class QWidget;

namespace rotacle::ui {

class Picture;

class SettleMark final : public PlayListener {
public:
    /// How long a mark stays on its field.
    static constexpr int kMilliseconds = 1500;

    /// Draws on `window` (whose fields lie at `layout::FieldRect`) and hands
    /// every event on to `next`.
    SettleMark(QWidget& window, PlayListener& next);
    ~SettleMark() override;
    SettleMark(const SettleMark&) = delete;
    SettleMark& operator=(const SettleMark&) = delete;

    void OnPlay(const PlayEvent& event) noexcept override;
    bool TakesHappenings() const noexcept override { return next_.TakesHappenings(); }

    /// Puts the mark above the window's parts made so far: made after the
    /// fields, before what may cover them (the import panel, the limit screen).
    void Raise();

    /// The field marked (0 Less .. 5 More), -1 while no mark is shown.
    int Field() const;
    /// Whether the marked bet won.
    bool Won() const { return won_; }

private:
    void Show(int field, bool won);
    void Clear();

    PlayListener& next_;
    Picture* picture_ = nullptr;
    QTimer* timer_ = nullptr;
    int field_ = -1;
    bool won_ = false;
};

}  // namespace rotacle::ui
