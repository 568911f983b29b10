#include "editors/features/features_window.h"

#include <QApplication>
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

#include "config/feature_rules.h"
#include "editors/text_box.h"
#include "i18n/features_captions.h"
#include "platform/qt_text.h"
#include "session/session.h"
#include "ui/wheel/wheel_blocker.h"

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
using Slot = FeatureField;
constexpr Slot L(FeatureList f) {
    return {false, idx(f)};
}
constexpr Slot T(FeatureText f) {
    return {true, idx(f)};
}

// Screen order: page 1 in two columns and the VOX frame; the VFO blocks show their fields as
// featureFieldsOf() orders them.
constexpr Slot kPage1Left[] = {L(FL::ADisplayMode),
                               L(FL::BDisplayMode),
                               L(FL::Beep),
                               L(FL::KeyLock),
                               L(FL::ScanMode),
                               L(FL::KeyLockMode),
                               L(FL::PowerOnPassword),
                               L(FL::FmSearchMode),
                               L(FL::FmDualWatch),
                               L(FL::TailNoiseElimination),
                               L(FL::AutoPowerOff),
                               L(FL::PowerOnMode),
                               L(FL::ASelfRegardChannel),
                               L(FL::BSelfRegardChannel),
                               L(FL::TdrMode),
                               L(FL::ReturnChannel)};
constexpr Slot kPage1Right[] = {T(FT::AChannelNumber), T(FT::BChannelNumber),    L(FL::AStep),
                                L(FL::BStep),          L(FL::ASquelch),          L(FL::BSquelch),
                                L(FL::BatterySave),    L(FL::TimeOutTimer),      L(FL::Roger),
                                L(FL::MainChannel),    L(FL::LampMode),          L(FL::MemoryDisplayMode),
                                L(FL::StandbyMode),    T(FT::DisplayCharacters), T(FT::Password)};
constexpr Slot kVox[] = {L(FL::VoxSwitch), L(FL::VoxGain), L(FL::VoxDelay)};
// The fields that the feature unlock makes usable.
constexpr FeatureList kUnlockedFields[] = {FL::PowerOnPassword, FL::FmSearchMode, FL::Roger};

// The VFO records are their own part of the document: the band sets them too.
template <class Field>
Part partOf(Field f) {
    return featureGroupOf(f) == FeatureGroup::Functions ? Part::Features : Part::Vfos;
}

}  // namespace

FeaturesWindow::FeaturesWindow(Session& session, QWidget* parent) : EditorWindow(session, parent) {
    setObjectName(QStringLiteral("Form3"));
    build();
    resize(864, 576);  // 12960 x 8635 twips
    showPage(1);
    refresh();
    applyLanguage();
    ignoreWheelOnValueControls(this);
}

void FeaturesWindow::build() {
    const int language = session_.config().languageIndex;

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
                const auto check = [this, f = info.id] { lostFocusCheck(f); };
                // Enter normalises in place; the focus stays.
                TextBox::install(edit, info.key, info.maxLength, check, check);
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
                    if (position >= 0)
                        session_.edit(Change::of({partOf(f)}, this),
                                      [&](Configuration& c) { c.features[f] = position; });
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

    functionsFrame_ = frame("Frame2");
    auto* page1 = new QGridLayout(functionsFrame_);
    addSlots(functionsFrame_, kPage1Left, page1, 0);
    addSlots(functionsFrame_, kPage1Right, page1, 2);
    page1->setColumnStretch(1, 1);
    page1->setColumnStretch(3, 1);
    page1->setRowStretch(16, 1);

    vfoAFrame_ = frame("Frame3");
    auto* vfoA = new QGridLayout(vfoAFrame_);
    addSlots(vfoAFrame_, featureFieldsOf(FeatureGroup::VfoA), vfoA, 0);
    vfoA->setRowStretch(13, 1);
    vfoBFrame_ = frame("Frame5");
    auto* vfoB = new QGridLayout(vfoBFrame_);
    addSlots(vfoBFrame_, featureFieldsOf(FeatureGroup::VfoB), vfoB, 0);
    vfoB->setRowStretch(13, 1);

    voxFrame_ = frame("Frame1");
    auto* vox = new QGridLayout(voxFrame_);
    addSlots(voxFrame_, kVox, vox, 0);
    allowCancelBox_ = new QCheckBox(voxFrame_);
    allowCancelBox_->setObjectName(QStringLiteral("Check12"));
    voxOffWhileReceivingBox_ = new QCheckBox(voxFrame_);
    voxOffWhileReceivingBox_->setObjectName(QStringLiteral("Check13"));
    vox->addWidget(allowCancelBox_, 3, 0, 1, 2);
    vox->addWidget(voxOffWhileReceivingBox_, 4, 0, 1, 2);
    allowCancelBox_->setHidden(true);
    voxOffWhileReceivingBox_->setHidden(true);
    vox->setRowStretch(5, 1);
    connect(allowCancelBox_, &QCheckBox::toggled, this, [this](bool on) {
        edit({Part::Features}, [on](Configuration& c) { c.features.allowCancel = on; });
    });
    connect(voxOffWhileReceivingBox_, &QCheckBox::toggled, this, [this](bool on) {
        edit({Part::Features}, [on](Configuration& c) { c.features.voxOffWhileReceiving = on; });
    });

    // Until the feature unlock.
    for (FeatureList f : kUnlockedFields) {
        combos_[idx(f)]->setEnabled(false);
        listLabels_[idx(f)]->setEnabled(false);
    }
    for (const auto& group : kGestureFields)
        for (FeatureList f : group)
            listLabels_[idx(f)]->installEventFilter(this);

    auto* pages = new QHBoxLayout;
    auto* page1Box = new QVBoxLayout;
    page1Box->addWidget(functionsFrame_);
    auto* page2Box = new QHBoxLayout;
    page2Box->addWidget(vfoAFrame_);
    page2Box->addWidget(vfoBFrame_);
    page1Box->addLayout(page2Box);
    pages->addLayout(page1Box, 3);
    pages->addWidget(voxFrame_, 1, Qt::AlignTop);

    auto* root = new QVBoxLayout(this);
    root->addWidget(tabs_);
    root->addLayout(pages, 1);
}

