// Page to text in two passes. The first pass bounds how deeply the page's
// elements can nest: the HTML5 tree builder searches its stack of open
// elements for many tags, so a page nested 100,000 levels deep (or one that
// makes it reopen formatting elements by the thousand) would cost quadratic
// time and memory. The second pass, in a child process because gumbo aborts
// on some malformed pages, parses the bounded page and walks the tree with an
// explicit stack, building the lines as a browser lays them out.
#include "import/page_text.h"

#include "core/convert.h"

#include <fcntl.h>
#include <gumbo.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace rotacle {
namespace {

constexpr std::size_t kMaxDepth = 256;
constexpr std::size_t kMaxOpenFormatting = 32;
// The parser library compares every attribute of a tag with all those before
// it; a tag holding a million attributes would take it minutes.
constexpr std::size_t kMaxAttributes = 64;
constexpr std::size_t kNone = static_cast<std::size_t>(-1);
constexpr int kRenderTimeoutMs = 30000;

// The elements that start and end a line of their own.
constexpr const char* kBlockElements =
    "address article aside blockquote body caption center dd details dialog dir div dl dt fieldset "
    "figcaption figure footer form frameset h1 h2 h3 h4 h5 h6 header hgroup hr html legend li listing main "
    "menu nav ol optgroup option p plaintext pre search section summary table tbody td tfoot th thead tr ul "
    "xmp";

bool IsHtmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

bool IsAsciiAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

void LowerInPlace(std::string& s) {
    for (char& c : s) c = LowerAscii(c);
}

// ---------------------------------------------------------------------------
// Inline style: the declarations that hide an element or its text.

struct InlineStyle {
    bool displayNone = false;
    int visibility = -1;  // -1 not set, 0 hidden, 1 visible
};

std::string_view TrimCss(std::string_view s) {
    while (!s.empty() && IsHtmlSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsHtmlSpace(s.back())) s.remove_suffix(1);
    return s;
}

InlineStyle ParseStyle(std::string_view text) {
    InlineStyle style;
    std::string css;
    css.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "/*") == 0) {
            const std::size_t end = text.find("*/", i + 2);
            if (end == std::string_view::npos) break;
            i = end + 1;
            continue;
        }
        css += LowerAscii(text[i]);
    }
    std::string_view rest = css;
    while (!rest.empty()) {
        std::size_t semi = rest.find(';');
        if (semi == std::string_view::npos) semi = rest.size();
        const std::string_view decl = rest.substr(0, semi);
        rest.remove_prefix(semi < rest.size() ? semi + 1 : semi);
        const std::size_t colon = decl.find(':');
        if (colon == std::string_view::npos) continue;
        const std::string_view property = TrimCss(decl.substr(0, colon));
        std::string_view value = TrimCss(decl.substr(colon + 1));
        if (const std::size_t bang = value.find('!');
            bang != std::string_view::npos && TrimCss(value.substr(bang + 1)) == "important")
            value = TrimCss(value.substr(0, bang));
        if (property == "display") {
            style.displayNone = value == "none";
        } else if (property == "visibility") {
            if (value == "hidden" || value == "collapse")
                style.visibility = 0;
            else if (value == "visible" || value == "initial")
                style.visibility = 1;
        }
    }
    return style;
}

// Character references in an attribute value as read from the page, as far
// as they can spell a style declaration: numeric ones and the few named ones
// for punctuation. Others stay as written.
std::string DecodeReferences(std::string_view s) {
    static constexpr std::pair<std::string_view, char> kNamed[] = {
        {"colon;", ':'},    {"semi;", ';'}, {"excl;", '!'}, {"amp;", '&'},  {"quot;", '"'},
        {"apos;", '\''},    {"lt;", '<'},   {"gt;", '>'},   {"nbsp;", ' '}, {"Tab;", '\t'},
        {"NewLine;", '\n'}, {"sol;", '/'},  {"ast;", '*'}};
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
            continue;
        }
        if (i + 1 < s.size() && s[i + 1] == '#') {
            const bool hex = i + 2 < s.size() && (s[i + 2] == 'x' || s[i + 2] == 'X');
            std::size_t k = i + (hex ? 3 : 2);
            std::uint32_t value = 0;
            const std::size_t first = k;
            for (; k < s.size(); ++k) {
                const char c = LowerAscii(s[k]);
                const int digit = c >= '0' && c <= '9'          ? c - '0'
                                  : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                                : -1;
                if (digit < 0) break;
                if (value < 0x110000) value = value * (hex ? 16u : 10u) + static_cast<std::uint32_t>(digit);
            }
            if (k > first) {
                // Only ASCII can spell a declaration; anything else stands in as '?'.
                out += value > 0 && value < 0x80 ? static_cast<char>(value) : '?';
                i = k < s.size() && s[k] == ';' ? k : k - 1;
                continue;
            }
        }
        bool named = false;
        for (const auto& [name, c] : kNamed) {
            if (s.compare(i + 1, name.size(), name) == 0) {
                out += c;
                i += name.size();
                named = true;
                break;
            }
        }
        if (!named) out += '&';
    }
    return out;
}

// ---------------------------------------------------------------------------
// Nesting bound: a small model of the tree builder's stack of open elements.
// It follows tag soup closely enough for real pages (unclosed li, td, tr, p
// and option close each other as in a browser, so long lists are never cut)
// and errs towards counting too deep, never much too shallow, so that the
// depth gumbo reaches stays near the bound whatever the input.
//
// Formatting elements (b, i, a, font ...) are what the tree builder reopens
// and copies when they are misnested; a page can make it copy them without
// end. They never change the text, so those without a hiding attribute are
// cut from the page, and the others are written in a canonical form that the
// tree builder's own limit on identical open copies applies to.

