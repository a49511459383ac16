// The document as bytes (model/DocImage.h): the table of its kinds of record
// with the bytes each leaves alone, the comparison with the recorded copy
// that yields an action's changes, and writing a change back.
#include "model/DocImage.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "model/Document.h"

namespace {

using Part = GDocImage::Part;

size_t OffsetIn(const void* obj, const void* member) {
  return static_cast<size_t>(static_cast<const unsigned char*>(member) -
                             static_cast<const unsigned char*>(obj));
}
void Skip(Part& p, const void* obj, const void* member, size_t n) {
  const size_t at = OffsetIn(obj, member);
  for (size_t i = 0; i < n; ++i) p.skip[at + i] = 1;
}
void Text(Part& p, const void* obj, const std::string* s) {
  Skip(p, obj, s, sizeof(std::string));
  p.texts.push_back(OffsetIn(obj, s));
}
void Start(Part& p, size_t size) {
  p.size = size;
  p.skip.assign(size, 0);
}
void Fresh(Part& p, const void* obj) {
  const auto* b = static_cast<const unsigned char*>(obj);
  p.fresh.assign(b, b + p.size);
  for (size_t i = 0; i < p.size; ++i)
    if (p.skip[i]) p.fresh[i] = 0;
}

// What every element kind leaves alone: the bytes of its name (kept as a
// text) and the blink phase of a hilight, which the paint tick moves on.
void ObjectSkips(Part& p, const GObject& o) {
  Text(p, &o, &o.name);
  Skip(p, &o, &o.hilightCounter, sizeof o.hilightCounter);
}
void Extra(Part& p, const GPoint& o) {
  ObjectSkips(p, o);
  Skip(p, &o, &o.frameCount, sizeof o.frameCount);  // the frame of an animated point look
}
void Extra(Part& p, const GParaCurve& o) {
  ObjectSkips(p, o);
  Text(p, &o, &o.expr1);
  Text(p, &o, &o.expr2);
  // The parsed formulas are the curve's own cache, made again from the
  // texts at every evaluation.
  Skip(p, &o, &o.calc1, sizeof o.calc1);
  Skip(p, &o, &o.calc2, sizeof o.calc2);
}
void Extra(Part& p, const GText& o) {
  ObjectSkips(p, o);
  Text(p, &o, &o.text);
}
void Extra(Part& p, const GBracket& o) {
  ObjectSkips(p, o);
  Text(p, &o, &o.label);
}
void Extra(Part& p, const GImage& o) {
  ObjectSkips(p, o);
  Text(p, &o, &o.fileName);
  Skip(p, &o, &o.picture, sizeof o.picture);  // the image's own pixels, never replaced
}
void Extra(Part& p, const GObject& o) { ObjectSkips(p, o); }
void Extra(Part&, const GConst&) {}
void Extra(Part&, const GIncident&) {}
void Extra(Part&, const GSheet&) {}

template <class T, class Pool>
Part PoolPart(Pool& pool) {
  Part p;
  Start(p, sizeof(T));
  auto sample = std::make_unique<T>();
  Extra(p, *sample);
  Fresh(p, sample.get());
  p.count = [&pool] { return pool.Built(); };
  p.at = [&pool](int i) { return reinterpret_cast<unsigned char*>(pool.begin() + i); };
  return p;
}

// One live object of plain bytes.
template <class T>
Part ObjectPart(T& obj) {
  Part p;
  Start(p, sizeof(T));
  Fresh(p, &obj);
  p.count = [] { return 1; };
  p.at = [&obj](int) { return reinterpret_cast<unsigned char*>(&obj); };
  return p;
}

// Where the bytes of a record differ from the copy, a run is recorded and
// the copy follows. Runs a few equal bytes apart are joined, unless a
// skipped byte lies between them (it must never be written back).
void RecordRuns(const Part& p, uint32_t part, uint32_t record, const unsigned char* now,
                unsigned char* copy, GChangeSet& c) {
  constexpr size_t kJoinGap = 8;
  size_t j = 0;
  while (j < p.size) {
    if (now[j] == copy[j]) {
      ++j;
      continue;
    }
    size_t end = j + 1;
    for (size_t k = end; k < p.size && k < end + kJoinGap + 1; ++k) {
      if (p.skip[k]) break;
      if (now[k] != copy[k]) end = k + 1;
    }
    GChangeSet::Run r;
    r.part = part;
    r.record = record;
    r.offset = static_cast<uint32_t>(j);
    r.length = static_cast<uint32_t>(end - j);
    r.at = c.bytes.size();
    c.bytes.insert(c.bytes.end(), copy + j, copy + end);
    c.bytes.insert(c.bytes.end(), now + j, now + end);
    c.runs.push_back(r);
    std::memcpy(copy + j, now + j, end - j);
    j = end;
  }
}

std::string& TextAt(const Part& p, unsigned char* record, size_t i) {
  return *reinterpret_cast<std::string*>(record + p.texts[i]);
}

}  // namespace

