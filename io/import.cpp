// The import panel: page paste, number files, the import run, and the
// history export.
#include <unistd.h>

#include <filesystem>

#include "core/engine.h"
#include "io/number_file.h"
#include "io/text_file.h"

namespace rotacle {

namespace {

constexpr const char* kPageFileName = "evolution.html";

FileDialogSpec NumberFileDialog(bool save) { return FileDialogSpec{"Text File (*.txt)|*.txt", "txt", save}; }

// The roulette number of an exact text "0" .. "36", or -1.
int RouletteNumber(std::string_view line) {
    if (line.empty() || line.size() > 2) return -1;
    if (line.size() == 2 && line[0] == '0') return -1;
    int n = 0;
    for (char c : line) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n <= 36 ? n : -1;
}

}  // namespace

LineList NumberFileLines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    return LineList::Split(text);
}

std::vector<std::uint8_t> RouletteNumbers(const LineList& lines, std::size_t* bad_line) {
    std::vector<std::uint8_t> numbers;
    numbers.reserve(lines.size());
    for (const std::string_view line : lines) {
        int n = RouletteNumber(line);
        if (n < 0) {
            if (bad_line) *bad_line = numbers.size();
            // Not a plain "0".."36": a whole number in another spelling
            // ("+5", "007") still counts; anything else is reported.
            const std::int32_t v = StrToInt(line);
            if (v < 0 || v > 36)
                throw ConvertError("'" + QuoteText(line) + "' is not a roulette number (0 to 36)");
            n = v;
        }
        numbers.push_back(static_cast<std::uint8_t>(n));
    }
    return numbers;
}

void Engine::UpdateImportButton() {
    // The button always tells what a click would import.
    if (Import_List.empty()) {
        Button_Process.Caption = "IMPORT";
        Button_Process.Enabled = false;
    } else {
        Button_Process.Caption = "IMPORT (" + IntToStr(static_cast<std::int64_t>(Import_List.size())) + ")";
        Button_Process.Enabled = true;
    }
}

void Engine::EndPasteBusyLook() {
    Image_PasteFromEvolution3.Visible = false;
    Image_LoadFromFile3.Visible = false;
}

bool Engine::ProgressRunUnderWay() const {
    // Engine_Ready alone does not tell: mode 2 clears it only at the first
    // tick of its run, and modes 4 and 5 never do.
    for (TimerId id : kModeTimers)
        if (TimerControl(id).Enabled) return true;
    return State.Engine_Ready != 1;
}

void Engine::Image_Import2Click() {
    if (ProgressRunUnderWay()) return;
    ClientHeight = kClosedHeight;
    Image_Settings3.Visible = false;
    Panel_Import.Visible = true;
    // A full bar left from the last import would read as work already done.
    ProgressBar2.Position = 0;
}

std::string Engine::PageFilePath() const {
    namespace fs = std::filesystem;
    const std::string folder = platform_.ProgramFolder();
    if (::access(folder.c_str(), W_OK) == 0) return (fs::path(folder) / kPageFileName).string();
    return (fs::path(platform_.AppDataFolder()) / kPageFileName).string();
}

void Engine::EVOLUTIONClick() {
    Image_PasteFromEvolution3.Visible = true;
    Image_LoadFromFile3.Visible = true;
    Import_html = platform_.ClipboardText();
    const std::string path = PageFilePath();
    try {
        WriteTextAtomic(path, Import_html);
    } catch (const FileError&) {
        // Without the page there is nothing to wait for: give the commands back.
        EndPasteBusyLook();
        throw;
    }
    Page_File = path;
    StartTimer(TimerId::Timer_Evolution);
}

void Engine::Image_PasteFromEvolution2Click() {
    if (Panel_Import.Visible && !Image_PasteFromEvolution3.Visible) EVOLUTIONClick();
}

void Engine::Timer_EvolutionTimer() {
    Raw_List.clear();
    std::string text;
    try {
        text = platform_.RenderPageText(Page_File);
    } catch (const FileError&) {
        // The saved page is read at once; trying again every two seconds
        // would only repeat the message. The player can paste again.
        StopTimer(TimerId::Timer_Evolution);
        EndPasteBusyLook();
        throw;
    }
    Raw_List = SplitLines(text);
    ParseRawList();
    UpdateImportButton();
    StopTimer(TimerId::Timer_Evolution);
    EndPasteBusyLook();
}

