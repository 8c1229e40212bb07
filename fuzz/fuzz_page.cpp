// What the page reader writes, of any content: the framed text taken apart,
// and the text of a page parsed into numbers.
#include "core/convert.h"
#include "core/text_file.h"
#include "import/import_panel.h"
#include "import/page_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view output(reinterpret_cast<const char*>(data), size);
    if (const auto text = rotacle::detail::DecodeReaderOutput(output)) {
        // A whole frame: its text is all that follows the first line end.
        if (text->size() >= size || text->data() + text->size() != output.data() + size) __builtin_trap();
    }
    // The input itself as a page's text, line by line.
    rotacle::ImportPanel panel;
    panel.ReadPage(rotacle::SplitLines(output));
    for (const std::string_view line : panel.Import_List()) {
        std::int32_t n = -1;
        if (!rotacle::TryStrToInt(line, n) || n < 0 || n > 36 || rotacle::IntToStr(n) != line)
            __builtin_trap();
    }
    return 0;
}
