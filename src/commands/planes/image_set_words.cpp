// Splitting the image-set list into words and storing them in a plane's set slots.
#include "commands/planes/image_set_words.h"

#include <cstdint>

#include "resources/image_set.h"
#include "world/plane.h"

namespace vyr {

std::vector<std::string> ImageSetWords(std::string_view text) {
  text = text.substr(0, kImageSetTextMax);
  std::vector<std::string> words;
  bool inWord = false;
  for (char c : text) {
    if (static_cast<int8_t>(c) < '0') {
      inWord = false;
      continue;
    }
    if (!inWord) words.emplace_back();
    inWord = true;
    if (words.back().size() < kImageSetWordMax) words.back() += c;
  }
  return words;
}

void ApplyImageSetWords(const CImageSetTable* imageSets, CPlane& plane, std::string_view text) {
  if (!imageSets) return;
  const std::vector<std::string> words = ImageSetWords(text);
  for (size_t slot = 0; slot < words.size(); ++slot) {
    if (imageSets->Find(words[slot])) plane.AddImageSet(imageSets, int32_t(slot), words[slot]);
  }
}

}  // namespace vyr
