// Showing things in the page's elements, by element id: texts, check marks, visibility, the
// lock of a name box, and pictures, which go to their canvas pixel for pixel.
#pragma once

#include <string>

#include "view/image24.h"

namespace vantoki {

void setElementText(const std::string& id, const std::string& text);
void setElementChecked(const std::string& id, bool checked);
void setElementVisible(const std::string& id, bool visible);
void setElementLocked(const std::string& id, bool locked);
void setElementValue(const std::string& id, int value);
void showPicture(const std::string& id, const Image24& picture);

}  // namespace vantoki
