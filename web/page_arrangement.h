// The main window's compact arrangement (layout/compact_arrangement.h) as the page script reads
// it: plain objects, shapes and places by name, controls by element id.
#pragma once

#include <emscripten/val.h>

namespace vantoki {

emscripten::val compactArrangementForPage();

}  // namespace vantoki
