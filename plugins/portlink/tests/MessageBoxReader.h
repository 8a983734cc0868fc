#pragma once
#include <string>
#include <vector>

// Reads the message boxes this program shows, as a user sees them.
namespace MessageBoxReader {

// The texts of the message boxes of this process that are open now.
std::vector<std::string> open_texts();
// Waits for a message box of this process, presses its OK button and
// returns its text once it has closed; "" when none appears.
std::string press_ok();

}  // namespace MessageBoxReader
