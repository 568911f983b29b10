#include "editors/features/features_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>
#include <QValidator>

#include "config/feature_rules.h"
#include "editors/hide_on_close.h"
#include "i18n/features_captions.h"
#include "platform/qt_text.h"
#include "session/session.h"

namespace zrt {

namespace {

using FL = FeatureList;
using FT = FeatureText;

constexpr int idx(FeatureList f) {
    return static_cast<int>(f);
}
constexpr int idx(FeatureText f) {
    return static_cast<int>(f);
}

// A place in one of the window's columns: a list field or a text field.
struct Slot {
    bool isText;
    int id;
};
constexpr Slot L(FeatureList f) {
    return {false, idx(f)};
}
constexpr Slot T(FeatureText f) {
    return {true, idx(f)};
}

// Screen order: page 1 in two columns, the VOX frame, then the two VFO blocks.
constexpr Slot kPage1Left[] = {L(FL::Combo1),   L(FL::Combo17), L(FL::Combo7),  L(FL::Combo9),
                               L(FL::ComboMod), L(FL::Combo18), L(FL::Combo2),  L(FL::Combo13),
                               L(FL::Combo6),   L(FL::Combo20), L(FL::Combo35), L(FL::Combo32),
                               L(FL::Combo11),  L(FL::Combo40), L(FL::Combo10), L(FL::Combo39)};
constexpr Slot kPage1Right[] = {T(FT::Text6),   T(FT::Text2),   L(FL::Combo3),  L(FL::Combo37),
                                L(FL::Combo5),  L(FL::Combo36), L(FL::Combo8),  L(FL::Combo19),
                                L(FL::Combo16), L(FL::Combo33), L(FL::Combo21), L(FL::Combo34),
                                L(FL::Combo38), T(FT::Text31),  T(FT::Text1)};
constexpr Slot kVox[] = {L(FL::Combo31), L(FL::Combo14), L(FL::Combo15)};
constexpr Slot kVfoA[] = {T(FT::Text20),  T(FT::Text21),  L(FL::Combo22), L(FL::Combo23), L(FL::Combo24),
                          L(FL::Combo30), L(FL::Combo27), L(FL::Combo25), L(FL::Combo26), L(FL::Combo28),
                          L(FL::Combo12), L(FL::Combo29), L(FL::Combo4)};
constexpr Slot kVfoB[] = {T(FT::Text3),   T(FT::Text4),   L(FL::Combo46), L(FL::Combo47), L(FL::Combo48),
                          L(FL::Combo49), L(FL::Combo50), L(FL::Combo51), L(FL::Combo52), L(FL::Combo53)};

// The fields that the feature unlock makes usable.
constexpr FeatureList kUnlockedFields[] = {FL::Combo2, FL::Combo13, FL::Combo16};

// Applies a box's key rule to what a paste or a drop inserts (the key filter sees typed keys only). The
// program's own setText() is never validated, so nothing the program puts into a box is cut.
class KeyRuleValidator : public QValidator {
  public:
    KeyRuleValidator(const FeatureTextInfo& info, QLineEdit* edit)
        : QValidator(edit), info_(info), shown_(edit->text()) {
        // The box already holds the edited text when it asks; what it showed before is kept here.
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
    }

    State validate(QString& input, int&) const override {
        const std::optional<std::string> out =
            filterEdit(info_.filter, info_.maxLength, toBytes(shown_), toBytes(input));
        if (!out) return Invalid;
        input = fromBytes(*out);
        return Acceptable;
    }