enum TagFlag : std::uint32_t {
    kVoid = 1u << 0,        // has no content and is never left open
    kSpecial = 1u << 1,     // stops the search of an end tag of an ordinary element
    kFormatting = 1u << 2,  // reopened by the tree builder after an implicit close
    kScopeEdge = 1u << 3,   // an end tag does not look past it
    kTableEdge = 1u << 4,   // the end tag of a table part does not look past it
    kMarker = 1u << 5,      // hides the formatting elements opened outside it
    kClosesP = 1u << 6,     // its start tag closes an open p
    kRawText = 1u << 7,     // its content is text up to its own end tag
    kForeign = 1u << 8,     // svg and math: their content is in another namespace
    kHeading = 1u << 9,
    kDocument = 1u << 10,  // html, head, body: merged into the existing ones
    kTablePart = 1u << 11,
    kListEdge = 1u << 12,     // the end tag of a list item does not look past it
    kBlock = 1u << 13,        // a cut tag of it still ends a line
    kBreakout = 1u << 14,     // leaves SVG or MathML content for HTML
    kIntegration = 1u << 15,  // inside this SVG or MathML element, tags are HTML again
    kForeignName = 1u << 16,  // also the name of an SVG or MathML element
};

struct TagClass {
    const char* names;
    std::uint32_t flag;
};

constexpr TagClass kTagClasses[] = {
    {"area base basefont bgsound br col embed frame hr image img input keygen link meta param source "
     "track wbr",
     kVoid},
    {"address applet area article aside base basefont bgsound blockquote body br button caption center col "
     "colgroup dd details dir div dl dt embed fieldset figcaption figure footer form frame frameset h1 h2 h3 "
     "h4 h5 h6 head header hgroup hr html iframe img input keygen li link listing main marquee menu meta nav "
     "noembed noframes noscript object ol p param plaintext pre script search section select source style "
     "summary table tbody td template textarea tfoot th thead title tr track ul wbr xmp mi mo mn ms mtext "
     "annotation-xml foreignobject desc",
     kSpecial},
    {"a b big code em font i nobr s small strike strong tt u", kFormatting},
    {"applet caption html table td th marquee object template mi mo mn ms mtext annotation-xml foreignobject "
     "desc title",
     kScopeEdge},
    {"html table template", kTableEdge},
    {"applet caption marquee object td th template", kMarker},
    {"address article aside blockquote center details dialog dir div dl fieldset figcaption figure footer "
     "header hgroup main menu nav ol p search section summary ul h1 h2 h3 h4 h5 h6 pre listing form li dd dt "
     "plaintext table hr xmp",
     kClosesP},
    {"script style xmp iframe noembed noframes textarea title plaintext", kRawText},
    {"svg math", kForeign},
    {"h1 h2 h3 h4 h5 h6", kHeading},
    {"html head body", kDocument},
    {"table caption colgroup tbody thead tfoot tr td th", kTablePart},
    {"ol ul", kListEdge},
    {kBlockElements, kBlock},
    {"b big blockquote body br center code dd div dl dt em embed h1 h2 h3 h4 h5 h6 head hr i img li listing "
     "menu meta nobr ol p pre ruby s small span strong strike sub sup table tt u ul var",
     kBreakout},
    {"foreignobject desc title mi mo mn ms mtext annotation-xml", kIntegration},
    {"foreignobject desc title mi mo mn ms mtext annotation-xml style script", kForeignName},
};

const std::unordered_map<std::string, std::uint32_t>& KnownTagFlags() {
    static const std::unordered_map<std::string, std::uint32_t> table = [] {
        std::unordered_map<std::string, std::uint32_t> t;
        for (const TagClass& cls : kTagClasses) {
            const std::string_view names = cls.names;
            std::size_t start = 0;
            while (start < names.size()) {
                std::size_t end = names.find(' ', start);
                if (end == std::string_view::npos) end = names.size();
                t[std::string(names.substr(start, end - start))] |= cls.flag;
                start = end + 1;
            }
        }
        return t;
    }();
    return table;
}

class NestingBound {
public:
    explicit NestingBound(std::string_view html) : in_(html) {
        li_ = Intern("li");
        dd_ = Intern("dd");
        dt_ = Intern("dt");
        p_ = Intern("p");
        br_ = Intern("br");
        a_ = Intern("a");
        nobr_ = Intern("nobr");
        button_ = Intern("button");
        form_ = Intern("form");
        select_ = Intern("select");
        option_ = Intern("option");
        optgroup_ = Intern("optgroup");
        table_ = Intern("table");
        tbody_ = Intern("tbody");
        thead_ = Intern("thead");
        tfoot_ = Intern("tfoot");
        tr_ = Intern("tr");
        td_ = Intern("td");
        th_ = Intern("th");
        caption_ = Intern("caption");
        address_ = Intern("address");
        div_ = Intern("div");
        template_ = Intern("template");
        noscript_ = Intern("noscript");
        font_ = Intern("font");
        Scan();
    }

    // Without any cut, the page itself is parsed: no copy of a large page.
    std::string_view Result() {
        if (!edited_) return in_;
        out_.append(in_.substr(copied_));
        copied_ = in_.size();
        return out_;
    }

private:
    struct Tag {
        std::string name;
        std::size_t end = 0;
        bool selfClosing = false;
        bool complete = false;
        bool hidden = false;        // has the hidden attribute
        bool fontBreakout = false;  // has color, face or size, which make a font leave SVG content
        bool hasStyle = false;      // has a style attribute, whose first value is `style`
        std::string style;
        std::size_t attributes = 0;  // how many the tag holds
        std::size_t kept = 0;        // the end of its last attribute that is kept
    };

    // An open element of the model. A ghost is a formatting element cut from
    // the page, kept here only so that its end tag is cut too.
    struct Open {
        std::uint32_t id;
        bool ghost;
        bool foreign;  // in the SVG or MathML namespace
    };

    std::uint32_t Intern(const std::string& name) {
        const auto [it, added] = ids_.try_emplace(name, static_cast<std::uint32_t>(flags_.size()));
        if (added) {
            const auto& known = KnownTagFlags();
            const auto k = known.find(name);
            flags_.push_back(k == known.end() ? 0u : k->second);
            dropped_.push_back(0);
        }
        return it->second;
    }