size_t GChangeSet::Memory() const {
  size_t n = sizeof(*this) + runs.capacity() * sizeof(Run) + bytes.capacity() +
             texts.capacity() * sizeof(Text);
  for (const Text& t : texts) n += t.before.capacity() + t.after.capacity();
  return n;
}

void GChangeSet::Invert() {
  for (const Run& r : runs)
    std::swap_ranges(bytes.begin() + static_cast<std::ptrdiff_t>(r.at),
                     bytes.begin() + static_cast<std::ptrdiff_t>(r.at + r.length),
                     bytes.begin() + static_cast<std::ptrdiff_t>(r.at + r.length));
  for (Text& t : texts) std::swap(t.before, t.after);
  std::swap(sheetBefore, sheetAfter);
}

void GChangeSet::Append(const GChangeSet& later) {
  const size_t shift = bytes.size();
  for (Run r : later.runs) {
    r.at += shift;
    runs.push_back(r);
  }
  bytes.insert(bytes.end(), later.bytes.begin(), later.bytes.end());
  texts.insert(texts.end(), later.texts.begin(), later.texts.end());
  sheetAfter = later.sheetAfter;
}

GDocImage::GDocImage(GDocument& doc) : m_Doc(doc) {
  GElementStore& s = doc.m_Store;
  {
    GObject o;
    m_HilightAt = OffsetIn(&o, &o.hilighted);
  }
  m_Parts.push_back(PoolPart<GPoint>(s.m_Points));
  m_Parts.push_back(PoolPart<GLine>(s.m_Lines));
  m_Parts.push_back(PoolPart<GCircle>(s.m_Circles));
  m_Parts.push_back(PoolPart<GConst>(s.m_Steps));
  m_Parts.push_back(PoolPart<GIncident>(s.m_Incidents));
  m_Parts.push_back(PoolPart<GText>(s.m_Texts));
  m_Parts.push_back(PoolPart<GParaCurve>(s.m_Curves));
  m_Parts.push_back(PoolPart<GAngle>(s.m_Angles));
  m_Parts.push_back(PoolPart<GBracket>(s.m_Brackets));
  m_Parts.push_back(PoolPart<GSheet>(doc.m_Sheets.m_Slots));
  {
    Part p;
    Start(p, sizeof(GImage));
    auto sample = std::make_unique<GImage>();
    Extra(p, *sample);
    Fresh(p, sample.get());
    GImageKeeper& k = doc.m_Images;
    p.count = [&k] { return k.Count(); };
    p.at = [&k](int i) { return reinterpret_cast<unsigned char*>(k.At(i)); };
    m_Parts.push_back(std::move(p));
  }
  m_Parts.push_back(ObjectPart(doc.m_Sheets.m_Count));
  {
    // Showing hidden elements is a way of looking, and the window's size is
    // the window's: neither is part of the figure.
    Part p = ObjectPart(doc.m_Viewport);
    GViewport& v = doc.m_Viewport;
    Skip(p, &v, &v.m_ShowHidden, sizeof v.m_ShowHidden);
    Skip(p, &v, &v.m_WindowWidth, sizeof v.m_WindowWidth);
    Skip(p, &v, &v.m_WindowHeight, sizeof v.m_WindowHeight);
    m_Parts.push_back(std::move(p));
  }
  m_Choosing.assign(m_Parts.size(), 0);
  m_Choosing.push_back(1);
  m_Parts.push_back(ObjectPart(doc.m_Selection));
  m_Parts.push_back(ObjectPart(doc.m_History.m_Redo));
  m_Parts.push_back(ObjectPart(doc.m_History.m_RedoCount));
  {
    Part p;
    GNaming& n = doc.m_Naming;
    Start(p, sizeof(GNaming));
    for (const std::string& s : n.m_Next) Text(p, &n, &s);
    Fresh(p, &n);
    p.count = [] { return 1; };
    p.at = [&n](int) { return reinterpret_cast<unsigned char*>(&n); };
    m_Parts.push_back(std::move(p));
  }
  m_Parts.push_back(ObjectPart(doc.m_Defaults));
  m_Parts.push_back(ObjectPart(doc.m_Motion));
  m_Parts.push_back(ObjectPart(doc.m_CurrentConst));
  {
    Part p;
    Start(p, sizeof(std::string));
    Text(p, &m_Looks, &m_Looks);
    Fresh(p, &m_Looks);
    p.count = [] { return 1; };
    p.at = [this](int) { return reinterpret_cast<unsigned char*>(&m_Looks); };
    m_Parts.push_back(std::move(p));
  }
  m_Copy.bytes.resize(m_Parts.size());
  m_Copy.texts.resize(m_Parts.size());
}

