// The main window as a user meets it: the band question, the port error, the service buttons, the editor
// windows, the keys, and commands that must first take the value still being typed.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>
#include <functional>
#include <map>

#include "app/transfer_controller.h"
#include "config/service_gestures.h"
#include "editors/channel/channel_grid.h"
#include "editors/channel/channel_window.h"
#include "editors/features/features_window.h"
#include "editors/fm/fm_window.h"
#include "platform/radio_port.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

using namespace ui_test;

class MainWindowTest : public WindowTest {
  protected:
    // The window on screen with the keyboard, after the start's port error was answered.
    void showActive() {
        main().show();
        main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
        main().openStartPort();
        asked.clear();
        answer = msg::kResultCancel;
    }
};

TEST_F(MainWindowTest, BandQuestionAppliesTheLimitsEitherWayAndClearsOnlyOnOk) {
    struct Case {
        int language, answer, band;
        bool asks, cleared;
    };
    const Case cases[] = {
        {kEnglish, msg::kResultCancel, 2, true, false},
        {kChinese, msg::kResultOk, 2, true, true},
        {kEnglish, msg::kResultOk, 0, false, false},  // the same band: nothing asked, nothing changed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language * 100 + c.answer * 10 + c.band);
        restart();
        setLanguage(c.language);
        edit([](Configuration& config) {
            config.channels[0].rxFrequency = "145.00000";
            config.channels[127].rxFrequency = "435.00000";
            config.features.vfoAFrequency = "150.12500";
        });
        answer = c.answer;
        choose(control<QComboBox>("Combo1"), c.band);
        if (c.asks) {
            EXPECT_TRUE(askedOnly(msg::kBandChangeQuestion, c.language));
        }
        EXPECT_TRUE(asked.empty());
        const Configuration& config = session.config();
        EXPECT_EQ(config.band.current, c.band);
        EXPECT_EQ(config.band.limits.bHigh, kBands[c.band].limits.bHigh);
        EXPECT_EQ(config.features.vfoAFrequency, c.asks ? kBands[c.band].vfoA : "150.12500");
        EXPECT_EQ(config.features[FeatureList::VfoBBandwidth], kBands[c.band].vfoBandWidth);
        EXPECT_EQ(config.channels.isEmpty(1), c.cleared);
        EXPECT_EQ(config.channels.isEmpty(128), c.cleared);
    }
}

TEST_F(MainWindowTest, PortThatCannotBeOpenedLeavesNoSelectionAndItsListShowsDevices) {
    setLanguage(kChinese);
    main().openStartPort();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, qs(msg::kPortErrorTitle, kChinese));
    EXPECT_EQ(asked[0].prompt,
              qs(msg::kPortErrorPrefix, kChinese) + "1" + qs(msg::kPortErrorSuffix, kChinese));
    EXPECT_EQ(asked[0].style, msg::kStyleExclamation);
    EXPECT_EQ(control<QComboBox>("ComboCom")->currentIndex(), -1);
    EXPECT_EQ(control<QLabel>("StatusBar1.Port")->text(), "COM: ");
    EXPECT_FALSE(main().port().isOpen());
    main().show();
    trigger("MNCommPort");
    auto* ports = control<QComboBox>("ComboCom");
    EXPECT_TRUE(ports->isVisible());
    ports->hidePopup();
}

// The timing is the configuration's; here, each button ends its own mode only, and hides.
TEST_F(MainWindowTest, HiddenButtonEndsItsModeOnTwoClicksWithinASecond) {
    std::int64_t now = 10'000;
    main().setClock([&now] { return now; });
    edit([](Configuration& config) {
        config.service = {true, true, true};
        config.calib.unlocked = true;
    });
    const std::pair<const char*, ServiceMode> cases[] = {
        {"TAnMa", ServiceMode::CrossBandWrite},
        {"TDebug", ServiceMode::CalibWrite},
        {"TFMMa", ServiceMode::FeatureUnlock},
    };
    for (const auto& [name, mode] : cases) {
        SCOPED_TRACE(name);
        QAction* button = control(name);
        EXPECT_TRUE(button->isVisible());  // the modes ended before left this one alone
        button->trigger();
        now += 500;
        button->trigger();
        now += 5000;
        EXPECT_FALSE(button->isVisible());
        EXPECT_FALSE(serviceFlag(session.config().service, mode));
        EXPECT_EQ(session.config().calib.unlocked, mode == ServiceMode::CrossBandWrite);
    }
    // Ending the feature unlock clears its flag and hides its button, nothing more: the FM command stays.
    EXPECT_TRUE(control("MNFMset")->isEnabled());
}