    enum class Action { Keep, Cut, Break };

    // Calls come in page order, so the bounded page is built as it goes.
    void Replace(std::size_t start, std::size_t end, std::string_view text) {
        out_.append(in_.substr(copied_, start - copied_));
        out_.append(text);
        copied_ = end;
        edited_ = true;
    }

    void Cut(std::size_t start, std::size_t end) { Replace(start, end, {}); }

    void Apply(Action action, std::size_t start, std::size_t end) {
        if (action == Action::Cut) Cut(start, end);
        // A rule is void, so it opens nothing, and it ends a line without
        // adding an empty one.
        if (action == Action::Break) Replace(start, end, "<hr>");
    }

    // A start or end tag cut for depth: a block's still separates its lines
    // (but in SVG or MathML a rule would end the foreign content).
    Action Drop(std::uint32_t id) const {
        return (flags_[id] & kBlock) && !InForeign() ? Action::Break : Action::Cut;
    }

    void Scan() {
        const std::size_t n = in_.size();
        std::size_t i = 0;
        while (i < n) {
            i = in_.find('<', i);
            if (i == std::string_view::npos || i + 1 >= n) return;
            const char c = in_[i + 1];
            if (c == '!') {
                i = SkipDeclaration(i);
            } else if (c == '?') {
                i = After('>', i + 2);
            } else if (c == '/') {
                if (i + 2 < n && IsAsciiAlpha(in_[i + 2])) {
                    const Tag tag = ReadTag(i + 2);
                    if (!tag.complete) return;  // a tag cut off by the end of the page is not a tag
                    const Action action = EndTag(Intern(tag.name));
                    if (action == Action::Keep && tag.attributes > kMaxAttributes)
                        Replace(i, tag.end, "</" + tag.name + ">");  // an end tag's attributes mean nothing
                    Apply(action, i, tag.end);
                    i = tag.end;
                } else {
                    i = After('>', i + 2);
                }
            } else if (IsAsciiAlpha(c)) {
                const Tag tag = ReadTag(i + 1);
                if (!tag.complete) return;
                const std::uint32_t id = Intern(tag.name);
                const bool foreign = InForeign();
                if (id == noscript_ && !foreign) {
                    // With scripts on, as in the browser the page was saved from,
                    // everything up to </noscript> is unparsed text that is never shown.
                    const std::size_t end = After('>', SkipRawText(tag.end, tag.name));
                    Cut(i, end);
                    i = end;
                    continue;
                }
                if ((flags_[id] & kFormatting) && (!foreign || Breaks(id, tag))) {
                    FormattingStart(id, tag, i);
                } else if (const Action action = StartTag(id, tag); action != Action::Keep) {
                    Apply(action, i, tag.end);
                } else {
                    if (tag.attributes > kMaxAttributes)
                        Replace(i, tag.end,
                                std::string(in_.substr(i, tag.kept - i)) + (tag.selfClosing ? " />" : ">"));
                    if ((flags_[id] & kRawText) && !foreign) {
                        i = SkipRawText(tag.end, tag.name);
                        continue;
                    }
                }
                i = tag.end;
            } else {
                ++i;
            }
        }
    }

    std::size_t After(char c, std::size_t from) const {
        const std::size_t k = in_.find(c, from);
        return k == std::string_view::npos ? in_.size() : k + 1;
    }

    // `<!` at i: a comment, CDATA inside SVG or MathML, or a declaration.
    std::size_t SkipDeclaration(std::size_t i) const {
        const std::size_t n = in_.size();
        if (in_.compare(i, 4, "<!--") == 0) {
            std::size_t k = i + 4;
            if (k < n && in_[k] == '>') return k + 1;
            if (in_.compare(k, 2, "->") == 0) return k + 2;
            while ((k = in_.find("--", k)) != std::string_view::npos) {
                if (k + 2 < n && in_[k + 2] == '>') return k + 3;
                if (in_.compare(k + 2, 2, "!>") == 0) return k + 4;
                ++k;
            }
            return n;
        }
        if (InForeign() && in_.compare(i, 9, "<![CDATA[") == 0) {
            const std::size_t k = in_.find("]]>", i + 9);
            return k == std::string_view::npos ? n : k + 3;
        }
        return After('>', i + 2);
    }

    // The tag whose name starts at j, up to its closing '>' (quoted attribute
    // values may hold '>').
    Tag ReadTag(std::size_t j) const {
        const std::size_t n = in_.size();
        Tag tag;
        std::size_t k = j;
        while (k < n && !IsHtmlSpace(in_[k]) && in_[k] != '/' && in_[k] != '>') ++k;
        tag.name.assign(in_.substr(j, k - j));
        LowerInPlace(tag.name);
        while (k < n) {
            const char c = in_[k];
            if (IsHtmlSpace(c)) {
                ++k;
            } else if (c == '>') {
                tag.end = k + 1;
                tag.complete = true;
                return tag;
            } else if (c == '/') {
                if (k + 1 < n && in_[k + 1] == '>') {
                    tag.end = k + 2;
                    tag.selfClosing = true;
                    tag.complete = true;
                    return tag;
                }
                ++k;
            } else {
                const std::size_t nameStart = k++;  // an attribute name may start with '='
                while (k < n && !IsHtmlSpace(in_[k]) && in_[k] != '/' && in_[k] != '>' && in_[k] != '=') ++k;
                std::string attribute(in_.substr(nameStart, k - nameStart));
                LowerInPlace(attribute);
                std::string_view value;
                std::size_t m = k;
                while (m < n && IsHtmlSpace(in_[m])) ++m;
                if (m < n && in_[m] == '=') {
                    ++m;
                    while (m < n && IsHtmlSpace(in_[m])) ++m;
                    if (m < n && (in_[m] == '"' || in_[m] == '\'')) {
                        const std::size_t q = in_.find(in_[m], m + 1);
                        if (q == std::string_view::npos) return tag;
                        value = in_.substr(m + 1, q - m - 1);
                        m = q + 1;
                    } else {
                        const std::size_t valueStart = m;
                        while (m < n && !IsHtmlSpace(in_[m]) && in_[m] != '>') ++m;
                        value = in_.substr(valueStart, m - valueStart);
                    }
                }
                k = m;
                // Attributes past the limit are cut from the page (see Scan).
                if (++tag.attributes > kMaxAttributes) continue;
                tag.kept = m;
                if (attribute == "hidden") tag.hidden = true;
                if (attribute == "color" || attribute == "face" || attribute == "size")
                    tag.fontBreakout = true;
                if (attribute == "style" && !tag.hasStyle) {  // the first of repeated attributes counts
                    tag.hasStyle = true;
                    tag.style.assign(value);
                }
            }
        }
        return tag;
    }

