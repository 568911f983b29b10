#include "editors/calibration/calibration_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

#include "i18n/calibration_captions.h"
#include "session/session.h"
#include "ui/twips.h"
#include "ui/wheel/wheel_blocker.h"

namespace zrt {

namespace {}  // namespace

CalibrationWindow::CalibrationWindow(Session& session, QWidget* parent) : EditorWindow(session, parent) {
    setObjectName(QStringLiteral("Form4"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    for (int group = 0; group < 2; ++group) {
        auto* page = new QWidget;
        auto* pageLayout = new QVBoxLayout(page);
        for (int grade = 0; grade < 3; ++grade) {
            auto* frame = new QGroupBox(page);
            frame->setObjectName(QStringLiteral("Frame1_%1").arg(3 * group + grade));
            auto* rows = new QGridLayout(frame);
            for (int section = 0; section < 3; ++section) {
                const int i = calibIndex(group, grade, section);
                auto* caption = new QLabel(frame);
                caption->setObjectName(QStringLiteral("Label1_%1").arg(i));
                auto* slider = new QSlider(Qt::Horizontal, frame);
                slider->setObjectName(QStringLiteral("Slider1_%1").arg(i));
                slider->setRange(0, kCalibMax);
                slider->setSingleStep(1);
                slider->setPageStep(5);
                slider->setTickPosition(QSlider::TicksBelow);
                slider->setTickInterval(15);
                auto* value = new QLabel(frame);
                value->setObjectName(QStringLiteral("Label2_%1").arg(i));
                value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
                value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                rows->addWidget(caption, section, 0);
                rows->addWidget(slider, section, 1);
                rows->addWidget(value, section, 2);
                rows->setColumnStretch(1, 1);
                sliders_[static_cast<std::size_t>(i)] = slider;
                values_[static_cast<std::size_t>(i)] = value;
                connect(slider, &QSlider::valueChanged, this, [this, i](int v) { sliderChanged(i, v); });
                // One drag is one undo step, however many values it passes.
                connect(slider, &QSlider::sliderPressed, this, [this] {
                    if (!std::exchange(dragging_, true)) session_.journal().begin({});
                });
                connect(slider, &QSlider::sliderReleased, this, [this] {
                    if (std::exchange(dragging_, false)) session_.journal().end();
                });
            }
            pageLayout->addWidget(frame);
        }
        pageLayout->addStretch(1);
        tabs_->addTab(page, QString());
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(twipsToPixels(5865), twipsToPixels(7650));
    refresh();
    applyLanguage();
    ignoreWheelOnValueControls(this);
}

void CalibrationWindow::applyLanguage() {
    applyCaptions(this, calibrationCaptions(), session_.config().languageIndex);
}

void CalibrationWindow::refresh() {
    const Calibration& calib = session_.config().calib;
    for (std::size_t i = 0; i < sliders_.size(); ++i) {
        // Showing a value is no move of the user's: it must not make the values count as known.
        const QSignalBlocker blocker(sliders_[i]);
        sliders_[i]->setValue(calib.values[i]);
        sliders_[i]->setEnabled(calib.unlocked);
        values_[i]->setNum(sliders_[i]->value());
    }
}

void CalibrationWindow::documentChanged(const Change& change) {
    // The calibration gesture unlocks the sliders and ending it locks them.
    if (change.hasAny({Part::Calibration, Part::Service})) refresh();
}

void CalibrationWindow::sliderChanged(int index, int value) {
    if (!edit({Part::Calibration}, [&](Configuration& c) { return setCalibSlider(c.calib, index, value); }))
        return;
    values_[static_cast<std::size_t>(index)]->setNum(value);
}

}  // namespace zrt
