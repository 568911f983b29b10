// The help command: opens the user's guide of the current language, shipped beside the program.
#pragma once

#include <QString>

class QWidget;

namespace zrt {

// <program folder>/help/<en|zh>/index.html
QString helpDocumentPath(int languageIndex);

// Opens the document in the desktop's viewer; says so when it is missing or cannot be opened.
void openHelp(int languageIndex, QWidget* owner);

}  // namespace zrt
