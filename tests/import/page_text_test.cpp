// Page to text: what a saved history page reads as through the page reader,
// and that no reader, however it fails, ends or stalls the program.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include "core/convert.h"
#include "core/text_file.h"
#include "import/import_panel.h"
#include "import/page_text.h"

namespace rotacle {
namespace {

namespace fs = std::filesystem;

fs::path Scratch() {
    const fs::path dir = fs::path(ROTACLE_TEST_SCRATCH) / "page_text";
    fs::create_directories(dir);
    return dir;
}

fs::path WritePage(const std::string& name, const std::string& text) {
    const fs::path path = Scratch() / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

/// The message of the FileError that `read` throws, or "" when it throws none.
template <class Read>
std::string ErrorOf(Read&& read) {
    try {
        read();
    } catch (const FileError& e) {
        return e.what();
    }
    return "";
}

// --- The page as a browser lays it out -----------------------------------------

struct Row {
    const char* name;
    const char* html;
    const char* text;
};

class Reads : public ::testing::TestWithParam<Row> {};

TEST_P(Reads, AsABrowserShowsIt) {
    const fs::path page = WritePage(std::string(GetParam().name) + ".html", GetParam().html);
    EXPECT_EQ(ReadPageText(page.string()), GetParam().text) << GetParam().html;
}

INSTANTIATE_TEST_SUITE_P(
    Layout, Reads,
    ::testing::Values(
        Row{"BlocksAndInline", "<div>17</div><p>5</p><div><span>3</span><span>2x</span></div>1<br>29",
            "17\n\n5\n\n32x\n1\n29"},
        Row{"StyleSheetHides", "<style>.m{display:none}</style><div class=m>7</div><div>8</div>", "8"},
        Row{"DesktopWindow", "<style>@media (max-width:1000px){.d{display:none}}</style><div class=d>9</div>",
            "9"},
        Row{"FlexItemsOwnLines", "<div style=display:flex><span>1</span><span>2</span></div>", "1\n2"},
        Row{"TableCellsJoinedByTabs", "<table><tr><td>17</td><td>4</td></tr><tr><td>5</td></tr></table>",
            "17\t4\n5"},
        Row{"NoBreakSpaceKept", "<div>17&nbsp;</div>", "17\xC2\xA0"},
        Row{"TextTransform", "<div style=text-transform:uppercase>500x</div>", "500X"},
        Row{"SelectOptionsAreLines", "<select><option>1<option>2</select>", "1\n2"},
        Row{"ScriptsDoNotRun", "<script>document.write('<div>5</div>')</script><div>7</div>", "7"},
        Row{"NoscriptHidden", "<div>7</div><noscript><div>9</div></noscript>", "7"},
        // What a canvas holds shows only where it cannot be drawn; a canvas
        // laid out as a block still parts the lines around it.
        Row{"CanvasFallbackHidden",
            "<div>7</div><canvas>12</canvas><div>8</div><canvas><div>13</div><p>14</p></canvas>"
            "a<canvas style=display:block><span>9</span></canvas>b",
            "7\n8\na\nb"},
        Row{"EmptyPages", "", ""}, Row{"NoBody", "<frameset><frame src=a.html></frameset>", ""},
        Row{"DeepNesting",
            "<div><div><div><div><div><div><div><div><div>4</div></div></div></div></div></div>"
            "</div></div></div>",
            "4"}),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

TEST(ReadPageText, RequestsBeyondThePageAreRefused) {
    // A style sheet beside the page would hide the number; it is never fetched.
    WritePage("hide.css", ".n { display: none; }");
    const fs::path page =
        WritePage("linked.html", "<link rel=stylesheet href=hide.css><div class=n>17</div>");
    EXPECT_EQ(ReadPageText(page.string()), "17");
}

// --- The saved pages of tests/data/pages ---------------------------------------

std::string Fixture(const std::string& name) { return std::string(ROTACLE_TEST_DATA) + "/pages/" + name; }

/// The numbers a pasted page offers for import, in import order.
LineList Numbers(const std::string& text) {
    ImportPanel panel;
    panel.ReadPage(SplitLines(text));
    return panel.Import_List();
}

TEST(ReadPageText, Fixtures) {
    struct Page {
        const char* file;
        LineList numbers;
    };
    for (const Page& page : {
             // "36&nbsp;": the no-break space stays, the line is refused.
             Page{"history-grid.html", {"20", "17", "0", "29", "3", "5", "17"}},
             // Rows read "1041\t8"; the stake drop-down reads as lines.
             Page{"hidden-rows.html", {"35", "25", "5", "1"}},
             Page{"unclosed-cells.html", {}},
             Page{"mobile-copy.html", {"18", "22", "9", "0", "31", "14"}},
             Page{"flex-strip.html", {"4", "19", "15", "32", "0", "26", "3", "35", "12", "28", "7"}},
             Page{"statistics-table.html", {"23", "8", "30", "11"}},
             Page{"nbsp-uppercase.html", {"25", "5", "10", "2", "13"}},
             Page{"canvas-chart.html", {"21", "0", "33", "6"}},
         }) {
        SCOPED_TRACE(page.file);
        EXPECT_EQ(Numbers(ReadPageText(Fixture(page.file))), page.numbers);
    }
    // A Windows-1252 page without a charset is recognised as such.
    EXPECT_NE(ReadPageText(Fixture("unclosed-cells.html")).find("Caf\xC3\xA9 bar"), std::string::npos);
}

TEST(ReadPageText, TooLargeOrUnreadablePagesAreRefusedBeforeTheReaderStarts) {
    const fs::path large = WritePage("large.html", "<div>7</div>" + std::string(kPageSizeLimit, ' '));
    EXPECT_EQ(
        ErrorOf([&] { ReadPageText(large.string()); }),
        "The page cannot be read: it holds 16777228 bytes, more than the limit of 16 MB (16777216 bytes).");
    EXPECT_NE(ErrorOf([&] { ReadPageText((Scratch() / "missing.html").string()); }).find("Cannot open file"),
              std::string::npos);
}

class ReaderVariable : public ::testing::Test {
protected:
    void Set(const std::string& value) { ::setenv("ROTACLE_PAGE_READER", value.c_str(), 1); }
    void TearDown() override {
        if (old_)
            ::setenv("ROTACLE_PAGE_READER", old_->c_str(), 1);
        else
            ::unsetenv("ROTACLE_PAGE_READER");
    }

private:
    std::optional<std::string> old_ = [] {
        const char* v = std::getenv("ROTACLE_PAGE_READER");
        return v ? std::optional<std::string>(v) : std::nullopt;
    }();
};

TEST_F(ReaderVariable, ReaderIsFoundInTheBuildTreeOrWhereTheVariableSays) {
    ::unsetenv("ROTACLE_PAGE_READER");
    EXPECT_EQ(fs::path(FindPageReader()).parent_path().filename(), "rotacle");
    Set((Scratch() / "no-reader").string());
    const fs::path page = WritePage("any.html", "<div>7</div>");
    EXPECT_EQ(ErrorOf([&] { ReadPageText(page.string()); }), "The page cannot be read: the page reader " +
                                                                 (Scratch() / "no-reader").string() +
                                                                 " (ROTACLE_PAGE_READER) is not a program.");
}

// --- The child process ---------------------------------------------------------

TEST(DecodeReaderOutput, AcceptsOnlyAWholeFramedText) {
    const std::pair<std::string_view, std::optional<std::string_view>> rows[] = {
        {"2\n17", "17"},
        {"0\n", ""},
        {"3\n1\n2", "1\n2"},
        {"2\n1", std::nullopt},
        {"1\n17", std::nullopt},
        {"\n17", std::nullopt},
        {"+2\n17", std::nullopt},
        {"2 \n17", std::nullopt},
        {"17", std::nullopt},
        {"", std::nullopt},
        {"99999999999\n", std::nullopt}};
    for (const auto& [output, text] : rows) EXPECT_EQ(detail::DecodeReaderOutput(output), text) << output;
}

/// A reader played by the shell.
std::string Shell(const std::string& script, int timeoutMs = 10000, std::size_t memory = kPageMemoryLimit) {
    return ErrorOf([&] { detail::RunPageReader({"/bin/sh", "-c", script}, timeoutMs, memory); });
}

TEST(RunPageReader, ReturnsTheTextUnchanged) {
    std::string text(3 << 20, '\0');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>(i * 7 + i / 256);
    const fs::path out = WritePage("framed.bin", std::to_string(text.size()) + "\n" + text);
    EXPECT_EQ(detail::RunPageReader({"/bin/cat", out.string()}, 10000, kPageMemoryLimit), text);
}

TEST(RunPageReader, FailingReaderSaysWhatHappened) {
    EXPECT_EQ(Shell("kill -ABRT $$"),
              "The page cannot be read: the page reader was stopped by signal 6 (Aborted).");
    EXPECT_EQ(Shell("exit 1"), "The page cannot be read: the page reader failed (exit status 1).");
    EXPECT_EQ(Shell("exit 3"), "The page cannot be read: the browser engine could not load it.");
    EXPECT_EQ(Shell("printf '5\\n17'"), "The page cannot be read: the page reader ended without its text.");
    // The reader's own watch stopped it.
    EXPECT_EQ(Shell("exit 5"), "The page cannot be read: reading it took longer than 10 seconds.");
    EXPECT_EQ(Shell("exit 6", 10000, std::size_t{200} << 20),
              "The page cannot be read: reading it needs more memory than the 200 MB allowed for a page.");
    EXPECT_EQ(
        ErrorOf([] { detail::RunPageReader({"/nonexistent/reader"}, 1000, kPageMemoryLimit); }),
        "The page cannot be read: the page reader /nonexistent/reader cannot be started (No such file or "
        "directory).");
}

// Still running: neither gone nor a zombie waiting for its parent.
bool Running(const std::string& pid) {
    std::ifstream in("/proc/" + pid + "/stat");
    std::string stat;
    std::getline(in, stat);
    return in && stat.find(") Z") == std::string::npos;
}

TEST(RunPageReader, StalledReaderAndWhatItLeftRunningAreStopped) {
    const fs::path pids = Scratch() / "pids";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Shell("sleep 100 & echo $! > '" + pids.string() + "'; wait", 300),
              "The page cannot be read: reading it took longer than 300 ms.");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    // A reader whose helper holds the pipe open: the text counts, the helper goes.
    EXPECT_EQ(detail::RunPageReader(
                  {"/bin/sh", "-c", "sleep 100 & echo $! >> '" + pids.string() + "'; printf '2\\n17'"}, 10000,
                  kPageMemoryLimit),
              "17");
    const std::vector<std::string> sleeps = ReadLines(pids.string());
    ASSERT_EQ(sleeps.size(), 2U);
    for (const std::string& pid : sleeps) {
        for (int i = 0; i < 100 && Running(pid); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_FALSE(Running(pid)) << "sleep " << pid << " still runs";
    }
}

TEST(RunPageReader, MemoryOfAllItsProcessesIsLimited) {
    // Three helpers of 40 MB each: none alone reaches the limit, together they do.
    // (${#x} after the sleep keeps the shell from replacing itself by sleep.)
    const std::string hold = "(x=$(head -c 40000000 /dev/zero | tr '\\0' a); sleep 20; : ${#x}) & ";
    EXPECT_EQ(Shell(hold + hold + hold + "wait", 15000, std::size_t{100} << 20),
              "The page cannot be read: reading it needs more memory than the 100 MB allowed for a page.");
}

TEST(RunPageReader, TheReaderKeepsItsOwnWatch) {
    std::string page = "<div>";
    for (int i = 0; i < 300000; ++i) page += "<div>17</div>";
    const fs::path large = WritePage("engine-busy.html", page + "</div>");
    const auto read = [&](const char* option, const char* value) {
        return ErrorOf([&] {
            detail::RunPageReader({FindPageReader(), "--size-first", option, value, large.string()}, 60000,
                                  kPageMemoryLimit);
        });
    };
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(read("--time-limit", "1500"),
              "The page cannot be read: reading it took longer than 60 seconds.");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_EQ(read("--memory-limit", "64"),
              "The page cannot be read: reading it needs more memory than the 3072 MB allowed for a page.");
    // Started through a wrapper, the reader watches this process, not the
    // wrapper; a host that is gone already has it end at once.
    const std::string small = WritePage("wrapped.html", "<div>7</div>").string();
    EXPECT_EQ(detail::RunPageReader({"/bin/sh", "-c", "\"$0\" \"$@\"; exit $?", FindPageReader(),
                                     "--size-first", "--parent", std::to_string(::getpid()), small},
                                    30000, kPageMemoryLimit),
              "7");
    EXPECT_EQ(ErrorOf([&] {
                  detail::RunPageReader(
                      {FindPageReader(), "--size-first", "--parent", std::to_string(1 << 30), small}, 30000,
                      kPageMemoryLimit);
              }),
              "The page cannot be read: the page reader failed (exit status 7).");
}

TEST(RunPageReader, WorksWhileChildrenAreReapedAutomatically) {
    // With SIGCHLD ignored the reader's exit status cannot be collected; the
    // text still arrives whole, and a reader that dies still gives none.
    struct sigaction ignore {
    }, old{};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ASSERT_EQ(sigaction(SIGCHLD, &ignore, &old), 0);
    EXPECT_EQ(detail::RunPageReader({"/bin/sh", "-c", "printf '2\\n17'"}, 10000, kPageMemoryLimit), "17");
    EXPECT_EQ(Shell("printf '3\\n17'; kill -ABRT $$"),
              "The page cannot be read: the page reader ended without its text.");
    sigaction(SIGCHLD, &old, nullptr);
}

}  // namespace
}  // namespace rotacle
