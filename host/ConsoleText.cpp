#include "ConsoleText.h"

namespace {

constexpr char kBell = 7;
constexpr char kBackspace = 8;
constexpr char kLineFeed = 10;
constexpr char kCarriageReturn = 13;

}  // namespace

ConsoleText::ConsoleText() : line_(Line::kUndecided)
{
}

void ConsoleText::set_filter(const std::string& filter)
{
  filter_ = filter;
  line_ = Line::kUndecided;
  held_.clear();
}

std::vector<ConsoleStep> ConsoleText::take(const char* bytes, std::size_t count)
{
  std::vector<ConsoleStep> steps;
  for (std::size_t i = 0; i < count; ++i) {
    char c = bytes[i];
    switch (c) {
    case kBell:
      steps.push_back({ConsoleStep::kBeep, std::string()});
      break;
    case kBackspace:
      backspace(steps);
      break;
    case kLineFeed:
      add('\r', steps);
      add('\n', steps);
      break;
    case kCarriageReturn:
    case '\0':
      break;
    default:
      add(c, steps);
      break;
    }
  }
  return steps;
}

void ConsoleText::add(char c, std::vector<ConsoleStep>& steps)
{
  if (filter_.empty() || line_ == Line::kShown) {
    show(std::string(1, c), steps);
  } else if (line_ == Line::kUndecided) {
    held_ += c;
    if (held_.size() >= filter_.size() || c == '\n') {
      if (held_.compare(0, filter_.size(), filter_) == 0) {
        show(held_, steps);
        line_ = Line::kShown;
      } else {
        line_ = Line::kDropped;
      }
      held_.clear();
    }
  }
  if (c == '\n' && !filter_.empty()) {
    line_ = Line::kUndecided;
  }
}

void ConsoleText::show(const std::string& text, std::vector<ConsoleStep>& steps)
{
  if (!steps.empty() && steps.back().kind == ConsoleStep::kAppend) {
    steps.back().text += text;
  } else {
    steps.push_back({ConsoleStep::kAppend, text});
  }
}

void ConsoleText::backspace(std::vector<ConsoleStep>& steps)
{
  // A backspace edits the line it arrives in: a line held back loses its last
  // character, a dropped line stays dropped.
  if (filter_.empty() || line_ == Line::kShown) {
    steps.push_back({ConsoleStep::kDeleteLast, std::string()});
  } else if (line_ == Line::kUndecided && !held_.empty()) {
    held_.pop_back();
  }
}

unsigned ConsoleText::trim_count(unsigned length, unsigned limit)
{
  unsigned threshold = limit * 4 / 5;
  unsigned step = trim_step(limit);
  if (length < threshold) {
    return 0;
  }
  if (step == 0) {
    return length;
  }
  return ((length - threshold) / step + 1) * step;
}
