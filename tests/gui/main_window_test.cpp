#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QToolBar>
#include <QWheelEvent>
#include <memory>
#include <vector>

#include "app/about_box.h"
#include "app/help_viewer.h"
#include "ui/msgbox.h"
#include "app/transfer_controller.h"
#include "editors/calibration/calibration_window.h"
#include "editors/channel/channel_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/features/features_window.h"
#include "editors/fm/fm_window.h"
#include "i18n/about_captions.h"
#include "i18n/main_window_captions.h"
#include "platform/qt_text.h"
#include "platform/radio_port.h"
#include "session/session.h"

namespace zrt {
namespace {

// A device no computer has, so entry 1 fails to open with any serial port implementation.
const QString kMissingDevice = QStringLiteral("/nonexistent/zrt410-test-port");

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QApplication::setQuitOnLastWindowClosed(false);
        setMsgBoxResponder([this](const MsgBoxRequest& r) {
            asked.push_back(r);
            return answer;
        });
        fresh();
    }
    // A new start of the program, for cases of a table.
    void fresh() {
        window.reset();
        session = Session();
        asked.clear();
        answer = msg::kResultOk;
        window = std::make_unique<MainWindow>(session, PortNames(kMissingDevice));
    }
    void TearDown() override {
        window.reset();
        setMsgBoxResponder({});
    }

