// Image sets: loading images from archive items and sets from archive directories.
#include "resources/image_set.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdlib>

#include "resources/image_formats.h"
#include "resources/palette.h"
#include "resources/rez_dir.h"
#include "resources/rez_item.h"
#include "resources/rez_type.h"

namespace vyr {

CImage::CImage() = default;
CImage::~CImage() = default;

bool CImage::Load(CRezItem& item, const ImageLoadContext& context, bool defaultTransparent, std::string* reason,
                  std::vector<uint8_t>* buffer) {
  if (ImageKindOfTypeCode(item.GetType()) == 0) {
    if (reason) *reason = "item " + item.GetName() + " is not an image";
    return false;
  }
  const ByteSpan data = buffer ? item.ReadData(*buffer) : ByteSpan(item.GetData());
  if (data.empty()) {
    if (reason) *reason = "item " + item.GetName() + " has no readable data";
    return false;
  }
  const bool ok = LoadFromData(data, item.GetType(), context, defaultTransparent, reason);
  item.ReleaseData();
  return ok;
}

bool CImage::LoadFromData(ByteSpan data, uint32_t typeCode, const ImageLoadContext& context,
                          bool defaultTransparent, std::string* reason) {
  const int kind = ImageKindOfTypeCode(typeCode);
  if (kind == 0) {
    if (reason) *reason = "not an image type";
    return false;
  }
  ImageInfo info;
  if (!ReadImageInfo(data, kind, defaultTransparent, info, reason)) return false;
  m_surface.Destroy();
  if (!m_surface.LoadFromMemory(data, kind, context.palette, reason)) return false;
  if (context.paletteFromImages) {
    // Images with their own palette are brought into the document's colour cube;
    // the others keep their pixel values.
    CPalId own;
    if (own.BuildFromImageData(data, kind)) m_surface.ReindexToColourCube(&own);
  }
  m_offsetX = info.offsetX;
  m_offsetY = info.offsetY;
  m_transparent = info.transparent;
  m_width = m_surface.Width();
  m_height = m_surface.Height();
  return true;
}

namespace {
// A hot spot from a header can be any 32-bit value: the shifted position is kept in range.
// A clamped position lies far outside every surface, so nothing is drawn there.
int32_t Shifted(int64_t position) {
  return int32_t(std::clamp<int64_t>(position, INT32_MIN, INT32_MAX));
}
}  // namespace

bool CImage::Draw(CDibG& target, int32_t x, int32_t y, int32_t flags) const {
  if (!m_surface.IsCreated()) return false;
  const int32_t drawY = Shifted(int64_t(y) + m_offsetY);
  if (flags & kImageDrawMirrored)
    return target.DrawMirrored(Shifted(int64_t(x) - m_offsetX), drawY, m_surface, m_transparent);
  return target.Draw(Shifted(int64_t(x) + m_offsetX), drawY, m_surface, m_transparent);
}

namespace {
std::atomic<uint64_t> g_imageStoreGeneration{0};
void ImageStoreChanged() { g_imageStoreGeneration.fetch_add(1, std::memory_order_relaxed); }
}  // namespace

uint64_t ImageStoreGeneration() { return g_imageStoreGeneration.load(std::memory_order_relaxed); }

void CImage::Release() {
  m_surface.Destroy();
  ImageStoreChanged();
}

CImageSet::CImageSet(std::string name) : m_name(std::move(name)) { ImageStoreChanged(); }
CImageSet::~CImageSet() { ImageStoreChanged(); }

CImage* CImageSet::GetImage(int32_t number) const {
  if (number < 0 || number >= ImageCount()) return nullptr;
  return m_images[size_t(number)].get();
}

CImage* CImageSet::PutImage(int32_t number, std::unique_ptr<CImage> image) {
  if (number < 0 || number > kMaxImageNumber || !image) return nullptr;
  if (size_t(number) >= m_images.size()) m_images.resize(size_t(number) + 1);
  auto& slot = m_images[size_t(number)];
  if (slot) return nullptr;
  slot = std::move(image);
  ++m_present;
  ImageStoreChanged();
  m_reach = std::max({m_reach, int64_t(slot->m_width) / 2 + 1 + std::abs(int64_t(slot->m_offsetX)),
                      int64_t(slot->m_height) / 2 + 1 + std::abs(int64_t(slot->m_offsetY))});
  if (number < m_lowest) m_lowest = number;
  if (number > m_highest) m_highest = number;
  return slot.get();
}

int64_t CImageSetTable::Reach() const {
  int64_t reach = 0;
  for (const auto& entry : m_sets) reach = std::max(reach, entry.second->Reach());
  return reach;
}

int32_t CImageSet::ImageNumberFromName(std::string_view name) {
  size_t i = 0;
  while (i < name.size() && !(name[i] >= '0' && name[i] <= '9')) ++i;
  int64_t value = 0;
  for (; i < name.size() && name[i] >= '0' && name[i] <= '9'; ++i) {
    value = value * 10 + (name[i] - '0');
    if (value > INT32_MAX) return INT32_MAX;
  }
  return int32_t(value);
}

CImage* CImageSet::AddImage(CRezItem& item, int32_t number, const ImageLoadContext& context,
                            std::vector<uint8_t>* buffer) {
  if (number < 0 || number > kMaxImageNumber || GetImage(number) != nullptr) return nullptr;
  auto image = std::make_unique<CImage>();
  image->Surface().UseArena(&m_pixels);
  if (!image->Load(item, context, true, nullptr, buffer)) return nullptr;
  return PutImage(number, std::move(image));
}

int CImageSet::LoadSetImages(CRezDir& directory, const ImageLoadContext& context) {
  int added = 0;
  std::vector<uint8_t> buffer;
  for (CRezType* type = directory.FirstType(); type; type = directory.NextType(type)) {
    if (ImageKindOfTypeCode(type->GetCode()) == 0) continue;  // text and other items
    for (CRezItem* item = type->FirstItem(); item; item = type->NextItem(item)) {
      if (AddImage(*item, ImageNumberFromName(item->GetName()), context, &buffer)) ++added;
    }
  }
  return added;
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

int CImageSetTable::LoadImageSets(CRezDir& directory, const std::string& prefix, const std::string& separator,
                                  const ImageSetAddedFn& onAdded) {
  int count = 0;
  for (CRezDir* sub = directory.FirstSubDir(); sub; sub = directory.NextSubDir(sub)) {
    const std::string name = prefix.empty() ? sub->GetName() : prefix + separator + sub->GetName();
    count += LoadImageSets(*sub, name, separator, onAdded);
  }
  if (!prefix.empty()) {
    CImageSet* set = FindOrCreate(prefix);
    set->LoadSetImages(directory, m_context);
    if (set->PresentCount() > 0) {
      ++count;
      if (onAdded) onAdded(prefix);
    } else {
      Remove(prefix);
    }
  }
  return count;
}

int CImageSetTable::LoadObjectImageSets(CRezDir& root, const std::array<std::string, 4>& paths,
                                        const std::array<std::string, 4>& prefixes, const ImageSetAddedFn& onAdded) {
  int count = 0;
  for (size_t i = 0; i < paths.size(); ++i) {
    if (paths[i].empty()) continue;
    if (CRezDir* dir = root.FindDir(paths[i])) count += LoadImageSets(*dir, prefixes[i], "_", onAdded);
  }
  return count;
}

CImage* CImageSetTable::AddImage(const std::string& setName, CRezItem& item, int32_t number) {
  const bool existed = Find(setName) != nullptr;
  CImageSet* set = FindOrCreate(setName);
  CImage* image = set->AddImage(item, number, m_context);
  if (!existed && set->PresentCount() == 0) Remove(setName);
  return image;
}

}  // namespace vyr
