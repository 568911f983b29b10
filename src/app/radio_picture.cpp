#include "app/radio_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zrt {

void paintRadio(QPainter& p, const QRectF& area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 60 x 100 grid, scaled into the area with the aspect kept.
    const qreal scale = std::min(area.width() / 60.0, area.height() / 100.0);
    p.translate(area.center().x() - 30 * scale, area.center().y() - 50 * scale);
    p.scale(scale, scale);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 44));
    p.drawRoundedRect(QRectF(40, 0, 6, 30), 3, 3);  // antenna
    p.drawRoundedRect(QRectF(14, 4, 8, 24), 2, 2);  // knob

    QLinearGradient body(QPointF(8, 0), QPointF(52, 0));
    body.setColorAt(0, QColor(60, 62, 70));
    body.setColorAt(0.5, QColor(88, 92, 104));
    body.setColorAt(1, QColor(54, 56, 64));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(8, 24, 44, 74), 7, 7);

    p.setBrush(QColor(150, 200, 120));  // display
    p.drawRoundedRect(QRectF(14, 32, 32, 16), 2, 2);
    p.setPen(QPen(QColor(40, 70, 30), 1.2));
    p.drawLine(QPointF(17, 37), QPointF(36, 37));
    p.drawLine(QPointF(17, 42), QPointF(30, 42));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 206));  // keypad
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRoundedRect(QRectF(15 + col * 11, 54 + row * 10, 8, 6), 1.5, 1.5);
    p.setBrush(QColor(220, 60, 50));  // transmit light
    p.drawEllipse(QPointF(41, 28.5), 1.6, 1.6);
    p.restore();
}

QIcon radioIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        paintRadio(p, QRectF(0, 0, size, size));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

RadioPicture::RadioPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setMinimumSize(sizeHint());
}

void RadioPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintRadio(p, QRectF(rect()));
}

}  // namespace zrt
