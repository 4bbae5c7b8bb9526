// The cells recorder: copy-on-write of the grid blocks an action writes, kept as the
// exclusive-or of before and after, so a step costs what the action changed.
#include <algorithm>
#include <climits>
#include <cstring>
#include <unordered_map>

#include "world/change_recorder.h"
#include "world/plane.h"
#include "world/world.h"
#include "world/world_change.h"

namespace vyr {
namespace {

constexpr int64_t kBlock = kGridBlockCells;

// A block's before ^ after: one value per cell when most cells changed, else runs, each a
// word skip | count << 16 (cells passed over, cells that follow) and then `count` values.
struct Flips {
  std::vector<int32_t> words;
  bool dense = false;
  int64_t owner = 0;  // the block that made it; others may share it

  void ApplyTo(int32_t* cells) const {
    const int32_t* word = words.data();
    if (dense) {
      for (size_t i = 0; i < words.size(); ++i) cells[i] ^= word[i];
      return;
    }
    const int32_t* end = word + words.size();
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
    std::vector<int32_t> old;            // the cells before the action, while the block is open
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
  Block& At(int64_t number);
  void Open(Block& block);
  void Close(Block& block);
  void Widen(const int32_t* flips, int64_t base, int64_t count);

  CPlane* m_plane;
  bool m_watching = false;
  bool m_gone = false;
  int32_t m_width[2] = {0, 0}, m_height[2] = {0, 0};
  std::vector<Block> m_blocks;
  std::unordered_map<int64_t, size_t> m_index;
  size_t m_last = SIZE_MAX;
  std::vector<std::vector<int32_t>> m_spare;  // buffers of closed blocks, for the next ones
  std::unordered_map<uint64_t, std::shared_ptr<const Flips>> m_dense;  // by a sample of their cells
  // After a new grid size (or a grid made anew): the whole grid before, then both packed.
  bool m_whole = false;
  std::vector<int32_t> m_wholeBefore;
  std::vector<uint8_t> m_packed[2];
  std::vector<int32_t> m_prepared;
  CRect m_changed{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
};

CCellsRecorder::Block& CCellsRecorder::At(int64_t number) {
  if (m_last < m_blocks.size() && m_blocks[m_last].number == number) return m_blocks[m_last];
  const auto [slot, added] = m_index.try_emplace(number, m_blocks.size());
  if (added) m_blocks.push_back(Block{number, {}, nullptr});
  m_last = slot->second;
  return m_blocks[m_last];
}

void CCellsRecorder::Open(Block& block) {
  if (!block.old.empty()) return;
  const int64_t count = BlockCells(block.number);
  const int32_t* now = m_plane->Tiles().data() + block.number * kBlock;
  if (!m_spare.empty()) {
    block.old = std::move(m_spare.back());
    m_spare.pop_back();
  }
  block.old.assign(now, now + count);
  // Written again after it was closed: before = now ^ flips.
  if (block.flips) block.flips->ApplyTo(block.old.data());
  block.flips.reset();
}

void CCellsRecorder::Close(Block& block) {
  if (block.old.empty()) return;
  std::vector<int32_t> flips = std::move(block.old);
  block.old.clear();
  const int64_t count = int64_t(flips.size());
  const int64_t base = block.number * kBlock;
  const int32_t* now = m_plane->Tiles().data() + base;
  int64_t changed = 0;
  for (int64_t i = 0; i < count; ++i) {
    flips[size_t(i)] ^= now[i];
    changed += flips[size_t(i)] != 0;
  }
  if (changed == 0) {
    m_spare.push_back(std::move(flips));
    return;
  }
  Widen(flips.data(), base, count);
  if (changed * 2 > count) {
    // A fill over a patterned level flips many blocks alike: those share one copy, found by
    // a sample of their cells and confirmed whole.
    uint64_t key = uint64_t(count);
    for (int64_t i = 0; i < count; i += std::max<int64_t>(1, count / 32))
      key = (key ^ uint32_t(flips[size_t(i)])) * 0x100000001B3ull;
    auto& same = m_dense[key];
    if (same && std::equal(flips.begin(), flips.end(), same->words.begin(), same->words.end())) {
      block.flips = same;
      m_spare.push_back(std::move(flips));
      return;
    }
    auto dense = std::make_shared<Flips>();
    dense->words = std::move(flips);
    dense->dense = true;
    dense->owner = block.number;
    if (!same) same = dense;
    block.flips = std::move(dense);
    return;
  }
  auto runs = std::make_shared<Flips>();
  runs->owner = block.number;
  size_t words = size_t(changed);
  for (int64_t i = 0; i < count; ++i) words += flips[size_t(i)] != 0 && (i == 0 || flips[size_t(i - 1)] == 0);
  runs->words.reserve(words);
  int64_t i = 0, end = 0;
  while (i < count) {
    while (i < count && flips[size_t(i)] == 0) ++i;
    if (i == count) break;
    int64_t stop = i;
    while (stop < count && flips[size_t(stop)] != 0) ++stop;
    runs->words.push_back(int32_t(uint32_t(i - end) | uint32_t(stop - i) << 16));
    runs->words.insert(runs->words.end(), flips.begin() + i, flips.begin() + stop);
    end = i = stop;
  }
  block.flips = std::move(runs);
  m_spare.push_back(std::move(flips));
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
  for (int64_t number = first / kBlock, last = (first + count - 1) / kBlock; number <= last; ++number)
    Open(At(number));
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
    if (!block.old.empty())
      std::copy(block.old.begin(), block.old.end(), cells);
    else if (block.flips)
      block.flips->ApplyTo(cells);
  }
  m_blocks.clear();
  m_index.clear();
  m_spare.clear();
  m_dense.clear();
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
  m_spare = {};
  m_dense = {};
  return m_blocks.empty() ? ChangeOutcome::kUnchanged : ChangeOutcome::kChanged;
}

bool CCellsRecorder::Prepare(RestoreContext& context) {
  context.needed.push_back(m_plane);
  const int from = context.after ? 0 : 1, to = 1 - from;
  if (!m_plane->IsValid() || m_plane->Width() != m_width[from] || m_plane->Height() != m_height[from]) return false;
  if (!m_whole) return true;
  m_prepared.resize(size_t(int64_t(m_width[to]) * m_height[to]));
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
      bytes += sizeof(Flips) + flips.words.capacity() * sizeof(int32_t);
  }
  return bytes;
}

}  // namespace

std::unique_ptr<IChangeRecorder> RecordCells(CPlane& plane) { return std::make_unique<CCellsRecorder>(plane); }

}  // namespace vyr
