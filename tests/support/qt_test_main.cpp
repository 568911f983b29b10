// Test entry point for widget tests: the application object must exist before any widget.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // Reads make backups: never in the user's own data folder, and never left behind.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir backups;
    qputenv("ZRT410_BACKUP_DIR", backups.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
