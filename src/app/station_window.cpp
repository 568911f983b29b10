#include "app/station_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/radio_picture.h"
#include "config/channel_csv.h"
#include "i18n/station_captions.h"
#include "platform/data_file_io.h"
#include "platform/port_names.h"
#include "platform/qt_text.h"
#include "platform/station_driver.h"
#include "session/session.h"
#include "ui/msgbox.h"

namespace zrt {

namespace {

template <class W>
W* named(W* widget, const char* objectName) {
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

}  // namespace

QStringList StationWindow::systemDevices(const QString& overrideDevice) {
    QStringList devices = systemSerialDevices();
    if (!overrideDevice.isEmpty()) {
        devices.removeAll(overrideDevice);
        devices.prepend(overrideDevice);
    }
    return devices;
}

StationWindow::StationWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setObjectName(QStringLiteral("FrmStation"));
    setWindowIcon(radioIcon());
    auto* layout = new QVBoxLayout(this);

    auto* ports = named(new QGroupBox(this), "FramePorts");
    auto* portsLayout = new QVBoxLayout(ports);
    auto* scroll = new QScrollArea(ports);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* table = new QWidget(scroll);
    grid_ = new QGridLayout(table);
    grid_->setColumnStretch(1, 1);
    grid_->addWidget(named(new QLabel(table), "lblPortHeader"), 0, 0);
    grid_->addWidget(named(new QLabel(table), "lblProgressHeader"), 0, 1);
    grid_->addWidget(named(new QLabel(table), "lblStateHeader"), 0, 2);
    grid_->addWidget(named(new QLabel(table), "lblCountHeader"), 0, 3);
    noPorts_ = named(new QLabel(table), "lblNoPorts");
    grid_->addWidget(noPorts_, 1, 0, 1, 4);
    grid_->setRowStretch(1000, 1);
    scroll->setWidget(table);
    portsLayout->addWidget(scroll);
    refresh_ = named(new QPushButton(ports), "cmdRefresh");
    auto* refreshRow = new QHBoxLayout;
    refreshRow->addWidget(refresh_);
    refreshRow->addStretch(1);
    portsLayout->addLayout(refreshRow);
    layout->addWidget(ports, 1);

    auto* source = named(new QGroupBox(this), "FrameSource");
    auto* sourceLayout = new QGridLayout(source);
    current_ = named(new QRadioButton(source), "optCurrent");
    fromFile_ = named(new QRadioButton(source), "optFile");
    path_ = named(new QLineEdit(source), "txtFile");
    browse_ = named(new QPushButton(source), "cmdBrowse");
    current_->setChecked(true);
    sourceLayout->addWidget(current_, 0, 0, 1, 3);
    sourceLayout->addWidget(fromFile_, 1, 0);
    sourceLayout->addWidget(path_, 1, 1);
    sourceLayout->addWidget(browse_, 1, 2);
    sourceLayout->setColumnStretch(1, 1);
    layout->addWidget(source);

    verify_ = named(new QCheckBox(this), "chkVerify");
    verify_->setChecked(true);
    layout->addWidget(verify_);
    summary_ = named(new QLabel(this), "lblSummary");
    layout->addWidget(summary_);
    auto* buttons = new QHBoxLayout;
    start_ = named(new QPushButton(this), "cmdStart");
    stop_ = named(new QPushButton(this), "cmdStop");
    buttons->addStretch(1);
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    layout->addLayout(buttons);

    connect(refresh_, &QPushButton::clicked, this, [this] { setDevices(systemDevices()); });
    connect(browse_, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, QString(), path_->text(),
                                                          QStringLiteral("*.dat (*.dat);;* (*)"));
        if (path.isEmpty()) return;
        path_->setText(QDir::toNativeSeparators(path));
        fromFile_->setChecked(true);
    });
    connect(path_, &QLineEdit::textEdited, this, [this] { fromFile_->setChecked(true); });
    connect(start_, &QPushButton::clicked, this, &StationWindow::start);
    connect(stop_, &QPushButton::clicked, this, &StationWindow::stop);
    resize(640, 420);
    setDevices({});
}

StationWindow::~StationWindow() {
    for (auto& d : drivers_)
        d->abort();
}

void StationWindow::setDevices(const QStringList& devices) {
    if (running()) return;
    for (Row& row : rows_) {
        for (QWidget* w : std::initializer_list<QWidget*>{row.check, row.bar, row.state, row.count})
            delete w;
    }
    rows_.clear();
    QWidget* table = grid_->parentWidget();
    for (int i = 0; i < devices.size(); ++i) {
        Row row;
        row.device = devices[i];
        const QString n = QString::number(i);
        // The device with what the computer tells of it (an adapter's product and maker).
        row.check = new QCheckBox(portEntryToolTip(devices[i], describePort(devices[i])), table);
        row.check->setObjectName(QStringLiteral("chkPort") + n);
        row.check->setChecked(true);
        row.bar = new QProgressBar(table);
        row.bar->setObjectName(QStringLiteral("barPort") + n);
        row.bar->setRange(0, 100);
        row.state = new QLabel(table);
        row.state->setObjectName(QStringLiteral("lblState") + n);
        row.count = new QLabel(table);
        row.count->setObjectName(QStringLiteral("lblCount") + n);
        row.count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid_->addWidget(row.check, i + 2, 0);
        grid_->addWidget(row.bar, i + 2, 1);
        grid_->addWidget(row.state, i + 2, 2);
        grid_->addWidget(row.count, i + 2, 3);
        connect(row.check, &QCheckBox::toggled, this, &StationWindow::updateButtons);
        rows_.push_back(row);
    }
    noPorts_->setVisible(rows_.empty());
    for (Row& row : rows_)
        showRow(row);
    showSummary();
    updateButtons();
}

