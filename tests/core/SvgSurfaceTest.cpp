// The SVG surface: the element each call writes, numbers read back from the
// document, the polygons of a fill path, arcs, pictures, and letters
// (escaping, broken UTF-8, widths as cairo gives them, the family named).
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "render/FontMetrics.h"
#include "render/Png.h"
#include "render/SvgSurface.h"

namespace {

// The lines between the document's header and its end.
std::vector<std::string> Body(const GSvgSurface& s) {
  std::vector<std::string> lines;
  const std::string doc = s.Document();
  for (size_t at = 0, nl; (nl = doc.find('\n', at)) != std::string::npos; at = nl + 1)
    lines.push_back(doc.substr(at, nl - at));
  EXPECT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.back(), "</svg>");
  return std::vector<std::string>(lines.begin() + 2, lines.end() - 1);
}

std::string Attr(const std::string& element, const std::string& name) {
  const std::string key = " " + name + "=\"";
  const size_t at = element.find(key);
  if (at == std::string::npos) return "<none>";
  const size_t from = at + key.size();
  return element.substr(from, element.find('"', from) - from);
}

// The numbers and command letters of SVG path data, in order.
struct PathToken {
  char command;  // 0 for a number
  double value;
};
std::vector<PathToken> PathTokens(const std::string& d) {
  std::vector<PathToken> out;
  for (const char* p = d.c_str(); *p;) {
    if (std::isalpha((unsigned char)*p)) {
      out.push_back({*p++, 0});
    } else if (*p == '-' || std::isdigit((unsigned char)*p)) {
      char* end = nullptr;
      out.push_back({0, std::strtod(p, &end)});
      p = end;
    } else {
      ++p;
    }
  }
  return out;
}

// The polygons of a fill path of relative moves and lines (in doubles: the
// steps between far corners need more than an int).
std::vector<std::vector<GPixF>> Polygons(const std::string& d) {
  std::vector<std::vector<GPixF>> polys;
  const std::vector<PathToken> t = PathTokens(d);
  GPixF start;
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i].command == 'm') {
      start = {start.x + t[i + 1].value, start.y + t[i + 2].value};
      polys.push_back({start});
      i += 2;
    } else if (t[i].command == 0) {
      const GPixF last = polys.back().back();
      polys.back().push_back({last.x + t[i].value, last.y + t[i + 1].value});
      ++i;
    } else {
      EXPECT_EQ(t[i].command, 'z');
    }
  }
  return polys;
}

const GRgb kRed{255, 0, 0}, kBlue{0, 0, 255};

}  // namespace

TEST(SvgSurface, HeaderGivesTheSizeAndTheEndClosesIt) {
  for (auto [w, h, want] : {std::tuple{640, 480, "640 480"}, {0, -5, "1 1"}}) {
    GSvgSurface s(w, h);
    const std::string doc = s.Document();
    EXPECT_NE(doc.find(std::string("viewBox=\"0 0 ") + want + "\""), std::string::npos) << doc;
    EXPECT_EQ(doc.substr(doc.size() - 7), "</svg>\n");
    EXPECT_EQ(s.TakeDocument(), doc);
  }
}

TEST(SvgSurface, ASinkGetsTheSameDocumentInPieces) {
  // Enough strokes for several chunks; the pieces make up the very document
  // held whole, and a sink that fails is reported at the end.
  auto draw = [](GSvgSurface& s) {
    for (int i = 0; i < 6000; ++i) s.Stroke(kRed, 1 + i % 3, GPix{i, -i}, GPix{2 * i, 7});
  };
  GSvgSurface whole(300, 200);
  draw(whole);
  const std::string doc = whole.TakeDocument();
  std::vector<std::string> pieces;
  GSvgSurface streamed(300, 200, [&](std::string_view piece) {
    pieces.emplace_back(piece);
    return true;
  });
  draw(streamed);
  ASSERT_TRUE(streamed.End());
  ASSERT_GT(pieces.size(), 3u);
  std::string joined;
  for (const std::string& piece : pieces) {
    EXPECT_LT(piece.size(), (size_t)(1 << 17));
    joined += piece;
  }
  EXPECT_EQ(joined, doc);

  int calls = 0;
  GSvgSurface failing(300, 200, [&](std::string_view) { return ++calls > 1; });
  draw(failing);
  EXPECT_FALSE(failing.End());
}

