// The Rotacle engine: the window's model around the game.
//
// `Engine` is the game (`Game`, every rule of play) as the main window shows
// it. It adds the window's own state (`Chrome`: hover looks, the focus
// request, the window's size and the settings cover, minimised and closed)
// and the window's events by their names: each turns the event into the
// game's operations in their fixed order.
#pragma once

#include <string>

#include "display/chrome.h"
#include "game/game.h"

namespace rotacle {

class Engine : public Game, private GameWindow {
public:
    /// Creates the window state at its defaults and runs the start-up.
    explicit Engine(Platform& platform);

    // ---- The number board and the bet -------------------------------------

    /// Entry operation of number n (0..36): stores n and runs `Analyse`.
    void NumberClick(int n) { EnterNumber(n); }
    /// Click of the undo command's hover picture.
    void Image_Cancel2Click() { UndoSpin(); }
    /// Skip the shown bet (click of the skip command's hover picture).
    void Image_SkipBet2Click() { SkipBet(); }

    // ---- Trend filter (family of 18 handlers, field index 0..5) ----------

    void Trend_0MouseMove(int field) { chrome_.HoverTrend(field); }
    void Trend_1Click(int field) { ChooseTrend(field); }
    void Trend_2Click(int field) { ClearTrend(field); }

    // ---- Import panel and history export -----------------------------------

    /// Opens the import panel (only while no progress run is under way).
    void Image_Import2Click() { OpenImportPanel(); }
    /// Click of the paste command's hover picture (swallowed by its busy cover).
    void Image_PasteFromEvolution2Click() { PastePage(); }
    void Image_LoadFromFile2Click() { LoadNumberFile(); }
    /// IMPORT: checks every line of `Import_List`, then replaces the history.
    void Button_ProcessClick() { ImportListedNumbers(); }
    void Image_ClosePanel2Click() { CloseImportPanel(); }
    /// Export of the history through the save dialog.
    void Image_Export2Click() { ExportHistoryByDialog(); }

    // ---- Window chrome ------------------------------------------------------

    void Disable_HoversClick() { chrome_.ResetHovers(); }
    /// Hover of a command's normal picture: hover reset, then its hover picture.
    void CommandMouseMove(Command c) { chrome_.HoverCommand(c); }
    /// Hover of number cell n.
    void ImageMouseMove(int n) { chrome_.HoverCell(n); }
    void Image_Settings2Click();
    void Image_Settings3Click();
    /// Minimise the window (its hover picture's click).
    void Button_Minimize_2Click() { chrome_.SetMinimized(true); }
    /// End the program at once; nothing is saved or asked.
    void Button_Close_HoverClick() { chrome_.RequestClose(); }
    /// The window manager minimised or restored the window.
    void SetWindowMinimized(bool minimized) { chrome_.SetMinimized(minimized); }
    /// The control the game asked to have the keyboard focus ("" for none);
    /// the request is handed over once.
    std::string TakeFocusRequest() { return chrome_.TakeFocus(); }
    /// Hover looks, focus request and the window's size and state.
    const rotacle::Chrome& Chrome() const { return chrome_; }

private:
    void FormCreate();

    // What the game asks of its window.
    void RequestFocus(std::string_view control) override { chrome_.RequestFocus(control); }
    void ImportPanelShown(bool shown) override;
    bool CellHoverShown(int n) const override;

    /// The window's state for the tests' builder of states (tests/support).
    friend class EngineTestAccess;

    rotacle::Chrome chrome_;
};

}  // namespace rotacle
