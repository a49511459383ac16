// Large blocks straight from the system. A document's pools lie in one block
// of a few megabytes of which a figure touches a part, one record at a time;
// each first touch of a small page costs a trip through the system, which for
// a figure of a few hundred steps came to more than all its arithmetic. Asked
// to, Linux backs an aligned block by 2 MB pages instead: a handful of faults.
#include "model/BigBlock.h"

#include <cstdint>
#include <mutex>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

constexpr std::size_t kLarge = std::size_t{2} << 20;

std::size_t Rounded(std::size_t bytes) { return (bytes + kLarge - 1) / kLarge * kLarge; }

// The block kept for reuse, and its rounded size.
std::mutex gKeptLock;
void* gKept = nullptr;
std::size_t gKeptSize = 0;

void* TakeKept(std::size_t size) {
  std::lock_guard<std::mutex> lock(gKeptLock);
  if (!gKept || gKeptSize != size) return nullptr;
  void* block = gKept;
  gKept = nullptr;
  return block;
}

// Keeps the block unless one is kept already; false when the caller must
// free it.
bool Keep(void* block, std::size_t size) {
  std::lock_guard<std::mutex> lock(gKeptLock);
  if (gKept) return false;
  gKept = block;
  gKeptSize = size;
  return true;
}

}  // namespace

#if defined(__linux__) && defined(MADV_HUGEPAGE)

void* NewBigBlock(std::size_t bytes) {
  // Mapped with room to spare, then cut to the aligned part.
  const std::size_t size = Rounded(bytes);
  if (void* kept = TakeKept(size)) return kept;
  void* raw =
      mmap(nullptr, size + kLarge, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<std::uintptr_t>(raw);
  const std::uintptr_t aligned = (start + kLarge - 1) / kLarge * kLarge;
  if (aligned > start) munmap(raw, aligned - start);
  const std::uintptr_t end = start + size + kLarge;
  if (end > aligned + size) munmap(reinterpret_cast<void*>(aligned + size), end - (aligned + size));
  void* block = reinterpret_cast<void*>(aligned);
  // Only a hint: without large pages the block works as any other memory.
  madvise(block, size, MADV_HUGEPAGE);
  return block;
}

void FreeBigBlock(void* block, std::size_t bytes) {
  if (block && !Keep(block, Rounded(bytes))) munmap(block, Rounded(bytes));
}

#else

void* NewBigBlock(std::size_t bytes) { return ::operator new(bytes, std::nothrow); }
void FreeBigBlock(void* block, std::size_t) { ::operator delete(block); }

#endif
