// The window's chrome: hover looks, the keyboard focus the engine asks for,
// the window's height and state, and the greyed-out group. None of it takes
// part in the game; the rules never read it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/controls.h"
#include "core/ids.h"
#include "display/geometry.h"

namespace rotacle {

/// Colours and states of the inactive "UP-TRENDER SETTINGS:" group.
struct InactiveGroup {
    Color GroupBox1_FontColour = 0xC0C0C0;
    Color Label28_FontColour = 0xC0C0C0;
    Color Label29_FontColour = 0xC0C0C0;
    Color On_Wins_Colour = 0xFFFFFF;
    Color Add_To_Bet_Colour = 0xFFFFFF;
    bool On_Wins_Enabled = true;
    bool Add_To_Bet_Enabled = true;
};

class Chrome {
public:
    Chrome();

    /// Hover pictures of the commands (`Image_Import2`, `Image_Export2` ...).
    const std::array<Picture, kCommandCount>& CommandHover() const { return command_hover_; }
    /// Hover looks of the number cells.
    const std::array<Picture, 37>& Image_Act() const { return cell_hover_; }
    /// Hover looks of the trend buttons.
    const std::array<Picture, 6>& Trend_1() const { return trend_hover_; }
    /// The picture that covers the settings command while the area is open.
    const Picture& Image_Settings3() const { return settings_cover_; }
    /// The control the engine gives the keyboard focus to ("" for none).
    const std::string& Focus() const { return focus_; }
    std::int32_t ClientHeight() const { return client_height_; }
    std::int32_t ClientWidth() const { return client_width_; }
    bool Minimized() const { return minimized_; }
    bool CloseRequested() const { return close_requested_; }
    const InactiveGroup& UpTrenderGroup() const { return group_; }

    /// Every hover look back to normal.
    void ResetHovers();
    void HoverCommand(Command c);
    void HoverCell(int n);
    void HoverTrend(int field);
    void SetClientHeight(std::int32_t height) { client_height_ = height; }
    void SetClientWidth(std::int32_t width) { client_width_ = width; }
    void ShowSettingsCover(bool shown) { settings_cover_.Visible = shown; }
    void RequestFocus(std::string_view control) { focus_.assign(control); }
    /// The focus request, handed over once: the request is cleared.
    std::string TakeFocus();
    void SetMinimized(bool minimized) { minimized_ = minimized; }
    void RequestClose() { close_requested_ = true; }
    /// Greys out the "UP-TRENDER SETTINGS:" group for good.
    void GreyUpTrenderGroup();

private:
    std::array<Picture, kCommandCount> command_hover_{};
    std::array<Picture, 37> cell_hover_{};
    std::array<Picture, 6> trend_hover_{};
    Picture settings_cover_{false};
    std::string focus_;
    std::int32_t client_height_ = 728;
    std::int32_t client_width_ = 1305;
    bool minimized_ = false;
    bool close_requested_ = false;
    InactiveGroup group_;
};

}  // namespace rotacle
