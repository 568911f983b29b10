// The help command: opens the user's guide of the current language, shipped beside the program.
#pragma once

#include <QString>

class QWidget;

namespace zrt {

// <program folder>/help/<en|zh>/index.html
QString helpDocumentPath(int languageIndex);

// Shows the document in the program's help window; says so when it is missing.
void openHelp(int languageIndex, QWidget* owner);

}  // namespace zrt
