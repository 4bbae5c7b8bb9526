// The object list's treap, the exchange re-sort's order computed without exchanging, and the spatial index.
#include "world/object_list.h"

#include <algorithm>
#include <numeric>

namespace vyr {
namespace {

uint32_t SizeOf(const ObjectNode* n) { return n ? n->size : 0; }
int32_t MaxZOf(const ObjectNode* n) { return n ? n->maxZ : std::numeric_limits<int32_t>::min(); }

// Recomputes a node's sums from its children and claims them.
void Pull(ObjectNode* n) {
  n->size = 1 + SizeOf(n->left) + SizeOf(n->right);
  n->maxZ = std::max({n->z, MaxZOf(n->left), MaxZOf(n->right)});
  if (n->left) n->left->parent = n;
  if (n->right) n->right->parent = n;
}

// The first `count` nodes of t into `a`, the rest into `b`. Roots' parents are left to the caller.
void Split(ObjectNode* t, size_t count, ObjectNode*& a, ObjectNode*& b) {
  if (!t) {
    a = b = nullptr;
    return;
  }
  if (SizeOf(t->left) >= count) {
    Split(t->left, count, a, t->left);
    b = t;
  } else {
    Split(t->right, count - SizeOf(t->left) - 1, t->right, b);
    a = t;
  }
  Pull(t);
}

ObjectNode* Merge(ObjectNode* a, ObjectNode* b) {
  if (!a) return b;
  if (!b) return a;
  if (a->priority > b->priority) {
    a->right = Merge(a->right, b);
    Pull(a);
    return a;
  }
  b->left = Merge(a, b->left);
  Pull(b);
  return b;
}

void PullSubtree(ObjectNode* n) {
  if (!n) return;
  PullSubtree(n->left);
  PullSubtree(n->right);
  Pull(n);
}

void FreeSubtree(ObjectNode* n) {
  while (n) {
    FreeSubtree(n->left);
    ObjectNode* right = n->right;
    delete n;
    n = right;
  }
}

bool Falls(const ObjectNode* a, const ObjectNode* b) { return a && b && a->z > b->z; }

// Counts per position, for "how many marked positions lie before i".
class Fenwick {
 public:
  explicit Fenwick(size_t n) : m_tree(n + 1, 0) {}
  void Add(size_t i, int32_t delta) {
    for (++i; i < m_tree.size(); i += i & (~i + 1)) m_tree[i] += delta;
  }
  // Marks before position i.
  uint32_t Before(size_t i) const {
    int64_t sum = 0;
    for (; i > 0; i -= i & (~i + 1)) sum += m_tree[i];
    return uint32_t(sum);
  }
  // The position of the k-th (0-based) mark.
  size_t Find(uint32_t k) const {
    size_t at = 0;
    size_t step = 1;
    while (step * 2 < m_tree.size()) step *= 2;
    for (; step > 0; step /= 2) {
      if (at + step < m_tree.size() && uint32_t(m_tree[at + step]) <= k) {
        at += step;
        k -= uint32_t(m_tree[at]);
      }
    }
    return at;
  }

