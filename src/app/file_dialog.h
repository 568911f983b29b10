// The file dialog of the file and channel-list commands.
#pragma once

#include <QFileDialog>
#include <QString>

#include "app/app_settings.h"

namespace zrt {

// Asks for a file to open or to save; "" when cancelled. It starts in the folder this kind of dialog was last
// used in (else where the user can write) and remembers the choice. A name saved without an extension gets
// `suffix` while a filter naming "*.suffix" is chosen, so that the matching open command finds the file
// again; the overwrite question sees that name.
QString askFilePath(QWidget* parent, QFileDialog::AcceptMode mode, AppSettings* settings, FileDialogKind kind,
                    const QString& filter, const QString& suffix);

}  // namespace zrt
