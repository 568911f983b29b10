#include "editors/channel/channel_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "config/channel_edit.h"
#include "config/channel_keys.h"
#include "config/channel_lists.h"
#include "config/channel_table.h"
#include "editors/channel/channel_grid.h"
#include "editors/text_box.h"
#include "i18n/channel_captions.h"
#include "image/tone_list.h"
#include "platform/qt_text.h"
#include "session/session.h"
#include "ui/msgbox.h"
#include "ui/twips.h"
#include "ui/wheel/grid_wheel_hook.h"

namespace zrt {

namespace {

constexpr int kWindowWidth = twipsToPixels(12000);
constexpr int kWindowHeight = twipsToPixels(9000);

QLineEdit* makeTextEditor(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setFrame(false);
    e->setAlignment(Qt::AlignCenter);
    e->hide();
    return e;
}

QComboBox* makeList(QWidget* parent, const QString& name) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(false);
    c->setMaxVisibleItems(20);
    c->hide();
    return c;
}

// Focus that leaves with the whole window (another program, a message box) or into a list's own drop-down
// comes back by itself; it does not count as leaving the editor.
bool leavesEditor(const QFocusEvent* e) {
    return e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
}

// A name as its cell shows it. An empty name is kept in the radio as eight zero bytes, which read back as
// eight characters of code 0; they stay in the store (so the bytes go back unchanged) but show as nothing.
QString nameCellText(const std::string& name) {
    return fromBytes(name).remove(QChar(0));
}

}  // namespace

ChannelWindow::ChannelWindow(Session& session, QWidget* parent) : EditorWindow(session, parent) {
    const int lang = session_.config().languageIndex;

    tabStrip_ = new QTabBar(this);
    tabStrip_->setObjectName(qs(kTabStripName));
    tabStrip_->setExpanding(false);
    tabStrip_->addTab(QString());
    tabStrip_->addTab(QString());

    auto* gridArea = new QWidget(this);
    auto* gridLayout = new QGridLayout(gridArea);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    for (int g = kGroupA; g <= kGroupB; ++g) {
        auto* grid = new ChannelGrid(g, gridArea);
        grid->setObjectName(qs(g == kGroupA ? kGrid1Name : kGrid2Name));
        gridLayout->addWidget(grid, 0, 0);
        grids_[g - 1] = grid;
        connect(grid, &ChannelGrid::leftClicked, this, [this] {
            editArmed_ = true;
            gridClick();
        });
        connect(grid, &ChannelGrid::enterPressed, this, [this] {
            editArmed_ = true;
            gridClick();
        });
        connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, this,
                [this, grid] { gridScrolled(grid); });
        connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, this,
                [this, grid] { gridScrolled(grid); });
    }
    // Group A is in view until the tab changes. The table in view takes the keyboard when the window is
    // activated, so arrows and Enter work at once.
    grids_[1]->hide();
    setFocusProxy(grids_[0]);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    layout->addWidget(tabStrip_);
    layout->addWidget(gridArea, 1);

    frequencyEditor_ = makeTextEditor(this, "Text1");
    nameEditor_ = makeTextEditor(this, "Text2");
    toneList_ = makeList(this, QStringLiteral("Combo1"));
    for (int i = 0; i < kToneListSize; ++i)
        toneList_->addItem(qs(toneListItem(i, lang)));
    toneList_->setCurrentIndex(0);
    for (std::size_t k = 0; k < kFlagLists.size(); ++k) {
        QComboBox* list = makeList(this, QStringLiteral("Combo5_%1").arg(columnOf(kFlagLists[k])));
        for (int item = 0; item < 2; ++item)
            list->addItem(qs(channelListItem(kFlagLists[k], item, lang)));
        list->setCurrentIndex(1);
        flagLists_[k] = list;
    }
    QComboBox* unused = makeList(this, qs(kUnusedListName));
    for (const Text& item : kUnusedListItems)
        unused->addItem(qs(item, lang));
    unused->setCurrentIndex(1);
    // The length limits apply to typing only: a longer name from an image stays whole in the box.
    TextBox::install(
        frequencyEditor_, filterFrequencyKey, kFrequencyMaxLength, [this] { leaveFrequencyEditor(); },
        [this] { leaveFrequencyEditor(); });
    TextBox::install(
        nameEditor_, filterNameKey, kNameMaxLength, [this] { leaveNameEditor(); },
        [this] { leaveNameEditor(); });
    frequencyEditor_->installEventFilter(this);
    nameEditor_->installEventFilter(this);
    for (QComboBox* list : flagLists_) {
        list->installEventFilter(this);
        connect(list, &QComboBox::activated, this,
                [this, list](int position) { listChosen(list, position); });
    }
    toneList_->installEventFilter(this);
    connect(toneList_, &QComboBox::activated, this,
            [this](int position) { listChosen(toneList_, position); });

    wheel_ = new GridWheelHook(this);
    connect(wheel_, &GridWheelHook::mouseWheel, this,
            [this](int distance, int, int) { mouseWheel(distance); });
    wheel_->hookGrid(grids_[0]);
    connect(tabStrip_, &QTabBar::currentChanged, this, &ChannelWindow::changeTab);

    resize(kWindowWidth, kWindowHeight);
    applyLanguage();
    refresh();
}

