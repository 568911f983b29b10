#include "app/file_dialog.h"

#include <QCoreApplication>

namespace zrt {

QString askFilePath(QWidget* parent, QFileDialog::AcceptMode mode, AppSettings* settings, FileDialogKind kind,
                    const QString& filter, const QString& suffix) {
    const QString folder =
        settings ? settings->dialogFolder(kind) : defaultDialogFolder(QCoreApplication::applicationDirPath());
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (mode == QFileDialog::AcceptSave) {
        dialog.setDefaultSuffix(suffix);
        const QString pattern = QStringLiteral("*.") + suffix;
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, pattern, suffix](const QString& chosen) {
                             dialog.setDefaultSuffix(chosen.contains(pattern) ? suffix : QString());
                         });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    if (settings) settings->rememberDialogFile(kind, chosen);
    return chosen;
}

}  // namespace zrt
