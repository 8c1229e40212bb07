// The display refresh.
#include "game/game.h"

namespace rotacle {

bool Game::ShowValuesTimer() {
    refresh_settled_ = false;
    GameState& s = state_;
    bool changed = display_.Refresh(s, board_.NumbersList().size());
    if (display_.StakeChanged(s.Bet_Size)) {
        table_.SetStake(s.Bet_Size);
        changed = true;
    }
    if (table_.SyncStakeLabels(inputs_.ShowBetSize.Checked)) changed = true;

    // A text that does not convert is skipped here: the player sees the
    // conversion error where the initial bet is used, not a hundred times a
    // second.
    if (HasEntry(inputs_.Init_Bet.Text)) {
        double init = 0;
        // The stake was rounded to cents above; an initial bet finer than a
        // cent is compared in cents too, or every tick would reset the bets.
        const bool ok = amounts_.TryInitialBetInCents(inputs_.Init_Bet.Text, init);
        if (ok && init > s.Bet_Size) {
            ResetBets();
            return true;
        }
    }
    // Without a bet reset every value shown is now in place: the same
    // refresh run again at once would change nothing.
    refresh_settled_ = true;
    return changed;
}

}  // namespace rotacle