ChannelWindow::~ChannelWindow() = default;

ChannelGrid* ChannelWindow::grid(int group) const {
    return group == kGroupB ? grids_[1] : grids_[0];
}

void ChannelWindow::applyLanguage() {
    const int lang = session_.config().languageIndex;
    applyCaptions(this, channelWindowCaptions(), lang);
    // The tone list's Off item is the only translated item of Combo1.
    if (lang == kChinese || lang == kEnglish) toneList_->setItemText(0, qs(toneListItem(0, lang)));
}

void ChannelWindow::refresh() {
    for (int n = 1; n <= kChannelCount; ++n)
        redrawChannel(n);
}

void ChannelWindow::documentChanged(const Change& change) {
    if (!change.has(Part::Channels)) return;
    // What an open editor held belongs to the channels that were just replaced.
    discardEditors();
    if (change.allChannels()) {
        refresh();
        return;
    }
    for (int n = std::max(change.firstChannel, 1); n <= std::min(change.lastChannel, kChannelCount); ++n)
        redrawChannel(n);
}

void ChannelWindow::applyLanguageChange() {
    applyLanguage();
    refresh();  // the tables' texts in the new language
}

void ChannelWindow::redrawChannel(int n) {
    const ChannelStore& store = session_.config().channels;
    ChannelGrid* g = grid(groupOf(n));
    const int row = rowOf(n) - 1;
    for (int c = kRxColumn; c < kTableColumns; ++c) {
        const std::string text = channelCellText(store, n, c, session_.config().languageIndex);
        g->item(row, c)->setText(c == kNameColumn ? nameCellText(text) : qs(text));
    }
}

void ChannelWindow::clearRow(int group, int row) {
    ChannelGrid* g = grid(group);
    for (int c = kRxColumn; c < kTableColumns; ++c)
        g->item(row - 1, c)->setText(QString());
}

void ChannelWindow::setCell(int row, int column, const QString& text) {
    currentGrid()->item(row - 1, column)->setText(text);
}

void ChannelWindow::startForm() {
    edit({Part::Channels}, [](Configuration& config) { channelStartForm(config.channels); });
    refresh();
}

int ChannelWindow::editChannel() const {
    return channelNumber(currentGroup_, editRow_);
}

// ---- Tabs and wheel ---------------------------------------------------------------------------------

void ChannelWindow::changeTab(int index) {
    const int group = index + 1;
    if (group == currentGroup_ || (group != kGroupA && group != kGroupB)) return;
    // An editor belongs to a cell of the group in view; it commits before that group goes.
    closeEditors();
    currentGroup_ = group;
    wheel_->hookGrid(currentGrid());
    grid(group)->show();
    setFocusProxy(grid(group));
    grid(group == kGroupA ? kGroupB : kGroupA)->hide();
}

void ChannelWindow::mouseWheel(int distance) {
    ChannelGrid* g = currentGrid();
    g->setTopRow(wheelTopRow(g->topRow(), distance, g->gridRowCount()));
}