TEST_F(MainWindowTest, QuitAsksEveryTimeAndCancelKeepsTheWindow) {
    main().show();
    for (int time = 0; time < 2; ++time) {
        answer = msg::kResultCancel;
        EXPECT_FALSE(main().close());
        EXPECT_TRUE(main().isVisible());
        EXPECT_TRUE(askedOnly(msg::kQuitQuestion, kEnglish));
    }
    answer = msg::kResultOk;
    EXPECT_TRUE(main().close());
    EXPECT_FALSE(main().isVisible());
}

TEST_F(MainWindowTest, TransferSignalsDriveTheCommandsAndTheRedraw) {
    main().show();
    for (bool enabled : {false, true}) {
        emit main().transfer().commandsEnabled(enabled);
        for (const char* c : {"MNRead", "MNWrite", "TRead", "TWrite"})
            EXPECT_EQ(control(c)->isEnabled(), enabled) << c;
    }
    // A read delivered band 3: the list follows without a question.
    edit([](Configuration& config) { config.band.current = config.band.listIndex = 3; });
    emit main().transfer().decoded();
    EXPECT_EQ(control<QComboBox>("Combo1")->currentIndex(), 3);
    EXPECT_TRUE(asked.empty());
}

// Each command brings its window up active; the close box only hides it, and a window dragged mostly out of
// the area comes back whole.
TEST_F(MainWindowTest, EditorWindowsOpenWhollyInViewAndTheCloseBoxOnlyHides) {
    showActive();
    edit([](Configuration& config) { config.service.featureUnlock = true; });  // the FM command needs it
    auto* area = qobject_cast<QMdiArea*>(main().centralWidget());
    ASSERT_NE(area, nullptr);
    for (const char* command : {"MNOption", "MNDebug", "MNFMset", "MNDTMF", "MNModel"}) {
        SCOPED_TRACE(command);
        trigger(command);
        QMdiSubWindow* sub = area->activeSubWindow();
        ASSERT_NE(sub, nullptr);
        EXPECT_TRUE(sub->isVisible());
        const QRect view = area->viewport()->rect();
        sub->move(view.width() - 40, view.height() - 20);
        EXPECT_FALSE(sub->close());
        EXPECT_FALSE(sub->isVisible());
        trigger(command);
        ASSERT_EQ(area->activeSubWindow(), sub);
        const bool fits = sub->width() <= view.width() && sub->height() <= view.height();
        EXPECT_TRUE(sub->x() >= 0 && sub->y() >= 0 && (!fits || view.contains(sub->geometry())));
    }
}

TEST_F(MainWindowTest, NoKeyIsClaimedTwiceAndEachReachesItsCommand) {
    showActive();
    // Every key of every action in the window, the child windows' own menus included. A child window's keys
    // count once: only the active child's are in force.
    std::map<QString, QStringList> owners;
    std::map<QString, bool> childKeys;
    for (const QAction* a : main().findChildren<QAction*>()) {
        bool child = false;
        for (const QObject* p = a->parent(); p && !child; p = p->parent())
            child = qobject_cast<const QMdiSubWindow*>(p) != nullptr;
        for (const QKeySequence& k : a->shortcuts()) {
            const QString key = k.toString(QKeySequence::PortableText);
            if (!child)
                owners[key] << a->objectName();
            else if (!std::exchange(childKeys[key], true))
                owners[key] << QStringLiteral("child window: ") + a->text();
        }
    }
    for (const QShortcut* s : main().findChildren<QShortcut*>())
        owners[s->key().toString(QKeySequence::PortableText)] << QStringLiteral("QShortcut");
    for (const auto& [key, names] : owners)
        EXPECT_EQ(names.size(), 1) << key.toStdString() << ": " << names.join(", ").toStdString();

    // The keys themselves, typed while the channel table has the focus: write and read meet the closed port,
    // New asks first (and keeps the channels on Cancel), Ctrl+P opens the features.
    edit([](Configuration& c) { c.channels[0].rxFrequency = c.channels[0].txFrequency = "145.50000"; });
    for (Qt::Key k : {Qt::Key_W, Qt::Key_R, Qt::Key_N}) {
        asked.clear();
        QTest::keyClick(QApplication::focusWidget(), k, Qt::ControlModifier);
        EXPECT_EQ(asked.size(), 1u) << k;
    }
    EXPECT_FALSE(session.config().channels.isEmpty(1));
    asked.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(main().subWindowOf(main().featuresWindow())->isVisible());
    EXPECT_TRUE(asked.empty());
}

