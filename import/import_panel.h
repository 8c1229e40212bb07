// The import panel: the page pasted from the live casino, the numbers read
// from it or from a number file and waiting for IMPORT, the IMPORT command
// and its progress bar, and the busy covers of the paste and load commands.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/controls.h"
#include "core/line_list.h"

namespace rotacle {

class ImportPanel {
public:
    const Picture& Panel_Import() const { return panel_; }
    /// The clipboard text saved as the page.
    const std::string& Import_html() const { return page_; }
    /// Lines of the rendered page, as the last paste left them.
    const Memo& Raw_List() const { return raw_; }
    /// Numbers waiting for IMPORT, oldest first.
    const LineList& Import_List() const { return waiting_; }
    const Button& Button_Process() const { return process_; }
    const Gauge& ProgressBar2() const { return progress_; }
    /// Where the last paste was saved.
    const std::string& Page_File() const { return page_file_; }
    /// Busy covers of the paste and load commands.
    const Picture& Image_PasteFromEvolution3() const { return paste_cover_; }
    const Picture& Image_LoadFromFile3() const { return load_cover_; }
    bool Open() const { return panel_.Visible; }

    /// Strips a trailing "x", then trailing zeros, then one more character
    /// ("17500x" -> "17", "32x" -> "3"); a line without a final "x" is kept.
    static void SuffixStrip(std::string& line);

    /// Shows the panel with an empty progress bar.
    void Show();
    /// Hides the panel and forgets the waiting numbers.
    void Hide();
    /// The paste and load commands covered while a page is read.
    void ShowBusy();
    void EndBusy();
    void SetPage(std::string html) { page_ = std::move(html); }
    void SetPageFile(std::string path) { page_file_ = std::move(path); }
    /// Replaces the page's lines, reads the numbers from them and updates
    /// the IMPORT command.
    void ReadPage(Memo lines);
    /// Replaces the page's lines as they stand.
    void SetRawList(Memo lines) { raw_ = std::move(lines); }
    void ClearRawList() { raw_.clear(); }
    /// Fills `Import_List` from `Raw_List`, last line first, keeping the lines
    /// that are a roulette number after the suffix strip.
    void ParseRawList();
    /// Replaces the waiting numbers.
    void SetImportList(LineList lines);
    void StartProgress(std::int32_t steps);
    void FinishProgress() { progress_.Position = progress_.MaxValue; }

private:
    /// The IMPORT command tells what a click would import.
    void UpdateButton();

    Picture panel_{false};
    std::string page_;
    Memo raw_;
    LineList waiting_;
    Button process_{false, true, "IMPORT"};
    Gauge progress_;
    std::string page_file_;
    Picture paste_cover_{false};
    Picture load_cover_{false};
};

}  // namespace rotacle
