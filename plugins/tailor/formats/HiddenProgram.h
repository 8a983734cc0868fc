#pragma once
#include <string>

// Starts a console program without a window and waits for its end; true when
// it started and exited with code 0. The program is found as the system finds
// programs: the host's own directory first, then the usual search path.
bool run_hidden_and_wait(const std::string& command_line);
