// The import panel: page paste, number files, the import run, and the
// history export.
#include <unistd.h>

#include <filesystem>

#include "core/text_file.h"
#include "game/action_scope.h"
#include "game/game.h"
#include "import/number_file.h"
#include "import/page_text.h"

namespace rotacle {

namespace {

constexpr const char* kPageFileName = "evolution.html";

FileDialogSpec NumberFileDialog(bool save) { return FileDialogSpec{"Text File (*.txt)|*.txt", "txt", save}; }

// The numbers of the listed lines, every line checked; the message of a bad
// one names the line: in a long file the text alone does not find it.
std::vector<std::uint8_t> CheckedNumbers(const LineList& lines) {
    std::size_t bad_line = 0;
    try {
        return RouletteNumbers(lines, &bad_line);
    } catch (const ConvertError& e) {
        throw ConvertError(Message{MessageKind::ImportLine,
                                   {IntToStr(static_cast<std::int64_t>(bad_line + 1))},
                                   std::make_shared<const Message>(e.Message())});
    }
}

}  // namespace

bool Game::ProgressRunUnderWay() const {
    // Engine_Ready alone does not tell: mode 2 clears it only at the first
    // tick of its run, and modes 4 and 5 never do.
    for (TimerId id : kModeTimers)
        if (TimerControl(id).Enabled) return true;
    return state_.Engine_Ready != 1;
}

void Game::OpenImportPanel() {
    if (ProgressRunUnderWay()) return;
    if (window_) window_->ImportPanelShown(true);
    panel_.Show();
}

std::string Game::PageFilePath() const {
    namespace fs = std::filesystem;
    const std::string folder = platform_.ProgramFolder();
    if (::access(folder.c_str(), W_OK) == 0) return (fs::path(folder) / kPageFileName).string();
    return (fs::path(platform_.AppDataFolder()) / kPageFileName).string();
}

void Game::EVOLUTIONClick() {
    panel_.ShowBusy();
    panel_.SetPage(platform_.ClipboardText());
    const std::string path = PageFilePath();
    try {
        WriteTextAtomic(path, panel_.Import_html());
    } catch (const FileError&) {
        // Without the page there is nothing to wait for: give the commands back.
        panel_.EndBusy();
        throw;
    }
    panel_.SetPageFile(path);
    StartTimer(TimerId::Timer_Evolution);
}

void Game::PastePage() {
    if (panel_.Panel_Import().Visible && !panel_.Image_PasteFromEvolution3().Visible) EVOLUTIONClick();
}

void Game::Timer_EvolutionTimer() {
    panel_.ClearRawList();
    std::string text;
    try {
        text = ReadPageText(panel_.Page_File());
    } catch (const FileError&) {
        // The saved page is read at once; trying again every two seconds
        // would only repeat the message. The player can paste again.
        StopTimer(TimerId::Timer_Evolution);
        panel_.EndBusy();
        throw;
    }
    panel_.ReadPage(SplitLines(text));
    StopTimer(TimerId::Timer_Evolution);
    panel_.EndBusy();
}

void Game::ParseRawList() { panel_.ParseRawList(); }

void Game::LOAD_FROM_FILEClick() {
    const auto path = platform_.OpenFileDialog(NumberFileDialog(false));
    if (!path) return;
    const std::string text = ReadFileText(*path);  // an unreadable file leaves the list as it was
    LineList lines = NumberFileLines(text);
    // The whole file is checked before the panel offers it: a bad line is
    // told now, not after the player has agreed to give up the history.
    CheckedNumbers(lines);
    panel_.SetImportList(std::move(lines));
}

void Game::LoadNumberFile() {
    if (panel_.Panel_Import().Visible && !panel_.Image_LoadFromFile3().Visible) LOAD_FROM_FILEClick();
}

void Game::ImportListedNumbers() {
    if (!panel_.Button_Process().Enabled) return;
    // Checked again before anything changes, so that no list, whatever
    // filled it, can cost the player the history.
    ImportNumbers(CheckedNumbers(panel_.Import_List()));
}

void Game::ImportNumbers(const std::vector<std::uint8_t>& numbers) {
    const ActionScope action(*this, [&] {
        std::string line = "import";
        for (const std::uint8_t n : numbers) {
            line += ' ';
            line += IntText(n).view();
        }
        return line;
    });
    const NewHistoryNote note(*this);
    board_.ClearHistory();
    // The strip shows the end of the history: a shorter series than the
    // strip holds must not leave numbers of the replaced history beside it.
    board_.ClearStrip();
    if (AnyChipVisible()) SkipBet();
    state_.Matrix_Pending = 1;
    panel_.StartProgress(CountOf(numbers.size()));

    // Recording every number runs CurrentNumber, GameHistory and DeepScan_Calc
    // in turn. Only the final window length and the last nine strip pushes
    // outlive the loop, so those are done once at the end with the same result.
    board_.Append(numbers);
    state_.Spins_Count = CountPlus(state_.Spins_Count, numbers.size());
    std::int32_t number = state_.DeepScan_Number, step = state_.DeepScan_Step,
                 family = state_.DeepScan_Family;
    for (const std::uint8_t n : numbers) DeepScanStep(number, step, family, n);
    state_.DeepScan_Number = number;
    state_.DeepScan_Step = step;
    state_.DeepScan_Family = family;
    if (!numbers.empty()) board_.SetCurrentNumber(numbers.back());
    if (!inputs_.ChBx_Fixed_Number.Checked && !numbers.empty())
        SetSpinValue(SpinId::N_Count, CountOf(board_.NumbersList().size()));
    const std::size_t pushes = std::min<std::size_t>(numbers.size(), rotacle::Board::kStripSlots);
    for (std::size_t i = numbers.size() - pushes; i < numbers.size(); ++i) {
        board_.SetCurrentNumber(numbers[i]);
        GameHistory();
    }
    panel_.FinishProgress();
    // The undo snapshot belongs to a spin that the import has replaced: an
    // undo now would take back an imported number but restore the bankroll
    // of before that spin. The offer ends; the next spin offers undo again.
    state_.Undo_Counter = 1;
    board_.WithdrawUndo();
    CloseImportPanel();
    if (journal_.Happenings()) {
        PlayEvent imported;
        imported.count = static_cast<std::int64_t>(numbers.size());
        journal_.NoteHappening(PlayEventKind::Imported, imported);
    }
}

void Game::CloseImportPanel() {
    if (window_) window_->ImportPanelShown(false);
    panel_.Hide();
}

void Game::ExportHistoryByDialog() {
    if (ProgressRunUnderWay()) return;
    const auto path = platform_.SaveFileDialog(NumberFileDialog(true));
    if (!path) return;
    ExportHistory(*path);
}

void Game::ExportHistory(const std::string& path) const {
    WriteTextAtomic(path, HistoryText(board_.NumbersList()));
}

}  // namespace rotacle
