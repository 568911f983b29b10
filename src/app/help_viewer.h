// The help command: opens the user's guide of the current language, shipped beside the program.
#pragma once

#include <QString>

class QWidget;

namespace zrt {

// <help folder>/<en|zh>/index.html, the help folder as findHelpFolder finds it
QString helpDocumentPath(int languageIndex);
// The folder of the guides: help/ beside the program (a build tree), else ../share/zr-t410/help from the
// program's folder (an installed program, wherever its prefix); the first when neither exists.
QString findHelpFolder(const QString& programFolder);

// Shows the document in the program's help window; says so when it is missing.
void openHelp(int languageIndex, QWidget* owner);

}  // namespace zrt
