// The toolkit's own texts (file dialogs, the editor boxes' context menus, the child windows' system menus) in
// the program's language: Qt's Chinese translation while the program speaks Chinese, Qt's English otherwise.
#pragma once

namespace zrt {

// Installs or removes the translation for languageIndex. Returns false when Chinese was asked for and no
// translation file was found (the toolkit's texts then stay English); nothing else depends on it.
bool applyToolkitLanguage(int languageIndex);

}  // namespace zrt
