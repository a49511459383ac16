// Memory for a large record that is filled in piecemeal (the document and its
// pools): one block whose pages the system may back by large pages.
#pragma once

#include <cstddef>

// A zero-filled block of at least `bytes`, aligned to 64 bytes at least; none
// when no memory is left. Give it back with FreeBigBlock and the same size.
void* NewBigBlock(std::size_t bytes);
void FreeBigBlock(void* block, std::size_t bytes);
