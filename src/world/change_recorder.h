// IChangeRecorder: the before and after of one part of the world (cells, objects, the plane
// stack, the header, the attribute table) for one user action, and the recorders of each.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "world/document_observer.h"
#include "world/world_host.h"

namespace vyr {

class CGameObject;
class CImageSetTable;
class CPlane;
class CWorld;

enum class ChangeOutcome { kUnchanged, kChanged, kUnrecordable };

// What a restore works on. Recorders first all prepare, then all apply: a restore that
// cannot be carried out changes nothing.
struct RestoreContext {
  CWorld& world;
  WorldProperties& properties;
  const CImageSetTable* imageSets;
  bool after;  // to the state after the action, else before it
  // Planes held outside the world (taken out by the action or by an undo of it).
  std::vector<std::unique_ptr<CPlane>>& parked;
  CGameObject*& selected;
  // Filled while preparing: the stack the restore leaves (null when the stack stays) and the
  // planes the other parts need in the world then.
  const std::vector<CPlane*>* planesAfter = nullptr;
  std::vector<const CPlane*> needed;
  bool HeldAfter(const CPlane* plane) const;
};

class IChangeRecorder {
 public:
  virtual ~IChangeRecorder() = default;
  // The part was captured when the recorder was made; this keeps what differs now.
  virtual ChangeOutcome Finish(const CWorld& world, const WorldProperties& properties) = 0;
  // Checks that the part can go to the state the context names and readies what that
  // takes, changing nothing in the world; false when it cannot.
  virtual bool Prepare(RestoreContext& context) = 0;
  // Puts the part in that state; only after every recorder prepared. Cannot fail.
  virtual void Apply(RestoreContext& context) = 0;
  // Adds what differs between the two states to `notice`.
  virtual void AddTo(ChangeNotice& notice) const = 0;
  // Memory held, for the undo stack's budget.
  virtual size_t Bytes() const = 0;
};

// The recorders, each capturing its part as it is now. The cells recorder watches the
// plane's grid writes and keeps only the blocks written; the objects recorder keeps the
// records between the unchanged head and tail of the list.
std::unique_ptr<IChangeRecorder> RecordCells(CPlane& plane);
std::unique_ptr<IChangeRecorder> RecordObjects(const CPlane& plane);
std::unique_ptr<IChangeRecorder> RecordPlanes(const CWorld& world);
std::unique_ptr<IChangeRecorder> RecordHeader(const WorldProperties& properties);
std::unique_ptr<IChangeRecorder> RecordAttributes(const CWorld& world);

// Makes `later`, an objects recorder's change of the same objects right after `first`'s,
// part of `first`; false, changing nothing, for any other pair.
bool AbsorbObjects(IChangeRecorder& first, IChangeRecorder& later);

}  // namespace vyr
