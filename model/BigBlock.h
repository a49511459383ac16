// Memory for a large record that is filled in piecemeal (the document and its
// pools): one block whose pages the system may back by large pages.
#pragma once

#include <cstddef>

// A block of at least `bytes` (its contents undefined), aligned to 64 bytes
// at least; none when no memory is left. Give it back with FreeBigBlock and
// the same size. The last block given back is kept for the next one of its
// size: the document of a New or an Open takes the pages of the one before,
// and a program that ends leaves the block to the system, which takes large
// pages back faster than it unmaps them one block at a time.
void* NewBigBlock(std::size_t bytes);
void FreeBigBlock(void* block, std::size_t bytes);