void ChannelWindow::gridScrolled(ChannelGrid* g) {
    if (g != currentGrid()) return;
    // The cell under an open editor moves away: the grid takes the focus, which commits the editor.
    closeEditors();
    g->setFocus();
}

// ---- Opening an editor ------------------------------------------------------------------------------

void ChannelWindow::gridClick() {
    if (!editArmed_) return;
    editArmed_ = false;
    ChannelGrid* g = currentGrid();
    const int r = g->currentRow() + 1;
    if (r < 1) return;
    int column = g->currentColumn();
    // Any cell of a blank channel opens its receive frequency.
    if (session_.config().channels.isEmpty(channelNumber(currentGroup_, r)) && column != kRxColumn) {
        column = kRxColumn;
        g->setCurrentCell(r - 1, column);
    }
    editRow_ = r;
    editCol_ = column;
    const int n = editChannel();
    if (column == kRxColumn || column == kTxColumn) {
        openTextEditor(frequencyEditor_, column);
    } else if (column == kNameColumn) {
        openTextEditor(nameEditor_, column);
    } else if (isToneColumn(column)) {
        openList(toneList_, toneList_->findText(g->item(r - 1, column)->text(), Qt::MatchExactly));
    } else if (QComboBox* list = listEditorOf(column)) {
        openList(list,
                 session_.config().channels[static_cast<std::size_t>(n - 1)].position(*listOfColumn(column)));
    }
}

void ChannelWindow::openTextEditor(QLineEdit* editor, int column) {
    ChannelGrid* g = currentGrid();
    QTableWidgetItem* cell = g->item(editRow_ - 1, column);
    const QRect rect = g->visualItemRect(cell);
    editor->setGeometry(QRect(g->viewport()->mapTo(this, rect.topLeft()), rect.size()));
    editor->setFont(g->font());
    TextBox::setProgramText(editor, cell->text());
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
    // The whole value is selected, so typing replaces it instead of running into the length limit.
    editor->selectAll();
}

void ChannelWindow::openList(QComboBox* list, int position) {
    ChannelGrid* g = currentGrid();
    const QRect rect = g->visualItemRect(g->item(editRow_ - 1, editCol_));
    const int height = std::max(rect.height(), list->sizeHint().height());
    list->setGeometry(QRect(g->viewport()->mapTo(this, rect.topLeft()), QSize(rect.width(), height)));
    // Setting the position while the list is hidden commits nothing. A tone that is not in the list
    // leaves the list where it was.
    if (position >= 0 && position < list->count()) list->setCurrentIndex(position);
    list->show();
    list->raise();
    list->setFocus(Qt::OtherFocusReason);
    list->showPopup();
}

QComboBox* ChannelWindow::listEditorOf(int column) const {
    if (column < kFirstListColumn || column > kLastListColumn) return nullptr;
    return flagLists_[column - kFirstListColumn];
}

// ---- Commits ---------------------------------------------------------------------------------------

void ChannelWindow::leaveFrequencyEditor() {
    if (committing_ || frequencyEditor_->isHidden()) return;
    QScopedValueRollback<bool> guard(committing_, true);
    const int n = editChannel();
    const FrequencyCommit result = session_.edit(Change::channels(n, n, this), [&](Configuration& c) {
        return commitFrequency(c.channels, c.band, n,
                               editCol_ == kRxColumn ? ChannelFrequency::Receive : ChannelFrequency::Transmit,
                               utf8(frequencyEditor_->text()));
    });
    const Configuration& config = session_.config();
    bool focusGrid = frequencyEditor_->hasFocus();
    switch (result.outcome) {
        case FrequencyOutcome::Stored:
            setCell(editRow_, editCol_, qs(result.text));
            if (result.newChannel) {
                setCell(editRow_, kTxColumn, qs(result.text));
                for (int c = kDecodeToneColumn; c <= kLastListColumn; ++c)
                    setCell(editRow_, c,
                            qs(newChannelItemText(*listOfColumn(c), config.languageIndex,
                                                  config.band.listIndex)));
                // The cell shows the name the channel will be written with.
                setCell(editRow_, kNameColumn,
                        nameCellText(config.channels[static_cast<std::size_t>(n - 1)].name));
            }
            break;
        case FrequencyOutcome::Emptied:
            clearRow(currentGroup_, editRow_);
            break;
        case FrequencyOutcome::OutOfBand:
            msgBoxEx(config.languageIndex, msg::kOutOfBand, this);
            focusGrid = true;
            break;
        case FrequencyOutcome::Unchanged:
            break;
    }
    if (focusGrid) currentGrid()->setFocus();
    frequencyEditor_->hide();
}

