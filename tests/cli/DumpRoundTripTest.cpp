// The dump's numbers read back to the very doubles of the document: the
// written form of single numbers at the edges of the double range, and every
// coordinate and curve sample of a dumped figure compared bit for bit.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>

#include "bench/SheetGenerator.h"
#include "core/Recorder.h"
#include "script/Script.h"
#include "tools/fgf/Dump.h"
#include "tools/fgf/Json.h"

namespace {

uint64_t Bits(double v) {
  uint64_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

// The number written at `at` (moved past it and the separator after it).
double ReadNumber(const std::string& text, size_t& at) {
  double v = std::numeric_limits<double>::quiet_NaN();
  const auto r = std::from_chars(text.data() + at, text.data() + text.size(), v);
  at = r.ptr - text.data();
  while (at < text.size() && (text[at] == ',' || text[at] == ' ' || text[at] == ']')) ++at;
  return v;
}

TEST(DumpNumbers, SingleNumbersReadBackExactly) {
  const struct {
    double v;
    const char* text;  // null: only the round trip is checked
  } cases[] = {{0.0, "0"},
               {-0.0, "-0"},
               {0.1, "0.1"},
               {-2.5, "-2.5"},
               {1.0 / 3.0, nullptr},
               {2.8729499999999997, nullptr},
               {1e-12 / 3, nullptr},
               {std::numeric_limits<double>::denorm_min(), nullptr},
               {std::numeric_limits<double>::max(), nullptr},
               {1e300, "1e+300"},
               {std::nan(""), "null"},
               {-std::numeric_limits<double>::infinity(), "null"}};
  for (const auto& c : cases) {
    std::string out;
    JsonNumber(out, c.v);
    if (c.text) {
      EXPECT_EQ(out, c.text);
    }
    if (!std::isfinite(c.v)) continue;
    size_t at = 0;
    EXPECT_EQ(Bits(ReadNumber(out, at)), Bits(c.v)) << out;
    EXPECT_EQ(at, out.size()) << out;
  }
}

// The position after `key` in the object that starts with the element's name.
size_t After(const std::string& dump, const std::string& name, const char* key) {
  const size_t object = dump.find("{\"name\": \"" + name + "\"");
  if (object == std::string::npos) return object;
  const size_t k = dump.find(std::string("\"") + key + "\": ", object);
  return k == std::string::npos ? k : k + std::strlen(key) + 4;
}

void ExpectComplex(const std::string& dump, const std::string& name, const char* key,
                   const CComplex& z) {
  size_t at = After(dump, name, key);
  ASSERT_NE(at, std::string::npos) << name << "." << key;
  ASSERT_EQ(dump[at++], '[');
  EXPECT_EQ(Bits(ReadNumber(dump, at)), Bits(z.re)) << name << "." << key;
  EXPECT_EQ(Bits(ReadNumber(dump, at)), Bits(z.im)) << name << "." << key;
}

TEST(DumpNumbers, EveryCoordinateAndSampleReadsBackBitForBit) {
  RecordingUser user;
  std::ifstream in(std::string(std::getenv("FIGURETTA_TEST_DATA")) + "/curves.fgf");
  std::ostringstream curves;
  curves << in.rdbuf();
  std::unique_ptr<GDocument> pool = GenerateSheet(&user, 400);
  auto doc = std::make_unique<GDocument>(&user);
  for (const std::string& text : {curves.str(), WriteScript(*pool)}) {
    ASSERT_TRUE(ReadScript(*doc, text));
    const std::string dump = DumpDocument(*doc, true, "", {});
    GSheet& s = doc->Sheet();
    int checked = 0;
    for (GPoint* p = s.points.head; p; p = p->next, ++checked) {
      ExpectComplex(dump, p->name, "x", p->x);
      ExpectComplex(dump, p->name, "y", p->y);
      ExpectComplex(dump, p->name, "z", p->z);
    }
    for (GCircle* c = s.circles.head; c; c = c->next, ++checked) {
      ExpectComplex(dump, c->name, "cx", c->cx);
      ExpectComplex(dump, c->name, "r2", c->r2);
    }
    for (GParaCurve* c = s.curves.head; c; c = c->next, ++checked) {
      for (const char* key : {"x", "y"}) {
        const double* want = *key == 'x' ? c->X : c->Y;
        size_t at = After(dump, c->name, key);
        ASSERT_NE(at, std::string::npos);
        ASSERT_EQ(dump[at++], '[');
        for (int i = 0; i < c->count; ++i)
          ASSERT_EQ(Bits(ReadNumber(dump, at)), Bits(want[i])) << c->name << "." << key << i;
      }
    }
    EXPECT_GT(checked, 3);
  }
}

}  // namespace