TEST(SvgSurface, EachCallWritesItsElement) {
  const GPix tri[] = {{10, 20}, {30, -40}, {50, 60}};
  const GPixF chain[] = {{0.5, 1.25}, {2, 3.333}, {-4.005, 5}};
  struct Case {
    const char* name;
    std::function<void(GSvgSurface&)> draw;
    const char* want;  // "" when the call draws nothing
  };
  const Case cases[] = {
      {"background",
       [](GSvgSurface& s) {
         s.Clear({1, 2, 255});
       },
       "<rect width=\"100\" height=\"50\" fill=\"#0102ff\"/>"},
      {"line",
       [](GSvgSurface& s) {
         s.Stroke(kRed, 3, {1, 2}, {-3, 4});
       },
       "<line x1=\"1\" y1=\"2\" x2=\"-3\" y2=\"4\" stroke=\"#ff0000\" stroke-width=\"3\" "
       "stroke-linecap=\"round\"/>"},
      {"hairline is one pixel",
       [](GSvgSurface& s) {
         s.Stroke(kRed, 0, {1, 2}, {3, 4});
       },
       "<line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\" stroke=\"#ff0000\" stroke-width=\"1\" "
       "stroke-linecap=\"round\"/>"},
      {"chain", [&](GSvgSurface& s) { s.StrokeChain(kBlue, 2, chain, 3); },
       "<polyline points=\"0.5,1.25 2,3.33 -4.01,5\" fill=\"none\" stroke=\"#0000ff\" "
       "stroke-width=\"2\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>"},
      {"chain of one point", [&](GSvgSurface& s) { s.StrokeChain(kBlue, 2, chain, 1); }, ""},
      {"polyline", [&](GSvgSurface& s) { s.Polyline(kBlue, 1, tri, 3); },
       "<polyline points=\"10,20 30,-40 50,60\" fill=\"none\" stroke=\"#0000ff\" "
       "stroke-width=\"1\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>"},
      {"polygon", [&](GSvgSurface& s) { s.Polygon(GInk::Both(kRed, 2, kBlue), tri, 3); },
       "<polygon points=\"10,20 30,-40 50,60\" fill=\"#0000ff\" stroke=\"#ff0000\" "
       "stroke-width=\"2\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>"},
      {"polygon without ink", [&](GSvgSurface& s) { s.Polygon(GInk{}, tri, 3); }, ""},
      {"circle",
       [](GSvgSurface& s) {
         s.Circle(GInk::Outline(kRed, 1), {5, 6}, 7);
       },
       "<circle cx=\"5\" cy=\"6\" r=\"7\" fill=\"none\" stroke=\"#ff0000\" stroke-width=\"1\" "
       "stroke-linecap=\"round\"/>"},
      {"disc",
       [](GSvgSurface& s) {
         s.Circle(GInk::Filled(kBlue), {5, 6}, 7);
       },
       "<circle cx=\"5\" cy=\"6\" r=\"7\" fill=\"#0000ff\"/>"},
      {"circle of no radius",
       [](GSvgSurface& s) {
         s.Circle(GInk::Filled(kBlue), {5, 6}, 0);
       },
       ""},
      {"rectangle", [](GSvgSurface& s) { s.Rectangle(GInk::Filled(kRed), 1, 2, 3, 4); },
       "<rect x=\"1\" y=\"2\" width=\"3\" height=\"4\" fill=\"#ff0000\"/>"},
      {"rectangle from its far corner",
       [](GSvgSurface& s) { s.Rectangle(GInk::Filled(kRed), 10, 20, -3, -4); },
       "<rect x=\"7\" y=\"16\" width=\"3\" height=\"4\" fill=\"#ff0000\"/>"},
      {"colour out of range",
       [](GSvgSurface& s) {
         s.Clear({-5, 300, 16});
       },
       "<rect width=\"100\" height=\"50\" fill=\"#00ff10\"/>"},
  };
  for (const Case& c : cases) {
    GSvgSurface s(100, 50);
    c.draw(s);
    const std::vector<std::string> body = Body(s);
    if (*c.want)
      EXPECT_EQ(body, std::vector<std::string>{c.want}) << c.name;
    else
      EXPECT_TRUE(body.empty()) << c.name;
  }
}

