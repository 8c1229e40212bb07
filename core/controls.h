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
/// means no limits). Its number is read on every spin, so it is kept
/// converted; a text set as a number is made only when it is read.
class SpinEdit {
public:
    std::int32_t MinValue = 0;
    std::int32_t MaxValue = 0;
    bool Enabled = true;
    bool ReadOnly = false;

    bool HasLimits() const { return MinValue != 0 || MaxValue != 0; }
    std::int32_t Clamp(std::int32_t v) const {
        if (!HasLimits()) return v;
        return v < MinValue ? MinValue : (v > MaxValue ? MaxValue : v);
    }
    const std::string& Text() const {
        if (text_stale_) {
            text_.assign(IntText(number_));
            text_stale_ = false;
        }
        return text_;
    }
    /// The text as typed or loaded.
    void SetText(std::string_view text) {
        text_.assign(text);
        text_stale_ = false;
        is_number_ = TryStrToInt(text_, number_);
        plain_ = is_number_ && std::string_view(IntText(number_)) == text_;
    }
    /// The text of a number, as the program writes it.
    void SetNumber(std::int32_t v) {
        number_ = v;
        is_number_ = plain_ = text_stale_ = true;
    }
    /// True when the text is exactly the one SetNumber(v) writes.
    bool Shows(std::int32_t v) const { return plain_ && number_ == v; }
    /// The number in the text; the lower limit when the text is no number.
    std::int32_t Value() const { return is_number_ ? number_ : MinValue; }
    /// True when the text is neither empty nor a single space, the test
    /// that every change handler of a spin edit applies before it reads it.
    bool HasText() const {
        if (plain_) return true;
        return HasEntry(text_);
    }

private:
    mutable std::string text_;
    mutable bool text_stale_ = false;
    std::int32_t number_ = 0;
    bool is_number_ = false;
    bool plain_ = false;  // the text is the number written plainly
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
