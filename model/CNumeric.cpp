// The thread-local switch to "C" number conventions (uselocale touches only
// the calling thread, so a GUI that set the person's locale keeps it).
#include "model/CNumeric.h"

namespace {
locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}
}  // namespace

GCNumericScope::GCNumericScope() {
  if (const locale_t c = CLocale()) m_Previous = uselocale(c);
}

GCNumericScope::~GCNumericScope() {
  if (m_Previous) uselocale(m_Previous);
}
