// Image sets: named, sparse arrays of images.
#include "resources/image_set.h"

namespace vyr {

CImage::CImage() = default;
CImage::~CImage() = default;

CImageSet::CImageSet(std::string name) : m_name(std::move(name)) {}
CImageSet::~CImageSet() = default;

CImage* CImageSet::GetImage(int32_t number) const {
  if (number < 0 || number >= ImageCount()) return nullptr;
  return m_images[size_t(number)].get();
}

CImage* CImageSet::PutImage(int32_t number, std::unique_ptr<CImage> image) {
  if (number < 0 || !image) return nullptr;
  if (size_t(number) >= m_images.size()) m_images.resize(size_t(number) + 1);
  auto& slot = m_images[size_t(number)];
  if (slot) return nullptr;
  slot = std::move(image);
  if (number < m_lowest) m_lowest = number;
  if (number > m_highest) m_highest = number;
  return slot.get();
}

CImageSet* CImageSetTable::Find(const std::string& name) const {
  auto it = m_sets.find(name);
  return it == m_sets.end() ? nullptr : it->second.get();
}

CImageSet* CImageSetTable::FindOrCreate(const std::string& name) {
  auto& slot = m_sets[name];
  if (!slot) slot = std::make_unique<CImageSet>(name);
  return slot.get();
}

bool CImageSetTable::Remove(const std::string& name) { return m_sets.erase(name) != 0; }

void CImageSetTable::Clear() { m_sets.clear(); }

}  // namespace vyr