    // Content of script, style, textarea ...: text up to "</name" followed
    // by a blank, '/' or '>'. Returns the position of that end tag.
    std::size_t SkipRawText(std::size_t i, const std::string& name) const {
        const std::size_t n = in_.size();
        if (name == "plaintext") return n;
        for (std::size_t k = i; (k = in_.find("</", k)) != std::string_view::npos; k += 2) {
            const std::size_t after = k + 2 + name.size();
            if (after > n) return n;
            bool same = true;
            for (std::size_t c = 0; c < name.size() && same; ++c)
                same = LowerAscii(in_[k + 2 + c]) == name[c];
            if (same && (after == n || IsHtmlSpace(in_[after]) || in_[after] == '/' || in_[after] == '>'))
                return k;
        }
        return n;
    }

    std::uint32_t FlagsAt(std::size_t k) const { return flags_[open_[k].id]; }

    // Ghosts were never seen by the tree builder, so they neither match nor stop a search.
    std::size_t FindOpen(std::uint32_t id, std::uint32_t edge) const {
        for (std::size_t k = open_.size(); k-- > 0;) {
            if (open_[k].ghost) continue;
            if (open_[k].id == id) return k;
            if (FlagsAt(k) & edge) return kNone;
        }
        return kNone;
    }

    std::size_t FindInTable(std::initializer_list<std::uint32_t> ids) const {
        for (std::size_t k = open_.size(); k-- > 0;) {
            if (open_[k].ghost) continue;
            for (std::uint32_t id : ids)
                if (open_[k].id == id) return k;
            if (FlagsAt(k) & kTableEdge) return kNone;
        }
        return kNone;
    }

    std::size_t Current() const {
        for (std::size_t k = open_.size(); k-- > 0;)
            if (!open_[k].ghost) return k;
        return kNone;
    }

    void PopTo(std::size_t k) {
        while (open_.size() > k) {
            const Open top = open_.back();
            open_.pop_back();
            if (top.ghost) {
                --ghosts_;
                continue;
            }
            --depth_;
            if (top.foreign) continue;
            const std::uint32_t f = flags_[top.id];
            if (top.id == template_) --templates_;
            if (f & kMarker) {
                while (!active_.empty() && active_.back() != kMarkerEntry) active_.pop_back();
                if (!active_.empty()) active_.pop_back();
            }
        }
    }

    void Push(std::uint32_t id) {
        const std::uint32_t f = flags_[id];
        open_.push_back(Open{id, false, false});
        ++depth_;
        if (id == template_) ++templates_;
        if (f & kFormatting) active_.push_back(id);
        if (f & kMarker) active_.push_back(kMarkerEntry);
    }

    void PushForeign(std::uint32_t id) {
        open_.push_back(Open{id, false, true});
        ++depth_;
    }

    // Inside SVG or MathML (and not in one of their elements that hold HTML)
    // tags name elements of that namespace, "/>" closes them, and there is no
    // raw text.
    bool InForeign() const {
        const std::size_t k = Current();
        return k != kNone && open_[k].foreign && !(FlagsAt(k) & kIntegration);
    }

    bool Breaks(std::uint32_t id, const Tag& tag) const {
        return (flags_[id] & kBreakout) || (id == font_ && tag.fontBreakout);
    }

    // An HTML tag inside SVG or MathML closes the foreign elements around it.
    void PopForeign() {
        while (InForeign()) PopTo(Current());
    }

    std::size_t LastActive(std::uint32_t id) const {
        for (std::size_t k = active_.size(); k-- > 0;) {
            if (active_[k] == kMarkerEntry) return kNone;
            if (active_[k] == id) return k;
        }
        return kNone;
    }

    std::size_t ActiveSinceMarker() const {
        std::size_t count = 0;
        for (std::size_t k = active_.size(); k-- > 0 && active_[k] != kMarkerEntry;) ++count;
        return count;
    }

    void EraseActive(std::size_t k) { active_.erase(active_.begin() + static_cast<std::ptrdiff_t>(k)); }

    void ClosePInButtonScope() {
        for (std::size_t k = open_.size(); k-- > 0;) {
            if (open_[k].ghost) continue;
            if (open_[k].id == p_) {
                PopTo(k);
                return;
            }
            if ((FlagsAt(k) & kScopeEdge) || open_[k].id == button_) return;
        }
    }

    // An li (dd, dt) closes the open one of its list, unless another list or
    // block that starts a new context lies between.
    void CloseItem(std::uint32_t a, std::uint32_t b) {
        for (std::size_t k = open_.size(); k-- > 0;) {
            const std::uint32_t id = open_[k].id;
            if (open_[k].ghost) continue;
            if (id == a || id == b) {
                PopTo(k);
                return;
            }
            if ((FlagsAt(k) & kSpecial) && id != address_ && id != div_ && id != p_) return;
        }
    }

    // The tree builder opens a row group and a row for a cell written
    // straight into a table.
    void EnsureRow() {
        if (FindInTable({tr_}) != kNone) return;
        if (FindInTable({tbody_, thead_, tfoot_}) == kNone) Push(tbody_);
        Push(tr_);
    }

