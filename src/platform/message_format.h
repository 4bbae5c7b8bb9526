// The printf-style texts of the message tables filled with values, without C varargs.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

namespace vyr {

// One value for a conversion: a number (for %i %d %u %x %X %c) or a text (for %s).
class FormatArg {
 public:
  template <typename T>
    requires std::is_integral_v<T>
  FormatArg(T value) : m_number(int64_t(value)), m_isText(false) {}
  FormatArg(std::string_view text) : m_text(text) {}
  FormatArg(const std::string& text) : m_text(text) {}
  FormatArg(const char* text) : m_text(text) {}

  bool IsText() const { return m_isText; }
  int64_t Number() const { return m_number; }
  std::string_view Text() const { return m_text; }

 private:
  int64_t m_number = 0;
  std::string_view m_text;
  bool m_isText = true;
};

// The pattern is first put in the interface's language (ShownText). Then replaces each conversion of `pattern` in turn with the next value: %i %d %u (decimal),
// %x %X (hexadecimal), %c, %s, with the flags '-' and '0' and a width; %% is one '%'.
// A value goes in as it stands (it may hold '%'); a number given for %s is written in
// decimal and a text given for a number conversion as it stands. Conversions left without
// a value stay in the text, so a short list shows rather than hides the mistake.
std::string FormatMessage(std::string_view pattern, std::initializer_list<FormatArg> values);

// A reason from a lower layer as the user sees it: its first letter a capital, a full stop
// at its end unless it ends with one or with "!", "?" or ":".
std::string Sentence(std::string_view reason);

// A text with a count in it, in the three forms Polish gives a noun after a number.
struct CountedText {
  std::string_view one;   // 1
  std::string_view few;   // 2–4, 22–24, … but not 12–14
  std::string_view many;  // every other count
};
// The form of `text` that `count` takes (each form has its own English translation).
std::string_view CountForm(const CountedText& text, int64_t count);

}  // namespace vyr
