// The money edits' guard.
#include "game/amount_guard.h"

#include "core/convert.h"

namespace rotacle {

void AmountGuard::CheckMoneyText(EditId id, std::string_view text) {
    CheckAmount(text, id == EditId::Init_Bet ? 0.0 : -kMaxAmount);
    // A stake is whole cents: an initial bet that comes to none would put
    // stakes of 0 on the table.
    if (double value = 0; id == EditId::Init_Bet && TryStrToFloat(text, value) && RoundToCents(value) == 0)
        throw MessageError<ConvertError>(MessageKind::AmountTooSmall, QuoteText(text), "0.01");
}

bool AmountGuard::NoStakeYet(std::string_view text) {
    const std::size_t point = text.find('.');
    const bool zeros = !text.empty() && text.find_first_not_of("0.") == std::string_view::npos;
    return zeros && (point == std::string_view::npos || text.size() - point <= 2);
}

std::optional<ConvertError> AmountGuard::AmountError(EditId id, const std::string& text) {
    try {
        if (double value = 0; TryStrToFloat(text, value))
            CheckMoneyText(id, text);
        else if (Usable(text))
            StrToFloat(text);  // throws the conversion error
    } catch (const ConvertError& e) {
        return e;
    }
    // A text that the change operation passes over (empty, or starting with
    // the point) is no refusal: it is simply not taken.
    return std::nullopt;
}

bool AmountGuard::Taken(EditId id, const std::string& text, bool typed) {
    bool& refused = id == EditId::Init_Bet ? init_bet_refused_ : test_bank_refused_;
    // A typed 0 on its way to 0.5 is only not taken yet: no message, and the
    // next text that is no amount still has its own.
    const bool refused_before = refused && !(id == EditId::Init_Bet && not_yet_);
    if (id == EditId::Init_Bet) not_yet_ = false;
    const std::optional<ConvertError> error = AmountError(id, text);
    refused = error.has_value();
    if (id == EditId::Init_Bet) {
        cache_valid_ = false;
        double value = 0;
        if (!refused && Usable(text) && TryStrToFloat(text, value)) init_bet_in_force_ = value;
    }
    if (typed && id == EditId::Init_Bet && NoStakeYet(text)) {
        refused = not_yet_ = true;
        return false;
    }
    // One message when the text turns bad; the keys that follow, on the way
    // back to an amount, say nothing more.
    if (refused && !refused_before) throw ConvertError(*error);
    return !refused;
}

bool AmountGuard::TryInitialBet(const std::string& text, double& out) const {
    if (!cache_valid_) {
        if (init_bet_refused_) {
            cache_ok_ = true;
            cache_value_ = init_bet_in_force_;
        } else {
            cache_ok_ = TryStrToFloat(text, cache_value_);
        }
        if (cache_ok_) cache_cents_ = RoundToCents(cache_value_);
        cache_valid_ = true;
    }
    if (cache_ok_) out = cache_value_;
    return cache_ok_;
}

bool AmountGuard::TryInitialBetInCents(const std::string& text, double& out) const {
    double value = 0;
    if (!TryInitialBet(text, value)) return false;
    out = cache_cents_;
    return true;
}

}  // namespace rotacle
