// Image sets: named, sparse arrays of images built from archive directories.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vyr {

// One image of a set: size, hot-spot offsets, transparency and (later) its surface.
class CImage {
 public:
  CImage();
  ~CImage();

  int32_t m_width = 0;
  int32_t m_height = 0;
  int32_t m_offsetX = 0;  // hot spot
  int32_t m_offsetY = 0;
  bool m_transparent = false;
};

class CImageSet {
 public:
  explicit CImageSet(std::string name);
  ~CImageSet();

  const std::string& Name() const { return m_name; }
  // One more than the highest image number ever stored.
  int32_t ImageCount() const { return int32_t(m_images.size()); }
  // The image of that number, or null for an empty slot or a number out of range.
  CImage* GetImage(int32_t number) const;
  int32_t Lowest() const { return m_lowest; }
  int32_t Highest() const { return m_highest; }

  // Puts an image in a free slot; returns null (and keeps `image` unowned) when the slot is taken.
  CImage* PutImage(int32_t number, std::unique_ptr<CImage> image);

 private:
  std::string m_name;
  std::vector<std::unique_ptr<CImage>> m_images;
  int32_t m_lowest = 99999;
  int32_t m_highest = 0;
};

// Sets by name; names compare exactly, case included.
class CImageSetTable {
 public:
  CImageSet* Find(const std::string& name) const;
  CImageSet* FindOrCreate(const std::string& name);
  bool Remove(const std::string& name);
  void Clear();
  size_t Count() const { return m_sets.size(); }
  const std::map<std::string, std::unique_ptr<CImageSet>>& Sets() const { return m_sets; }

 private:
  std::map<std::string, std::unique_ptr<CImageSet>> m_sets;
};

}  // namespace vyr