// The element parts are the first eleven but the steps, the incidence
// records and the sheets; every element kind has its GObject part first.
bool GDocImage::OnlyChoosing(const GChangeSet& c) const {
  if (!c.texts.empty() || c.sheetBefore != c.sheetAfter) return false;
  for (const GChangeSet::Run& r : c.runs) {
    if (r.part < m_Choosing.size() && m_Choosing[r.part]) continue;
    const bool element = r.part <= 10 && r.part != 3 && r.part != 4 && r.part != 9;
    if (!element || r.offset != m_HilightAt || r.length != 1) return false;
  }
  return true;
}

void GDocImage::ReadLooks() { m_Looks = m_Keeper ? m_Keeper->Looks() : std::string(); }

void GDocImage::Grow(size_t k, int records) {
  const Part& p = m_Parts[k];
  auto& bytes = m_Copy.bytes[k];
  auto& texts = m_Copy.texts[k];
  while (bytes.size() < static_cast<size_t>(records) * p.size) {
    bytes.insert(bytes.end(), p.fresh.begin(), p.fresh.end());
    texts.resize(texts.size() + p.texts.size());
  }
}

GDocImage::Copy GDocImage::Snapshot() {
  ReadLooks();
  Copy c;
  c.bytes.resize(m_Parts.size());
  c.texts.resize(m_Parts.size());
  for (size_t k = 0; k < m_Parts.size(); ++k) {
    const Part& p = m_Parts[k];
    const int n = p.count();
    for (int i = 0; i < n; ++i) {
      unsigned char* live = p.at(i);
      const size_t at = c.bytes[k].size();
      if (!live) {
        c.bytes[k].insert(c.bytes[k].end(), p.fresh.begin(), p.fresh.end());
        c.texts[k].resize(c.texts[k].size() + p.texts.size());
        continue;
      }
      c.bytes[k].insert(c.bytes[k].end(), live, live + p.size);
      for (size_t j = 0; j < p.size; ++j)
        if (p.skip[j]) c.bytes[k][at + j] = 0;
      for (size_t t = 0; t < p.texts.size(); ++t) c.texts[k].push_back(TextAt(p, live, t));
    }
    // Slots made but never used are left out, so that two moments compare
    // the same however many slots were made in between.
    auto& bytes = c.bytes[k];
    auto& texts = c.texts[k];
    const size_t nt = p.texts.size();
    while (bytes.size() >= p.size &&
           std::equal(p.fresh.begin(), p.fresh.end(),
                      bytes.end() - static_cast<std::ptrdiff_t>(p.size)) &&
           std::all_of(texts.end() - static_cast<std::ptrdiff_t>(nt), texts.end(),
                       [](const std::string& t) { return t.empty(); })) {
      bytes.resize(bytes.size() - p.size);
      texts.resize(texts.size() - nt);
    }
  }
  return c;
}

