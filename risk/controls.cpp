#include <limits>

#include "core/convert.h"
#include "core/ids.h"
#include "engine/engine.h"
#include "risk/risk.h"

namespace rotacle::risk {

void ApplyControl(Engine& e, std::optional<std::string>& message, const ControlValue& c) {
    const std::string& v = c.value;
    const auto bad = [&](const std::string& why) {
        return InputError(c.name + ": '" + QuoteText(v) + "' " + why);
    };
    const auto whole = [&](std::int32_t lo, std::int32_t hi) {
        std::int32_t n = 0;
        const std::string range = "is out of range " + std::to_string(lo) + ".." + std::to_string(hi);
        if (!TryStrToInt(v, n)) {
            // Digits too many for 32 bits are a whole number out of range.
            const std::string_view digits = std::string_view(v).substr(!v.empty() && v[0] == '-' ? 1 : 0);
            const bool whole_number =
                !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
            throw bad(whole_number ? range : "is not a whole number");
        }
        if (n < lo || n > hi) throw bad(range);
        return n;
    };
    message.reset();
    if (const auto edit = EditByName(c.name)) {
        double amount = 0;
        if (!TryStrToFloat(v, amount)) throw bad("is not a number");
        e.Event([&] { e.SetEditText(*edit, v); });
    } else if (const auto spin = SpinByName(c.name)) {
        const SpinEdit& control = e.SpinControl(*spin);
        const std::int32_t n = control.HasLimits() ? whole(control.MinValue, control.MaxValue)
                                                   : whole(std::numeric_limits<std::int32_t>::min(),
                                                           std::numeric_limits<std::int32_t>::max());
        e.Event([&] { e.SetSpinValue(*spin, n); });
    } else if (c.name == "SafeLevel") {
        const std::int32_t n = whole(0, 10);
        e.Event([&] { e.SetSafeLevelPosition(n); });
    } else if (const auto check = CheckByName(c.name)) {
        if (v != "0" && v != "1") throw bad("is not 0 or 1");
        e.Event([&] { e.SetChecked(*check, v == "1"); });
    } else if (const auto combo = ComboByName(c.name)) {
        if (*combo == ComboId::GameModes) throw InputError("GameModes: the game mode is the sweep's --mode");
        const auto& items = e.ComboControl(*combo).Items;
        std::int32_t index = -1;
        for (std::size_t k = 0; k < items.size(); ++k)
            if (items[k] == v) index = static_cast<std::int32_t>(k);
        if (index < 0) index = whole(0, static_cast<std::int32_t>(items.size()) - 1);
        e.Event([&] { e.SelectItem(*combo, index); });
    } else if (c.name == "trend") {
        if (v != "none") {
            const auto field = FieldByName(v);
            if (!field) throw bad("is no trend field (Less, Even, Red, Black, Odd, More or none)");
            e.Event([&] { e.ChooseTrend(*field); });
        }
    } else {
        throw InputError("unknown control '" + QuoteText(c.name) + "'");
    }
    if (message) throw bad("is refused: " + *message);
}

}  // namespace rotacle::risk