    // End of a (kept) formatting element. When a block was opened inside it
    // (`<b hidden><div></b>`) the tree builder takes the element off the stack
    // together with the ordinary elements between it and that block, and
    // opens a copy of it inside the block.
    void EndFormatting(std::uint32_t id) {
        for (int round = 0; round < 8; ++round) {
            const std::size_t ai = LastActive(id);
            if (ai == kNone) {
                EndOrdinary(id);
                return;
            }
            const std::size_t k = FindOpen(id, 0);
            if (k == kNone) {
                EraseActive(ai);
                return;
            }
            for (std::size_t s = k + 1; s < open_.size(); ++s)
                if (!open_[s].ghost && (FlagsAt(s) & kScopeEdge)) return;
            std::size_t block = kNone;
            for (std::size_t s = k + 1; s < open_.size() && block == kNone; ++s)
                if (!open_[s].ghost && (FlagsAt(s) & kSpecial)) block = s;
            if (block == kNone) {
                PopTo(k);
                EraseActive(ai);
                return;
            }
            std::vector<Open> rebuilt(open_.begin(), open_.begin() + static_cast<std::ptrdiff_t>(k));
            for (std::size_t s = k + 1; s < block; ++s)
                if (FlagsAt(s) & kFormatting) rebuilt.push_back(open_[s]);
            rebuilt.push_back(open_[block]);
            rebuilt.push_back(Open{id, false, false});
            rebuilt.insert(rebuilt.end(), open_.begin() + static_cast<std::ptrdiff_t>(block) + 1,
                           open_.end());
            open_ = std::move(rebuilt);
            depth_ = 0;
            ghosts_ = 0;
            for (const Open& o : open_) ++(o.ghost ? ghosts_ : depth_);
        }
    }

    void EndOrdinary(std::uint32_t id) {
        for (std::size_t k = open_.size(); k-- > 0;) {
            if (open_[k].ghost) continue;
            if (open_[k].id == id) {
                PopTo(k);
                return;
            }
            if (FlagsAt(k) & kSpecial) return;
        }
    }

    void FormattingStart(std::uint32_t id, const Tag& tag, std::size_t start) {
        // Inside SVG or MathML the tag leaves the foreign content; when the tag
        // itself goes, a void HTML tag still has to take the parser out.
        const bool breakout = InForeign();
        if (breakout) PopForeign();
        const std::string_view dropped = breakout ? "<img>" : "";
        const InlineStyle style = tag.hasStyle ? ParseStyle(DecodeReferences(tag.style)) : InlineStyle{};
        std::string_view canonical;
        if (tag.hidden || style.displayNone)
            canonical = " hidden";
        else if (style.visibility == 0)
            canonical = " style=\"visibility:hidden\"";
        else if (style.visibility == 1)
            canonical = " style=\"visibility:visible\"";
        if (canonical.empty()) {
            if (ghosts_ < kMaxDepth) {
                open_.push_back(Open{id, true, false});
                ++ghosts_;
            } else {
                ++dropped_[id];
            }
            Replace(start, tag.end, dropped);
            return;
        }
        if (id == a_ && LastActive(a_) != kNone) {
            EndFormatting(a_);  // an a inside an a closes the outer one
            if (const std::size_t ai = LastActive(a_); ai != kNone) EraseActive(ai);
        } else if (id == nobr_ && FindOpen(nobr_, kScopeEdge) != kNone) {
            EndFormatting(nobr_);
        }
        if (depth_ >= kMaxDepth || ActiveSinceMarker() >= kMaxOpenFormatting) {
            ++dropped_[id];
            Replace(start, tag.end, dropped);
            return;
        }
        Push(id);
        Replace(start, tag.end, "<" + tag.name + std::string(canonical) + ">");
    }

    Action StartTag(std::uint32_t id, const Tag& tag) {
        const std::uint32_t f = flags_[id];
        if (InForeign()) {
            if (!Breaks(id, tag)) return StartForeign(id, tag);
            PopForeign();
        }
        if (f & kForeign) return StartForeign(id, tag);
        if (f & (kVoid | kDocument)) return Action::Keep;
        if (id == li_) CloseItem(li_, li_);
        if (id == dd_ || id == dt_) CloseItem(dd_, dt_);
        if (f & kClosesP) ClosePInButtonScope();
        if (f & kHeading) {
            if (const std::size_t k = Current(); k != kNone && (FlagsAt(k) & kHeading)) PopTo(k);
        }
        if ((f & kTablePart) && id != table_ && FindInTable({table_, template_}) == kNone) {
            return Action::Keep;  // outside a table (or template) the tree builder ignores the parts of one
        } else if (id == td_ || id == th_) {
            if (const std::size_t k = FindInTable({td_, th_}); k != kNone) PopTo(k);
            EnsureRow();
        } else if (id == tr_) {
            if (const std::size_t k = FindInTable({tr_}); k != kNone) PopTo(k);
            if (FindInTable({tbody_, thead_, tfoot_}) == kNone) Push(tbody_);
        } else if (id == tbody_ || id == thead_ || id == tfoot_ || id == caption_) {
            if (const std::size_t k = FindInTable({tbody_, thead_, tfoot_, caption_}); k != kNone) PopTo(k);
        } else if (id == table_) {
            for (std::size_t k = open_.size(); k-- > 0;) {
                if (open_[k].ghost) continue;
                if (open_[k].id == table_) {
                    PopTo(k);  // a table start tag straight inside a table ends that table
                    break;
                }
                if (open_[k].id == td_ || open_[k].id == th_ || open_[k].id == caption_) break;
            }
        } else if (id == button_) {
            if (const std::size_t k = FindOpen(button_, kScopeEdge); k != kNone) PopTo(k);
        } else if (id == form_ && templates_ == 0) {
            if (form_open_) return Action::Keep;  // a form inside a form is ignored
            form_open_ = true;
        } else if (id == select_) {
            if (const std::size_t k = FindOpen(select_, 0); k != kNone) {
                PopTo(k);  // a select inside a select closes the outer one
                return Action::Keep;
            }
        } else if (id == option_ || id == optgroup_) {
            if (const std::size_t k = Current(); k != kNone && open_[k].id == option_) PopTo(k);
            if (const std::size_t k = Current(); id == optgroup_ && k != kNone && open_[k].id == optgroup_)
                PopTo(k);
        }
        // Script and style never hold elements; cutting them would show their code as text.
        if (!(f & kRawText) && depth_ >= kMaxDepth) {
            ++dropped_[id];
            return Drop(id);
        }
        Push(id);
        return Action::Keep;
    }

