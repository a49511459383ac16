// Construction and destruction of the document: an empty document with one
// empty sheet and fresh name counters.
#include "model/Document.h"

#include <new>

#include "model/BigBlock.h"
#include "model/Formula.h"

// Out of memory, as any new says it.
void* GDocument::operator new(std::size_t bytes) {
  void* block = NewBigBlock(bytes);
  if (!block) throw std::bad_alloc();
  return block;
}

void GDocument::operator delete(void* block, std::size_t bytes) { FreeBigBlock(block, bytes); }

GDocument::GDocument(GUser* user) : m_User(user) { ClearConst(); }

GDocument::~GDocument() {
  // The expression nodes are shared by the whole program.
  for (GParaCurve& c : m_Store.Curves()) ReleaseCurveTrees(&c);
}
