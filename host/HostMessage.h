#pragma once
#include <string>

// korvo reports a failure in a message box with a fixed text and an OK button.
// The display can be replaced, so that tests read the texts instead.
using HostMessageDisplay = void (*)(const std::string& text);

void show_host_message(const std::string& text);
// Returns the display that was in place.
HostMessageDisplay set_host_message_display(HostMessageDisplay display);