    Action StartForeign(std::uint32_t id, const Tag& tag) {
        // SVG has no select, tbody, template ...; gumbo 0.10 mistakes such an
        // element for the HTML one in some table states and aborts.
        const std::uint32_t f = flags_[id];
        const bool alien = (f & kSpecial) && !(f & kForeignName);
        if (tag.selfClosing) return alien ? Action::Cut : Action::Keep;
        if (alien || depth_ >= kMaxDepth) {
            ++dropped_[id];
            return Action::Cut;
        }
        PushForeign(id);
        return Action::Keep;
    }

    Action EndTag(std::uint32_t id) {
        const std::uint32_t f = flags_[id];
        if (InForeign()) {
            for (std::size_t k = open_.size(); k-- > 0;) {
                if (open_[k].ghost) continue;
                if (!open_[k].foreign) break;  // the HTML rules take over
                if (open_[k].id == id) {
                    PopTo(k);
                    return Action::Keep;
                }
            }
        }
        if (f & kFormatting) {
            for (std::size_t k = open_.size(); k-- > 0;) {
                if (open_[k].id != id) continue;
                if (!open_[k].ghost) break;
                open_.erase(open_.begin() + static_cast<std::ptrdiff_t>(k));
                --ghosts_;
                return Action::Cut;
            }
            if (dropped_[id] > 0) {
                --dropped_[id];
                return Action::Cut;
            }
            EndFormatting(id);
            return Action::Keep;
        }
        if (dropped_[id] > 0) {
            --dropped_[id];
            return Drop(id);
        }
        // </body> and </html> change nothing that is rendered, but they are
        // where gumbo's tree builder trips over its own checks.
        if (f & kDocument) return Action::Cut;
        if (id == br_) return Action::Keep;
        if (id == p_) {
            ClosePInButtonScope();
        } else if (id == form_ && templates_ == 0) {
            // The form leaves the stack alone; elements opened inside it stay open.
            form_open_ = false;
            if (const std::size_t k = FindOpen(form_, kScopeEdge); k != kNone) {
                open_.erase(open_.begin() + static_cast<std::ptrdiff_t>(k));
                --depth_;
            }
        } else if (f & kTablePart) {
            if (const std::size_t k = FindOpen(id, kTableEdge); k != kNone) PopTo(k);
        } else if (f & kSpecial) {
            const std::uint32_t edge = id == li_ ? kScopeEdge | kListEdge : kScopeEdge;
            if (const std::size_t k = FindOpen(id, edge); k != kNone) PopTo(k);
        } else {
            EndOrdinary(id);
        }
        return Action::Keep;
    }

    static constexpr std::uint32_t kMarkerEntry = static_cast<std::uint32_t>(-1);

    std::string_view in_;
    std::string out_;  // the bounded page up to copied_, once a tag was cut or rewritten
    std::size_t copied_ = 0;
    bool edited_ = false;
    std::unordered_map<std::string, std::uint32_t> ids_;
    std::vector<std::uint32_t> flags_;
    std::vector<std::uint32_t> dropped_;  // start tags cut, per name, whose end tags go too
    std::vector<Open> open_;
    std::vector<std::uint32_t> active_;  // kept formatting elements, and markers
    std::size_t depth_ = 0;              // real elements in open_
    std::size_t ghosts_ = 0;
    int templates_ = 0;
    bool form_open_ = false;  // the tree builder's form element pointer is set
    std::uint32_t li_, dd_, dt_, p_, br_, a_, nobr_, button_, form_, select_, option_, optgroup_, table_,
        tbody_, thead_, tfoot_, tr_, td_, th_, caption_, address_, div_, template_, noscript_, font_;
};

// ---------------------------------------------------------------------------
// Lines of the rendered text.

class LineBuilder {
public:
    // A block boundary never makes an empty line; a br does.
    void Break() {
        if (!line_.empty()) EndLine();
        space_ = false;
    }

    void LineBreak() { EndLine(); }

    void Text(const char* s, bool pre) {
        for (; *s != '\0'; ++s) {
            const char c = *s;
            // A no-break space (U+00A0, C2 A0 in UTF-8) counts as a plain space.
            const bool nbsp = c == '\xC2' && s[1] == '\xA0';
            if (pre) {
                if (c == '\n' || (c == '\r' && s[1] != '\n')) {
                    EndLine();
                } else if (nbsp) {
                    line_ += ' ';
                    ++s;
                } else if (c != '\r') {
                    line_ += c;
                }
            } else if (IsHtmlSpace(c) || nbsp) {
                space_ = true;
                if (nbsp) ++s;
            } else {
                if (space_ && !line_.empty()) line_ += ' ';
                space_ = false;
                line_ += c;
            }
        }
    }

    std::string Finish() {
        Break();
        return std::move(out_);
    }

private:
    void EndLine() {
        if (lines_ > 0) out_ += '\n';
        out_ += line_;
        ++lines_;
        line_.clear();
        space_ = false;
    }

    std::string out_;
    std::string line_;
    std::size_t lines_ = 0;
    bool space_ = false;  // blanks seen since the last character of the line
};

// ---------------------------------------------------------------------------
// Walk over the parsed document.

using NameSet = std::unordered_set<std::string_view>;

const NameSet kLeftOutHtml = {"head",   "script",  "style",    "template", "noscript", "title",
                              "iframe", "noembed", "noframes", "datalist", "rp",       "textarea",
                              "select", "audio",   "video",    "canvas"};
