#pragma once
#include <windows.h>
#include <string>

// The pages of a tip's text: a carriage return splits it into two, the first
// shown with two spaces after it, the second with two spaces before it.
struct TooltipPages {
  bool two_pages = false;
  std::string page[2];
};
TooltipPages split_tooltip_pages(const std::string& text);

// Where a tip of size goes for the point (screen coordinates): its top-left
// corner at the point, moved left to end at the screen's right edge, right to
// start at 0, and above the control (bottom at control_top) when it would
// pass the screen's bottom.
RECT place_tooltip_rect(SIZE size, POINT point, SIZE screen, int control_top);

// The n-th piece (from 0) of text between separator characters; "" when the
// text has fewer pieces.
std::string get_nth_token(const std::string& text, int n, char separator);
