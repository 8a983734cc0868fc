#pragma once

// A message loop that waits for what the input sent should bring about.

#include "strings/CRect.h"

#include <functional>

// Runs the thread's messages, as the application's loop does, until the
// condition holds or the time is up.
bool RunMessagesUntil(const std::function<bool()>& done, DWORD dwMilliseconds);
// The input sent arrives.
void LetTheInputArrive();
