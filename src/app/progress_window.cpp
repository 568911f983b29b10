#include "app/progress_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <array>

#include "config/messages.h"
#include "i18n/captions.h"

namespace zrt {

namespace {

// The texts depend on the transfer, not on a language switch, so they are chosen when the window opens.
constexpr std::array<Caption, 2> kReadingCaptions{{
    {"", CaptionProp::WindowTitle, 0, msg::kReadingCaption},
    {"Label1", CaptionProp::Text, 0, msg::kReadingLabel},
}};
constexpr std::array<Caption, 2> kWritingCaptions{{
    {"", CaptionProp::WindowTitle, 0, msg::kWritingCaption},
    {"Label1", CaptionProp::Text, 0, msg::kWritingLabel},
}};

}  // namespace

ProgressWindow::ProgressWindow(Kind kind, int languageIndex, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      label_(new QLabel(this)),
      bar_(new QProgressBar(this)) {
    setObjectName("FrmWriting");
    setModal(true);
    label_->setObjectName("Label1");
    bar_->setObjectName("ProgressBar1");
    bar_->setRange(kMinimum, kMaximum);
    bar_->setValue(kMinimum);
    bar_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    setMinimumWidth(360);
    pending_.setSingleShot(true);
    connect(&pending_, &QTimer::timeout, this, &ProgressWindow::showValue);
    applyCaptions(this, kind == Kind::Reading ? kReadingCaptions : kWritingCaptions, languageIndex);
}

// The bar repaints synchronously whenever it grows by a pixel, which is nearly every one of a transfer's 196
// steps; at most one repaint per kRepaintMs keeps that work off the exchanges with the radio, and the eye
// sees no difference.
void ProgressWindow::setValue(int value) {
    value_ = value;
    if (pending_.isActive()) return;
    if (!shown_.isValid() || shown_.elapsed() >= kRepaintMs)
        showValue();
    else
        pending_.start(static_cast<int>(kRepaintMs - shown_.elapsed()));
}

void ProgressWindow::showValue() {
    bar_->setValue(value_);
    shown_.start();
}

int ProgressWindow::value() const {
    return value_;
}

void ProgressWindow::finish() {
    finishing_ = true;
    done(QDialog::Accepted);
    hide();
}

void ProgressWindow::reject() {
    if (finishing_) QDialog::reject();
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    if (finishing_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

}  // namespace zrt
