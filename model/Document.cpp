// Construction and destruction of the document: an empty document with one
// empty sheet and fresh name counters.
#include "model/Document.h"
#include "model/Formula.h"

GDocument::GDocument(GUser* user) : m_User(user) {
  ClearConst();
}

GDocument::~GDocument() {
  for (int i = 0; i < m_SheetCount; ++i) DeleteAllImages(m_Sheets[i].images.head);
  // The expression nodes are shared by the whole program.
  for (GParaCurve& c : m_CurvePool) ReleaseCurveTrees(&c);
}
