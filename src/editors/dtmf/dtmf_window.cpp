#include "editors/dtmf/dtmf_window.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <functional>

#include "config/dtmf.h"
#include "editors/text_box.h"
#include "i18n/dtmf_captions.h"
#include "platform/qt_text.h"
#include "session/session.h"
#include "ui/twips.h"
#include "ui/wheel/wheel_blocker.h"

namespace zrt {

namespace {

QComboBox* list(QWidget* parent, const QString& name, int count) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    // Item texts that follow the language are written by the captions.
    for (int i = 0; i < count; ++i)
        combo->addItem(QString());
    return combo;
}

QLabel* label(QWidget* parent, const QString& name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

}  // namespace

DtmfWindow::DtmfWindow(Session& session, QWidget* parent) : EditorWindow(session, parent) {
    setObjectName(QStringLiteral("Form2"));

    // Page "Other Features".
    otherPage_ = new QFrame(this);
    otherPage_->setObjectName(QStringLiteral("Frame2"));
    auto* other = new QGridLayout(otherPage_);
    aniStart_ = codeField(otherPage_, QStringLiteral("Text2"), kDtmfCodeLength,
                          [](Dtmf& d) -> std::string& { return d.aniStart; });
    aniEnd_ = codeField(otherPage_, QStringLiteral("Text4"), kDtmfCodeLength,
                        [](Dtmf& d) -> std::string& { return d.aniEnd; });
    ownCode_ = codeField(otherPage_, QStringLiteral("Text3"), kDtmfOwnCodeLength,
                         [](Dtmf& d) -> std::string& { return d.ownCode; });
    aniSending_ = list(otherPage_, QStringLiteral("Combo1"), kDtmfAniSendingCount);
    aniSending_->setEditable(true);
    aniSending_->setInsertPolicy(QComboBox::NoInsert);
    rate_ = list(otherPage_, QStringLiteral("Combo16"), kDtmfRateCount);
    firstDigitDelay_ = list(otherPage_, QStringLiteral("Combo17"), kDtmfDelayCount);
    groupCall_ = list(otherPage_, QStringLiteral("Combo18"), 1);
    groupCall_->addItems({QStringLiteral("*"), QStringLiteral("#"), QStringLiteral("A"), QStringLiteral("B"),
                          QStringLiteral("C"), QStringLiteral("D")});

    struct Row {
        const char* label;
        QWidget* field;
        bool shown;
    };
    const Row rows[] = {
        {"Label2", aniStart_, true},    {"Label4", aniEnd_, true},           {"Label32", aniSending_, true},
        {"Label16", rate_, true},       {"Label17", firstDigitDelay_, true}, {"Label3", ownCode_, false},
        {"Label18", groupCall_, false},
    };
    int r = 0;
    for (const Row& row : rows) {
        QLabel* l = label(otherPage_, QLatin1String(row.label));
        other->addWidget(l, r, 0, Qt::AlignRight);
        other->addWidget(row.field, r, 1);
        l->setVisible(row.shown);
        row.field->setVisible(row.shown);
        ++r;
    }
    other->setRowStretch(r, 1);

    // Page "Auto-dialing Memory", not reachable.
    autodialPage_ = new QFrame(this);
    autodialPage_->setObjectName(QStringLiteral("Frame1"));
    auto* autodial = new QGridLayout(autodialPage_);
    for (int i = 0; i < 8; ++i) {
        const auto k = static_cast<std::size_t>(i);
        autodialCodes_[k] = codeField(autodialPage_, QStringLiteral("Text1_%1").arg(i), kDtmfCodeLength,
                                      [k](Dtmf& d) -> std::string& { return d.autodial[k]; });
        autodial->addWidget(label(autodialPage_, QStringLiteral("Label1_%1").arg(i)), i, 0);
        autodial->addWidget(autodialCodes_[k], i, 1);
    }
    autodialPage_->hide();

    autodialPageButton_ = new QRadioButton(this);
    autodialPageButton_->setObjectName(QStringLiteral("Option1"));
    otherPageButton_ = new QRadioButton(this);
    otherPageButton_->setObjectName(QStringLiteral("Option2"));
    otherPageButton_->setChecked(true);
    autodialPageButton_->hide();
    otherPageButton_->hide();
    connect(autodialPageButton_, &QRadioButton::clicked, this, [this] { showPage(true); });
    connect(otherPageButton_, &QRadioButton::clicked, this, [this] { showPage(false); });

    auto* layout = new QVBoxLayout(this);
    auto* options = new QHBoxLayout;
    options->addWidget(autodialPageButton_);
    options->addWidget(otherPageButton_);
    layout->addLayout(options);
    layout->addWidget(autodialPage_);
    layout->addWidget(otherPage_);
    // The fields are kept nowhere (the radio's memory has no place for them); a write that reports success
    // must not let the user think his codes went with it.
    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("LabelNotStored"));
    note->setWordWrap(true);
    layout->addWidget(note);