// The channel table in view has the keyboard. A cell editor left by Escape, or open while the configuration
// is replaced, must not write its old text into the configuration.
TEST_F(MainWindowTest, AnEditorOpenWhenTheConfigurationIsReplacedIsDropped) {
    showActive();
    answer = msg::kResultOk;
    ChannelGrid* grid = main().channelWindow()->grid(1);
    auto* editor = child<QLineEdit>(main().channelWindow(), "Text1");
    EXPECT_EQ(QApplication::focusWidget(), grid);
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"Escape", [&] { QTest::keyClick(editor, Qt::Key_Escape); }},
        {"New", [&] { trigger("MNNew"); }},
        {"band change", [&] { choose(control<QComboBox>("Combo1"), 1); }},
        {"a read or an open",
         [&] {
             edit([](Configuration& c) {
                 c.channels[0].rxFrequency = c.channels[0].txFrequency = "150.00000";
             });
             emit main().transfer().decoded();
         }},
    };
    for (const auto& [name, replace] : cases) {
        SCOPED_TRACE(name);
        grid->setFocus();
        grid->setCurrentCell(0, 1);
        QTest::keyClick(grid, Qt::Key_Return);
        ASSERT_TRUE(editor->isVisible());
        editor->setText(QStringLiteral("146"));
        replace();
        EXPECT_FALSE(editor->isVisible());
        const std::string after = session.config().channels[0].rxFrequency;
        EXPECT_NE(after, "146.00000");
        // Whatever takes the focus next, the dropped text stays out.
        grid->setFocus();
        editor->setFocus();
        grid->setFocus();
        EXPECT_EQ(session.config().channels[0].rxFrequency, after);
        EXPECT_EQ(cell(grid, 0, 1).toStdString(), after);
    }
    // Group B's table takes over once its tab is chosen, also when the window is activated again.
    child<QTabBar>(main().channelWindow(), "TabStrip1")->setCurrentIndex(1);
    trigger("MNDTMF");
    trigger("MNModel");
    EXPECT_EQ(QApplication::focusWidget(), main().channelWindow()->grid(2));
}

// A value still being typed is written as its box shows it after its own check, whichever command takes it:
// the command's dialog or progress window taking the focus must not skip the check. Boxes the user did not
// enter are not checked.
TEST_F(MainWindowTest, CommandsRunTheCheckOfTheBoxBeingTypedIn) {
    showActive();
    // Closes the file dialog of Save or Export as soon as it shows.
    auto closeNextDialog = [] {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, poll, [poll] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                dialog->close();
                poll->deleteLater();
            }
        });
        poll->start(10);
    };
    // Every command reaches the same commit, so each meets one kind of box.
    struct Case {
        const char* command;  // none: the start of a read or a write
        EditorWindow* editor;
        const char* name;
        int page;  // of the features window
        const char* typed;
        const char* checked;
        const std::string* value;
    };
    const Configuration& c = session.config();
    const Case cases[] = {
        {"MNSave", main().featuresWindow(), "Text20", 2, "145.12", "145.12000", &c.features.vfoAFrequency},
        {"MNExport", main().featuresWindow(), "Text6", 1, "007", "7", &c.features.aChannelNumber},
        {nullptr, main().fmWindow(), "Text2", 0, "98.17", "98.15", &c.fmWindow.vfo},
    };
    for (const Case& b : cases) {
        SCOPED_TRACE(b.name);
        edit([](Configuration& config) { config.features.vfoBFrequency = "250.00000"; });  // never entered
        QMdiSubWindow* sub = main().subWindowOf(b.editor);
        sub->show();
        sub->mdiArea()->setActiveSubWindow(sub);
        if (b.page) main().featuresWindow()->showPage(b.page);
        auto* box = child<QLineEdit>(b.editor, b.name);
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(b.typed));
        ASSERT_EQ(QApplication::focusWidget(), box);
        if (b.command) {
            closeNextDialog();
            trigger(b.command);
        } else {
            emit main().transfer().aboutToStart();
        }
        EXPECT_EQ(box->text().toStdString(), b.checked);
        EXPECT_EQ(*b.value, b.checked);
        EXPECT_EQ(session.config().features.vfoBFrequency, "250.00000");
        main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    }
}

}  // namespace
}  // namespace zrt
