#include "editors/fm/fm_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>

#include "config/messages.h"
#include "editors/text_box.h"
#include "i18n/fm_captions.h"
#include "platform/qt_text.h"
#include "session/session.h"
#include "ui/twips.h"
#include "ui/wheel/wheel_blocker.h"

namespace zrt {

namespace {}  // namespace

FmWindow::FmWindow(Session& session, QWidget* parent) : EditorWindow(session, parent) {
    setObjectName(QStringLiteral("Form5"));
    buildControls();
    resize(twipsToPixels(8205), twipsToPixels(4800));
    refresh();
    applyLanguage();
    ignoreWheelOnValueControls(this);
}

void FmWindow::buildControls() {
    grid_ = new QTableWidget(kFmChannels, 2, this);
    grid_->setObjectName(QStringLiteral("MSFGrid"));
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setMinimumSectionSize(twipsToPixels(300));
    grid_->verticalHeader()->setDefaultSectionSize(twipsToPixels(300));
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid_->setColumnWidth(0, twipsToPixels(900));
    grid_->setColumnWidth(1, twipsToPixels(2200));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setHorizontalHeaderItem(0, new QTableWidgetItem);
    grid_->setHorizontalHeaderItem(1, new QTableWidgetItem);
    for (int r = 0; r < kFmChannels; ++r) {
        auto* number = new QTableWidgetItem(QString::number(r + 1));
        number->setFlags(Qt::ItemIsEnabled);
        number->setTextAlignment(Qt::AlignCenter);
        number->setBackground(palette().button());
        grid_->setItem(r, 0, number);
        auto* freq = new QTableWidgetItem;
        freq->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        freq->setTextAlignment(Qt::AlignCenter);
        grid_->setItem(r, 1, freq);
    }
    grid_->setFixedWidth(twipsToPixels(900) + twipsToPixels(2200) +
                         grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth());
    grid_->installEventFilter(this);
    // Only the channel tables follow the wheel; this grid, its scroll bar included, does not.
    grid_->viewport()->installEventFilter(this);
    grid_->verticalScrollBar()->installEventFilter(this);
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) { editCell(row + 1); });
    // A scrolling grid takes the focus, so an open editor commits before it drifts off its cell.
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (!editing_) return;
        grid_->setFocus();
        commitCellEditor();
    });

    cellEditor_ = new QLineEdit(grid_->viewport());
    cellEditor_->setObjectName(QStringLiteral("Text1"));
    cellEditor_->setAlignment(Qt::AlignCenter);
    cellEditor_->hide();
    TextBox::install(
        cellEditor_, fmFrequencyKey, 0, [this] { commitCellEditor(); },
        [this] {
            grid_->setFocus();
            commitCellEditor();
        });

    QLabel* label1[4];
    for (int i = 0; i < 4; ++i) {
        label1[i] = new QLabel(this);
        label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
    }
    for (int i = 0; i < 3; ++i) {
        combo_[i] = new QComboBox(this);
        combo_[i]->setObjectName(QStringLiteral("Combo1_%1").arg(i));
    }
    combo_[0]->setEditable(true);
    combo_[0]->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 1; i <= kFmChannels; ++i)
        combo_[0]->addItem(QString::number(i));
    TextBox::install(combo_[0]->lineEdit(), fmChannelKey, 2);
    connect(combo_[0], &QComboBox::editTextChanged, this, [this](const QString& text) {
        edit({Part::Fm}, [&](Configuration& c) { c.fmWindow.presentChannel = utf8(text); });
    });
    // The item texts come from the captions.
    combo_[1]->addItems({QString(), QString()});
    connect(combo_[1], &QComboBox::currentIndexChanged, this, [this](int index) {
        edit({Part::Fm}, [index](Configuration& c) { c.fmWindow.displayModePosition = index; });
    });
    for (std::string_view step : kFmStepItems)
        combo_[2]->addItem(qs(step));
    connect(combo_[2], &QComboBox::currentIndexChanged, this, [this](int index) {
        edit({Part::Fm}, [index](Configuration& c) { c.fmWindow.stepPosition = index; });
    });
    // The step is carried like the other values but is not for the user to see or change.
    combo_[2]->hide();
    label1[2]->hide();

    vfoEditor_ = new QLineEdit(this);
    vfoEditor_->setObjectName(QStringLiteral("Text2"));
    TextBox::install(
        vfoEditor_, fmFrequencyKey, 0, [this] { commitVfo(); },
        [this] {
            grid_->setFocus();
            commitVfo();
        });
    connect(vfoEditor_, &QLineEdit::textChanged, this, [this](const QString& text) {
        edit({Part::Fm}, [&](Configuration& c) { c.fmWindow.vfo = utf8(text); });
    });

    messageLine_ = new QLabel(this);
    messageLine_->setObjectName(QStringLiteral("Label2"));
    messageLine_->setWordWrap(true);
    messageLine_->setStyleSheet(QStringLiteral("color: red;"));
    QSizePolicy keepSpace = messageLine_->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    messageLine_->setSizePolicy(keepSpace);
    messageLine_->hide();

    messageTimer_ = new QTimer(this);
    messageTimer_->setObjectName(QStringLiteral("Timer1"));
    messageTimer_->setInterval(1000);
    connect(messageTimer_, &QTimer::timeout, this, &FmWindow::tickMessage);

    okButton_ = new QPushButton(this);
    okButton_->setObjectName(QStringLiteral("Command1"));
    connect(okButton_, &QPushButton::clicked, this, &FmWindow::ok);
    cancelButton_ = new QPushButton(this);
    cancelButton_->setObjectName(QStringLiteral("Command2"));
    connect(cancelButton_, &QPushButton::clicked, this, &FmWindow::cancel);

    auto* form = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        form->addWidget(label1[i], i, 0, Qt::AlignRight);
        form->addWidget(i == 3 ? static_cast<QWidget*>(vfoEditor_) : combo_[i], i, 1);
    }
    form->setRowStretch(4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    form->addLayout(buttons, 5, 0, 1, 2);

    auto* top = new QHBoxLayout;
    top->addWidget(grid_);
    top->addLayout(form, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top, 1);
    outer->addWidget(messageLine_);
}