    connect(aniSending_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        const int position = aniSending_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        edit({Part::Dtmf}, [&](Configuration& c) {
            c.dtmf.aniSending = position;
            c.dtmf.aniSendingText = position < 0 ? utf8(text) : std::string();
        });
    });
    connect(rate_, &QComboBox::currentIndexChanged, this,
            [this](int i) { edit({Part::Dtmf}, [i](Configuration& c) { c.dtmf.rate = i; }); });
    connect(firstDigitDelay_, &QComboBox::currentIndexChanged, this,
            [this](int i) { edit({Part::Dtmf}, [i](Configuration& c) { c.dtmf.firstDigitDelay = i; }); });
    connect(groupCall_, &QComboBox::currentIndexChanged, this,
            [this](int i) { edit({Part::Dtmf}, [i](Configuration& c) { c.dtmf.groupCall = i; }); });

    resize(twipsToPixels(5750), twipsToPixels(3600));
    applyLanguage();
    refresh();
    ignoreWheelOnValueControls(this);
}

QLineEdit* DtmfWindow::codeField(QWidget* parent, const QString& name, std::size_t maxLength,
                                 std::function<std::string&(Dtmf&)> field) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    TextBox::install(box, dtmfKey, maxLength);
    connect(box, &QLineEdit::textChanged, this, [this, field](const QString& text) {
        edit({Part::Dtmf}, [&](Configuration& c) { field(c.dtmf) = utf8(text); });
    });
    return box;
}

void DtmfWindow::applyLanguage() {
    {
        // Rewriting an item's text also rewrites the box when that item is current; the choice itself,
        // typed text included, must stay.
        const QSignalBlocker blocker(aniSending_);
        applyCaptions(this, dtmfCaptions(), session_.config().languageIndex);
    }
    showAniSending();
}

void DtmfWindow::refresh() {
    const Dtmf& d = session_.config().dtmf;
    const auto setText = [](QLineEdit* edit, const std::string& text) {
        const QSignalBlocker blocker(edit);
        TextBox::setProgramText(edit, qs(text));
    };
    for (std::size_t i = 0; i < autodialCodes_.size(); ++i)
        setText(autodialCodes_[i], d.autodial[i]);
    setText(aniStart_, d.aniStart);
    setText(ownCode_, d.ownCode);
    setText(aniEnd_, d.aniEnd);
    const auto setPosition = [](QComboBox* combo, int position) {
        const QSignalBlocker blocker(combo);
        if (position >= 0 && position < combo->count()) combo->setCurrentIndex(position);
    };
    setPosition(rate_, d.rate);
    setPosition(firstDigitDelay_, d.firstDigitDelay);
    setPosition(groupCall_, d.groupCall);
    showAniSending();
}

void DtmfWindow::documentChanged(const Change& change) {
    if (change.has(Part::Dtmf)) refresh();
}

void DtmfWindow::showAniSending() {
    const Dtmf& d = session_.config().dtmf;
    const QSignalBlocker blocker(aniSending_);
    if (d.aniSending >= 0 && d.aniSending < aniSending_->count()) {
        aniSending_->setCurrentIndex(d.aniSending);
        aniSending_->setEditText(aniSending_->itemText(d.aniSending));
    } else {
        aniSending_->setCurrentIndex(-1);
        aniSending_->setEditText(qs(d.aniSendingText));
    }
}

void DtmfWindow::showPage(bool autodial) {
    autodialPage_->setVisible(autodial);
    otherPage_->setVisible(!autodial);
    if (autodial)
        autodialCodes_[0]->setFocus();
    else
        rate_->setFocus();
}

}  // namespace zrt
