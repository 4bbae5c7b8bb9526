// Fuzzes reading a run of object records: never reads outside the bytes, and what is
// read writes back to a stream that reads and writes again unchanged.
#include <cstdint>
#include <cstdlib>

#include "world/plane.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vyr;
  if (size < 1) return 0;
  const uint32_t count = data[0];  // a small count keeps each run short
  const ByteSpan records(data + 1, size - 1);
  CPlane plane;
  plane.ReadObjects(count, records, nullptr);

  ByteWriter first;
  if (!plane.WriteObjects(first)) return 0;
  CPlane again;
  if (!again.ReadObjects(uint32_t(plane.ObjectCount()), first.Bytes(), nullptr)) abort();
  ByteWriter second;
  if (!again.WriteObjects(second) || second.Bytes() != first.Bytes()) abort();
  return 0;
}