void StationWindow::applyLanguage() {
    applyCaptions(this, stationCaptions(), session_.config().languageIndex);
    for (Row& row : rows_)
        showRow(row);
    showSummary();
}

void StationWindow::showRow(Row& row) {
    const int language = session_.config().languageIndex;
    QString text;
    if (row.notOpened) {
        text = qs(row.refused ? kPortRefused : kPortNotOpened, language);
    } else if (row.phase) {
        text = qs(phaseText(*row.phase), language);
        // What became of the last radio stays in view while its port waits for it to go.
        if (row.result && (*row.phase == StationPhase::Leaving || *row.phase == StationPhase::Ended))
            text = qs(resultText(*row.result), language) + QStringLiteral(" · ") + text;
    }
    row.state->setText(text);
    const bool bad =
        row.notOpened || (row.result && !succeeded(*row.result) && row.phase != StationPhase::Writing);
    row.state->setStyleSheet(bad ? QStringLiteral("color: #b00000;") : QString());
    row.count->setText(QString::number(row.programmed));
}

void StationWindow::showSummary() {
    int programmed = 0, failed = 0;
    for (const Row& row : rows_) {
        programmed += row.programmed;
        failed += row.failed;
    }
    summary_->setText(qs(fillText(kStationSummary.in(session_.config().languageIndex),
                                  {std::to_string(programmed), std::to_string(failed)})));
}

void StationWindow::updateButtons() {
    const bool any =
        std::any_of(rows_.begin(), rows_.end(), [](const Row& r) { return r.check->isChecked(); });
    start_->setEnabled(!running() && any);
    stop_->setEnabled(running());
    for (QWidget* w : std::initializer_list<QWidget*>{refresh_, current_, fromFile_, path_, browse_, verify_})
        w->setEnabled(!running());
    for (Row& row : rows_)
        row.check->setEnabled(!running());
}

// The image every radio gets: the window's configuration as a Write would send it, or a data file's.
std::optional<MemoryImage> StationWindow::sourceImage(link::WriteOptions& options) {
    const int language = session_.config().languageIndex;
    Session source;
    if (fromFile_->isChecked()) {
        const QString path = QDir::fromNativeSeparators(path_->text().trimmed());
        if (const FileResult r = openDataFile(source, path); r != FileResult::Done) {
            const msg::Message& m = fileResultMessage(r);
            msgBoxEx(language, qs(m.text, language) + (fileResultNamesPath(r) ? path : QString()), m.style,
                     qs(m.title, language), this);
            return std::nullopt;
        }
    } else {
        emit aboutToStart();
        source.replaceConfiguration(session_.config());
    }
    source.encode();
    // A radio of another band is refused here: forcing one is a service step for one radio at a time.
    options = {source.config().band.listIndex, false, session_.config().service.calibWrite};
    return source.imageOut();
}

void StationWindow::start() {
    if (running()) return;
    link::WriteOptions write;
    const auto image = sourceImage(write);
    if (!image) return;
    image_ = *image;
    const StationOptions options{StationOptions::Job::Write, verify_->isChecked(), true, write};
    emit runningChanged(true);
    stopping_ = false;
    for (Row& row : rows_) {
        row.phase.reset();
        row.result.reset();
        row.notOpened = false;
        row.bar->setValue(0);
        if (!row.check->isChecked()) {
            showRow(row);
            continue;
        }
        auto driver = std::make_unique<StationDriver>(image_, options);
        if (!driver->open(row.device)) {
            row.notOpened = true;
            row.refused = driver->port().lastOpenFailure() == RadioPort::OpenFailure::PermissionDenied;
            showRow(row);
            continue;
        }
        Row* r = &row;
        StationDriver::Handlers h;
        h.phase = [this, r](StationPhase phase) {
            r->phase = phase;
            if (phase == StationPhase::Waiting) r->bar->setValue(0);
            showRow(*r);
        };
        h.percent = [r](int value) { r->bar->setValue(value); };
        h.radioDone = [this, r](const RadioDone& done) {
            r->result = done.result;
            succeeded(done.result) ? ++r->programmed : ++r->failed;
            showRow(*r);
            showSummary();
        };
        h.ended = [this] {
            // Let the driver that called finish its call first.
            if (--running_ == 0)
                QMetaObject::invokeMethod(this, &StationWindow::finished, Qt::QueuedConnection);
        };
        driver->setHandlers(std::move(h));
        drivers_.push_back(std::move(driver));
    }
    running_ = static_cast<int>(drivers_.size());
    updateButtons();
    if (drivers_.empty()) {
        emit runningChanged(false);
        return;
    }
    for (auto& d : drivers_)
        d->start();
}

void StationWindow::stop() {
    if (!running()) return;
    const bool cut = stopping_;
    stopping_ = true;
    for (auto& d : drivers_)
        cut ? d->abort() : d->stop();
}

void StationWindow::finished() {
    drivers_.clear();
    updateButtons();
    emit runningChanged(false);
}

void StationWindow::closeEvent(QCloseEvent* event) {
    // Closing only hides the window; the radios in hand are finished, no new one is taken.
    if (!stopping_) stop();
    event->accept();
}

QString StationWindow::stateText(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size())
               ? rows_[static_cast<std::size_t>(row)].state->text()
               : QString();
}

int StationWindow::programmedCount(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)].programmed
                                                            : 0;
}

}  // namespace zrt
