// Game objects: the placed object record, its file record, bounds, and the process-wide id counter.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>

#include "platform/bytes.h"
#include "platform/rect.h"

namespace vyr {

class CGameObject;
class CImage;
class CImageSetTable;
class CPlane;
struct ObjectNode;

// The process-wide object id counter: 1 at start, never reset by the program.
class ObjectIdCounter {
 public:
  static int32_t Get();
  // Returns the current value and advances the counter by one.
  static int32_t Next();
  // The rule for an id read from a file: an id in 0 … 9999 that is not below the
  // counter moves the counter to id + 1; other ids leave it alone.
  static void Observe(int32_t id);
  static void ResetForTests(int32_t value = 1);
};

// Where an object sits in its plane's list. Copying an object never copies its link:
// a copy starts unlinked and an assignment keeps the target's own place.
class ObjectLink {
 public:
  ObjectLink() = default;
  ObjectLink(const ObjectLink&) {}
  ObjectLink& operator=(const ObjectLink&) { return *this; }

  bool IsLinked() const { return m_plane != nullptr; }
  CPlane* Plane() const { return m_plane; }

 private:
  friend class CPlane;
  friend class CGameObject;
  CPlane* m_plane = nullptr;
  ObjectNode* m_node = nullptr;
};

// A field the owning plane indexes (order, position, hit area, image cache). It reads like
// the plain value; only CGameObject writes it, and tells the plane each time, so no caller
// can leave the plane's indexes stale.
template <typename T>
class IndexedField {
 public:
  IndexedField() = default;
  IndexedField(const IndexedField&) = default;
  operator const T&() const { return m_value; }
  const T& Get() const { return m_value; }
  T operator->() const
    requires std::is_pointer_v<T>
  {
    return m_value;
  }

 private:
  friend class CGameObject;
  IndexedField& operator=(const IndexedField&) = default;
  IndexedField& operator=(const T& value) {
    m_value = value;
    return *this;
  }
  T m_value{};
};

// Size of the fixed part of an object's file record; four strings follow it.
inline constexpr size_t kObjectRecordFixedSize = 284;

class CGameObject {
 public:
  CGameObject();
  ~CGameObject();
  // Copies keep every field but the list position (see ObjectLink). Assigning goes through
  // CopyFrom or Init, which tell the plane.
  CGameObject(const CGameObject&) = default;

  // Resets every field: numbers 0, strings and rectangles empty, image index −1, no image.
  int Init();
  // Copies every field of `other` except the list position.
  void CopyFrom(const CGameObject& other);

  bool IsLinked() const { return m_listPosition.IsLinked(); }
  // An object without logic is invalid (RemoveInvalidObjects destroys it).
  bool IsValid() const { return !m_logic.empty(); }

  // Bytes the file record of this object takes: 284 + the four string lengths.
  uint64_t RecordSize() const;
  // Appends the file record. Returns 0, writing nothing, when a string is longer than the
  // record's 32-bit length fields can state.
  int PutRecord(ByteWriter& out, std::string* reason = nullptr) const;
  // PutRecord, remembering the record's length.
  int WriteRecord(ByteWriter& out, std::string* reason = nullptr);
  // Reads one record from the start of `source`, never looking outside it. On success
  // remembers the record length, registers the names in KnownNameLists, lets the id
  // counter observe the id and runs UpdateBounds. Returns 0 with a reason, leaving the
  // object unchanged, when the fixed part or the strings do not fit in `source`.
  int ReadRecord(ByteSpan source, const CImageSetTable* imageSets, std::string* reason = nullptr);

  // Looks the image up in the given sets when none is cached (null sets: no image).
  const CImage* ResolveImage(const CImageSetTable* imageSets);
  // Drops the cached image, e.g. after the image sets were reloaded.
  void ForgetImage();
  // Resolves the image if none is cached, then recomputes image size and bounds.
  void UpdateBounds(const CImageSetTable* imageSets);

  // The writers of the indexed fields.
  void MoveTo(int32_t x, int32_t y);
  void SetZ(int32_t z);
  // Bounds and image are normally UpdateBounds' and ResolveImage's results; these set them as given.
  void SetBounds(const CRect& bounds);
  void SetImage(const CImage* image);