TEST(SvgSurface, NumbersKeepAtMostTwoDecimals) {
  const std::pair<double, const char*> cases[] = {
      {0, "0"},           {-0.004, "0"},
      {2.5, "2.5"},       {2.499, "2.5"},
      {13.3333, "13.33"}, {-0.05, "-0.05"},
      {2.999, "3"},       {-1.1, "-1.1"},
      {-7, "-7"},         {1e300, "1000000000000"},
      {NAN, "0"},         {123456.78, "123456.78"},
  };
  for (auto [v, want] : cases) {
    char buf[kNumBytes];
    EXPECT_EQ(std::string(buf, PutNum(buf, v)), want) << v;
  }
}

TEST(SvgSurface, FillWritesAllPolygonsAsOnePath) {
  const GPix pts[] = {{100, 200},      {105, 200},       {105, 190},  // a triangle
                      {7, 8},          {9, 10},                       // two points: no polygon
                      {-3, -4},        {-1, -4},         {-1, 2},         {-3, 2},
                      {2000000000, 5}, {-2000000000, 6}, {0, -2000000000}};
  const int counts[] = {3, 2, 4, 3};
  GSvgSurface s(100, 50);
  s.Fill(kRed, pts, counts, 4);
  const std::vector<std::string> body = Body(s);
  ASSERT_EQ(body.size(), 1u);
  EXPECT_EQ(Attr(body[0], "fill"), "#ff0000");
  EXPECT_EQ(body[0].find("stroke"), std::string::npos);
  const auto polys = Polygons(Attr(body[0], "d"));
  ASSERT_EQ(polys.size(), 3u);
  const int from[] = {0, 5, 9};
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(polys[i].size(), (size_t)counts[i == 0 ? 0 : i + 1]);
    for (size_t j = 0; j < polys[i].size(); ++j) {
      EXPECT_EQ(polys[i][j].x, pts[from[i] + j].x) << i << " " << j;
      EXPECT_EQ(polys[i][j].y, pts[from[i] + j].y) << i << " " << j;
    }
  }
  GSvgSurface none(10, 10);
  none.Fill(kRed, pts + 3, counts + 1, 1);
  EXPECT_TRUE(Body(none).empty());
}

