#pragma once
#include <cstddef>
#include <string>
#include <vector>

// The console edit's text limit, and where trimming starts and how much of
// the oldest text it removes.
constexpr unsigned kConsoleTextLimit = 300000;

// One thing a received block does to the console, in order.
struct ConsoleStep {
  enum Kind { kAppend, kDeleteLast, kBeep };
  Kind kind;
  std::string text;  // for kAppend

  bool operator==(const ConsoleStep& other) const { return kind == other.kind && text == other.text; }
};

// Turns the bytes the target sends into what the console shows: BEL beeps,
// BS deletes the last character shown, LF becomes a line end, CR and NUL are
// dropped, every other byte is shown as it is. With a filter set, only lines
// that begin with it are shown; a line that arrives in several blocks is
// judged as one line.
class ConsoleText {
public:
  ConsoleText();

  // An empty filter shows every line. A new filter judges from the next line.
  void set_filter(const std::string& filter);
  const std::string& filter() const { return filter_; }

  std::vector<ConsoleStep> take(const char* bytes, std::size_t count);

  // How many of the oldest characters to remove from a text of this length:
  // a fifth of the limit at a time until it is below four fifths of it.
  static unsigned trim_count(unsigned length, unsigned limit = kConsoleTextLimit);
  // How much the trimming removes at a time.
  static unsigned trim_step(unsigned limit = kConsoleTextLimit) { return limit / 5; }

private:
  enum class Line { kUndecided, kShown, kDropped };

  void add(char c, std::vector<ConsoleStep>& steps);
  void show(const std::string& text, std::vector<ConsoleStep>& steps);
  void backspace(std::vector<ConsoleStep>& steps);

  std::string filter_;
  Line line_;
  // The start of a line too short yet to tell whether it begins with the filter.
  std::string held_;
};
