// The progress line long subcommands show on a terminal, and only there.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace vyr::cli {

class ProgressLine {
 public:
  // Shown on standard error when it is a terminal.
  explicit ProgressLine(std::string label);
  ProgressLine(std::string label, std::FILE* out, bool terminal);
  // Clears the line, so the subcommand's own output starts at the line's beginning.
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  // Takes the line off the terminal (it returns with the next change).
  void Clear();
  // "<label>: 42%".
  void Percent(int percent);
  // "<label>: 17 files".
  void Count(int64_t count, const char* unit);

 private:
  void Show(const std::string& text);

  std::string m_label;
  std::FILE* m_out;
  bool m_terminal;
  std::string m_shown;
};

}  // namespace vyr::cli