  private:
    const FeatureTextInfo& info_;
    QString shown_;
};

}  // namespace

FeaturesWindow::FeaturesWindow(Session& session, QWidget* parent) : EditorWindow(session, parent) {
    setObjectName(QStringLiteral("Form3"));
    build();
    resize(864, 576);  // 12960 x 8635 twips
    showPage(1);
    refresh();
    applyLanguage();
}

void FeaturesWindow::build() {
    const int language = session_.config.languageIndex;

    auto addSlots = [&](QGroupBox* frame, std::span<const Slot> places, QGridLayout* grid, int column) {
        int row = 0;
        for (const Slot& s : places) {
            QLabel* label = nullptr;
            QWidget* control = nullptr;
            bool hidden = false;
            if (s.isText) {
                const FeatureTextInfo& info = featureTexts()[s.id];
                auto* edit = new QLineEdit(frame);
                edit->setObjectName(qs(info.control));
                edit->setValidator(new KeyRuleValidator(info, edit));
                edit->installEventFilter(this);
                connect(edit, &QLineEdit::textChanged, this, [this, f = info.id] { onTextChanged(f); });
                label = new QLabel(qs(info.caption, language), frame);
                label->setObjectName(qs(info.label));
                texts_[s.id] = edit;
                textLabels_[s.id] = label;
                control = edit;
            } else {
                const FeatureListInfo& info = featureLists()[s.id];
                auto* combo = new QComboBox(frame);
                combo->setObjectName(qs(info.control));
                for (int p = 0; p < info.count; ++p)
                    combo->addItem(qs(featureItemText(info.id, p, language)));
                combo->setMaxVisibleItems(20);
                connect(combo, &QComboBox::currentIndexChanged, this, [this, f = info.id](int position) {
                    if (position >= 0) session_.config.features[f] = position;
                });
                label = new QLabel(qs(info.caption, language), frame);
                label->setObjectName(qs(info.label));
                combos_[s.id] = combo;
                listLabels_[s.id] = label;
                control = combo;
                hidden = info.hidden;
            }
            label->setBuddy(control);
            grid->addWidget(label, row, column);
            grid->addWidget(control, row, column + 1);
            // Hidden fields exist and keep their values, but are never shown.
            label->setHidden(hidden);
            control->setHidden(hidden);
            ++row;
        }
    };

    auto frame = [&](const char* name) {
        auto* g = new QGroupBox(this);
        g->setObjectName(QString::fromLatin1(name));
        return g;
    };

    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TabStrip1"));
    tabs_->addTab(QString());
    tabs_->addTab(QString());
    connect(tabs_, &QTabBar::tabBarClicked, this, &FeaturesWindow::onTabClicked);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { showPage(index + 1); });

    frame2_ = frame("Frame2");
    auto* page1 = new QGridLayout(frame2_);
    addSlots(frame2_, kPage1Left, page1, 0);
    addSlots(frame2_, kPage1Right, page1, 2);
    page1->setColumnStretch(1, 1);
    page1->setColumnStretch(3, 1);
    page1->setRowStretch(16, 1);

    frame3_ = frame("Frame3");
    auto* vfoA = new QGridLayout(frame3_);
    addSlots(frame3_, kVfoA, vfoA, 0);
    vfoA->setRowStretch(13, 1);
    frame5_ = frame("Frame5");
    auto* vfoB = new QGridLayout(frame5_);
    addSlots(frame5_, kVfoB, vfoB, 0);
    vfoB->setRowStretch(13, 1);

    frame1_ = frame("Frame1");
    auto* vox = new QGridLayout(frame1_);
    addSlots(frame1_, kVox, vox, 0);
    check12_ = new QCheckBox(frame1_);
    check12_->setObjectName(QStringLiteral("Check12"));
    check13_ = new QCheckBox(frame1_);
    check13_->setObjectName(QStringLiteral("Check13"));
    vox->addWidget(check12_, 3, 0, 1, 2);
    vox->addWidget(check13_, 4, 0, 1, 2);
    check12_->setHidden(true);
    check13_->setHidden(true);
    vox->setRowStretch(5, 1);
    connect(check12_, &QCheckBox::toggled, this, [this](bool on) { session_.config.features.check12 = on; });
    connect(check13_, &QCheckBox::toggled, this, [this](bool on) { session_.config.features.check13 = on; });

    for (const auto& group : kGestureFields)
        for (FeatureList f : group)
            listLabels_[idx(f)]->installEventFilter(this);

    auto* pages = new QHBoxLayout;
    auto* page1Box = new QVBoxLayout;
    page1Box->addWidget(frame2_);
    auto* page2Box = new QHBoxLayout;
    page2Box->addWidget(frame3_);
    page2Box->addWidget(frame5_);
    page1Box->addLayout(page2Box);
    pages->addLayout(page1Box, 3);
    pages->addWidget(frame1_, 1, Qt::AlignTop);

    auto* root = new QVBoxLayout(this);
    root->addWidget(tabs_);
    root->addLayout(pages, 1);
}

void FeaturesWindow::applyLanguage() {
    applyCaptions(this, featuresCaptions(), session_.config.languageIndex);
}

void FeaturesWindow::refresh() {
    const Features& f = session_.config.features;
    // Every control writes its value back when it changes; the values are the ones it was given.
    for (const FeatureListInfo& info : featureLists()) {
        const int position = f[info.id];
        combos_[idx(info.id)]->setCurrentIndex(position >= 0 && position < info.count ? position : -1);
    }
    for (const FeatureTextInfo& info : featureTexts()) {
        QLineEdit* edit = texts_[idx(info.id)];
        const QString text = fromBytes(f.*info.value);
        if (edit->text() == text) continue;
        // The key rule judges what the user types, not what the program shows: with the validator in place,
        // setText() would raise the lower-case display characters that a radio may hold, and the next write
        // would change them.
        const QValidator* validator = edit->validator();
        edit->setValidator(nullptr);
        edit->setText(text);
        edit->setValidator(validator);
    }
    check12_->setChecked(f.check12);
    check13_->setChecked(f.check13);
    applyServiceState();
}

