// The money edits' guard: which texts the initial bet and the test bank
// refuse, and the initial bet in force.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/convert.h"
#include "core/ids.h"

namespace rotacle {

/// A money text is taken from its edit only when it is not empty and does
/// not start with the decimal point; other texts leave the amount as it is.
inline bool Usable(std::string_view text) { return !text.empty() && text.front() != '.'; }

/// The initial bet and the test bank take every text, so that the player can
/// always edit back to an amount; a text that is no usable amount is refused
/// as a value and marks its edit until the text is an amount again. The
/// initial bet in force is the last one taken, converted again only after
/// its text changed.
class AmountGuard {
public:
    /// Throws the amount error for a text that edit `id` must not hold: the
    /// four edits hold money within the largest amount, and the initial bet
    /// is never negative and at least a cent. Checked before the edit takes
    /// the text.
    static void CheckMoneyText(EditId id, std::string_view text);
    /// True for a text of zeros that typing can still make a stake ("0",
    /// "0.", "0.0"): typed into the initial bet it is refused without a
    /// message, and the keys that follow may make it an amount.
    static bool NoStakeYet(std::string_view text);
    /// The error of `text` in edit `id`, if it is refused.
    static std::optional<ConvertError> AmountError(EditId id, const std::string& text);
    /// The error of a refused `text` in edit `id` (an empty message if it is not refused).
    static ConvertError Refusal(EditId id, const std::string& text) {
        return AmountError(id, text).value_or(ConvertError(std::string()));
    }
    /// True for the edits that refuse a text as a value (the initial bet and
    /// the test bank).
    static bool Guards(EditId id) { return id == EditId::Init_Bet || id == EditId::Test_Bank; }
    /// True while edit `id` holds a refused text.
    bool Refused(EditId id) const { return id == EditId::Init_Bet ? init_bet_refused_ : test_bank_refused_; }
    /// True while the initial bet holds a typed 0 that is not taken yet.
    bool NotYet() const { return not_yet_; }
    /// For a guarded edit that just took `text` (`typed`: by a key typed at
    /// its end): true when the change operation is to take it. A refused
    /// text sets the edit's mark and throws its error when the mark was not
    /// yet set.
    bool Taken(EditId id, const std::string& text, bool typed = false);
    /// The initial bet in force for the text `text` of `Init_Bet`.
    bool TryInitialBet(const std::string& text, double& out) const;
    /// The same, rounded to cents.
    bool TryInitialBetInCents(const std::string& text, double& out) const;
    /// The text of `Init_Bet` changed: the next reading converts it again.
    void InitialBetTextChanged() { cache_valid_ = false; }

private:
    // The display refresh reads the initial bet a hundred times a second.
    mutable double cache_value_ = 0;
    mutable double cache_cents_ = 0;
    mutable bool cache_ok_ = false;
    mutable bool cache_valid_ = false;

    bool init_bet_refused_ = false;
    bool test_bank_refused_ = false;
    bool not_yet_ = false;  // the initial bet's refused text is a typed 0 on its way to a stake
    double init_bet_in_force_ = 1;
};

}  // namespace rotacle
