// A plane's tile values: an array of its own, or cells inside a block that a loaded file's
// planes share, so the reader hands each plane its grid where it inflated it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>

namespace vyr {

class TileGrid {
 public:
  TileGrid() = default;
  TileGrid(size_t count, int32_t value) { assign(count, value); }
  // `count` cells at `cells`, kept alive by `block`; writes go to the block.
  TileGrid(std::shared_ptr<void> block, int32_t* cells, size_t count)
      : m_owner(std::move(block)), m_cells(cells), m_size(count) {}
  // An array of its own whose cells the caller writes, every one, before reading any.
  static TileGrid ForOverwrite(size_t count) {
    TileGrid grid;
    grid.Own(count);
    return grid;
  }

  // A copy always has an array of its own.
  TileGrid(const TileGrid& other) { CopyFrom(other); }
  TileGrid& operator=(const TileGrid& other) {
    if (this != &other) CopyFrom(other);
    return *this;
  }
  TileGrid(TileGrid&& other) noexcept { swap(other); }
  TileGrid& operator=(TileGrid&& other) noexcept {
    TileGrid(std::move(other)).swap(*this);
    return *this;
  }

  // The part of std::vector's interface the plane uses.
  void assign(size_t count, int32_t value) {
    Own(count);
    std::fill_n(m_cells, count, value);
  }
  void swap(TileGrid& other) noexcept {
    std::swap(m_owner, other.m_owner);
    std::swap(m_cells, other.m_cells);
    std::swap(m_size, other.m_size);
  }
  int32_t* data() { return m_cells; }
  const int32_t* data() const { return m_cells; }
  size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }
  int32_t* begin() { return m_cells; }
  int32_t* end() { return m_cells + m_size; }
  const int32_t* begin() const { return m_cells; }
  const int32_t* end() const { return m_cells + m_size; }
  int32_t& operator[](size_t i) { return m_cells[i]; }
  int32_t operator[](size_t i) const { return m_cells[i]; }
  operator std::span<int32_t>() { return {m_cells, m_size}; }
  operator std::span<const int32_t>() const { return {m_cells, m_size}; }

 private:
  void Own(size_t count) {
    std::shared_ptr<int32_t[]> cells(count ? new int32_t[count] : nullptr);
    m_cells = cells.get();
    m_size = count;
    m_owner = std::move(cells);
  }
  void CopyFrom(const TileGrid& other) {
    Own(other.m_size);
    std::copy(other.begin(), other.end(), m_cells);
  }

  std::shared_ptr<void> m_owner;
  int32_t* m_cells = nullptr;
  size_t m_size = 0;
};

}  // namespace vyr
