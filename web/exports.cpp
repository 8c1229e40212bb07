// The functions the page and its workers call. Strings cross as UTF-8; an
// answer stays valid until the next call of the same function.
#include <emscripten/emscripten.h>

#include <string>

#include "web/face.h"
#include "web/face_journal.h"

extern "C" {

/// One request to the table of this module instance (see Face::Call).
EMSCRIPTEN_KEEPALIVE const char* rotacle_call(const char* request) {
    static rotacle::web::Face face;
    static std::string answer;
    answer = face.Call(request);
    return answer.c_str();
}

/// One request about the session journal's records (see JournalCall).
EMSCRIPTEN_KEEPALIVE const char* rotacle_journal(const char* request) {
    static std::string answer;
    answer = rotacle::web::JournalCall(request);
    return answer.c_str();
}

}  // extern "C"