TEST(SvgSurface, PatternsAreDefinedOnceAndCoursesPlaceTheirCopies) {
  const GPixF diamond[] = {{16, -4}, {19, 0}, {16, 4}, {13, 0}};
  const GPatternLayer red{kRed, diamond, 4, 32}, blue{kBlue, diamond, 4, 32};
  GSvgSurface s(400, 300);
  const double co = std::cos(0.5), si = std::sin(0.5);
  ASSERT_TRUE(s.PatternAlong(red, GPixF{10, 20}, co, si, 200));
  ASSERT_TRUE(s.PatternAlong(red, GPixF{30, 40}, 1, 0, 100));
  ASSERT_TRUE(s.PatternAlong(blue, GPixF{30, 40}, 1, 0, 100));
  const double start = 0.3, step = 0.16, r = 200;
  ASSERT_TRUE(s.PatternAround(red, GPixF{200, 150}, r, start, step, 5));
  EXPECT_FALSE(s.PatternAround(red, GPixF{200, 150}, r, start, step, 0));

  std::vector<std::string> defs, rects, paths;
  for (const std::string& e : Body(s)) {
    if (e.rfind("<defs>", 0) == 0) defs.push_back(e);
    if (e.rfind("<rect", 0) == 0) rects.push_back(e);
    if (e.rfind("<path", 0) == 0) paths.push_back(e);
  }
  // A tile per colour, a marker for the circle; the tile holds the course in
  // its middle (height 10: the shape's 4 across, and a pixel to spare).
  ASSERT_EQ(defs.size(), 3u);
  EXPECT_NE(defs[0].find("<pattern id=\"t0\""), std::string::npos);
  EXPECT_EQ(Attr(defs[0], "width"), "32");
  EXPECT_EQ(Attr(defs[0], "height"), "10");
  EXPECT_EQ(Attr(defs[0], "d"), "M16 1 19 5 16 9 13 5z");
  // The marker is the shape about its own middle, across turned inwards.
  EXPECT_EQ(Attr(defs[2], "d"), "M0 4 3 0 0 -4 -3 0z");
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_EQ(Attr(rects[0], "fill"), "url(#t0)");
  EXPECT_EQ(Attr(rects[2], "fill"), "url(#t1)");
  EXPECT_EQ(Attr(rects[0], "width"), "200");
  // The tile's top edge lies 5 pixels to the course's left.
  EXPECT_EQ(Attr(rects[0], "transform"), "translate(12.4 15.61) rotate(28.65)");
  EXPECT_EQ(Attr(rects[1], "transform"), "translate(30 35) rotate(0)");

  // The marker path: a place before the first copy and after the last, the
  // copies' middles (angle start + 16/r + i·step) between, on the circle to
  // the nearest pixel.
  ASSERT_EQ(paths.size(), 1u);
  EXPECT_EQ(Attr(paths[0], "fill"), "none");
  EXPECT_EQ(Attr(paths[0], "marker-mid"), "url(#b2)");
  const std::vector<PathToken> t = PathTokens(Attr(paths[0], "d"));
  std::vector<GPixF> places;
  for (size_t i = 0; i + 1 < t.size(); ++i) {
    if (t[i].command) continue;
    const GPixF last = places.empty() ? GPixF{} : places.back();
    places.push_back({last.x + t[i].value, last.y + t[i + 1].value});
    ++i;
  }
  ASSERT_EQ(places.size(), 7u);
  for (int i = 0; i < 7; ++i) {
    const double a = start + 16 / r + (i - 1) * step;
    EXPECT_NEAR(places[i].x, 200 + r * std::cos(a), 0.5) << i;
    EXPECT_NEAR(places[i].y, 150 + r * std::sin(a), 0.5) << i;
  }
  // A document taken away takes its definitions along: the next one defines
  // its patterns anew.
  s.TakeDocument();
  ASSERT_TRUE(s.PatternAlong(red, GPixF{10, 20}, 1, 0, 50));
  EXPECT_NE(s.TakeDocument().find("<pattern id=\"t0\""), std::string::npos);
}

// Arcs: the ends on the ellipse at the given angles (counter-clockwise on the
// screen), the large-arc flag, the pie through the centre, whole ellipses.
TEST(SvgSurface, ArcsRunCounterClockwiseFromStartToEnd) {
  struct Case {
    double start, end;
    bool filled;
    double ends[2];  // degrees of the first and last point
    int arcs, large;
    bool pie;
  };
  const Case cases[] = {
      {0, 90, false, {0, 90}, 1, 0, false},      {350, 10, false, {350, 10}, 1, 0, false},
      {10, 350, false, {10, 350}, 1, 1, false},  {90, 0, false, {90, 0}, 1, 1, false},
      {30, 30, false, {30, 30}, 2, 0, false},    {0, 90, true, {0, 90}, 1, 0, true},
      {-90, 270, true, {-90, -90}, 2, 0, false},
  };
  // The box of an ellipse of radii 20 and 10 about (50, 40).
  const double cx = 50, cy = 40, rx = 20, ry = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << " to " << c.end << (c.filled ? " filled" : ""));
    GSvgSurface s(100, 100);
    s.EllipticArc(c.filled ? GInk::Both(kRed, 1, kBlue) : GInk::Outline(kRed, 1), 30, 30, 40, 20,
                  c.start, c.end);
    const std::vector<std::string> body = Body(s);
    ASSERT_EQ(body.size(), 1u);
    EXPECT_EQ(Attr(body[0], "fill"), c.filled ? "#0000ff" : "none");
    const std::vector<PathToken> t = PathTokens(Attr(body[0], "d"));
    std::vector<double> nums;
    int arcs = 0, large = 0;
    for (size_t i = 0; i < t.size(); ++i)
      if (t[i].command == 'A') {
        ++arcs;
        EXPECT_EQ(t[i + 1].value, rx);
        EXPECT_EQ(t[i + 2].value, ry);
        large += (int)t[i + 4].value;
        EXPECT_EQ(t[i + 5].value, 0);  // sweep: counter-clockwise on the screen
        nums.push_back(t[i + 6].value), nums.push_back(t[i + 7].value);
        i += 7;
      } else if (t[i].command == 0) {
        nums.push_back(t[i].value);
      }
    EXPECT_EQ(arcs, c.arcs);
    EXPECT_EQ(large, c.large);
    size_t first = 0;
    if (c.pie) {
      EXPECT_EQ(nums[0], cx);
      EXPECT_EQ(nums[1], cy);
      first = 2;
    }
    for (int k = 0; k < 2; ++k) {
      const double a = c.ends[k] * M_PI / 180;
      const size_t at = k == 0 ? first : nums.size() - 2;
      EXPECT_NEAR(nums[at], cx + rx * std::cos(a), 0.006);
      EXPECT_NEAR(nums[at + 1], cy - ry * std::sin(a), 0.006);
    }
  }
}

