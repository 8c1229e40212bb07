// A pasted page of any content: rendered to text and parsed into numbers.
#include "core/convert.h"
#include "core/text_file.h"
#include "import/import_panel.h"
#include "import/page_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view html(reinterpret_cast<const char*>(data), size);
    // In process: a parser failure must reach the fuzzer, not a child process.
    const std::string text = rotacle::PageToTextInProcess(html);
    rotacle::ImportPanel panel;
    panel.ReadPage(rotacle::SplitLines(text));
    for (const std::string_view line : panel.Import_List()) {
        std::int32_t n = -1;
        if (!rotacle::TryStrToInt(line, n) || n < 0 || n > 36) __builtin_trap();
    }
    return 0;
}
