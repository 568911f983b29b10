#include <QApplication>

#include "app/main_window.h"
#include "session/session.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZR-T410"));
    zrt::Session session;
    zrt::MainWindow window(session);
    window.show();
    return QApplication::exec();
}
