// Image sets: named, sparse arrays of images built from archive directories.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bytes.h"
#include "resources/dib.h"
#include "resources/pixel_arena.h"

namespace vyr {

class CPalId;
class CRezDir;
class CRezItem;

// What loading an image needs from the document: its palette and whether that palette
// is the colour cube that images with their own palettes are re-indexed into.
struct ImageLoadContext {
  CPalId* palette = nullptr;
  bool paletteFromImages = false;
};

// Bumped whenever an image set is made or freed or an image added or released: what a
// cache of drawn images compares to know its images still exist unchanged.
uint64_t ImageStoreGeneration();

// Draw flag bit that mirrors an image left to right (the objects' "Lustrzany").
inline constexpr int32_t kImageDrawMirrored = 2;

// Image numbers above this are not loaded: a tile value addresses 16 bits of image
// number, and the set's array is dense, so a stray "FRAME4000000000" must not allocate.
inline constexpr int32_t kMaxImageNumber = 0xFFFF;

// One image of a set: size, hot-spot offsets, transparency and its surface.
class CImage {
 public:
  CImage();
  ~CImage();

  // Loads the image from an archive item: the type code picks the decoder (BMP, PCX,
  // RID, PID; anything else fails). `defaultTransparent` applies to BMP and PCX. With
  // `buffer` the item's bytes are read there (one buffer serves a whole set) rather than
  // cached by the item for the load.
  bool Load(CRezItem& item, const ImageLoadContext& context, bool defaultTransparent = true,
            std::string* reason = nullptr, std::vector<uint8_t>* buffer = nullptr);
  // The same from an item's bytes and type code.
  bool LoadFromData(ByteSpan data, uint32_t typeCode, const ImageLoadContext& context,
                    bool defaultTransparent, std::string* reason = nullptr);
  // Draws at (x, y) shifted by the hot spot; flag bit 2 mirrors it (hot spot x then
  // subtracts). Returns false when nothing was drawn.
  bool Draw(CDibG& target, int32_t x, int32_t y, int32_t flags) const;
  // Frees the surface; the image then draws nothing.
  void Release();

  CDibG& Surface() { return m_surface; }
  const CDibG& Surface() const { return m_surface; }

  int32_t m_width = 0;
  int32_t m_height = 0;
  int32_t m_offsetX = 0;  // hot spot
  int32_t m_offsetY = 0;
  bool m_transparent = false;

 private:
  CDibG m_surface;
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
  // Number of images present (the filled slots).
  int32_t PresentCount() const { return m_present; }
  // How far any image of the set, drawn centred on a point, can reach from that point
  // (half its size plus its hot spot, plus one); kept as images are put, so drawing can
  // pass over far objects without walking the images.
  int64_t Reach() const { return m_reach; }

  // Puts an image in a free slot; returns null (and keeps `image` unowned) when the slot is taken.
  CImage* PutImage(int32_t number, std::unique_ptr<CImage> image);

  // Every image item of the directory (type by type, items in table order), each under
  // the number its name gives; returns the number of images added.
  int LoadSetImages(CRezDir& directory, const ImageLoadContext& context);
  // Loads the item into slot `number` unless that slot is taken or the item is no image;
  // `buffer` as for CImage::Load.
  CImage* AddImage(CRezItem& item, int32_t number, const ImageLoadContext& context,
                   std::vector<uint8_t>* buffer = nullptr);

  // The decimal value of the first run of digits in an item name; 0 without digits.
  // Saturates at INT32_MAX for longer runs.
  static int32_t ImageNumberFromName(std::string_view name);

 private:
  std::string m_name;
  // Before the images, so that it outlives their surfaces.
  PixelArena m_pixels;
  std::vector<std::unique_ptr<CImage>> m_images;
  int32_t m_lowest = 99999;
  int32_t m_highest = 0;
  int32_t m_present = 0;
  int64_t m_reach = 0;
};

// Called with the name of each set that holds images after a load in adding mode.
using ImageSetAddedFn = std::function<void(const std::string& name)>;

// Sets by name; names compare exactly, case included.
class CImageSetTable {
 public:
  CImageSet* Find(const std::string& name) const;
  CImageSet* FindOrCreate(const std::string& name);
  bool Remove(const std::string& name);
  void Clear();
  size_t Count() const { return m_sets.size(); }
  const std::map<std::string, std::unique_ptr<CImageSet>>& Sets() const { return m_sets; }
  // The largest reach of any set's image (0 without images).
  int64_t Reach() const;

  // The palette and palette-from-images flag images are loaded with.
  void SetLoadContext(const ImageLoadContext& context) { m_context = context; }

  // Makes sets of `directory`'s sub-directories at any depth, each named by its path
  // below `directory` joined with `separator` after `prefix`; with a prefix the
  // directory's own items form the set named by the prefix. Returns the number of sets
  // that hold images. In adding mode (`onAdded` set) it is told each such set's name.
  int LoadImageSets(CRezDir& directory, const std::string& prefix, const std::string& separator,
                    const ImageSetAddedFn& onAdded = {});
  // The world's object image sets: each non-empty directory path, found from `root`, is
  // loaded with its prefix and "_" (adding mode when `onAdded` is set); paths that name
  // no directory are passed over. Returns the number of sets that hold images.
  int LoadObjectImageSets(CRezDir& root, const std::array<std::string, 4>& paths,
                          const std::array<std::string, 4>& prefixes, const ImageSetAddedFn& onAdded = {});
  // Adds the item as image `number` of the named set, creating the set when missing;
  // a set made here that ends up without images is removed again.
  CImage* AddImage(const std::string& setName, CRezItem& item, int32_t number);

 private:
  std::map<std::string, std::unique_ptr<CImageSet>> m_sets;
  ImageLoadContext m_context;
};

}  // namespace vyr
