#include "editors/channel/channel_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSet>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "config/channel_clipboard.h"
#include "config/channel_edit.h"
#include "config/channel_keys.h"
#include "config/channel_lists.h"
#include "config/channel_operations.h"
#include "config/channel_table.h"
#include "editors/channel/channel_grid.h"
#include "editors/text_box.h"
#include "i18n/channel_captions.h"
#include "i18n/channel_csv_texts.h"
#include "i18n/edit_captions.h"
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

ChannelField fieldOfColumn(int column) {
    if (column == kRxColumn) return ChannelField::RxFrequency;
    if (column == kTxColumn) return ChannelField::TxFrequency;
    if (column == kNameColumn) return ChannelField::Name;
    return static_cast<ChannelField>(static_cast<int>(ChannelField::DecodeTone) + column - kDecodeToneColumn);
}

// A row command touches the whole group of its channels (an insert or a move shifts rows below).
Change groupChange(const std::vector<int>& channels, StepKind kind, int channel = 0) {
    Change c = Change::channels(groupFirstChannel(channels.front()), groupLastChannel(channels.front()));
    c.step = {kind, channel, ChannelField::RxFrequency, static_cast<int>(channels.size())};
    return c;
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
        connect(grid, &ChannelGrid::customContextMenuRequested, this, &ChannelWindow::showContextMenu);
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

    buildCommands();
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
    applyCaptions(this, channelCommandCaptions(), lang);
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
    const Change change =
        Change::channels(n, n, this).named({StepKind::SetField, n, fieldOfColumn(editCol_)});
    const FrequencyCommit result = session_.edit(change, [&](Configuration& c) {
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
    const Change change = Change::channels(n, n, this).named({StepKind::SetField, n, ChannelField::Name});
    const std::string name = session_.edit(
        change, [&](Configuration& c) { return commitName(c.channels, n, toBytes(nameEditor_->text())); });
    setCell(editRow_, kNameColumn, nameCellText(name));
    if (nameEditor_->hasFocus()) currentGrid()->setFocus();
    nameEditor_->hide();
}

void ChannelWindow::listChosen(QComboBox* list, int position) {
    if (committing_ || list->isHidden()) return;
    QScopedValueRollback<bool> guard(committing_, true);
    const QString text = list->itemText(position);
    const int n = editChannel();
    const std::vector<int> rows = selectedChannels();
    if (rows.size() > 1 && std::find(rows.begin(), rows.end(), n) != rows.end()) {
        // A choice made in one of several selected rows goes to every selected channel with a frequency.
        Change change = groupChange(rows, StepKind::BulkSet);
        change.step.field = fieldOfColumn(editCol_);
        session_.edit(change, [&](Configuration& c) {
            return setListOnChannels(c.channels, rows, *listOfColumn(editCol_), position, utf8(text));
        });
        currentGrid()->setFocus();
        list->hide();
        return;
    }
    if (session_.edit(Change::channels(n, n, this).named({StepKind::SetField, n, fieldOfColumn(editCol_)}),
                      [&](Configuration& c) {
                          return commitListChoice(c.channels, n, *listOfColumn(editCol_), position,
                                                  utf8(text));
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

// ---- Row commands ----------------------------------------------------------------------------------

void ChannelWindow::buildCommands() {
    const auto add = [this](std::string_view name, QList<QKeySequence> keys, auto slot) {
        auto* a = new QAction(this);
        a->setObjectName(qs(name));
        a->setShortcuts(keys);
        connect(a, &QAction::triggered, this, slot);
        commands_.push_back(a);
    };
    add(kCutName, QKeySequence::keyBindings(QKeySequence::Cut), [this] { cutSelection(); });
    add(kCopyName, QKeySequence::keyBindings(QKeySequence::Copy), [this] { copySelection(); });
    add(kPasteName, QKeySequence::keyBindings(QKeySequence::Paste), [this] { paste(); });
    add(kDeleteName, {QKeySequence(Qt::Key_Delete)}, [this] { deleteSelection(); });
    add(kInsertName, {QKeySequence(Qt::Key_Insert)}, [this] { insertChannel(); });
    add(kMoveUpName, {QKeySequence(Qt::ALT | Qt::Key_Up)}, [this] { moveSelection(-1); });
    add(kMoveDownName, {QKeySequence(Qt::ALT | Qt::Key_Down)}, [this] { moveSelection(1); });
    add(kFillName, {}, [this] { askFill(); });
    add(kSortName, {}, [this] { sortSelection(); });

    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("ChannelMenu"));
    for (QAction* a : commands_) {
        menu_->addAction(a);
        if (a->objectName() == qs(kPasteName) || a->objectName() == qs(kMoveDownName)) menu_->addSeparator();
    }
}

void ChannelWindow::showContextMenu(const QPoint& at) {
    menu_->exec(currentGrid()->viewport()->mapToGlobal(at));
}

std::vector<int> ChannelWindow::selectedChannels() const {
    const ChannelGrid* g = currentGrid();
    QSet<int> rows;
    for (const QModelIndex& index : g->selectionModel()->selectedIndexes())
        if (index.column() != kLabelColumn) rows.insert(index.row());
    if (rows.size() <= 1) {
        rows.clear();
        if (g->currentRow() >= 0) rows.insert(g->currentRow());
    }
    std::vector<int> channels;
    for (int r : rows)
        channels.push_back(channelNumber(currentGroup_, r + 1));
    std::sort(channels.begin(), channels.end());
    return channels;
}

void ChannelWindow::selectChannels(int first, int last) {
    if (groupOf(first) != groupOf(last) || first < 1 || last > kChannelCount) return;
    if (groupOf(first) != currentGroup_) tabStrip_->setCurrentIndex(groupOf(first) - 1);
    currentGrid()->selectRows(rowOf(first) - 1, rowOf(last) - 1);
}

void ChannelWindow::report(const QString& text) {
    const int lang = session_.config().languageIndex;
    msgBoxEx(lang, text, msg::kStyleExclamation, qs(kEditReportTitle, lang), this);
}

void ChannelWindow::copySelection() {
    commitFrequencyEditor();
    const std::vector<int> rows = selectedChannels();
    if (rows.empty()) return;
    const Configuration& c = session_.config();
    auto* data = new QMimeData;
    data->setText(qs(channelsAsCsv(c.channels, rows, c.band.limits)));
    data->setData(qs(kChannelRecordsMime), QByteArray::fromStdString(channelsAsRecords(c.channels, rows)));
    QApplication::clipboard()->setMimeData(data);
}

void ChannelWindow::cutSelection() {
    copySelection();
    emptySelection(StepKind::Cut);
}

void ChannelWindow::deleteSelection() {
    emptySelection(StepKind::Delete);
}

void ChannelWindow::emptySelection(StepKind step) {
    commitFrequencyEditor();
    const std::vector<int> rows = selectedChannels();
    if (rows.empty()) return;
    session_.edit(groupChange(rows, step), [&](Configuration& c) {
        for (int n : rows)
            c.channels.clearChannel(n);
    });
}

void ChannelWindow::paste() {
    commitFrequencyEditor();
    const std::vector<int> rows = selectedChannels();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (rows.empty() || !data) return;
    const int at = rows.front();
    const QByteArray records = data->data(qs(kChannelRecordsMime));
    const std::string text = records.isEmpty() ? utf8(data->text()) : records.toStdString();
    if (text.empty()) return;
    // Laid down on a copy first, so that the step can be named with what it pasted.
    const Configuration& config = session_.config();
    ChannelStore pasted = config.channels;
    std::optional<PasteResult> exact;
    if (!records.isEmpty()) exact = pasteRecords(pasted, config.band, at, text);
    const PasteResult result = exact ? *exact : pasteCsv(pasted, config.band, at, text);
    if (result.pasted > 0) {
        Change change = groupChange(rows, StepKind::Paste);
        change.step.count = result.pasted;
        session_.edit(change, [&](Configuration& c) { c.channels = pasted; });
    }
    if (result.refused.empty() && result.beyondGroup.empty()) return;
    // The refused rows by their line, in the order of the text.
    const int lang = session_.config().languageIndex;
    std::vector<std::pair<int, std::string>> lines;
    for (const CsvNote& note : result.refused)
        lines.emplace_back(note.line, csvNoteText(note, lang));
    for (int line : result.beyondGroup)
        lines.emplace_back(line, fillText(kPasteBeyondGroup.in(lang), {std::to_string(line)}));
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> texts;
    for (auto& line : lines)
        texts.push_back(std::move(line.second));
    QStringList shown;
    for (const std::string& text : reportLines(std::move(texts), lang))
        shown << qs(text);
    report(
        qs(fillText(kPasteSummary.in(lang), {std::to_string(result.pasted), std::to_string(lines.size())})) +
        QStringLiteral("\n\n") + shown.join(QLatin1Char('\n')));
}

void ChannelWindow::insertChannel() {
    commitFrequencyEditor();
    const std::vector<int> rows = selectedChannels();
    if (rows.empty()) return;
    const int n = rows.front();
    const int lang = session_.config().languageIndex;
    if (insertDropsChannel(session_.config().channels, n)) {
        const int last = groupLastChannel(n);
        const QString prompt =
            qs(fillText(kInsertDropsQuestion.in(lang), {rowLabel(groupOf(last), rowOf(last))}));
        if (msgBoxEx(lang, prompt, msg::kStyleQuestion, qs(msg::kQuitQuestion.title, lang), this) !=
            msg::kResultOk)
            return;
    }
    session_.edit(groupChange({n}, StepKind::Insert, n),
                  [&](Configuration& c) { zrt::insertChannel(c.channels, n); });
    selectChannels(n, n);
}

void ChannelWindow::moveSelection(int delta) {
    commitFrequencyEditor();
    const std::vector<int> rows = selectedChannels();
    if (rows.empty()) return;
    const bool moved = session_.edit(groupChange(rows, delta < 0 ? StepKind::MoveUp : StepKind::MoveDown),
                                     [&](Configuration& c) { return moveChannels(c.channels, rows, delta); });
    // The selection moves with its rows.
    if (moved) selectChannels(rows.front() + delta, rows.back() + delta);
}

void ChannelWindow::askFill() {
    commitFrequencyEditor();
    const std::vector<int> rows = selectedChannels();
    if (rows.empty()) return;
    const int lang = session_.config().languageIndex;
    const Configuration& c = session_.config();
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("FillDialog"));
    dialog.setWindowTitle(qs(kFillTitle, lang));
    auto* form = new QFormLayout(&dialog);
    auto* start = new QLineEdit(&dialog);
    start->setObjectName(QStringLiteral("FillStart"));
    const std::string& first = c.channels[static_cast<std::size_t>(rows.front() - 1)].rxFrequency;
    start->setText(first.empty() ? QString::number(groupOf(rows.front()) == kGroupA ? c.band.limits.aLow
                                                                                    : c.band.limits.bLow)
                                 : qs(first));
    auto* step = new QLineEdit(QStringLiteral("12.5"), &dialog);
    step->setObjectName(QStringLiteral("FillStep"));
    for (QLineEdit* box : {start, step}) {
        auto* v = new QDoubleValidator(box);
        v->setLocale(QLocale::c());
        v->setNotation(QDoubleValidator::StandardNotation);
        box->setValidator(v);
    }
    form->addRow(qs(kFillStart, lang), start);
    form->addRow(qs(kFillStep, lang), step);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return;
    bool startOk = false;
    bool stepOk = false;
    const double mhz = QLocale::c().toDouble(start->text().trimmed(), &startOk);
    const double khz = QLocale::c().toDouble(step->text().trimmed(), &stepOk);
    if (!startOk || !stepOk) return;
    fillSelection(std::llround(mhz * 1e6), std::llround(khz * 1e3));
}

void ChannelWindow::fillSelection(std::int64_t startHz, std::int64_t stepHz) {
    const std::vector<int> rows = selectedChannels();
    if (rows.empty()) return;
    const FillResult result = session_.edit(groupChange(rows, StepKind::Fill), [&](Configuration& c) {
        return fillFrequencies(c.channels, c.band, rows, startHz, stepHz);
    });
    if (result.refused.empty()) return;
    const int lang = session_.config().languageIndex;
    QStringList refused;
    for (const auto& [n, text] : result.refused)
        refused << QStringLiteral("%1 %2").arg(qs(rowLabel(groupOf(n), rowOf(n))), qs(text));
    report(qs(fillText(kFillRefused.in(lang),
                       {std::to_string(result.filled), utf8(refused.join(QStringLiteral(", ")))})));
}

void ChannelWindow::sortSelection() {
    commitFrequencyEditor();
    std::vector<int> rows = selectedChannels();
    if (rows.empty()) return;
    if (rows.size() == 1) {  // one row: the whole group
        const int first = groupFirstChannel(rows.front());
        rows.clear();
        for (int n = first; n <= groupLastChannel(first); ++n)
            rows.push_back(n);
    }
    session_.edit(groupChange(rows, StepKind::Sort),
                  [&](Configuration& c) { sortByReceiveFrequency(c.channels, rows); });
}

}  // namespace zrt