void FmWindow::applyLanguage() {
    const int language = session_.config().languageIndex;
    applyCaptions(this, fmCaptions(), language);
    // A message still on show is read in the language now chosen.
    if (message_.visible && (language == kChinese || language == kEnglish))
        messageLine_->setText(qs(*messageText_, language));
}

void FmWindow::refresh() {
    const FmWorkingCopy& w = session_.config().fmWindow;
    // What an open editor held belongs to the configuration that was just replaced.
    if (editing_) {
        editing_ = false;
        cellEditor_->hide();
    }
    for (int r = 0; r < kFmChannels; ++r)
        grid_->item(r, 1)->setText(qs(w.cells[static_cast<std::size_t>(r)]));
    {
        const QSignalBlocker b0(combo_[0]);
        const QSignalBlocker b1(combo_[1]);
        const QSignalBlocker b2(combo_[2]);
        const QSignalBlocker t2(vfoEditor_);
        TextBox::setProgramText(combo_[0]->lineEdit(), qs(w.presentChannel));
        if (w.displayModePosition >= 0 && w.displayModePosition < combo_[1]->count())
            combo_[1]->setCurrentIndex(w.displayModePosition);
        if (w.stepPosition >= 0 && w.stepPosition < combo_[2]->count())
            combo_[2]->setCurrentIndex(w.stepPosition);
        TextBox::setProgramText(vfoEditor_, qs(w.vfo));
    }
}

void FmWindow::editCell(int row) {
    if (row < 1 || row > kFmChannels) return;
    commitCellEditor();
    editRow_ = row;
    grid_->setCurrentCell(row - 1, 1);
    grid_->scrollToItem(grid_->item(row - 1, 1));
    cellEditor_->setGeometry(grid_->visualItemRect(grid_->item(row - 1, 1)));
    TextBox::setProgramText(cellEditor_, grid_->item(row - 1, 1)->text());
    cellEditor_->selectAll();
    cellEditor_->show();
    cellEditor_->raise();
    cellEditor_->setFocus();
    editing_ = true;
}

void FmWindow::commitCellEditor() {
    if (!editing_) return;
    editing_ = false;
    const FmCommit commit = commitFmFrequency(utf8(cellEditor_->text()));
    switch (commit.kind) {
        case FmCommitKind::Empty:
            setCell(editRow_, {});
            break;
        case FmCommitKind::Unchanged:
            break;
        case FmCommitKind::Accepted:
            setCell(editRow_, commit.text);
            break;
        case FmCommitKind::Refused:
            showMessage(msg::kFmOutOfRange);
            cellEditor_->clear();
            break;
    }
    if (cellEditor_->hasFocus()) grid_->setFocus();
    cellEditor_->hide();
}

void FmWindow::commitVfo() {
    const FmCommit commit = commitFmFrequency(utf8(vfoEditor_->text()));
    if (commit.kind == FmCommitKind::Accepted) {
        if (vfoEditor_->text() != qs(commit.text)) TextBox::setProgramText(vfoEditor_, qs(commit.text));
    } else if (commit.kind == FmCommitKind::Refused) {
        showMessage(msg::kFmOutOfRange);
        vfoEditor_->clear();
    }
}

void FmWindow::setCell(int row, const std::string& text) {
    grid_->item(row - 1, 1)->setText(qs(text));
    edit({Part::Fm}, [&](Configuration& c) { c.fmWindow.cells[static_cast<std::size_t>(row - 1)] = text; });
}

void FmWindow::documentChanged(const Change& change) {
    if (change.has(Part::Fm)) refresh();
}

void FmWindow::showMessage(const Text& text) {
    messageText_ = &text;
    messageLine_->setText(qs(text, session_.config().languageIndex));
    message_.show();
    messageLine_->show();
    if (!messageTimer_->isActive()) messageTimer_->start();
}

void FmWindow::tickMessage() {
    if (!message_.tick()) return;
    messageLine_->hide();
    messageTimer_->stop();
}

void FmWindow::ok() {
    // OK stores what the boxes show; their checks ran when the user left them. Only a box still being typed
    // in (OK from the keyboard) is left now, as a click on the button would leave it.
    commitCellEditor();
    if (vfoEditor_->hasFocus()) commitVfo();
    if (edit({Part::Fm}, [](Configuration& c) { return fmOk(c.fmWindow, c.fm); }).channelRefused) {
        // The store keeps everything; the window stays open so the message can be read.
        showMessage(msg::kFmChannelOutOfRange);
        combo_[0]->setFocus();
        return;
    }
    hideWindow();
}

void FmWindow::cancel() {
    commitCellEditor();
    hideWindow();
}

bool FmWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel &&
        (watched == grid_->viewport() || watched == grid_->verticalScrollBar()))
        return true;
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_F2 || key == Qt::Key_Return || key == Qt::Key_Enter) &&
            grid_->currentRow() >= 0) {
            editCell(grid_->currentRow() + 1);
            return true;
        }
    }
    return EditorWindow::eventFilter(watched, event);
}

}  // namespace zrt