void Engine::SuffixStrip(std::string& line) {
    if (line.empty() || line.back() != 'x') return;
    line.pop_back();
    while (!line.empty() && line.back() == '0') line.pop_back();
    if (!line.empty()) line.pop_back();
}

void Engine::ParseRawList() {
    Import_List.clear();
    for (std::size_t i = Raw_List.size(); i-- > 0;) {
        SuffixStrip(Raw_List[i]);
        if (RouletteNumber(Raw_List[i]) >= 0) Import_List.push_back(Raw_List[i]);
    }
}

void Engine::LOAD_FROM_FILEClick() {
    const auto path = platform_.OpenFileDialog(NumberFileDialog(false));
    if (!path) return;
    const std::string text = ReadFileText(*path);  // an unreadable file leaves the list as it was
    Import_List = NumberFileLines(text);
    UpdateImportButton();
}

void Engine::Image_LoadFromFile2Click() {
    if (Panel_Import.Visible && !Image_LoadFromFile3.Visible) LOAD_FROM_FILEClick();
}

void Engine::Button_ProcessClick() {
    if (!Button_Process.Enabled) return;
    // Every line is checked before anything changes, so a bad file cannot
    // cost the player the history.
    const std::vector<std::uint8_t> numbers = RouletteNumbers(Import_List);

    NumbersList.clear();
    if (AnyChipVisible()) Image_SkipBet2Click();
    State.Matrix_Pending = 1;
    ProgressBar2.Position = 0;
    ProgressBar2.MaxValue = CountOf(numbers.size());

    // Recording every number runs CurrentNumber, GameHistory and DeepScan_Calc
    // in turn. Only the final window length and the last nine strip pushes
    // outlive the loop, so those are done once at the end with the same result.
    NumbersList.insert(NumbersList.end(), numbers.begin(), numbers.end());
    State.Spins_Count = CountPlus(State.Spins_Count, numbers.size());
    std::int32_t number = State.DeepScan_Number, step = State.DeepScan_Step, family = State.DeepScan_Family;
    for (const std::uint8_t n : numbers) DeepScanStep(number, step, family, n);
    State.DeepScan_Number = number;
    State.DeepScan_Step = step;
    State.DeepScan_Family = family;
    if (!numbers.empty()) CurrentNum.Tag = numbers.back();
    if (!ChBx_Fixed_Number.Checked && !numbers.empty())
        SetSpinValue(SpinId::N_Count, CountOf(NumbersList.size()));
    const std::size_t pushes = std::min<std::size_t>(numbers.size(), HisNum.size());
    for (std::size_t i = numbers.size() - pushes; i < numbers.size(); ++i) {
        CurrentNum.Tag = numbers[i];
        GameHistory();
    }
    ProgressBar2.Position = ProgressBar2.MaxValue;
    // The undo snapshot belongs to a spin that the import has replaced: an
    // undo now would take back an imported number but restore the bankroll
    // of before that spin. The offer ends; the next spin offers undo again.
    State.Undo_Counter = 1;
    WithdrawUndo();
    Image_ClosePanel2Click();
}

void Engine::Image_ClosePanel2Click() {
    ClientHeight = kClosedHeight;
    Panel_Import.Visible = false;
    Import_List.clear();
    UpdateImportButton();
}

void Engine::Image_Export2Click() {
    if (ProgressRunUnderWay()) return;
    const auto path = platform_.SaveFileDialog(NumberFileDialog(true));
    if (!path) return;
    ExportHistory(*path);
}

void Engine::ExportHistory(const std::string& path) const {
    std::string text;
    text.reserve(NumbersList.size() * 4);
    for (const std::uint8_t n : NumbersList) {
        if (n >= 10) text += static_cast<char>('0' + n / 10);
        text += static_cast<char>('0' + n % 10);
        text += "\r\n";
    }
    WriteTextAtomic(path, text);
}

}  // namespace rotacle
