// The translation hook for texts the program shows: the Qt layer installs its translator,
// the layers below pass their texts through it where they compose them.
#pragma once

#include <string>
#include <string_view>

namespace vyr {

// Returns the translation of `source` (UTF-8), or `source` itself when it has none.
using ShownTextTranslator = std::string (*)(std::string_view source);

// Null removes the translator: every text is shown as written.
void SetShownTextTranslator(ShownTextTranslator translator);

// `source` in the interface's language.
std::string ShownText(std::string_view source);

}  // namespace vyr
