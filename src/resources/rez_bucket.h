// Fixed-size bucket tables whose iteration order is the archive's order of entries.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace vyr {

// Where an element stands in its table; kept by the element for constant-time "next".
struct RezBucketSlot {
  size_t bucket = 0;
  size_t index = 0;  // position in the bucket's vector (the front is the vector's back)
};

// N buckets, each a list with new members put at its front. Iteration visits the buckets
// in index order and each bucket from front to back. Members are never removed one by
// one, so a vector per bucket (newest last) models the front-inserted list exactly.
// T must expose `RezBucketSlot m_slot` to this class.
template <typename T, size_t N>
class RezBucketTable {
 public:
  void PushFront(size_t bucket, T* element) {
    element->m_slot = RezBucketSlot{bucket, m_buckets[bucket].size()};
    m_buckets[bucket].push_back(element);
    ++m_count;
  }

  T* First() const { return FirstFrom(0); }

  T* Next(const T* element) const {
    if (element == nullptr) return nullptr;
    const RezBucketSlot& slot = element->m_slot;
    if (slot.index > 0) return m_buckets[slot.bucket][slot.index - 1];
    return FirstFrom(slot.bucket + 1);
  }

  // The members in iteration order.
  std::vector<T*> InOrder() const {
    std::vector<T*> out;
    out.reserve(m_count);
    for (const auto& bucket : m_buckets) out.insert(out.end(), bucket.rbegin(), bucket.rend());
    return out;
  }

  // Calls `visit` for each member of one bucket from front to back until it returns true.
  template <typename Visit>
  T* FindInBucket(size_t bucket, Visit visit) const {
    const auto& list = m_buckets[bucket];
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
      if (visit(*it)) return *it;
    }
    return nullptr;
  }

  size_t Count() const { return m_count; }

  void Clear() {
    for (auto& bucket : m_buckets) bucket.clear();
    m_count = 0;
  }

 private:
  T* FirstFrom(size_t bucket) const {
    for (size_t b = bucket; b < N; ++b) {
      if (!m_buckets[b].empty()) return m_buckets[b].back();
    }
    return nullptr;
  }

  std::array<std::vector<T*>, N> m_buckets;
  size_t m_count = 0;
};

}  // namespace vyr