void FeaturesWindow::closeEvent(QCloseEvent* event) {
    hideInsteadOfClosing(this, event);
}

void FeaturesWindow::showPage(int page) {
    if (page != 1 && page != 2) return;
    page_ = page;
    frame2_->setVisible(page == 1);
    frame3_->setVisible(page == 2);
    frame5_->setVisible(page == 2);
    {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(page - 1);
    }
    if (page == 2) texts_[idx(FT::Text20)]->setFocus();
}

void FeaturesWindow::onTabClicked(int index) {
    if (index == 0) {
        showPage(1);
        texts_[idx(FT::Text6)]->setFocus();
    } else if (index == 1) {
        showPage(2);
    }
}

void FeaturesWindow::onTextChanged(FeatureText f) {
    QLineEdit* edit = texts_[idx(f)];
    const std::string text = toBytes(edit->text());
    if (f == FT::Text6 || f == FT::Text2) {
        const std::string checked = channelNumberChange(text);
        if (checked != text) {
            edit->setText(fromBytes(checked));  // changes again and writes the configuration then
            return;
        }
    }
    session_.config.features.*featureTextInfo(f).value = text;
}

void FeaturesWindow::lostFocusCheck(FeatureText f) {
    QLineEdit* edit = texts_[idx(f)];
    const std::string text = toBytes(edit->text());
    std::string checked;
    switch (f) {
        case FT::Text6:
        case FT::Text2:
            checked = checkChannelNumber(text);
            break;
        case FT::Text20:
        case FT::Text3:
            checked = checkVfoFrequency(text, session_.config.band.limits);
            break;
        case FT::Text21:
        case FT::Text4:
            checked = checkVfoOffset(text);
            break;
        default:
            return;
    }
    if (checked != text) edit->setText(fromBytes(checked));
}

bool FeaturesWindow::filterKey(FeatureText f, QKeyEvent* key) {
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        lostFocusCheck(f);  // normalises in place; the focus stays
        return true;
    }
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString typed = key->text();
    if (typed.size() != 1) return false;  // no character, or one the validator judges
    const char32_t c = typed.at(0).unicode();
    if (c < 0x20 || c == 0x7F) return false;  // backspace, tab, escape, delete: the box's own handling
    QLineEdit* edit = texts_[idx(f)];
    const FeatureTextInfo& info = featureTextInfo(f);
    const auto length = static_cast<std::size_t>(edit->text().size());
    const auto selected = static_cast<std::size_t>(edit->selectedText().size());
    const std::optional<char> pass = zrt::filterKey(info.filter, c, info.maxLength, length, selected);
    if (!pass) return true;
    if (static_cast<char32_t>(static_cast<unsigned char>(*pass)) != c) {
        edit->insert(QString(QChar(*pass)));
        return true;
    }
    return false;
}

bool FeaturesWindow::eventFilter(QObject* watched, QEvent* event) {
    for (int f = 0; f < kFeatureTextCount; ++f) {
        if (watched != texts_[f]) continue;
        if (event->type() == QEvent::KeyPress)
            return filterKey(static_cast<FT>(f), static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut) {
            // A context menu or a switch to another window leaves the box being edited.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                lostFocusCheck(static_cast<FT>(f));
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int mode = 0; mode < kServiceModes; ++mode)
            for (int label = 0; label < kGestureLabels; ++label)
                if (watched == listLabels_[idx(kGestureFields[mode][label])])
                    gestureClicked(static_cast<ServiceMode>(mode), label);
    }
    return EditorWindow::eventFilter(watched, event);
}

void FeaturesWindow::gestureClicked(ServiceMode mode, int label) {
    if (!gestureClick(session_.config, mode, label, clock_())) return;
    applyServiceState();
    emit serviceFlagsChanged();
}

void FeaturesWindow::applyServiceState() {
    const bool unlocked = session_.config.service.featureUnlock;
    for (FeatureList f : kUnlockedFields) {
        combos_[idx(f)]->setEnabled(unlocked);
        listLabels_[idx(f)]->setEnabled(unlocked);
    }
}

}  // namespace zrt