TEST(SvgSurface, PicturesAreEmbeddedOnceAndUsedEachTime) {
  GRaster dot;
  dot.width = 2, dot.height = 3;
  dot.rgba.assign(24, 200);
  GRaster other = dot;
  other.id = GRaster::NewId();
  GRaster broken = dot;
  broken.id = GRaster::NewId();
  broken.rgba.resize(5);
  GSvgSurface s(100, 100);
  for (int i = 0; i < 3; ++i) {
    s.Picture(dot, i, 2 * i);
    s.Picture(broken, 0, 0);
  }
  s.Picture(other, 7, 8);
  const std::vector<std::string> body = Body(s);
  ASSERT_EQ(body.size(), 6u);
  std::vector<std::string> ids, uses;
  for (const std::string& e : body) {
    if (e.rfind("<defs><image ", 0) == 0) {
      ids.push_back(Attr(e, "id"));
      EXPECT_EQ(Attr(e, "width"), "2");
      EXPECT_EQ(Attr(e, "height"), "3");
      // The embedded bytes are the picture's PNG.
      const std::string png = EncodePng(dot);
      std::string b64(Base64Size(png.size()), 0);
      PutBase64(b64.data(), reinterpret_cast<const uint8_t*>(png.data()), png.size());
      EXPECT_EQ(Attr(e, "xlink:href"), "data:image/png;base64," + b64);
    } else {
      uses.push_back(Attr(e, "xlink:href") + "@" + Attr(e, "x") + "," + Attr(e, "y"));
    }
  }
  EXPECT_EQ(ids, (std::vector<std::string>{"p0", "p1"}));
  EXPECT_EQ(uses, (std::vector<std::string>{"#p0@0,0", "#p0@1,2", "#p0@2,4", "#p1@7,8"}));
}

