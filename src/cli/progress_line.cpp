// The terminal progress line: redrawn in place with a carriage return, only when it changes.
#include "cli/progress_line.h"

#include <unistd.h>

namespace vyr::cli {

ProgressLine::ProgressLine(std::string label) : ProgressLine(std::move(label), stderr, ::isatty(STDERR_FILENO) == 1) {}

ProgressLine::ProgressLine(std::string label, std::FILE* out, bool terminal)
    : m_label(std::move(label)), m_out(out), m_terminal(terminal) {}

ProgressLine::~ProgressLine() { Clear(); }

void ProgressLine::Clear() {
  if (m_shown.empty()) return;
  std::fprintf(m_out, "\r%*s\r", int(m_shown.size()), "");
  std::fflush(m_out);
  m_shown.clear();
}

void ProgressLine::Percent(int percent) { Show(m_label + ": " + std::to_string(percent) + "%"); }

void ProgressLine::Count(int64_t count, const char* unit) {
  Show(m_label + ": " + std::to_string(count) + " " + unit);
}

void ProgressLine::Show(const std::string& text) {
  if (!m_terminal || text == m_shown) return;
  // Pads over a longer line shown before.
  const int pad = m_shown.size() > text.size() ? int(m_shown.size() - text.size()) : 0;
  std::fprintf(m_out, "\r%s%*s", text.c_str(), pad, "");
  std::fflush(m_out);
  m_shown = text;
}

}  // namespace vyr::cli