const NameSet kLeftOutSvg = {"script", "style", "title", "desc"};
const NameSet kBlockHtml = [] {
    NameSet names;
    const std::string_view all = kBlockElements;
    for (std::size_t start = 0; start < all.size();) {
        std::size_t end = all.find(' ', start);
        if (end == std::string_view::npos) end = all.size();
        names.insert(all.substr(start, end - start));
        start = end + 1;
    }
    return names;
}();
const NameSet kPreHtml = {"pre", "listing", "xmp", "plaintext"};

std::string_view ElementName(const GumboElement& el, std::string& buffer) {
    if (el.tag != GUMBO_TAG_UNKNOWN) return gumbo_normalized_tagname(el.tag);
    GumboStringPiece piece = el.original_tag;
    if (piece.data == nullptr || piece.length == 0) return {};
    gumbo_tag_from_original_text(&piece);
    buffer.assign(piece.data, piece.length);
    LowerInPlace(buffer);
    return buffer;
}

struct Frame {
    const GumboVector* children;
    unsigned next;
    bool block;
    bool pre;
    bool invisible;
    bool onlySummary;  // a closed details shows nothing but its summary
};

class Renderer {
public:
    std::string Render(const GumboNode* body) {
        const Frame root{nullptr, 0, true, false, false, false};
        Enter(body, root);
        while (!stack_.empty()) {
            Frame& top = stack_.back();
            if (top.next >= top.children->length) {
                if (top.block) lines_.Break();
                stack_.pop_back();
                continue;
            }
            const auto* child = static_cast<const GumboNode*>(top.children->data[top.next++]);
            switch (child->type) {
                case GUMBO_NODE_TEXT:
                case GUMBO_NODE_WHITESPACE:
                case GUMBO_NODE_CDATA:
                    if (!top.invisible && !top.onlySummary) lines_.Text(child->v.text.text, top.pre);
                    break;
                case GUMBO_NODE_ELEMENT: Enter(child, Frame(top)); break;
                default:  // comments, and templates whose content is never shown
                    break;
            }
        }
        return lines_.Finish();
    }

private:
    void Enter(const GumboNode* node, const Frame& parent) {
        const GumboElement& el = node->v.element;
        const std::string_view name = ElementName(el, name_);
        const bool html = el.tag_namespace == GUMBO_NAMESPACE_HTML;
        const bool svg = el.tag_namespace == GUMBO_NAMESPACE_SVG;
        if (parent.onlySummary && !(html && name == "summary")) return;
        if (html ? kLeftOutHtml.count(name) != 0 : svg && kLeftOutSvg.count(name) != 0) return;
        if (gumbo_get_attribute(&el.attributes, "hidden") != nullptr) return;
        const bool open = gumbo_get_attribute(&el.attributes, "open") != nullptr;
        if (html && name == "dialog" && !open) return;
        InlineStyle style;
        if (const GumboAttribute* attr = gumbo_get_attribute(&el.attributes, "style"))
            style = ParseStyle(attr->value);
        if (style.displayNone) return;
        const bool invisible = style.visibility < 0 ? parent.invisible : style.visibility == 0;
        if (html && name == "br") {
            if (!invisible) lines_.LineBreak();
            return;
        }
        const bool block = html ? kBlockHtml.count(name) != 0 : svg && name == "text";
        if (block) lines_.Break();
        stack_.push_back(Frame{&el.children, 0, block, parent.pre || (html && kPreHtml.count(name) != 0),
                               invisible, html && name == "details" && !open});
    }

    std::vector<Frame> stack_;
    LineBuilder lines_;
    std::string name_;
};

const GumboNode* FindBody(const GumboNode* root) {
    if (root == nullptr || root->type != GUMBO_NODE_ELEMENT) return nullptr;
    const GumboVector& children = root->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        const auto* child = static_cast<const GumboNode*>(children.data[i]);
        if (child->type == GUMBO_NODE_ELEMENT && child->v.element.tag == GUMBO_TAG_BODY) return child;
    }
    return nullptr;
}

bool inChild = false;

// The exit status of a parse child that ran out of memory.
constexpr int kExitOutOfMemory = 3;

// Gumbo does not check its allocations; in the child a failed one ends the
// parse with a status that says why, instead of a crash on a null pointer.
void* AllocateInChild(void*, std::size_t size) {
    void* p = std::malloc(size);
    if (p == nullptr) ::_exit(kExitOutOfMemory);
    return p;
}

std::string RenderPage(std::string_view page) {
    GumboOptions options = kGumboDefaultOptions;
    // Gumbo copies the whole stack of open elements into every parse error it
    // records; on tag soup that is quadratic memory. The errors are not used.
    options.max_errors = 0;
    if (inChild) options.allocator = AllocateInChild;
    GumboOutput* output = gumbo_parse_with_options(&options, page.data(), page.size());
    if (output == nullptr) return {};
    std::string text;
    if (const GumboNode* body = FindBody(output->root)) text = Renderer().Render(body);
    // Freeing a large tree node by node takes a good part of the parse time;
    // a child process hands its memory back at once when it ends.
    if (!inChild) gumbo_destroy_output(&options, output);
    return text;
}

void AppendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// A byte-order mark decides the encoding, as in a browser: the UTF-8 mark is
// dropped (else it would stick to the first line's text), UTF-16 is turned
// into UTF-8, unpaired surrogates and an odd last byte into U+FFFD.
std::string_view DecodeByteOrderMark(std::string_view html, std::string& buffer) {
    if (html.substr(0, 3) == "\xEF\xBB\xBF") return html.substr(3);
    const bool little = html.substr(0, 2) == "\xFF\xFE";
    if (!little && html.substr(0, 2) != "\xFE\xFF") return html;
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(html[i]), b = static_cast<unsigned char>(html[i + 1]);
        return static_cast<std::uint32_t>(little ? a | b << 8 : a << 8 | b);
    };
    buffer.reserve(html.size());
    std::size_t i = 2;
    for (; i + 1 < html.size(); i += 2) {
        std::uint32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < html.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        AppendUtf8(buffer, c);
    }
    if (i < html.size()) AppendUtf8(buffer, 0xFFFD);
    return buffer;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

