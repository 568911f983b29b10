#include "app/file_commands.h"

#include "app/msgbox.h"
#include "session/session.h"

namespace zrt {

// Placeholder until the data file lands.
FileCommands::FileCommands(Session& session, QWidget* dialogParent) : session_(session), parent_(dialogParent) {}

bool FileCommands::newFile() {
    if (msgBoxEx(session_.config.languageIndex, msg::kNewQuestion, parent_) != msg::kResultOk) return false;
    session_.newConfiguration();
    return true;
}
bool FileCommands::open() { return false; }
bool FileCommands::openPath(const QString&) { return false; }
bool FileCommands::save() { return false; }
bool FileCommands::savePath(const QString&) { return false; }

}  // namespace zrt
