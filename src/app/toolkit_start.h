// Starting the toolkit for the window: the application object, the toolkit's own texts in
// Japanese whatever the machine's locale, and a plain refusal when no display can be reached,
// where the toolkit on its own would abort the process.
#pragma once

#include <QApplication>

#include <memory>

namespace vantoki {

// The application object; when it cannot reach a display, says so on standard error and ends
// the process with exit status 1.
std::unique_ptr<QApplication> startToolkit(int& argc, char** argv);

// Loads the toolkit's Japanese translations (qtbase_ja from the toolkit's translations folder):
// the file dialogs' and a text box's context menu's words. Returns false, changing nothing, when
// they are not installed; the game's own message boxes are Japanese either way.
bool installToolkitTranslations(QApplication& application);

}  // namespace vantoki
