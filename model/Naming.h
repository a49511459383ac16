// GNaming: the automatic names of new elements. One counter per element kind
// holds the name the next element of that kind will get; the document steps
// a counter past the names its sheet already uses (model/DocNaming.cpp).
#pragma once

#include <string>

enum class GNameKind { kPoint, kLine, kCircle, kCurve, kText, kAngle, kImage, kBracket };
constexpr int kNameKinds = 8;

class GNaming {
 public:
  // The name the next element of `kind` gets.
  const std::string& Next(GNameKind kind) const { return m_Next[Index(kind)]; }
  std::string& Counter(GNameKind kind) { return m_Next[Index(kind)]; }
  // The successor rule on a name (AZ -> BA, C9 -> D0); true when the name
  // has no successor.
  static bool next_name_sub(std::string& name);

 private:
  friend class GDocImage;
  static int Index(GNameKind kind) { return static_cast<int>(kind); }
  std::string m_Next[kNameKinds];
};
