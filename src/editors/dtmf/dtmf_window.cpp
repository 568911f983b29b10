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
#include "editors/hide_on_close.h"
#include "editors/text_box.h"
#include "i18n/dtmf_captions.h"
#include "platform/qt_text.h"
#include "session/session.h"

namespace zrt {

namespace {

constexpr int px(int twips) {
    return twips / 15;
}

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
    frame2_ = new QFrame(this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    auto* other = new QGridLayout(frame2_);
    text2_ = codeField(frame2_, QStringLiteral("Text2"), kDtmfCodeLength,
                       [](Dtmf& d) -> std::string& { return d.aniStart; });
    text4_ = codeField(frame2_, QStringLiteral("Text4"), kDtmfCodeLength,
                       [](Dtmf& d) -> std::string& { return d.aniEnd; });
    text3_ = codeField(frame2_, QStringLiteral("Text3"), kDtmfOwnCodeLength,
                       [](Dtmf& d) -> std::string& { return d.ownCode; });
    combo1_ = list(frame2_, QStringLiteral("Combo1"), kDtmfAniSendingCount);
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    combo16_ = list(frame2_, QStringLiteral("Combo16"), kDtmfRateCount);
    combo17_ = list(frame2_, QStringLiteral("Combo17"), kDtmfDelayCount);
    combo18_ = list(frame2_, QStringLiteral("Combo18"), 1);
    combo18_->addItems({QStringLiteral("*"), QStringLiteral("#"), QStringLiteral("A"), QStringLiteral("B"),
                        QStringLiteral("C"), QStringLiteral("D")});

    struct Row {
        const char* label;
        QWidget* field;
        bool shown;
    };
    const Row rows[] = {
        {"Label2", text2_, true},     {"Label4", text4_, true},    {"Label32", combo1_, true},
        {"Label16", combo16_, true},  {"Label17", combo17_, true}, {"Label3", text3_, false},
        {"Label18", combo18_, false},
    };
    int r = 0;
    for (const Row& row : rows) {
        QLabel* l = label(frame2_, QLatin1String(row.label));
        other->addWidget(l, r, 0, Qt::AlignRight);
        other->addWidget(row.field, r, 1);
        l->setVisible(row.shown);
        row.field->setVisible(row.shown);
        ++r;
    }
    other->setRowStretch(r, 1);

    // Page "Auto-dialing Memory", not reachable.
    frame1_ = new QFrame(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    auto* autodial = new QGridLayout(frame1_);
    for (int i = 0; i < 8; ++i) {
        const auto k = static_cast<std::size_t>(i);
        text1_[k] = codeField(frame1_, QStringLiteral("Text1_%1").arg(i), kDtmfCodeLength,
                              [k](Dtmf& d) -> std::string& { return d.autodial[k]; });
        autodial->addWidget(label(frame1_, QStringLiteral("Label1_%1").arg(i)), i, 0);
        autodial->addWidget(text1_[k], i, 1);
    }
    frame1_->hide();

    option1_ = new QRadioButton(this);
    option1_->setObjectName(QStringLiteral("Option1"));
    option2_ = new QRadioButton(this);
    option2_->setObjectName(QStringLiteral("Option2"));
    option2_->setChecked(true);
    option1_->hide();
    option2_->hide();
    connect(option1_, &QRadioButton::clicked, this, [this] { showPage(true); });
    connect(option2_, &QRadioButton::clicked, this, [this] { showPage(false); });

    auto* layout = new QVBoxLayout(this);
    auto* options = new QHBoxLayout;
    options->addWidget(option1_);
    options->addWidget(option2_);
    layout->addLayout(options);
    layout->addWidget(frame1_);
    layout->addWidget(frame2_);
    // The fields are kept nowhere (the radio's memory has no place for them); a write that reports success
    // must not let the user think his codes went with it.
    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("LabelNotStored"));
    note->setWordWrap(true);
    layout->addWidget(note);

    connect(combo1_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        const int position = combo1_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        edit({Part::Dtmf}, [&](Configuration& c) {
            c.dtmf.aniSending = position;
            c.dtmf.aniSendingText = position < 0 ? utf8(text) : std::string();
        });
    });
    connect(combo16_, &QComboBox::currentIndexChanged, this,
            [this](int i) { edit({Part::Dtmf}, [i](Configuration& c) { c.dtmf.rate = i; }); });
    connect(combo17_, &QComboBox::currentIndexChanged, this,
            [this](int i) { edit({Part::Dtmf}, [i](Configuration& c) { c.dtmf.firstDigitDelay = i; }); });
    connect(combo18_, &QComboBox::currentIndexChanged, this,
            [this](int i) { edit({Part::Dtmf}, [i](Configuration& c) { c.dtmf.groupCall = i; }); });

    resize(px(5750), px(3600));
    applyLanguage();
    refresh();
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
        const QSignalBlocker blocker(combo1_);
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
    for (std::size_t i = 0; i < text1_.size(); ++i)
        setText(text1_[i], d.autodial[i]);
    setText(text2_, d.aniStart);
    setText(text3_, d.ownCode);
    setText(text4_, d.aniEnd);
    const auto setPosition = [](QComboBox* combo, int position) {
        const QSignalBlocker blocker(combo);
        if (position >= 0 && position < combo->count()) combo->setCurrentIndex(position);
    };
    setPosition(combo16_, d.rate);
    setPosition(combo17_, d.firstDigitDelay);
    setPosition(combo18_, d.groupCall);
    showAniSending();
}

void DtmfWindow::documentChanged(const Change& change) {
    if (change.has(Part::Dtmf)) refresh();
}

void DtmfWindow::showAniSending() {
    const Dtmf& d = session_.config().dtmf;
    const QSignalBlocker blocker(combo1_);
    if (d.aniSending >= 0 && d.aniSending < combo1_->count()) {
        combo1_->setCurrentIndex(d.aniSending);
        combo1_->setEditText(combo1_->itemText(d.aniSending));
    } else {
        combo1_->setCurrentIndex(-1);
        combo1_->setEditText(qs(d.aniSendingText));
    }
}

void DtmfWindow::showPage(bool autodial) {
    frame1_->setVisible(autodial);
    frame2_->setVisible(!autodial);
    if (autodial)
        text1_[0]->setFocus();
    else
        combo16_->setFocus();
}

void DtmfWindow::closeEvent(QCloseEvent* event) {
    hideInsteadOfClosing(this, event);
}

}  // namespace zrt