    template <class T>
    T* find(const char* name) {
        auto* o = qobject_cast<T*>(window->control(name));
        EXPECT_NE(o, nullptr) << name;
        return o;
    }
    void trigger(const char* name) { find<QAction>(name)->trigger(); }
    // What the band list does when the user picks an entry.
    void chooseBand(int index) {
        auto* combo = find<QComboBox>("Combo1");
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void setLanguage(int language) { trigger(language == kChinese ? "MNChinese" : "MNEnglish"); }
    QString shown(const Caption& entry) {
        Caption self = entry;
        self.control = {};
        QString text;
        QObject* target = window->control(entry.control);
        EXPECT_TRUE(target && readCaption(target, self, &text)) << entry.control;
        return text;
    }

    Session session;
    std::unique_ptr<MainWindow> window;
    std::vector<MsgBoxRequest> asked;
    int answer = msg::kResultOk;
};

TEST_F(MainWindowTest, StartsInEnglishWithBandZeroAndOnlyTheChannelWindowShown) {
    window->show();
    EXPECT_EQ(session.config().languageIndex, kEnglish);
    EXPECT_EQ(window->windowTitle(), "ZR-T410 Radio Programming Software");
    auto* band = find<QComboBox>("Combo1");
    ASSERT_EQ(band->count(), kBandCount);
    for (int i = 0; i < kBandCount; ++i)
        EXPECT_EQ(band->itemText(i), qs(kBands[i].text));
    EXPECT_EQ(band->currentIndex(), 0);
    EXPECT_EQ(session.config().band.current, 0);

    auto* ports = find<QComboBox>("ComboCom");
    EXPECT_EQ(ports->count(), 16);
    EXPECT_FALSE(ports->isVisible());

    EXPECT_TRUE(window->subWindowOf(window->channelWindow())->isVisible());
    for (EditorWindow* hidden : std::initializer_list<EditorWindow*>{
             window->dtmfWindow(), window->featuresWindow(), window->calibrationWindow(), window->fmWindow()})
        EXPECT_FALSE(window->subWindowOf(hidden)->isVisible()) << hidden->objectName().toStdString();
    EXPECT_FALSE(find<QAction>("MNFMset")->isEnabled());
    EXPECT_TRUE(asked.empty());
}

TEST_F(MainWindowTest, ToolbarButtonsInOrderAndMenuShortcuts) {
    QStringList keys;
    QStringList captions;
    for (QAction* a : find<QToolBar>("Toolbar1")->actions()) {
        keys << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
        captions << a->text();
    }
    EXPECT_EQ(keys,
              QStringList({"TNew", "TOpen", "TSave", "|", "TRead", "TWrite", "TAnMa", "TDebug", "TFMMa"}));
    EXPECT_EQ(captions, QStringList({"新建", "打开", "保存", "", "读频", "写频", "", "", ""}));
    for (const char* hidden : {"TAnMa", "TDebug", "TFMMa"})
        EXPECT_FALSE(find<QAction>(hidden)->isVisible()) << hidden;

    const std::pair<const char*, const char*> shortcuts[] = {
        {"MNNew", "Ctrl+N"},  {"MNOpen", "Ctrl+O"},        {"MNSave", "Ctrl+S"},  {"MNModel", "Ctrl+M"},
        {"MNDTMF", "Ctrl+D"}, {"MNOption", "Ctrl+P"},      {"MNDebug", "Ctrl+B"}, {"MNFMset", "Ctrl+F"},
        {"MNRead", "Ctrl+R"}, {"MNWrite", "Ctrl+W"},       {"MNF1", "F1"},        {"MNAbout", "Ctrl+A"},
        {"MNQuit", ""},       {"MNPrint", "Ctrl+Shift+P"}, {"MNCommPort", ""},    {"MNChinese", ""},
    };
    for (const auto& [item, key] : shortcuts)
        EXPECT_EQ(find<QAction>(item)->shortcut().toString(QKeySequence::PortableText), key) << item;
}

TEST_F(MainWindowTest, BandQuestionAppliesLimitsEitherWayAndClearsOnlyOnOk) {
    struct Case {
        const char* name;
        int language;
        int answer;
        bool cleared;
    };
    const Case cases[] = {
        {"cancel, english", kEnglish, msg::kResultCancel, false},
        {"cancel, chinese", kChinese, msg::kResultCancel, false},
        {"ok, english", kEnglish, msg::kResultOk, true},
    };
    for (const Case& c : cases) {
        fresh();
        setLanguage(c.language);
        session.edit(Change::everything(),
                     [&](Configuration& c_) { c_.channels[0].rxFrequency = "145.00000"; });
        session.edit(Change::everything(),
                     [&](Configuration& c_) { c_.channels[127].rxFrequency = "435.00000"; });
        answer = c.answer;

        chooseBand(2);

        ASSERT_EQ(asked.size(), 1u) << c.name;
        EXPECT_EQ(asked[0].title, qs(msg::kBandChangeQuestion.title, c.language)) << c.name;
        EXPECT_EQ(asked[0].prompt, qs(msg::kBandChangeQuestion.text, c.language)) << c.name;
        EXPECT_EQ(asked[0].style, 0x1121) << c.name;
        const BandLimits& limits = session.config().band.limits;
        EXPECT_EQ((std::array{limits.aLow, limits.aHigh, limits.bLow, limits.bHigh}),
                  (std::array{144, 148, 430, 440}))
            << c.name;
        EXPECT_EQ(session.config().features.vfoAFrequency, "146.000") << c.name;
        EXPECT_EQ(session.config().features.vfoBFrequency, "435.000") << c.name;
        EXPECT_EQ(session.config().features[FeatureList::VfoABandwidth], 0) << c.name;
        EXPECT_EQ(session.config().features[FeatureList::VfoBBandwidth], 0) << c.name;
        EXPECT_EQ(session.config().band.current, 2) << c.name;
        EXPECT_EQ(session.config().channels.isEmpty(1), c.cleared) << c.name;
        EXPECT_EQ(session.config().channels.isEmpty(128), c.cleared) << c.name;

        // Going back asks again.
        chooseBand(0);
        EXPECT_EQ(asked.size(), 2u) << c.name;
        EXPECT_EQ(session.config().band.current, 0) << c.name;
        EXPECT_EQ(session.config().features.vfoBFrequency, "435.000") << c.name;
        EXPECT_EQ(session.config().band.limits.bHigh, 470) << c.name;
    }
}

TEST_F(MainWindowTest, SameBandAsksNothingAndChangesNothing) {
    session.edit(Change::everything(), [&](Configuration& c_) { c_.channels[0].rxFrequency = "145.00000"; });
    session.edit(Change::everything(), [&](Configuration& c_) { c_.features.vfoAFrequency = "150.12500"; });
    chooseBand(0);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(session.config().channels[0].rxFrequency, "145.00000");
    EXPECT_EQ(session.config().features.vfoAFrequency, "150.12500");
}

TEST_F(MainWindowTest, MouseWheelNeverChangesTheBand) {
    window->show();
    auto wheel = [](QComboBox* combo, int delta) {
        const QPointF at(combo->width() / 2.0, combo->height() / 2.0);
        QWheelEvent event(at, combo->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &event);
    };
    // The same wheel does move an ordinary list, so the check below means something.
    QComboBox plain;
    plain.addItems({"a", "b", "c"});
    plain.setCurrentIndex(1);
    wheel(&plain, -120);
    ASSERT_NE(plain.currentIndex(), 1);

    auto* band = find<QComboBox>("Combo1");
    for (int delta : {-120, -120, 120, 240})
        wheel(band, delta);
    EXPECT_EQ(band->currentIndex(), 0);
    EXPECT_EQ(session.config().band.current, 0);
    EXPECT_TRUE(asked.empty());
}

TEST_F(MainWindowTest, PortThatCannotBeOpenedLeavesNoSelection) {
    struct Case {
        int language;
        const char* title;
        const char* text;
    };
    const Case cases[] = {
        {kEnglish, "Mistake",
         "Serial port1Invalid or has already been used by other procedures, please choose other bunches of "
         "mouths "
         "or close its procedure."},
        {kChinese, "错误", "串行端口1无效或已被其它程序使用，请选择其他串口或关闭其程序."},
    };
    for (const Case& c : cases) {
        fresh();
        setLanguage(c.language);
        window->openStartPort();
        ASSERT_EQ(asked.size(), 1u) << c.language;
        EXPECT_EQ(asked[0].title, QString::fromUtf8(c.title));
        EXPECT_EQ(asked[0].prompt, QString::fromUtf8(c.text));
        EXPECT_EQ(asked[0].style, 0x30);
        auto* ports = find<QComboBox>("ComboCom");
        EXPECT_EQ(ports->currentIndex(), -1);
        EXPECT_FALSE(ports->isVisible());
        EXPECT_EQ(find<QLabel>("StatusBar1.Port")->text(), "COM: ");
        EXPECT_FALSE(window->port().isOpen());
    }
}

TEST_F(MainWindowTest, PortCommandShowsTheListWithDevicesAsTips) {
    window->show();
    trigger("MNCommPort");
    auto* ports = find<QComboBox>("ComboCom");
    EXPECT_TRUE(ports->isVisible());
    EXPECT_EQ(ports->itemData(0, Qt::ToolTipRole).toString(), kMissingDevice);
    EXPECT_GT(ports->x(), find<QToolBar>("Toolbar1")->geometry().right());  // covers no button
    ports->hidePopup();
}

TEST_F(MainWindowTest, HiddenButtonEndsItsModeOnTwoClicksWithinASecond) {
    struct Case {
        const char* key;
        ServiceMode mode;
    };
    const Case cases[] = {
        {"TAnMa", ServiceMode::CrossBandWrite},
        {"TDebug", ServiceMode::CalibWrite},
        {"TFMMa", ServiceMode::FeatureUnlock},
    };
    for (const Case& c : cases) {
        fresh();
        std::int64_t now = 0;
        window->setClock([&now] { return now; });
        const int m = static_cast<int>(c.mode);
        session.edit(Change::everything(), [&](Configuration& c_) { c_.service = {true, true, true}; });
        session.edit(Change::everything(), [&](Configuration& c_) { c_.calib.unlocked = true; });
        session.edit(Change::everything(), [&](Configuration& c_) {
            c_.service.gestures[m].clicked = {true, true, true};
        });
        auto* button = find<QAction>(c.key);
        EXPECT_TRUE(button->isVisible()) << c.key;
        EXPECT_TRUE(find<QAction>("MNFMset")->isEnabled()) << c.key;

        for (std::int64_t t : {10'000, 11'500}) {
            now = t;
            button->trigger();
            EXPECT_TRUE(button->isVisible()) << c.key << " at " << t;
        }
        now = 12'000;
        button->trigger();
        EXPECT_FALSE(button->isVisible()) << c.key;
        const ServiceFlags& f = session.config().service;
        EXPECT_EQ(f.crossBandWrite, c.mode != ServiceMode::CrossBandWrite) << c.key;
        EXPECT_EQ(f.calibWrite, c.mode != ServiceMode::CalibWrite) << c.key;
        EXPECT_EQ(f.featureUnlock, c.mode != ServiceMode::FeatureUnlock) << c.key;
        EXPECT_EQ(session.config().calib.unlocked, c.mode != ServiceMode::CalibWrite) << c.key;
        // Ending the feature unlock clears its flag and hides its button, nothing more: the FM command stays.
        EXPECT_TRUE(find<QAction>("MNFMset")->isEnabled()) << c.key;
        EXPECT_EQ(session.config().service.gestures[m].clicked, (std::array<bool, 3>{})) << c.key;
    }
}

TEST_F(MainWindowTest, QuitAsksEveryTimeAndCancelKeepsTheWindow) {
    window->show();
    for (int language : {kEnglish, kChinese}) {
        setLanguage(language);
        asked.clear();
        answer = msg::kResultCancel;
        EXPECT_FALSE(window->close());
        EXPECT_TRUE(window->isVisible());
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].title, qs(msg::kQuitQuestion.title, language));
        EXPECT_EQ(asked[0].prompt, qs(msg::kQuitQuestion.text, language));
        EXPECT_EQ(asked[0].style, 0x1121);
    }
    answer = msg::kResultOk;
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, CaptionsFollowTheLanguageBothWays) {
    window->show();
    for (int language : {kChinese, kEnglish, kChinese, kEnglish}) {
        setLanguage(language);
        EXPECT_EQ(session.config().languageIndex, language);
        for (const Caption& entry : mainWindowCaptions())
            EXPECT_EQ(shown(entry), qs(entry.text, language)) << entry.control << " in " << language;
        for (const Caption& entry : aboutCaptions()) {
            QString text;
            ASSERT_TRUE(readCaption(window->aboutBox(), entry, &text)) << entry.control;
            EXPECT_EQ(text, qs(entry.text, language)) << entry.control;
        }
        EXPECT_EQ(window->channelWindow()->windowTitle(), language == kChinese ? "信道编辑" : "Channel Edit");
    }
    // Captions only: the band stays, and no question was asked.
    EXPECT_EQ(find<QComboBox>("Combo1")->currentIndex(), 0);
    EXPECT_TRUE(asked.empty());
}

