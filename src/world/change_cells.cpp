// The cells recorder: copy-on-write of the grid blocks an action writes, kept as the
// exclusive-or of before and after, so a step costs what the action changed.
#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <unordered_map>

#include "world/change_recorder.h"
#include "world/plane.h"
#include "world/world.h"
#include "world/world_change.h"

namespace vyr {
namespace {

// Cells (linear indices) a recorder keeps together: one entry per block written.
constexpr int64_t kBlock = 1024;
// A block is copied in parts (a cache line each) as writes reach them, so a small edit
// copies little.
constexpr int64_t kPart = 16;
static_assert(kBlock / kPart <= 64, "a block's parts fit one mask");

using Buffer = std::unique_ptr<int32_t[]>;

// A block's before ^ after: one value per cell when most cells changed, else runs, each a
// word skip | count << 16 (cells passed over, cells that follow) and then `count` values.
struct Flips {
  Buffer words;
  size_t size = 0;
  bool dense = false;
  int64_t owner = 0;  // the block that made it; others may share it

  void ApplyTo(int32_t* cells) const {
    const int32_t* word = words.get();
    if (dense) {
      for (size_t i = 0; i < size; ++i) cells[i] ^= word[i];
      return;
    }
    const int32_t* end = word + size;
    while (word < end) {
      const uint32_t head = uint32_t(*word++);
      cells += head & 0xFFFFu;
      for (uint32_t i = 0, n = head >> 16; i < n; ++i) *cells++ ^= *word++;
    }
  }
};

class CCellsRecorder final : public IChangeRecorder, private IGridWatcher {
 public:
  explicit CCellsRecorder(CPlane& plane) : m_plane(&plane) {
    m_width[0] = plane.Width();
    m_height[0] = plane.Height();
    m_watching = !plane.GridWatcher();
    if (m_watching) plane.SetGridWatcher(this);
  }
  ~CCellsRecorder() override { Unwatch(); }
  CCellsRecorder(const CCellsRecorder&) = delete;
  CCellsRecorder& operator=(const CCellsRecorder&) = delete;

  ChangeOutcome Finish(const CWorld& world, const WorldProperties&) override;
  bool Prepare(RestoreContext& context) override;
  void Apply(RestoreContext& context) override;
  void AddTo(ChangeNotice& notice) const override;
  size_t Bytes() const override;

 private:
  struct Block {
    int64_t number = 0;
    uint64_t saved = 0;                  // the parts of `old` that hold the cells before the action
    Buffer old;                          // while the block is open
    std::shared_ptr<const Flips> flips;  // once closed: before ^ after (null: no change)
  };

  void BeforeWrite(int64_t first, int64_t count) override;
  void AfterWrite(int64_t first, int64_t count) override;
  void BeforeRegrid() override;
  void PlaneGone() override {
    m_watching = false;
    m_gone = true;
  }

  void Unwatch() {
    if (m_watching) m_plane->SetGridWatcher(nullptr);
    m_watching = false;
  }
  int64_t BlockCells(int64_t number) const {
    return std::min(kBlock, int64_t(m_plane->Tiles().size()) - number * kBlock);
  }
  // The parts from … to − 1 as a mask.
  static uint64_t Parts(int64_t from, int64_t to) {
    const uint64_t below = to >= 64 ? ~uint64_t(0) : (uint64_t(1) << to) - 1;
    return below & ~((uint64_t(1) << from) - 1);
  }
  uint64_t AllParts(int64_t number) const { return Parts(0, (BlockCells(number) + kPart - 1) / kPart); }
  // Calls visit(from, to) for each stretch of cells from … to − 1 of the block whose parts
  // are in `mask`.
  template <typename Visit>
  void ForParts(int64_t number, uint64_t mask, Visit visit) const {
    const int64_t count = BlockCells(number);
    while (mask) {
      const int first = std::countr_zero(mask);
      const int run = std::countr_one(mask >> first);
      visit(first * kPart, std::min<int64_t>((first + run) * kPart, count));
      mask &= ~Parts(first, first + run);
    }
  }
  template <typename Visit>
  void ForSaved(const Block& block, Visit visit) const {
    ForParts(block.number, block.saved, visit);
  }
  Block& At(int64_t number);
  void Open(Block& block, int64_t from, int64_t to);
  void Close(Block& block);
  void Widen(const int32_t* flips, int64_t base, int64_t count);
  Buffer Take(size_t size);

