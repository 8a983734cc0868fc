#pragma once
#include <functional>
#include <string>

// How the dialog shows an exchange message: in a box with the program's
// caption, or in one without a caption.
enum class MessageCaption { Program, None };

using ExchangeMessageSink = std::function<void(const std::string& text, MessageCaption caption)>;
