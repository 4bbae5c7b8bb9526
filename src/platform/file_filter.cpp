// Parsing and matching of file-dialog filters.
#include "platform/file_filter.h"

namespace vyr {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool Glob(std::string_view pattern, std::string_view name) {
  size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(std::string_view filter) {
  std::vector<std::string_view> parts;
  size_t pos = 0;
  while (pos <= filter.size()) {
    size_t bar = filter.find('|', pos);
    if (bar == std::string_view::npos) bar = filter.size();
    parts.push_back(filter.substr(pos, bar - pos));
    pos = bar + 1;
  }
  std::vector<FileFilter> result;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].empty() && parts[i + 1].empty()) break;  // the "||" end mark
    FileFilter entry;
    entry.label = std::string(parts[i]);
    std::string_view list = parts[i + 1];
    size_t start = 0;
    while (start <= list.size()) {
      size_t semi = list.find(';', start);
      if (semi == std::string_view::npos) semi = list.size();
      std::string_view pattern = Trim(list.substr(start, semi - start));
      if (!pattern.empty()) entry.patterns.emplace_back(pattern);
      start = semi + 1;
    }
    if (!entry.patterns.empty()) result.push_back(std::move(entry));
  }
  return result;
}

bool MatchesFilter(const FileFilter& filter, std::string_view name) {
  for (const std::string& pattern : filter.patterns) {
    if (Glob(pattern, name)) return true;
  }
  return false;
}

}  // namespace vyr
