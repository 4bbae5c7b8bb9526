// Fuzzes the profile parser: reads stay inside the input, and writing what was read
// reads back to the same text.
#include <cstdlib>
#include <string>

#include "platform/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vyr::Profile profile;
  profile.Parse({data, size});
  for (const std::string& section : profile.SectionNames()) {
    for (const std::string& key : profile.KeyNames(section)) {
      (void)profile.GetProfileInt(section, key, -1);
      (void)profile.GetProfileString(section, key);
    }
  }
  const std::string first = profile.Serialize();
  vyr::Profile again;
  again.Parse({reinterpret_cast<const uint8_t*>(first.data()), first.size()});
  if (again.Serialize() != first) std::abort();

  // Writes with names taken from the input either succeed and read back, or change nothing.
  std::string text(reinterpret_cast<const char*>(data), size);
  const size_t third = text.size() / 3;
  const std::string section = text.substr(0, third), key = text.substr(third, third),
                    value = text.substr(2 * third);
  if (profile.WriteProfileString(section, key, value)) {
    const std::string written = profile.Serialize();
    vyr::Profile reread;
    reread.Parse({reinterpret_cast<const uint8_t*>(written.data()), written.size()});
    (void)reread.GetProfileString(section, key);
  }
  profile.DeleteKey(section, key);
  profile.DeleteSection(section);
  return 0;
}
