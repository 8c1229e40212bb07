// The rendered text of a saved live-casino history page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rotacle {

/// Renders an HTML page to its text the way a browser's innerText of the body does for the common cases.
///
/// The page is parsed as an HTML5 document (gumbo), so any input is accepted: broken tags are repaired as
/// a browser repairs them, character references (&amp;, &#55;, &nbsp; ...) are decoded, and NUL bytes are
/// dropped. The page is read as UTF-8: a UTF-8 byte-order mark is dropped, a page that starts with a
/// UTF-16 byte-order mark is read as UTF-16, and bytes that are not valid UTF-8 are replaced by U+FFFD
/// (a page in a single-byte code page keeps its ASCII, and so its digits). Only the body is rendered; a
/// page without any text gives "".
///
/// Left out, with everything inside them:
/// - the elements whose content a browser does not show as page text: head, script, style, template,
///   noscript (read as a browser with scripts on reads it: unparsed text up to `</noscript>`), title,
///   iframe, noembed, noframes, datalist, rp, audio, video, canvas, textarea and select (a form control
///   shows a value, not page text; a drop-down of stakes must not read as a run of numbers), a dialog
///   without `open`, and in SVG script, style, title and desc;
/// - every element with the `hidden` attribute (any value);
/// - every element whose inline `style` says `display: none` (property and value in any case, with or
///   without blanks, with or without `!important`; of several `display` declarations the last counts);
/// - the text of an element whose inline style says `visibility: hidden` or `collapse`, down to a
///   descendant that says `visibility: visible` again;
/// - of a `details` without `open`, everything except its `summary`.
/// Style sheets and class names are not evaluated: an element hidden only by a rule in a style sheet is
/// rendered.
///
/// Lines:
/// - a block-level element (address, article, aside, blockquote, center, dd, details, dialog, dir, div,
///   dl, dt, fieldset, figcaption, figure, footer, form, h1-h6, header, hgroup, hr, legend, li, listing,
///   main, menu, nav, ol, optgroup, option, p, plaintext, pre, search, section, summary, ul, xmp, and the
///   table parts table, caption, thead, tbody, tfoot, tr) starts and ends a line;
/// - so does a table cell (td, th): every cell stands on a line of its own, where a browser puts the
///   cells of a row on one line separated by tabs. A history table holds one number per cell, and the
///   page import takes a line as a number only when the whole line is that number: "17\t5\t32x" would
///   lose the whole row, one line per cell keeps every number;
/// - an SVG `text` element stands on a line of its own too (a history drawn as a picture places every
///   number separately);
/// - `br` ends the current line, also when it is empty; a newline inside `pre` does the same;
/// - a block boundary never produces an empty line: the blank lines a browser puts around paragraphs
///   and headings are not produced, and an empty block (`<div></div>`) gives nothing. Empty lines come
///   only from what the page shows as one: `a<br><br>b` gives "a", "", "b", a block holding just `<br>`
///   gives one empty line, while a `br` that ends a block's last line adds nothing (`<div>a<br></div>`
///   gives "a");
/// - inline elements (span, a, b, font, button, custom elements ...) do not break lines: `<span>17</span>`
///   directly followed by `<span>5</span>` reads "175", as in a browser without the page's style sheet.
///
/// White space:
/// - outside `pre`, `listing`, `xmp` and `plaintext`, every run of spaces, tabs, line ends and form feeds,
///   also across element boundaries, becomes one space, and blanks at the start and end of a line are
///   removed;
/// - a no-break space (U+00A0, `&nbsp;`) counts as an ordinary space, so it collapses and is trimmed too.
///   A browser keeps it, but the page import compares whole lines, and "17" followed by a no-break space
///   would be refused;
/// - inside `pre` and its kin every character is kept (a no-break space becomes a plain space) and a
///   newline starts a new line; a line end written right after `<pre>` is dropped, as a browser drops it.
///
/// Robustness: time and memory grow linearly with the page. Before parsing, elements nested deeper than
/// 256 levels are flattened: their tags are dropped (a block's tags still end a line) and their text stays
/// in the enclosing element; browsers flatten such nesting too. Formatting tags (a, b, i, font ...) without
/// a hiding attribute are dropped as well: they never change the text, but a crafted page can make the
/// parser copy them without end. So are `</body>`, `</html>` and, inside SVG or MathML, elements named
/// like HTML ones that those languages lack (select, tbody, template ...): on these the parser library
/// trips over its own checks and aborts. Of a tag with more than 64 attributes only the first 64 are kept:
/// the library compares each attribute with all before it, and no real tag comes near. The parse runs in a
/// child process all the same, whose address space may grow by at most kPageMemoryLimit: a page on which the
/// library still fails, that needs more memory, or that takes longer than 30 seconds throws FileError with a
/// message that says which, instead of ending or stalling the program. Where no child process can be started,
/// the page is parsed here.
///
/// The parse takes from 20 (a history grid) to 90 (bare tags) times the page's size in memory, so a page
/// of more than kPageSizeLimit bytes is refused before any work: FileError naming the limit.
///
/// The result has its lines separated by "\n", with no line end after the last line.
std::string PageToText(std::string_view html);

/// PageToText without the child process: the same text and the same size limit, but a page on which the
/// parser library fails ends this process. For fuzzing, where a failure must be seen.
std::string PageToTextInProcess(std::string_view html);

/// The largest page, in bytes, that is read (16 MB): a history of thousands of results takes a few
/// hundred kilobytes of markup, a whole saved page rarely more than a few megabytes.
inline constexpr std::size_t kPageSizeLimit = std::size_t{16} << 20;

/// How far the parse child's address space may grow beyond what it starts with (1 GB): room for a history
/// page at kPageSizeLimit, not for every page of bare tags at that size.
inline constexpr std::size_t kPageMemoryLimit = std::size_t{1} << 30;

namespace detail {

/// Runs `render(page)` in a child process and returns its result. Throws FileError, "The page cannot be
/// read: " and the reason, when the child dies, fails, runs out of memory (its address space may grow by
/// kPageMemoryLimit) or has not finished after `timeoutMs` milliseconds (it is then killed). Calls
/// `render` directly when no child process can be started. Exposed for tests.
std::string RunIsolated(std::string_view page, std::string (*render)(std::string_view), int timeoutMs);

}  // namespace detail

}  // namespace rotacle