// The status bar's date and time read in one format in both languages, the seconds included.
TEST_F(MainWindowTest, DateAndTimeReadAlikeInBothLanguages) {
    const QRegularExpression date(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QRegularExpression time(QStringLiteral("^\\d{2}:\\d{2}:\\d{2}$"));
    for (int language : {kEnglish, kChinese}) {
        setLanguage(language);
        EXPECT_TRUE(date.match(find<QLabel>("StatusBar1.Date")->text()).hasMatch())
            << find<QLabel>("StatusBar1.Date")->text().toStdString();
        EXPECT_TRUE(time.match(find<QLabel>("StatusBar1.Time")->text()).hasMatch())
            << find<QLabel>("StatusBar1.Time")->text().toStdString();
    }
}

TEST_F(MainWindowTest, CloseBoxOfAnEditorOnlyHidesItAndTheMenuBringsItBack) {
    window->show();
    session.edit(Change::everything(), [&](Configuration& c_) {
        c_.service.featureUnlock = true;
    });  // the FM command is usable only then
    struct Case {
        const char* command;
        EditorWindow* editor;
    };
    const Case cases[] = {
        {"MNModel", window->channelWindow()},   {"MNDTMF", window->dtmfWindow()},
        {"MNOption", window->featuresWindow()}, {"MNDebug", window->calibrationWindow()},
        {"MNFMset", window->fmWindow()},
    };
    for (const Case& c : cases) {
        QMdiSubWindow* sub = window->subWindowOf(c.editor);
        trigger(c.command);
        EXPECT_TRUE(sub->isVisible()) << c.command;
        EXPECT_EQ(sub->mdiArea()->activeSubWindow(), sub) << c.command;
        EXPECT_FALSE(sub->close()) << c.command;
        EXPECT_FALSE(sub->isVisible()) << c.command;
        trigger(c.command);
        EXPECT_TRUE(sub->isVisible()) << c.command;
        EXPECT_EQ(window->subWindowOf(c.editor), sub) << c.command;
    }
}

TEST_F(MainWindowTest, TransferSignalsDriveTheCommandsAndTheRedraw) {
    window->show();
    const char* commands[] = {"MNRead", "MNWrite", "TRead", "TWrite"};
    emit window->transfer().commandsEnabled(false);
    for (const char* c : commands)
        EXPECT_FALSE(find<QAction>(c)->isEnabled()) << c;
    EXPECT_TRUE(find<QAction>("MNOpen")->isEnabled());
    emit window->transfer().commandsEnabled(true);
    for (const char* c : commands)
        EXPECT_TRUE(find<QAction>(c)->isEnabled()) << c;

    // A read delivered band 3: the list follows without a question and the channel window comes up.
    window->subWindowOf(window->channelWindow())->close();
    session.edit(Change::everything(), [&](Configuration& c_) { c_.band.current = 3; });
    session.edit(Change::everything(), [&](Configuration& c_) { c_.band.listIndex = 3; });
    emit window->transfer().decoded();
    EXPECT_EQ(find<QComboBox>("Combo1")->currentIndex(), 3);
    EXPECT_TRUE(window->subWindowOf(window->channelWindow())->isVisible());
    EXPECT_TRUE(asked.empty());
}

TEST_F(MainWindowTest, AboutBoxClosesOnAClickOnItsBackground) {
    AboutBox* about = window->aboutBox();
    about->show();
    ASSERT_TRUE(about->isVisible());
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, about->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(about, &press);
    EXPECT_FALSE(about->isVisible());
}

TEST(HelpViewer, GuideOfEachLanguageShipsBesideTheProgram) {
    for (int language : {kEnglish, kChinese}) {
        QFile guide(helpDocumentPath(language));
        ASSERT_TRUE(guide.open(QIODevice::ReadOnly)) << guide.fileName().toStdString();
        const QString html = QString::fromUtf8(guide.readAll());
        EXPECT_TRUE(html.contains(language == kChinese ? "lang=\"zh-CN\"" : "lang=\"en\"")) << language;
        EXPECT_TRUE(html.contains(language == kChinese ? "选择串口" : "Choosing the port")) << language;
    }
}

}  // namespace
}  // namespace zrt
