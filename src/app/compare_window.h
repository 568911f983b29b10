// File › Compare with File…: the differences between the configuration in the windows and another one (a
// data file or a backup), field by field in the windows' words, as `diff` prints them.
#pragma once

#include <QDialog>

#include "config/configuration.h"

class QLabel;
class QTableWidget;

namespace zrt {

class Session;

class CompareWindow : public QDialog {
    Q_OBJECT
  public:
    explicit CompareWindow(Session& session, QWidget* parent = nullptr);

    // Compares the session's configuration with `other` (named `otherName` in the last column's header).
    void compareWith(const Configuration& other, const QString& otherName);
    // Compares again, in the session's language (after an edit or a language switch).
    void refresh();
    int differenceCount() const;

  private:
    Session& session_;
    Configuration other_;
    QString otherName_;
    QLabel* summary_;
    QTableWidget* grid_;
};

}  // namespace zrt
