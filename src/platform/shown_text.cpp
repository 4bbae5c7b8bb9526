// The installed translator of shown texts.
#include "platform/shown_text.h"

namespace vyr {

namespace {
ShownTextTranslator g_translator = nullptr;
}  // namespace

void SetShownTextTranslator(ShownTextTranslator translator) { g_translator = translator; }

std::string ShownText(std::string_view source) {
  return g_translator ? g_translator(source) : std::string(source);
}

}  // namespace vyr