// Letters: the text is escaped for XML, broken UTF-8 and controls become
// U+FFFD, the base line lies one ascent below the box's corner.
TEST(SvgSurface, TextIsEscapedAndWellFormed) {
  const std::pair<std::string, std::string> cases[] = {
      {"A & B < C > \"D\"", "A &amp; B &lt; C &gt; &quot;D&quot;"},
      {"\xce\xb1=30\xc2\xb0 \xe2\x88\xa0 \xf0\x9f\x98\x80",
       "\xce\xb1=30\xc2\xb0 \xe2\x88\xa0 \xf0\x9f\x98\x80"},
      {"a\xff"
       "b",
       "a\xef\xbf\xbd"
       "b"},                                                     // a stray byte
      {"\xc0\xaf", "\xef\xbf\xbd\xef\xbf\xbd"},                  // an overlong '/'
      {"x\xe2\x88", "x\xef\xbf\xbd\xef\xbf\xbd"},                // cut off at the end
      {"\xed\xa0\x80", "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},  // a surrogate
      {std::string("t\x01\x00u", 4), "t\xef\xbf\xbd\xef\xbf\xbdu"},
      {"tab\there", "tab\there"},
  };
  for (const auto& [in, want] : cases) {
    GSvgSurface s(100, 50);
    s.Text(in, 12, false, kRed, 3, 4);
    const std::vector<std::string> body = Body(s);
    ASSERT_EQ(body.size(), 1u);
    const std::string& e = body[0];
    EXPECT_EQ(e.substr(e.find('>') + 1), want + "</text>") << in;
  }
  GSvgSurface s(100, 50);
  s.Text("N", 12, false, kRed, 3, 4);
  s.Text("N", 12, true, kBlue, 3, 4);
  const std::vector<std::string> body = Body(s);
  ASSERT_EQ(body.size(), 2u);
  // 12 points are 16 pixels, of which 15 above the base line.
  EXPECT_EQ(body[0],
            "<text x=\"3\" y=\"19\" font-family=\"DejaVu Sans, sans-serif\" font-size=\"16\" "
            "fill=\"#ff0000\" xml:space=\"preserve\">N</text>");
  EXPECT_EQ(Attr(body[1], "font-weight"), "bold");
  EXPECT_EQ(Attr(body[1], "fill"), "#0000ff");
}

// Widths and heights as cairo gave them for DejaVu Sans at 96 pixels per
// inch; letters the table lacks count as an average one.
TEST(SvgSurface, TextExtentMatchesCairo) {
  struct Case {
    const char* text;
    int points;
    bool bold;
    int w, h, descent;
  };
  const Case cases[] = {
      {"Hello world", 9, false, 66, 15, 3},
      {"Hello world", 12, false, 89, 19, 4},
      {"The quick brown fox jumps over the lazy dog", 15, false, 450, 24, 5},
      {"AB", 29, false, 53, 46, 10},
      {"", 12, false, 0, 19, 4},
  };
  GSvgSurface s(10, 10);
  for (const Case& c : cases) {
    int w = -1, h = -1, d = -1;
    s.TextExtent(c.text, c.points, c.bold, &w, &h, &d);
    EXPECT_EQ(w, c.w) << c.text << " " << c.points;
    EXPECT_EQ(h, c.h) << c.text << " " << c.points;
    EXPECT_EQ(d, c.descent) << c.text << " " << c.points;
  }
  int known = 0, unknown = 0, broken = 0;
  s.TextExtent(
      "x\xe4\xb8\xad"
      "x",
      12, false, &unknown, nullptr, nullptr);  // a CJK letter
  s.TextExtent(
      "x\xff"
      "x",
      12, false, &broken, nullptr, nullptr);
  s.TextExtent("xx", 12, false, &known, nullptr, nullptr);
  const int average = (kDejaVuSans.average * 16 + 1024) / 2048;
  EXPECT_NEAR(unknown - known, average, 1);
  EXPECT_NEAR(broken - known, average, 1);
  int bold = 0;
  s.TextExtent("Hello world", 12, true, &bold, nullptr, nullptr);
  EXPECT_GT(bold, 89);
}

// A family of plain words goes bare before the generic sans-serif; any other
// is quoted as a CSS string, so that a viewer reads the name it was given.
TEST(SvgSurface, TextsNameTheGivenFamilyBeforeSansSerif) {
  const std::pair<std::string, std::string> cases[] = {
      {"DejaVu Sans", "DejaVu Sans, sans-serif"},
      {"IPAGothic", "IPAGothic, sans-serif"},
      {"Noto Sans CJK-JP", "Noto Sans CJK-JP, sans-serif"},
      {"", "sans-serif"},
      {"Serif", "'Serif', sans-serif"},  // bare, the generic font
      {"Font 3D", "'Font 3D', sans-serif"},
      {"Two  spaces", "'Two  spaces', sans-serif"},
      {"O'Neil \\ Co", "'O\\'Neil \\\\ Co', sans-serif"},
      {"IPA\xe3\x82\xb4\xe3\x82\xb7\xe3\x83\x83\xe3\x82\xaf",
       "'IPA\xe3\x82\xb4\xe3\x82\xb7\xe3\x83\x83\xe3\x82\xaf', sans-serif"},
      {"A&B \"C\"", "'A&amp;B &quot;C&quot;', sans-serif"},  // escaped for the attribute
      {"Line\nbreak", "'Line break', sans-serif"},
  };
  for (const auto& [family, want] : cases) {
    GSvgLetters letters;
    letters.family = family;
    GSvgSurface s(100, 50, nullptr, letters);
    s.Text("N", 12, false, kRed, 3, 4);
    const std::vector<std::string> body = Body(s);
    ASSERT_EQ(body.size(), 1u);
    EXPECT_EQ(Attr(body[0], "font-family"), want) << family;
  }
}
