#pragma once
#include <string>

// korvo reports a failure in a message box with a fixed text and an OK button.
void show_host_message(const std::string& text);