  // The position in the owning plane's list; managed by CPlane.
  ObjectLink m_listPosition;

  int32_t m_recordLength = 0;
  IndexedField<CRect> m_bounds;
  int32_t m_imageWidth = 0;
  int32_t m_imageHeight = 0;
  IndexedField<const CImage*> m_image;  // a cache, not owned
  int32_t m_id = 0;
  std::string m_name;
  std::string m_logic;
  std::string m_imageSet;
  std::string m_animation;
  IndexedField<int32_t> m_x;
  IndexedField<int32_t> m_y;
  IndexedField<int32_t> m_z;
  int32_t m_imageIndex = -1;  // −1: the set's lowest-numbered image
  int32_t m_addedFlags = 0;
  int32_t m_dynamicFlags = 0;
  int32_t m_drawFlags = 0;
  int32_t m_userFlags = 0;
  int32_t m_score = 0;
  int32_t m_points = 0;
  int32_t m_powerup = 0;
  int32_t m_damage = 0;
  int32_t m_time = 0;
  int32_t m_health = 0;
  CRect m_moveRect;
  CRect m_hitRect;
  CRect m_attackRect;
  CRect m_clipRect;
  CRect m_userRect1;
  CRect m_userRect2;
  std::array<int32_t, 8> m_userValues{};
  int32_t m_minX = 0;
  int32_t m_maxX = 0;
  int32_t m_minY = 0;
  int32_t m_maxY = 0;
  int32_t m_speedX = 0;
  int32_t m_speedY = 0;
  int32_t m_tweakX = 0;
  int32_t m_tweakY = 0;
  int32_t m_delay = 0;
  int32_t m_speed = 0;
  int32_t m_width = 0;
  int32_t m_height = 0;
  int32_t m_direction = 0;
  int32_t m_faceDirection = 0;
  int32_t m_optionTime = 0;
  int32_t m_frame = 0;
  int32_t m_hitType = 0;
  int32_t m_hitMask = 0;  // −1: all
  int32_t m_moveX = 0;
  int32_t m_moveY = 0;

 private:
  friend class CPlane;
  CGameObject& operator=(const CGameObject&) = default;
  // Tells the owning plane, if any, that indexed fields may have changed.
  void Reindex();
  // ResolveImage without telling the plane; true when it cached an image.
  bool Resolve(const CImageSetTable* imageSets);
  // For the plane, which keeps the list of cached images itself.
  void DropImage() { m_image = nullptr; }
};

// Flag bits of the object words.
inline constexpr int32_t kDynamicNoHit = 1;
inline constexpr int32_t kDynamicActive = 2;
inline constexpr int32_t kDynamicSafe = 4;
inline constexpr int32_t kDynamicAutoDamage = 8;

inline constexpr int32_t kAddedDifficult = 1;
inline constexpr int32_t kAddedDecoration = 2;
inline constexpr int32_t kAddedHighDetail = 4;
inline constexpr int32_t kAddedMultiplayer = 8;
inline constexpr int32_t kAddedHighMemory = 16;
inline constexpr int32_t kAddedFast = 32;

inline constexpr int32_t kDrawInvisible = 1;
inline constexpr int32_t kDrawMirror = 2;
inline constexpr int32_t kDrawInvert = 4;
inline constexpr int32_t kDrawFlash = 8;

// Hit table: values shared by hit type and hit mask ("User 3" is the union of 1 and 2).
inline constexpr int32_t kHitGenerator = 1;
inline constexpr int32_t kHitPlayer = 2;
inline constexpr int32_t kHitEnemy = 4;
inline constexpr int32_t kHitPowerup = 8;
inline constexpr int32_t kHitShot = 16;
inline constexpr int32_t kHitPlayerShot = 32;
inline constexpr int32_t kHitEnemyShot = 64;
inline constexpr int32_t kHitSpecial = 128;
inline constexpr int32_t kHitUser1 = 0x1000;
inline constexpr int32_t kHitUser2 = 0x2000;
inline constexpr int32_t kHitUser3 = 0x3000;
inline constexpr int32_t kHitUser4 = 0x4000;
inline constexpr int32_t kHitMaskAll = -1;

}  // namespace vyr
