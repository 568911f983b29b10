#include "app/about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "app/radio_picture.h"

namespace zrt {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmAbout"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* title = new QLabel(this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    title->setFont(big);
    auto* version = new QLabel(this);
    version->setObjectName(QStringLiteral("lblVersion"));

    auto* texts = new QVBoxLayout;
    texts->addStretch();
    texts->addWidget(title);
    texts->addSpacing(12);
    texts->addWidget(version);
    texts->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 24, 32, 24);
    layout->setSpacing(24);
    layout->addWidget(new RadioPicture(this));
    layout->addLayout(texts);
}

void AboutBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
    accept();
}

}  // namespace zrt
