#include "TooltipLayout.h"

TooltipPages split_tooltip_pages(const std::string& text)
{
  TooltipPages pages;
  std::size_t split = text.find('\r');
  if (split == std::string::npos) {
    pages.page[0] = text;
    return pages;
  }
  pages.two_pages = true;
  pages.page[0] = text.substr(0, split) + "  ";
  pages.page[1] = "  " + text.substr(split + 1);
  return pages;
}

RECT place_tooltip_rect(SIZE size, POINT point, SIZE screen, int control_top)
{
  RECT rect = {point.x, point.y, point.x + size.cx, point.y + size.cy};
  if (rect.right > screen.cx) {
    LONG excess = rect.right - screen.cx;
    rect.left -= excess;
    rect.right -= excess;
  }
  if (rect.left < 0) {
    rect.right -= rect.left;
    rect.left = 0;
  }
  if (rect.bottom > screen.cy) {
    rect.bottom = control_top;
    rect.top = control_top - size.cy;
  }
  return rect;
}

std::string get_nth_token(const std::string& text, int n, char separator)
{
  std::size_t start = 0;
  for (int piece = 0; piece < n; ++piece) {
    start = text.find(separator, start);
    if (start == std::string::npos)
      return "";
    ++start;
  }
  std::size_t end = text.find(separator, start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}
