// A plane's objects in list order: a balanced tree (a treap by position) that inserts, removes,
// finds by z and by index in O(log n), with order labels that compare two nodes in O(1); and
// the spatial index over the objects' positions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

#include "world/game_object.h"

namespace vyr {

inline constexpr uint32_t kNoSlot = std::numeric_limits<uint32_t>::max();

// One object's place in the list's tree and in its plane's indexes. The indexed values are
// copies of the object's as they were last indexed.
struct ObjectNode {
  std::unique_ptr<CGameObject> object;
  ObjectNode* left = nullptr;
  ObjectNode* right = nullptr;
  ObjectNode* parent = nullptr;
  uint32_t priority = 0;
  uint32_t size = 1;
  int32_t z = 0;
  int32_t maxZ = 0;  // of the subtree
  uint64_t label = 0;  // grows in list order: orders nodes without finding their index
  int32_t x = 0;  // position, so that queries need not visit the object
  int32_t y = 0;
  uint64_t cell = 0;
  uint32_t cellSlot = kNoSlot;
  uint32_t wideSlot = kNoSlot;   // in the list of objects whose hit area lies far from their position
  uint32_t cacheSlot = kNoSlot;  // in the list of objects holding a resolved image
};

class ObjectList {
 public:
  // Iterates in list order, yielding each node's owning pointer. Random access costs O(log n).
  class iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = std::unique_ptr<CGameObject>;
    using difference_type = std::ptrdiff_t;
    using pointer = const value_type*;
    using reference = const value_type&;

    iterator() = default;
    iterator(const ObjectList* list, ObjectNode* node) : m_list(list), m_node(node) {}
    reference operator*() const { return m_node->object; }
    pointer operator->() const { return &m_node->object; }
    reference operator[](difference_type n) const { return *(*this + n); }
    iterator& operator++();
    iterator& operator--();
    iterator operator++(int) {
      iterator old = *this;
      ++*this;
      return old;
    }
    iterator operator--(int) {
      iterator old = *this;
      --*this;
      return old;
    }
    iterator& operator+=(difference_type n);
    iterator& operator-=(difference_type n) { return *this += -n; }
    friend iterator operator+(iterator it, difference_type n) { return it += n; }
    friend iterator operator+(difference_type n, iterator it) { return it += n; }
    friend iterator operator-(iterator it, difference_type n) { return it -= n; }
    friend difference_type operator-(const iterator& a, const iterator& b) {
      return difference_type(a.Index()) - difference_type(b.Index());
    }
    friend bool operator==(const iterator& a, const iterator& b) { return a.m_node == b.m_node; }
    friend auto operator<=>(const iterator& a, const iterator& b) { return a.Index() <=> b.Index(); }
    ObjectNode* Node() const { return m_node; }

   private:
    size_t Index() const;
    const ObjectList* m_list = nullptr;
    ObjectNode* m_node = nullptr;  // null: the end
  };
  using const_iterator = iterator;

  ObjectList() = default;
  ~ObjectList();
  ObjectList(const ObjectList&) = delete;
  ObjectList& operator=(const ObjectList&) = delete;

  iterator begin() const { return {this, First()}; }
  iterator end() const { return {this, nullptr}; }
  size_t size() const { return m_root ? m_root->size : 0; }
  bool empty() const { return !m_root; }
  const std::unique_ptr<CGameObject>& front() const { return First()->object; }
  const std::unique_ptr<CGameObject>& back() const { return Last()->object; }

  ObjectNode* First() const;
  ObjectNode* Last() const;
  static ObjectNode* Next(const ObjectNode* node);
  static ObjectNode* Prev(const ObjectNode* node);
  // Position in list order.
  static size_t Index(const ObjectNode* node);
  // The node at a position, or null past the end.
  ObjectNode* At(size_t index) const;
  // The first node in list order whose z is greater than `z`, or null.
  ObjectNode* FirstAbove(int32_t z) const;
  // True when the list is in ascending z (kept up to date, O(1)).
  bool Ascending() const { return m_descents == 0; }

  // Links a detached node before `before` (null: at the end).
  void Insert(ObjectNode* node, ObjectNode* before);
  // Unlinks a node; it stays allocated and owned by the caller.
  void Detach(ObjectNode* node);
  // Records a node's new z.
  void SetZ(ObjectNode* node, int32_t z);
  // Every node in list order.
  std::vector<ObjectNode*> Nodes() const;
  // Makes the list consist of exactly these nodes, in this order, in O(n).
  void Rebuild(std::span<ObjectNode* const> nodes);
  // Forgets the nodes without freeing them (the caller owns them).
  void Release() {
    m_root = nullptr;
    m_descents = 0;
  }
  // Frees every node (and its object).
  void Clear();
  // A priority for a new node.
  uint32_t NextPriority();

 private:
  void SetRoot(ObjectNode* root);
  static void Label(ObjectNode* node, const ObjectNode* prev, const ObjectNode* next);
  ObjectNode* m_root = nullptr;
  size_t m_descents = 0;  // neighbouring pairs whose z falls
  uint64_t m_random = 0x9E3779B97F4A7C15ull;
};

// The order in which the exchange re-sort (for each position from the head, every later
// element of strictly smaller z is exchanged into it) leaves elements of these z values:
// result[k] is the index of the element that ends at position k. O(n log n).
std::vector<uint32_t> ExchangeSortOrder(std::span<const int32_t> z);

// Objects by position in square cells, for drawing and hit tests near a point of view.
// Objects whose hit area reaches further than kHitReach from their position are kept in
// a list of their own that every hit test checks.
class ObjectGrid {
 public:
  static constexpr int kCellShift = 8;
  static constexpr int64_t kHitReach = 512;

  // Indexes a node by its object's position and bounds, or updates it after a change.
  void Place(ObjectNode* node);
  void Remove(ObjectNode* node);
  void Clear();
  // Adds the nodes whose position lies in [left, right] × [top, bottom] to `out` (any order).
  void CollectPositions(int64_t left, int64_t top, int64_t right, int64_t bottom, std::vector<ObjectNode*>& out) const;
  // Adds the nodes whose bounds contain the point to `out` (any order).
  void CollectHits(int32_t x, int32_t y, std::vector<ObjectNode*>& out) const;

 private:
  std::unordered_map<uint64_t, std::vector<ObjectNode*>> m_cells;
  std::vector<ObjectNode*> m_wide;
};

}  // namespace vyr
