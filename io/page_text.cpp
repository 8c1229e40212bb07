// Placeholder until the HTML renderer lands: splits at tags.
#include "io/page_text.h"

namespace rotacle {

std::string PageToText(std::string_view html) {
    std::string out;
    bool in_tag = false;
    for (char c : html) {
        if (c == '<') {
            in_tag = true;
            out += '\n';
        } else if (c == '>') {
            in_tag = false;
        } else if (!in_tag) {
            out += c;
        }
    }
    return out;
}

}  // namespace rotacle