void GDocImage::Take() {
  m_Copy = Snapshot();
  m_Sheet = m_Doc.CurrentSheetIndex();
  m_Taken = true;
}

bool GDocImage::Matches() {
  Copy now = Snapshot();
  for (size_t k = 0; k < m_Parts.size(); ++k) Grow(k, m_Parts[k].count());
  return now == m_Copy && m_Sheet == m_Doc.CurrentSheetIndex();
}

GChangeSet GDocImage::Diff() {
  GChangeSet c;
  if (!m_Taken) {
    Take();
    return c;
  }
  ReadLooks();
  c.sheetBefore = m_Sheet;
  c.sheetAfter = m_Doc.CurrentSheetIndex();
  std::vector<unsigned char> now;
  for (size_t k = 0; k < m_Parts.size(); ++k) {
    const Part& p = m_Parts[k];
    const int n = p.count();
    Grow(k, n);
    now.resize(p.size);
    for (int i = 0; i < n; ++i) {
      unsigned char* live = p.at(i);
      if (!live) continue;
      unsigned char* copy = m_Copy.bytes[k].data() + static_cast<size_t>(i) * p.size;
      std::memcpy(now.data(), live, p.size);
      for (size_t j = 0; j < p.size; ++j)
        if (p.skip[j]) now[j] = 0;
      if (std::memcmp(now.data(), copy, p.size) != 0)
        RecordRuns(p, static_cast<uint32_t>(k), static_cast<uint32_t>(i), now.data(), copy, c);
      for (size_t t = 0; t < p.texts.size(); ++t) {
        const std::string& text = TextAt(p, live, t);
        std::string& kept = m_Copy.texts[k][static_cast<size_t>(i) * p.texts.size() + t];
        if (text == kept) continue;
        c.texts.push_back({static_cast<uint32_t>(k), static_cast<uint32_t>(i),
                           static_cast<uint32_t>(t), kept, text});
        kept = text;
      }
    }
  }
  m_Sheet = c.sheetAfter;
  return c;
}

void GDocImage::Apply(const GChangeSet& c, bool forward) {
  // A change may hold the same bytes more than once (choices joined to it):
  // going back, the earliest before must be written last.
  bool looks = false;
  const size_t nr = c.runs.size(), nt = c.texts.size();
  for (size_t i = 0; i < nr; ++i) {
    const GChangeSet::Run& r = c.runs[forward ? i : nr - 1 - i];
    const Part& p = m_Parts[r.part];
    unsigned char* live = p.at(static_cast<int>(r.record));
    if (!live) continue;
    const unsigned char* from = c.bytes.data() + r.at + (forward ? r.length : 0);
    std::memcpy(live + r.offset, from, r.length);
    std::memcpy(m_Copy.bytes[r.part].data() + static_cast<size_t>(r.record) * p.size + r.offset,
                from, r.length);
  }
  for (size_t i = 0; i < nt; ++i) {
    const GChangeSet::Text& t = c.texts[forward ? i : nt - 1 - i];
    const Part& p = m_Parts[t.part];
    unsigned char* live = p.at(static_cast<int>(t.record));
    if (!live) continue;
    const std::string& value = forward ? t.after : t.before;
    TextAt(p, live, t.index) = value;
    m_Copy.texts[t.part][static_cast<size_t>(t.record) * p.texts.size() + t.index] = value;
    looks = looks || t.part + 1 == m_Parts.size();
  }
  m_Sheet = forward ? c.sheetAfter : c.sheetBefore;
  m_Doc.m_Sheets.SetCurrent(m_Sheet);
  if (looks && m_Keeper) m_Keeper->RestoreLooks(m_Looks);
}
