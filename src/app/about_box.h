// The About box (FrmAbout): title, version and a picture; a click anywhere on it closes it.
#pragma once

#include <QDialog>

namespace zrt {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace zrt
