// The main window (MDIForm1): menu, toolbar, band and port lists, status bar, and the editor windows as
// child windows of its multiple-document area.
#pragma once

#include <QMainWindow>

class QMdiArea;

namespace zrt {

class Session;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Session& session, QWidget* parent = nullptr);

private:
    Session& session_;
    QMdiArea* mdi_ = nullptr;
};

}  // namespace zrt