 private:
  std::vector<int32_t> m_tree;
};

uint64_t CellKey(int32_t x, int32_t y) {
  return (uint64_t(uint32_t(x >> ObjectGrid::kCellShift)) << 32) | uint32_t(y >> ObjectGrid::kCellShift);
}

// Clamps to int32; false when nothing of [low, high] is left.
bool ClampRange(int64_t& low, int64_t& high) {
  low = std::max<int64_t>(low, std::numeric_limits<int32_t>::min());
  high = std::min<int64_t>(high, std::numeric_limits<int32_t>::max());
  return low <= high;
}

bool IsWide(const CGameObject& o) {
  const CRect& b = o.m_bounds;
  if (b.IsEmpty()) return false;  // never hit
  const int64_t x = o.m_x, y = o.m_y;
  const int64_t reach = std::max({x - b.left, int64_t(b.right) - x, y - b.top, int64_t(b.bottom) - y});
  return reach > ObjectGrid::kHitReach;
}

void RemoveSlot(std::vector<ObjectNode*>& list, uint32_t& slot, uint32_t ObjectNode::*field) {
  ObjectNode* last = list.back();
  list[slot] = last;
  last->*field = slot;
  list.pop_back();
  slot = kNoSlot;
}

}  // namespace

// --- iterator

ObjectList::iterator& ObjectList::iterator::operator++() {
  m_node = ObjectList::Next(m_node);
  return *this;
}

ObjectList::iterator& ObjectList::iterator::operator--() {
  m_node = m_node ? ObjectList::Prev(m_node) : m_list->Last();
  return *this;
}

ObjectList::iterator& ObjectList::iterator::operator+=(difference_type n) {
  m_node = m_list->At(size_t(difference_type(Index()) + n));
  return *this;
}

size_t ObjectList::iterator::Index() const { return m_node ? ObjectList::Index(m_node) : m_list->size(); }

// --- list

ObjectList::~ObjectList() { Clear(); }

void ObjectList::SetRoot(ObjectNode* root) {
  m_root = root;
  if (root) root->parent = nullptr;
}

ObjectNode* ObjectList::First() const {
  ObjectNode* n = m_root;
  while (n && n->left) n = n->left;
  return n;
}

ObjectNode* ObjectList::Last() const {
  ObjectNode* n = m_root;
  while (n && n->right) n = n->right;
  return n;
}

ObjectNode* ObjectList::Next(const ObjectNode* node) {
  if (node->right) {
    ObjectNode* n = node->right;
    while (n->left) n = n->left;
    return n;
  }
  while (node->parent && node->parent->right == node) node = node->parent;
  return node->parent;
}

ObjectNode* ObjectList::Prev(const ObjectNode* node) {
  if (node->left) {
    ObjectNode* n = node->left;
    while (n->right) n = n->right;
    return n;
  }
  while (node->parent && node->parent->left == node) node = node->parent;
  return node->parent;
}

size_t ObjectList::Index(const ObjectNode* node) {
  size_t index = SizeOf(node->left);
  for (; node->parent; node = node->parent)
    if (node->parent->right == node) index += SizeOf(node->parent->left) + 1;
  return index;
}

ObjectNode* ObjectList::At(size_t index) const {
  ObjectNode* n = m_root;
  while (n) {
    const size_t left = SizeOf(n->left);
    if (index < left) {
      n = n->left;
    } else if (index == left) {
      return n;
    } else {
      index -= left + 1;
      n = n->right;
    }
  }
  return nullptr;
}

ObjectNode* ObjectList::FirstAbove(int32_t z) const {
  ObjectNode* n = m_root;
  if (!n || n->maxZ <= z) return nullptr;
  for (;;) {
    if (n->left && n->left->maxZ > z)
      n = n->left;
    else if (n->z > z)
      return n;
    else
      n = n->right;
  }
}

uint32_t ObjectList::NextPriority() {
  // splitmix64
  uint64_t x = (m_random += 0x9E3779B97F4A7C15ull);
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return uint32_t((x ^ (x >> 31)) >> 32);
}

void ObjectList::Insert(ObjectNode* node, ObjectNode* before) {
  ObjectNode* prev = before ? Prev(before) : Last();
  m_descents += size_t(Falls(prev, node)) + size_t(Falls(node, before));
  m_descents -= size_t(Falls(prev, before));
  node->left = node->right = node->parent = nullptr;
  node->priority = NextPriority();
  Pull(node);
  ObjectNode *a = nullptr, *b = nullptr;
  Split(m_root, before ? Index(before) : size(), a, b);
  SetRoot(Merge(Merge(a, node), b));
  Label(node, prev, before);
}

// A label halfway between the neighbours'; when they are adjacent, a window around the node
// twice as wide each time until its labels can be spread with gaps larger than its count.
void ObjectList::Label(ObjectNode* node, const ObjectNode* prev, const ObjectNode* next) {
  const uint64_t low = prev ? prev->label : 0, high = next ? next->label : UINT64_MAX;
  if (high - low > 1) {
    node->label = low + (high - low) / 2;
    return;
  }
  ObjectNode* first = node;
  ObjectNode* last = node;
  uint64_t count = 1;
  for (uint64_t grow = 1;; grow *= 2) {
    for (uint64_t k = 0; k < grow && Prev(first); ++k, ++count) first = Prev(first);
    for (uint64_t k = 0; k < grow && Next(last); ++k, ++count) last = Next(last);
    const ObjectNode* before = Prev(first);
    const ObjectNode* after = Next(last);
    const uint64_t from = before ? before->label : 0, to = after ? after->label : UINT64_MAX;
    const uint64_t step = (to - from) / (count + 1);
    if (step <= count && (before || after)) continue;
    uint64_t label = from;
    for (ObjectNode* n = first;; n = Next(n)) {
      n->label = label += step;
      if (n == last) return;
    }
  }
}

void ObjectList::Detach(ObjectNode* node) {
  ObjectNode* prev = Prev(node);
  ObjectNode* next = Next(node);
  m_descents -= size_t(Falls(prev, node)) + size_t(Falls(node, next));
  m_descents += size_t(Falls(prev, next));
  ObjectNode* parent = node->parent;
  ObjectNode* joined = Merge(node->left, node->right);
  if (joined) joined->parent = parent;
  if (!parent)
    m_root = joined;
  else if (parent->left == node)
    parent->left = joined;
  else
    parent->right = joined;
  for (ObjectNode* n = parent; n; n = n->parent) Pull(n);
  node->left = node->right = node->parent = nullptr;
  node->size = 1;
}

void ObjectList::SetZ(ObjectNode* node, int32_t z) {
  if (node->z == z) return;
  ObjectNode* prev = Prev(node);
  ObjectNode* next = Next(node);
  m_descents -= size_t(Falls(prev, node)) + size_t(Falls(node, next));
  node->z = z;
  m_descents += size_t(Falls(prev, node)) + size_t(Falls(node, next));
  for (ObjectNode* n = node; n; n = n->parent) {
    const int32_t before = n->maxZ;
    n->maxZ = std::max({n->z, MaxZOf(n->left), MaxZOf(n->right)});
    if (n != node && n->maxZ == before) break;
  }
}

std::vector<ObjectNode*> ObjectList::Nodes() const {
  std::vector<ObjectNode*> nodes;
  nodes.reserve(size());
  for (ObjectNode* n = First(); n; n = Next(n)) nodes.push_back(n);
  return nodes;
}

// The tree is the Cartesian tree of the nodes' priorities, built with a stack.
void ObjectList::Rebuild(std::span<ObjectNode* const> nodes) {
  std::vector<ObjectNode*> spine;
  m_descents = 0;
  const uint64_t step = UINT64_MAX / (nodes.size() + 1);
  for (size_t i = 0; i < nodes.size(); ++i) {
    ObjectNode* node = nodes[i];
    node->label = step * (i + 1);
    if (i > 0) m_descents += size_t(Falls(nodes[i - 1], node));
    node->priority = NextPriority();
    node->right = nullptr;
    ObjectNode* last = nullptr;
    while (!spine.empty() && spine.back()->priority < node->priority) {
      last = spine.back();
      spine.pop_back();
    }
    node->left = last;
    if (!spine.empty()) spine.back()->right = node;
    spine.push_back(node);
  }
  ObjectNode* root = spine.empty() ? nullptr : spine.front();
  PullSubtree(root);
  SetRoot(root);
}

void ObjectList::Clear() {
  FreeSubtree(m_root);
  Release();
}

// --- the exchange re-sort

// Elements of one z value only move relative to each other when a smaller one is exchanged
// in: reduced to "smaller", "this value" and "greater", the pass for each head position with
// smaller elements left takes the first of this value still in front of the head's next
// smaller element to just before that element; once the smaller ones are all placed, this
// value's elements come forward in their order. So the elements of one value form a queue:
// each joins at the back when the pass reaches it, and each smaller element passed rotates
// the queue by one. The queue is kept as a cycle (joining inserts before the front) whose
// final arrangement comes from the insertion positions, resolved backwards.
std::vector<uint32_t> ExchangeSortOrder(std::span<const int32_t> z) {
  const size_t n = z.size();
  std::vector<uint32_t> order(n);
  std::iota(order.begin(), order.end(), 0u);
  std::stable_sort(order.begin(), order.end(), [&z](uint32_t a, uint32_t b) { return z[a] < z[b]; });
  Fenwick smaller(n);
  std::vector<uint32_t> result;
  result.reserve(n);
  std::vector<uint32_t> insertAt;
  for (size_t first = 0; first < n;) {
    size_t end = first + 1;
    while (end < n && z[order[end]] == z[order[first]]) ++end;
    const std::span<const uint32_t> group(order.data() + first, end - first);
    const size_t m = group.size();
    insertAt.assign(m, 0);
    size_t front = 0;
    for (size_t k = 0; k < m; ++k) {
      if (k > 0) insertAt[k] = uint32_t(front++);
      const uint32_t passed = smaller.Before(k + 1 < m ? group[k + 1] : n) - smaller.Before(group[k] + 1);
      front = (front + passed % (k + 1)) % (k + 1);
    }
    std::vector<uint32_t> cycle(m);
    Fenwick free(m);
    for (size_t i = 0; i < m; ++i) free.Add(i, 1);
    for (size_t k = m; k-- > 0;) {
      const size_t slot = free.Find(insertAt[k]);
      cycle[slot] = group[k];
      free.Add(slot, -1);
    }
    for (size_t i = 0; i < m; ++i) result.push_back(cycle[(front + i) % m]);
    for (uint32_t at : group) smaller.Add(at, 1);
    first = end;
  }
  return result;
}

// --- spatial index

void ObjectGrid::Place(ObjectNode* node) {
  const CGameObject& o = *node->object;
  node->x = o.m_x;
  node->y = o.m_y;
  const uint64_t cell = CellKey(node->x, node->y);
  if (node->cellSlot == kNoSlot || cell != node->cell) {
    if (node->cellSlot != kNoSlot) {
      auto found = m_cells.find(node->cell);
      RemoveSlot(found->second, node->cellSlot, &ObjectNode::cellSlot);
      if (found->second.empty()) m_cells.erase(found);
    }
    std::vector<ObjectNode*>& bucket = m_cells[cell];
    node->cell = cell;
    node->cellSlot = uint32_t(bucket.size());
    bucket.push_back(node);
  }
  const bool wide = IsWide(o);
  if (wide && node->wideSlot == kNoSlot) {
    node->wideSlot = uint32_t(m_wide.size());
    m_wide.push_back(node);
  } else if (!wide && node->wideSlot != kNoSlot) {
    RemoveSlot(m_wide, node->wideSlot, &ObjectNode::wideSlot);
  }
}

void ObjectGrid::Remove(ObjectNode* node) {
  if (node->cellSlot != kNoSlot) {
    auto found = m_cells.find(node->cell);
    RemoveSlot(found->second, node->cellSlot, &ObjectNode::cellSlot);
    if (found->second.empty()) m_cells.erase(found);
  }
  if (node->wideSlot != kNoSlot) RemoveSlot(m_wide, node->wideSlot, &ObjectNode::wideSlot);
}

void ObjectGrid::Clear() {
  m_cells.clear();
  m_wide.clear();
}

void ObjectGrid::CollectPositions(int64_t left, int64_t top, int64_t right, int64_t bottom,
                                  std::vector<ObjectNode*>& out) const {
  if (!ClampRange(left, right) || !ClampRange(top, bottom)) return;
  const auto inside = [&](const ObjectNode* node) {
    return node->x >= left && node->x <= right && node->y >= top && node->y <= bottom;
  };
  const int64_t firstColumn = left >> kCellShift, lastColumn = right >> kCellShift;
  const int64_t firstRow = top >> kCellShift, lastRow = bottom >> kCellShift;
  // A view wider than the occupied cells are many: visit the occupied ones instead.
  if ((lastColumn - firstColumn + 1) * (lastRow - firstRow + 1) > int64_t(m_cells.size())) {
    for (const auto& [key, bucket] : m_cells)
      for (ObjectNode* node : bucket)
        if (inside(node)) out.push_back(node);
    return;
  }
  for (int64_t column = firstColumn; column <= lastColumn; ++column) {
    for (int64_t row = firstRow; row <= lastRow; ++row) {
      const auto found = m_cells.find((uint64_t(uint32_t(column)) << 32) | uint32_t(row));
      if (found == m_cells.end()) continue;
      for (ObjectNode* node : found->second)
        if (inside(node)) out.push_back(node);
    }
  }
}

void ObjectGrid::CollectHits(int32_t x, int32_t y, std::vector<ObjectNode*>& out) const {
  const size_t start = out.size();
  CollectPositions(int64_t(x) - kHitReach, int64_t(y) - kHitReach, int64_t(x) + kHitReach, int64_t(y) + kHitReach,
                   out);
  out.erase(std::remove_if(out.begin() + std::ptrdiff_t(start), out.end(),
                           [&](const ObjectNode* node) {
                             return node->wideSlot != kNoSlot || !node->object->m_bounds.Get().Contains(x, y);
                           }),
            out.end());
  for (ObjectNode* node : m_wide)
    if (node->object->m_bounds.Get().Contains(x, y)) out.push_back(node);
}

}  // namespace vyr