void CloseFd(int fd) {
    while (::close(fd) < 0 && errno == EINTR) {
    }
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer) || __has_feature(thread_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// Bounds the address space of the parse child to what it has now plus
// kPageMemoryLimit, so that a hostile page fails in the child instead of
// taking the machine's memory. The child's present size is the program's
// (shared copy-on-write), so the bound is relative to it. Sanitizers reserve
// terabytes of address space as they go and are left alone.
void LimitChildMemory() {
    if constexpr (kSanitized) return;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr) return;
    unsigned long pages = 0;
    const bool read = std::fscanf(statm, "%lu", &pages) == 1;
    std::fclose(statm);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (!read || pageSize <= 0) return;
    rlimit limit{};
    if (::getrlimit(RLIMIT_AS, &limit) != 0) return;
    const rlim_t wanted = static_cast<rlim_t>(pages) * static_cast<rlim_t>(pageSize) + kPageMemoryLimit;
    if (limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur <= wanted) return;
    limit.rlim_cur = limit.rlim_max != RLIM_INFINITY && limit.rlim_max < wanted ? limit.rlim_max : wanted;
    ::setrlimit(RLIMIT_AS, &limit);
}

[[noreturn]] void PageUnreadable(const std::string& reason) {
    throw FileError("The page cannot be read: " + reason + ".");
}

std::string Seconds(int ms) {
    if (ms % 1000 == 0) return std::to_string(ms / 1000) + (ms == 1000 ? " second" : " seconds");
    return std::to_string(ms) + " ms";
}

// What became of a child whose text did not arrive whole.
[[noreturn]] void ChildFailed(bool timedOut, bool reaped, int status, int timeoutMs) {
    if (timedOut) PageUnreadable("reading it took longer than " + Seconds(timeoutMs));
    if (reaped && WIFEXITED(status) && WEXITSTATUS(status) == kExitOutOfMemory)
        PageUnreadable("reading it needs more memory than the " + std::to_string(kPageMemoryLimit >> 20) +
                       " MB allowed for a page");
    if (reaped && WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        const char* name = ::strsignal(signal);
        std::string reason = "the page reader was stopped by signal " + std::to_string(signal);
        if (name != nullptr) reason += std::string(" (") + name + ")";
        if (signal == SIGKILL) reason += ", as the system does when memory runs short";
        PageUnreadable(reason);
    }
    if (reaped && WIFEXITED(status) && WEXITSTATUS(status) != 0)
        PageUnreadable("the page reader failed (exit status " + std::to_string(WEXITSTATUS(status)) + ")");
    PageUnreadable("the page reader ended without its text");
}

void CheckPageSize(std::string_view html) {
    if (html.size() <= kPageSizeLimit) return;
    throw FileError("The page cannot be read: it holds " + std::to_string(html.size()) +
                    " bytes, more than the limit of " + std::to_string(kPageSizeLimit >> 20) + " MB (" +
                    std::to_string(kPageSizeLimit) + " bytes).");
}

}  // namespace

namespace detail {

std::string RunIsolated(std::string_view page, std::string (*render)(std::string_view), int timeoutMs) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return render(page);
    const pid_t pid = ::fork();
    if (pid < 0) {
        CloseFd(fds[0]);
        CloseFd(fds[1]);
        return render(page);
    }
    if (pid == 0) {
        // The child: nothing of the parent's may run here (no unwinding, no
        // exit handlers), whatever happens.
        CloseFd(fds[0]);
        inChild = true;
        LimitChildMemory();
        int code = 1;
        try {
            const std::string text = render(page);
            // The length goes first, so that a child that dies half way is
            // recognised even when its exit status cannot be collected.
            const std::uint64_t size = text.size();
            char header[sizeof size];
            std::memcpy(header, &size, sizeof size);
            if (WriteAll(fds[1], header, sizeof header) && WriteAll(fds[1], text.data(), text.size()))
                code = 0;
        } catch (const std::bad_alloc&) {
            code = kExitOutOfMemory;
        } catch (...) {
        }
        ::_exit(code);
    }
    CloseFd(fds[1]);
    std::string received;
    bool complete = false;
    bool timedOut = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            timedOut = true;
            break;
        }
        pollfd poll{fds[0], POLLIN, 0};
        const int ready = ::poll(&poll, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        timedOut = ready == 0;
        if (ready <= 0) break;
        const ssize_t n = ::read(fds[0], buffer.data(), buffer.size());
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) {
            complete = n == 0;
            break;
        }
        received.append(buffer.data(), static_cast<std::size_t>(n));
    }
    CloseFd(fds[0]);
    if (!complete) ::kill(pid, SIGKILL);
    int status = 0;
    pid_t waited;
    while ((waited = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
    }
    // A child reaped elsewhere (SIGCHLD ignored) leaves only the length check.
    const bool reaped = waited == pid;
    std::uint64_t size = 0;
    if (complete && received.size() >= sizeof size) std::memcpy(&size, received.data(), sizeof size);
    const bool whole = complete && received.size() >= sizeof size && size == received.size() - sizeof size;
    if (!whole || (reaped && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)))
        ChildFailed(timedOut, reaped, status, timeoutMs);
    received.erase(0, sizeof size);
    return received;
}

}  // namespace detail

std::string PageToText(std::string_view html) {
    CheckPageSize(html);
    std::string decoded;
    html = DecodeByteOrderMark(html, decoded);
    if (html.empty()) return {};
    NestingBound bound(html);
    return detail::RunIsolated(bound.Result(), RenderPage, kRenderTimeoutMs);
}

std::string PageToTextInProcess(std::string_view html) {
    CheckPageSize(html);
    std::string decoded;
    html = DecodeByteOrderMark(html, decoded);
    if (html.empty()) return {};
    NestingBound bound(html);
    return RenderPage(bound.Result());
}

}  // namespace rotacle