void FeaturesWindow::applyLanguage() {
    applyCaptions(this, featuresCaptions(), session_.config().languageIndex);
}

void FeaturesWindow::refresh() {
    const Features& f = session_.config().features;
    // Every control writes its value back when it changes; the values are the ones it was given.
    for (const FeatureListInfo& info : featureLists()) {
        const int position = f[info.id];
        combos_[idx(info.id)]->setCurrentIndex(position >= 0 && position < info.count ? position : -1);
    }
    for (const FeatureTextInfo& info : featureTexts()) {
        QLineEdit* edit = texts_[idx(info.id)];
        const QString text = fromBytes(f.*info.value);
        // The key rule judges what the user types, not what the program shows: lower-case display
        // characters that a radio may hold stay as they are, so the next write does not change them.
        if (edit->text() != text) TextBox::setProgramText(edit, text);
    }
    allowCancelBox_->setChecked(f.allowCancel);
    voxOffWhileReceivingBox_->setChecked(f.voxOffWhileReceiving);
    applyServiceState();
}

void FeaturesWindow::showPage(int page) {
    if (page != 1 && page != 2) return;
    page_ = page;
    // The coming page shows before the other goes, and a focus inside the going page moves straight to its
    // new place: hiding a frame that holds the focus would pass it through the boxes of the next frame, whose
    // checks would then run although the user never entered them.
    const std::array<QGroupBox*, 1> page1{functionsFrame_};
    const std::array<QGroupBox*, 2> page2{vfoAFrame_, vfoBFrame_};
    const std::span<QGroupBox* const> coming = page == 1 ? std::span<QGroupBox* const>(page1) : page2;
    const std::span<QGroupBox* const> going = page == 1 ? std::span<QGroupBox* const>(page2) : page1;
    for (QGroupBox* frame : coming)
        frame->setVisible(true);
    const QWidget* focus = QApplication::focusWidget();
    const bool focusGoes = focus && std::any_of(going.begin(), going.end(),
                                                [focus](QGroupBox* f) { return f->isAncestorOf(focus); });
    if (page == 2)
        texts_[idx(FT::VfoAFrequency)]->setFocus();
    else if (focusGoes)
        tabs_->setFocus();
    for (QGroupBox* frame : going)
        frame->setVisible(false);
    {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(page - 1);
    }
}

void FeaturesWindow::onTabClicked(int index) {
    if (index == 0) {
        showPage(1);
        texts_[idx(FT::AChannelNumber)]->setFocus();
    } else if (index == 1) {
        showPage(2);
    }
}

void FeaturesWindow::onTextChanged(FeatureText f) {
    QLineEdit* edit = texts_[idx(f)];
    const std::string text = toBytes(edit->text());
    if (f == FT::AChannelNumber || f == FT::BChannelNumber) {
        const std::string checked = channelNumberChange(text);
        if (checked != text) {
            TextBox::setProgramText(edit, fromBytes(checked));  // changes again and writes the configuration
            return;
        }
    }
    session_.edit(Change::of({partOf(f)}, this),
                  [&](Configuration& c) { c.features.*featureTextInfo(f).value = text; });
}

void FeaturesWindow::lostFocusCheck(FeatureText f) {
    QLineEdit* edit = texts_[idx(f)];
    const std::string text = toBytes(edit->text());
    std::string checked;
    switch (f) {
        case FT::AChannelNumber:
        case FT::BChannelNumber:
            checked = checkChannelNumber(text);
            break;
        case FT::VfoAFrequency:
        case FT::VfoBFrequency:
            checked = checkVfoFrequency(text, session_.config().band.limits);
            break;
        case FT::VfoAOffset:
        case FT::VfoBOffset:
            checked = checkVfoOffset(text);
            break;
        default:
            return;
    }
    if (checked != text) TextBox::setProgramText(edit, fromBytes(checked));
}

bool FeaturesWindow::eventFilter(QObject* watched, QEvent* event) {
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
    bool shown = false;
    session_.document().editAndTell([&](Configuration& c) {
        shown = gestureClick(c, mode, label, clock_());
        // The clicks so far change nothing that is shown; the mode turned on (or its effect repeated) does.
        return shown ? Change::of({Part::Service, Part::Calibration}, this) : Change::of({}, this);
    });
    if (!shown) return;
    applyServiceState();
}

void FeaturesWindow::documentChanged(const Change& change) {
    if (change.hasAny({Part::Features, Part::Vfos, Part::Band, Part::Service})) refresh();
}

void FeaturesWindow::applyServiceState() {
    // The unlock makes the fields usable; ending it only clears the flag, so they stay usable afterwards.
    const bool unlocked = session_.config().service.featureUnlock;
    for (FeatureList f : kUnlockedFields) {
        combos_[idx(f)]->setEnabled(unlocked || combos_[idx(f)]->isEnabledTo(this));
        listLabels_[idx(f)]->setEnabled(unlocked || listLabels_[idx(f)]->isEnabledTo(this));
    }
}

}  // namespace zrt
