// The one place where the drawing turns an element's name into the UTF-8
// letters the surfaces take: while names are toolkit strings it converts,
// once they are UTF-8 strings themselves it hands them on.
#pragma once

#include <string>

#include "model/Elements.h"

inline std::string Utf8(const wxString& s) { return s.utf8_string(); }