void ChannelWindow::leaveNameEditor() {
    if (committing_ || nameEditor_->isHidden()) return;
    QScopedValueRollback<bool> guard(committing_, true);
    const int n = editChannel();
    const std::string name = session_.edit(Change::channels(n, n, this), [&](Configuration& c) {
        return commitName(c.channels, n, toBytes(nameEditor_->text()));
    });
    setCell(editRow_, kNameColumn, nameCellText(name));
    if (nameEditor_->hasFocus()) currentGrid()->setFocus();
    nameEditor_->hide();
}

void ChannelWindow::listChosen(QComboBox* list, int position) {
    if (committing_ || list->isHidden()) return;
    QScopedValueRollback<bool> guard(committing_, true);
    const QString text = list->itemText(position);
    const int n = editChannel();
    if (session_.edit(Change::channels(n, n, this), [&](Configuration& c) {
            return commitListChoice(c.channels, n, *listOfColumn(editCol_), position, utf8(text));
        }))
        setCell(editRow_, editCol_, text);
    currentGrid()->setFocus();
    list->hide();
}

void ChannelWindow::commitFrequencyEditor() {
    leaveFrequencyEditor();
    leaveNameEditor();
}

void ChannelWindow::discardEditors() {
    QScopedValueRollback<bool> guard(committing_, true);  // hiding moves the focus, which must not commit
    const QWidget* focus = QApplication::focusWidget();
    bool editing = focus && (focus == frequencyEditor_ || focus == nameEditor_ || focus == toneList_);
    for (const QComboBox* list : flagLists_)
        editing = editing || focus == list;
    frequencyEditor_->hide();
    nameEditor_->hide();
    toneList_->hide();
    for (QComboBox* list : flagLists_)
        list->hide();
    if (editing) currentGrid()->setFocus();
}

void ChannelWindow::closeEditors() {
    leaveFrequencyEditor();
    leaveNameEditor();
    if (committing_) return;
    toneList_->hide();
    for (QComboBox* list : flagLists_)
        list->hide();
}

// ---- Events ----------------------------------------------------------------------------------------

bool ChannelWindow::eventFilter(QObject* watched, QEvent* event) {
    // Escape leaves an editor as it was: a text box gets the cell's text back before the table takes the
    // focus (so its commit changes nothing), a list closes without a choice.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        if ((watched == frequencyEditor_ || watched == nameEditor_) && editRow_ >= 1) {
            TextBox::setProgramText(static_cast<QLineEdit*>(watched),
                                    currentGrid()->item(editRow_ - 1, editCol_)->text());
            currentGrid()->setFocus();
            return true;
        }
        if (auto* list = qobject_cast<QComboBox*>(watched);
            list && list->isVisible() && !list->view()->isVisible()) {
            currentGrid()->setFocus();
            list->hide();
            return true;
        }
    }
    // The text editors commit on leaving through their TextBox rules.
    if (event->type() == QEvent::FocusOut && leavesEditor(static_cast<QFocusEvent*>(event))) {
        if (auto* list = qobject_cast<QComboBox*>(watched); list && !committing_) {
            // A list left without a choice only disappears; its own drop-down taking the focus is no leaving.
            if (!list->view()->isVisible()) list->hide();
        }
    }
    return EditorWindow::eventFilter(watched, event);
}

void ChannelWindow::mousePressEvent(QMouseEvent* event) {
    // A click on the window's background closes the text editors (which commits them).
    leaveFrequencyEditor();
    leaveNameEditor();
    EditorWindow::mousePressEvent(event);
}

}  // namespace zrt
