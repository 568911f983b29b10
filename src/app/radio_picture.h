// A drawn handheld radio: the About box's picture and the program's window icon.
#pragma once

#include <QIcon>
#include <QWidget>

class QPainter;

namespace zrt {

void paintRadio(QPainter& painter, const QRectF& area);
QIcon radioIcon();

class RadioPicture : public QWidget {
  public:
    explicit RadioPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {96, 160}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zrt