  CPlane* m_plane;
  bool m_watching = false;
  bool m_gone = false;
  int32_t m_width[2] = {0, 0}, m_height[2] = {0, 0};
  std::vector<Block> m_blocks;
  std::unordered_map<int64_t, size_t> m_index;
  size_t m_last = SIZE_MAX;
  std::vector<Buffer> m_spare;  // block buffers no longer needed, for the next blocks
  // Dense flips met lately, by a sample of their cells: a fill over a patterned level flips
  // many blocks alike, and those share one copy.
  using Recent = std::array<std::shared_ptr<const Flips>, 64>;
  std::unique_ptr<Recent> m_dense;
  // After a new grid size (or a grid made anew): the whole grid before, then both packed.
  bool m_whole = false;
  std::vector<int32_t> m_wholeBefore;
  std::vector<uint8_t> m_packed[2];
  TileGrid m_prepared;
  CRect m_changed{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
};

CCellsRecorder::Block& CCellsRecorder::At(int64_t number) {
  if (m_last < m_blocks.size() && m_blocks[m_last].number == number) return m_blocks[m_last];
  const auto [slot, added] = m_index.try_emplace(number, m_blocks.size());
  if (added) m_blocks.push_back(Block{number, 0, nullptr, nullptr});
  m_last = slot->second;
  return m_blocks[m_last];
}

Buffer CCellsRecorder::Take(size_t size) {
  if (size == size_t(kBlock) && !m_spare.empty()) {
    Buffer buffer = std::move(m_spare.back());
    m_spare.pop_back();
    return buffer;
  }
  return std::make_unique_for_overwrite<int32_t[]>(size);
}

void CCellsRecorder::Open(Block& block, int64_t from, int64_t to) {
  const int32_t* now = m_plane->Tiles().data() + block.number * kBlock;
  if (!block.old) block.old = Take(size_t(kBlock));
  if (block.flips) {
    // Written again after it was closed: before = now ^ flips.
    const int64_t count = BlockCells(block.number);
    std::copy(now, now + count, block.old.get());
    block.flips->ApplyTo(block.old.get());
    block.flips.reset();
    block.saved = AllParts(block.number);
    return;
  }
  const uint64_t wanted = Parts(from / kPart, (to - 1) / kPart + 1) & ~block.saved;
  ForParts(block.number, wanted, [&](int64_t start, int64_t end) { std::copy(now + start, now + end, &block.old[start]); });
  block.saved |= wanted;
}

void CCellsRecorder::Close(Block& block) {
  if (!block.saved) return;
  const int64_t count = BlockCells(block.number);
  const int64_t base = block.number * kBlock;
  const int32_t* now = m_plane->Tiles().data() + base;
  int32_t* f = block.old.get();
  int64_t changed = 0;
  ForSaved(block, [&](int64_t from, int64_t to) {
    for (int64_t i = from; i < to; ++i) {
      f[i] ^= now[i];
      changed += f[i] != 0;
    }
  });
  const bool whole = block.saved == AllParts(block.number);
  if (changed == 0) {
    block.saved = 0;
    m_spare.push_back(std::move(block.old));
    return;
  }
  if (changed * 2 > count) {
    // Parts never written did not change.
    if (!whole)
      ForParts(block.number, AllParts(block.number) & ~block.saved, [f](int64_t from, int64_t to) {
        std::fill(f + from, f + to, 0);
      });
    block.saved = 0;
    Widen(f, base, count);
    uint64_t key = uint64_t(count);
    for (int64_t i = 0; i < count; i += std::max<int64_t>(1, count / 32)) key = (key ^ uint32_t(f[i])) * 0x100000001B3ull;
    if (!m_dense) m_dense = std::make_unique<Recent>();
    auto& same = (*m_dense)[(key >> 32) % m_dense->size()];
    if (same && same->size == size_t(count) && std::equal(f, f + count, same->words.get())) {
      block.flips = same;
      m_spare.push_back(std::move(block.old));
      return;
    }
    auto dense = std::make_shared<Flips>();
    dense->words = std::move(block.old);
    dense->size = size_t(count);
    dense->dense = true;
    dense->owner = block.number;
    same = dense;
    block.flips = std::move(dense);
    return;
  }
  size_t runCount = 0;
  ForSaved(block, [&](int64_t from, int64_t to) {
    runCount += f[from] != 0;
    for (int64_t i = from + 1; i < to; ++i) runCount += (f[i] != 0) & (f[i - 1] == 0);
  });
  auto runs = std::make_shared<Flips>();
  runs->owner = block.number;
  runs->size = size_t(changed) + runCount;
  runs->words = std::make_unique_for_overwrite<int32_t[]>(runs->size);
  int32_t* out = runs->words.get();
  const int64_t width = m_width[0];
  int64_t end = 0;
  ForSaved(block, [&](int64_t from, int64_t to) {
    for (int64_t i = from; i < to;) {
      while (i < to && f[i] == 0) ++i;
      if (i == to) break;
      int64_t stop = i;
      while (stop < to && f[stop] != 0) ++stop;
      *out++ = int32_t(uint32_t(i - end) | uint32_t(stop - i) << 16);
      out = std::copy(f + i, f + stop, out);
      const int64_t first = base + i, last = base + stop - 1;
      const bool oneRow = first / width == last / width;
      m_changed.top = std::min(m_changed.top, int32_t(first / width));
      m_changed.bottom = std::max(m_changed.bottom, int32_t(last / width));
      m_changed.left = std::min(m_changed.left, oneRow ? int32_t(first % width) : 0);
      m_changed.right = std::max(m_changed.right, oneRow ? int32_t(last % width) : int32_t(width - 1));
      end = i = stop;
    }
  });
  block.flips = std::move(runs);
  block.saved = 0;
  m_spare.push_back(std::move(block.old));
}

// Grows the changed rectangle by the nonzero flips of cells [base, base + count).
void CCellsRecorder::Widen(const int32_t* flips, int64_t base, int64_t count) {
  const int64_t width = m_width[0];
  int64_t first = 0, last = count - 1;
  while (flips[first] == 0) ++first;
  while (flips[last] == 0) --last;
  m_changed.top = std::min(m_changed.top, int32_t((base + first) / width));
  m_changed.bottom = std::max(m_changed.bottom, int32_t((base + last) / width));
  for (int64_t at = first; at <= last && (m_changed.left > 0 || m_changed.right < width - 1);) {
    const int64_t rowEnd = std::min(last + 1, ((base + at) / width + 1) * width - base);
    int64_t left = at, right = rowEnd - 1;
    while (left < rowEnd && flips[left] == 0) ++left;
    if (left < rowEnd) {
      while (flips[right] == 0) --right;
      m_changed.left = std::min(m_changed.left, int32_t((base + left) % width));
      m_changed.right = std::max(m_changed.right, int32_t((base + right) % width));
    }
    at = rowEnd;
  }
}

void CCellsRecorder::BeforeWrite(int64_t first, int64_t count) {
  if (m_whole) return;
  const int64_t end = first + count;
  for (int64_t number = first / kBlock, last = (end - 1) / kBlock; number <= last; ++number) {
    const int64_t base = number * kBlock;
    Open(At(number), std::max(first, base) - base, std::min(end, base + kBlock) - base);
  }
}

void CCellsRecorder::AfterWrite(int64_t first, int64_t count) {
  if (m_whole) return;
  // Blocks written whole are closed at once, while they are still in the cache; the
  // others may see more writes and are closed when the action ends.
  const int64_t end = first + count;
  for (int64_t number = first / kBlock, last = (end - 1) / kBlock; number <= last; ++number) {
    const int64_t base = number * kBlock;
    if (first <= base && base + BlockCells(number) <= end) Close(At(number));
  }
}

void CCellsRecorder::BeforeRegrid() {
  if (m_whole) return;
  m_whole = true;
  const std::span<const int32_t> now = m_plane->Tiles();
  m_wholeBefore.assign(now.begin(), now.end());
  for (const Block& block : m_blocks) {
    int32_t* cells = m_wholeBefore.data() + block.number * kBlock;
    if (block.flips) block.flips->ApplyTo(cells);
    ForSaved(block, [&](int64_t from, int64_t to) { std::copy(&block.old[from], &block.old[to], cells + from); });
  }
  m_blocks.clear();
  m_index.clear();
  m_spare.clear();
  m_dense.reset();
}

ChangeOutcome CCellsRecorder::Finish(const CWorld& world, const WorldProperties&) {
  // A grid removed with its plane in the same action needs nothing of its own.
  if (m_gone || world.IndexOf(m_plane) < 0) return ChangeOutcome::kUnrecordable;
  if (!m_watching) return ChangeOutcome::kUnrecordable;
  Unwatch();
  m_width[1] = m_plane->Width();
  m_height[1] = m_plane->Height();
  const std::span<const int32_t> now = m_plane->Tiles();
  if (m_whole) {
    if (!m_plane->IsValid()) return ChangeOutcome::kUnrecordable;
    if (m_width[0] == m_width[1] && m_height[0] == m_height[1] &&
        std::equal(now.begin(), now.end(), m_wholeBefore.begin(), m_wholeBefore.end()))
      return ChangeOutcome::kUnchanged;
    const auto pack = [](std::span<const int32_t> cells) {
      return PackBytes(reinterpret_cast<const uint8_t*>(cells.data()), cells.size() * sizeof(int32_t));
    };
    m_packed[0] = pack(m_wholeBefore);
    m_packed[1] = pack(now);
    std::vector<int32_t>().swap(m_wholeBefore);
    if (m_packed[0].empty() || m_packed[1].empty()) return ChangeOutcome::kUnrecordable;
    m_changed = CRect{0, 0, std::max(m_width[0], m_width[1]) - 1, std::max(m_height[0], m_height[1]) - 1};
    return ChangeOutcome::kChanged;
  }
  std::sort(m_blocks.begin(), m_blocks.end(), [](const Block& a, const Block& b) { return a.number < b.number; });
  for (Block& block : m_blocks) Close(block);
  std::erase_if(m_blocks, [](const Block& block) { return !block.flips; });
  m_blocks.shrink_to_fit();
  m_index = {};
  std::vector<Buffer>().swap(m_spare);
  m_dense.reset();
  return m_blocks.empty() ? ChangeOutcome::kUnchanged : ChangeOutcome::kChanged;
}

bool CCellsRecorder::Prepare(RestoreContext& context) {
  context.needed.push_back(m_plane);
  const int from = context.after ? 0 : 1, to = 1 - from;
  if (!m_plane->IsValid() || m_plane->Width() != m_width[from] || m_plane->Height() != m_height[from]) return false;
  if (!m_whole) return true;
  m_prepared = TileGrid::ForOverwrite(size_t(int64_t(m_width[to]) * m_height[to]));
  return UnpackBytes(m_packed[to], reinterpret_cast<uint8_t*>(m_prepared.data()), m_prepared.size() * sizeof(int32_t));
}

void CCellsRecorder::Apply(RestoreContext& context) {
  if (m_whole) {
    const int to = context.after ? 1 : 0;
    m_plane->SetGrid(m_width[to], m_height[to], std::move(m_prepared));
    m_prepared = {};
    return;
  }
  for (const Block& block : m_blocks)
    m_plane->EditCells(block.number * kBlock, BlockCells(block.number),
                       [&block](std::span<int32_t> cells) { block.flips->ApplyTo(cells.data()); });
}

void CCellsRecorder::AddTo(ChangeNotice& notice) const {
  notice.cellsPlane = m_plane;
  notice.cells = m_changed;
}

size_t CCellsRecorder::Bytes() const {
  size_t bytes = sizeof(*this) + m_blocks.capacity() * sizeof(Block) + m_packed[0].size() + m_packed[1].size();
  for (const Block& block : m_blocks) {
    // A shared copy is counted once, by the block that made it.
    const Flips& flips = *block.flips;
    if (flips.owner == block.number)
      bytes += sizeof(Flips) + flips.size * sizeof(int32_t);
  }
  return bytes;
}

}  // namespace

std::unique_ptr<IChangeRecorder> RecordCells(CPlane& plane) { return std::make_unique<CCellsRecorder>(plane); }

}  // namespace vyr
