#include "app/main_window.h"

#include <QMdiArea>

#include "platform/qt_text.h"
#include "session/session.h"

namespace zrt {

MainWindow::MainWindow(Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
    mdi_ = new QMdiArea(this);
    setCentralWidget(mdi_);
    setWindowTitle(QStringLiteral("ZR-T410 Radio Programming Software"));
    resize(1024, 720);
}

}  // namespace zrt
