#include "dialogs/file_chooser_texts.h"

#include "layout/layout_table.h"

namespace vantoki {

std::string_view chooserTitle(FileChooserPurpose purpose) {
  return purpose == FileChooserPurpose::Save ? "名前を付けて保存"
                                             : fileChooserLayout().front().caption;
}

std::string_view chooseCaption(FileChooserPurpose purpose) {
  return purpose == FileChooserPurpose::Save ? "保存"
                                             : placeOf(fileChooserLayout(), "chooseButton").caption;
}

std::string_view cancelCaption() {
  return placeOf(fileChooserLayout(), "cancelButton").caption;
}

}  // namespace vantoki
