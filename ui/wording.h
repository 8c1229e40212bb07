// The window's words in the player's language: the game's messages and the
// texts the headless libraries hand over in English (list items, captions).
#pragma once

#include <QString>
#include <span>
#include <string>
#include <string_view>

#include "core/message.h"

namespace rotacle::ui {

/// A message kind with the English pattern the window translates.
struct MessagePattern {
    MessageKind kind;
    const char* english;
};

/// The patterns of every message kind, in the order of `kMessageKinds`.
std::span<const MessagePattern> MessagePatterns();

/// `message` worded with the patterns of the loaded language (English
/// where it has none).
QString WordMessage(const Message& message);

/// An English text of the headless libraries (a list item, a field name)
/// in the loaded language; the text itself where it has no translation. A
/// count in brackets at its end ("IMPORT (12)") is kept as a value.
QString Worded(std::string_view english);

}  // namespace rotacle::ui
