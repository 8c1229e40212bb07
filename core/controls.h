// Plain data of the window's controls as the engine keeps them.
//
// The engine owns what the window shows: visibility, enabled state, texts,
// values and list lines. The view renders these records and reports events;
// it never decides anything itself. Colours are kept as the window's colour
// numbers (0x00BBGGRR: 128 is maroon, 32768 is green).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/convert.h"

namespace rotacle {

/// Colour number as the window stores it: blue in bits 16..23, green in
/// 8..15, red in 0..7.
using Color = std::uint32_t;

constexpr Color Rgb(int r, int g, int b) {
    return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}

/// A picture, shape or other control that has only a visibility.
struct Picture {
    bool Visible = true;
};

/// A button: enabled state, visibility and caption.
struct Button {
    bool Enabled = true;
    bool Visible = true;
    std::string Caption;
};

struct Label {
    std::string Caption;
    bool Visible = true;
    Color Colour = 0;      ///< background (strip) or font colour, as the label uses it
    std::int32_t Tag = 0;  ///< data carried in the tag
};

/// Single-line text edit.
struct Edit {
    std::string Text;
    bool Enabled = true;
    bool ReadOnly = false;
};

/// Spin edit: an integer edit with optional limits (MinValue == MaxValue == 0
/// means no limits).
struct SpinEdit {
    std::string Text;
    std::int32_t MinValue = 0;
    std::int32_t MaxValue = 0;
    bool Enabled = true;
    bool ReadOnly = false;

    bool HasLimits() const { return MinValue != 0 || MaxValue != 0; }
    std::int32_t Clamp(std::int32_t v) const {
        if (!HasLimits()) return v;
        return v < MinValue ? MinValue : (v > MaxValue ? MaxValue : v);
    }
    /// The number in the text; the lower limit when the text is no number.
    std::int32_t Value() const {
        std::int32_t v = 0;
        return TryStrToInt(Text, v) ? v : MinValue;
    }
    /// True when the text is neither empty nor a single space, the test
    /// that every change handler of a spin edit applies before it reads it.
    bool HasText() const { return !Text.empty() && Text != " "; }
};

struct CheckBox {
    bool Checked = false;
    bool Enabled = true;
};

/// Drop-down list. `ItemIndex` -1 means no item selected and an empty text.
struct ComboBox {
    std::vector<std::string> Items;
    std::int32_t ItemIndex = 0;
    bool Enabled = true;
    Color Colour = 0;
    Color FontColour = 0;

    std::string_view Text() const {
        if (ItemIndex < 0 || ItemIndex >= static_cast<std::int32_t>(Items.size())) return {};
        return Items[static_cast<std::size_t>(ItemIndex)];
    }
    /// Sets the index; an index outside the list leaves no item selected.
    void SetItemIndex(std::int32_t index) {
        ItemIndex = (index >= 0 && index < static_cast<std::int32_t>(Items.size())) ? index : -1;
    }
};

struct TrackBar {
    std::int32_t Position = 0;
    std::int32_t Min = 0;
    std::int32_t Max = 10;
};

/// Progress bar or gauge.
struct Gauge {
    std::int32_t Position = 0;
    std::int32_t MaxValue = 100;
};

/// Timer as data; the view or the session driver runs real or virtual time.
struct Timer {
    bool Enabled = false;
    std::int32_t Interval = 1000;
};

/// Multi-line text list.
using Memo = std::vector<std::string>;

}  // namespace rotacle
