// The main window as a user meets it with the keyboard and the mouse: every shortcut reaches its command,
// the channel table has the keyboard from the start, editor windows open where they can be seen, and names
// the radio keeps as zero bytes show as empty cells.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "app/main_window.h"
#include "app/transfer_controller.h"
#include "editors/calibration/calibration_window.h"
#include "editors/channel/channel_grid.h"
#include "editors/channel/channel_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/features/features_window.h"
#include "editors/fm/fm_window.h"
#include "platform/qt_text.h"
#include "session/session.h"
#include "ui/msgbox.h"

namespace zrt {
namespace {

class MainWindowUse : public ::testing::Test {
  protected:
    void SetUp() override {
        QApplication::setQuitOnLastWindowClosed(false);
        setMsgBoxResponder([this](const MsgBoxRequest& r) {
            asked << r.prompt;
            return answer;
        });
        window = std::make_unique<MainWindow>(session, PortNames(QStringLiteral("/nonexistent/zrt410-port")));
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->openStartPort();  // as the start does: here with the port error, which is answered
        asked.clear();
    }
    void TearDown() override {
        window.reset();
        setMsgBoxResponder({});
    }
    QAction* action(const char* name) const { return qobject_cast<QAction*>(window->control(name)); }

    Session session;
    std::unique_ptr<MainWindow> window;
    QStringList asked;
    int answer = msg::kResultCancel;
};

TEST_F(MainWindowUse, NoKeyIsClaimedTwiceAndEachReachesItsCommand) {
    // Every key of every action in the window, the child windows' own menus included. A child window's keys
    // count once: only the active child's are in force.
    std::map<QString, QStringList> owners;
    std::map<QString, bool> childKeys;
    for (const QAction* a : window->findChildren<QAction*>()) {
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
    for (const QShortcut* s : window->findChildren<QShortcut*>())
        owners[s->key().toString(QKeySequence::PortableText)] << QStringLiteral("QShortcut");
    for (const auto& [key, names] : owners)
        EXPECT_EQ(names.size(), 1) << key.toStdString() << ": "
                                   << names.join(QStringLiteral(", ")).toStdString();

    // The keys themselves, typed into the window while the channel table has the focus.
    struct Case {
        Qt::Key key;
        const char* effect;
    };
    const Case cases[] = {
        {Qt::Key_W, "write: the port is not open"},
        {Qt::Key_R, "read: the port is not open"},
        {Qt::Key_N, "new: the question"},
    };
    for (const Case& c : cases) {
        asked.clear();
        QTest::keyClick(QApplication::focusWidget(), c.key, Qt::ControlModifier);
        EXPECT_EQ(asked.size(), 1) << c.effect;
    }
    asked.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(window->subWindowOf(window->featuresWindow())->isVisible());
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(MainWindowUse, TheChannelTableInViewHasTheKeyboard) {
    ChannelWindow* channels = window->channelWindow();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), channels->grid(1))
        << QApplication::focusWidget()->metaObject()->className() << " "
        << QApplication::focusWidget()->objectName().toStdString();
    // Enter opens the editor of the current cell; the window needs no mouse to start with.
    QTest::keyClick(channels->grid(1), Qt::Key_Return);
    auto* editor = channels->findChild<QLineEdit*>(QStringLiteral("Text1"));
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), editor);
    QTest::keyClicks(editor, QStringLiteral("145.5"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(session.config().channels[0].rxFrequency, "145.50000");
    EXPECT_EQ(QApplication::focusWidget(), channels->grid(1));

    // Escape leaves a cell as it was, from a text box and from a list alike.
    QTest::keyClick(channels->grid(1), Qt::Key_Return);
    QTest::keyClicks(editor, QStringLiteral("150"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(session.config().channels[0].rxFrequency, "145.50000");
    EXPECT_EQ(channels->grid(1)->item(0, 1)->text().toStdString(), "145.50000");
    EXPECT_TRUE(asked.isEmpty());  // 150 was never committed, so no out-of-band message
    channels->grid(1)->setCurrentCell(0, 5);
    QTest::keyClick(channels->grid(1), Qt::Key_Return);
    auto* power = channels->findChild<QComboBox*>(QStringLiteral("Combo5_5"));
    ASSERT_TRUE(power && power->isVisible());
    power->hidePopup();
    QTest::keyClick(power, Qt::Key_Escape);
    EXPECT_FALSE(power->isVisible());
    EXPECT_EQ(session.config().channels[0].power, 1);
    EXPECT_EQ(QApplication::focusWidget(), channels->grid(1));

    // Group B's table takes over once its tab is chosen, also when the window is activated again.
    channels->findChild<QTabBar*>(QStringLiteral("TabStrip1"))->setCurrentIndex(1);
    action("MNDTMF")->trigger();
    action("MNModel")->trigger();
    EXPECT_EQ(QApplication::focusWidget(), channels->grid(2));
}

TEST_F(MainWindowUse, EditorWindowsOpenWhollyInView) {
    session.edit(Change::everything(), [&](Configuration& c_) { c_.service.featureUnlock = true; });
    auto* area = qobject_cast<QMdiArea*>(window->centralWidget());
    ASSERT_NE(area, nullptr);
    for (const char* command : {"MNOption", "MNDebug", "MNFMset", "MNDTMF", "MNModel"}) {
        action(command)->trigger();
        QMdiSubWindow* sub = area->activeSubWindow();
        ASSERT_NE(sub, nullptr) << command;
        // Each window keeps the size its content needs.
        EXPECT_GE(sub->widget()->width(), sub->widget()->minimumSizeHint().width()) << command;
        EXPECT_GE(sub->widget()->height(), sub->widget()->minimumSizeHint().height()) << command;
        // Dragged mostly out of the area and closed, it comes back whole.
        const QRect view = area->viewport()->rect();
        sub->move(view.width() - 40, view.height() - 20);
        sub->close();
        action(command)->trigger();
        ASSERT_EQ(area->activeSubWindow(), sub) << command;
        if (sub->width() <= view.width() && sub->height() <= view.height()) {
            EXPECT_TRUE(view.contains(sub->geometry())) << command;
        }
        EXPECT_GE(sub->x(), 0) << command;
        EXPECT_GE(sub->y(), 0) << command;
    }
}

TEST_F(MainWindowUse, NamesOfZeroBytesShowEmptyAndGoBackUnchanged) {
    struct Case {
        std::string stored;
        const char* shown;
    };
    const Case cases[] = {
        {std::string(8, '\0'), ""},
        {"CALL", "CALL"},
        {std::string("AB\0\0\0\0\0\0", 8), "AB"},
    };
    for (const Case& c : cases) {
        session.edit(Change::channels(1, 1), [&](Configuration& config) {
            config.channels[0].rxFrequency = config.channels[0].txFrequency = "145.50000";
            config.channels[0].name = c.stored;
        });
        window->channelWindow()->refresh();
        EXPECT_EQ(window->channelWindow()->grid(1)->item(0, 11)->text().toStdString(), c.shown);
        session.encode();
        std::string bytes;
        for (int i = 0; i < 8; ++i)
            bytes += static_cast<char>(session.imageOut()[0x800 + i]);
        Session fresh;
        fresh.edit(Change::everything(), [&](Configuration& c_) { c_.channels[0].name = c.stored; });
        fresh.encode();
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(session.imageOut()[0x800 + i], fresh.imageOut()[0x800 + i]) << i;
    }
}

}  // namespace
}  // namespace zrt

namespace zrt {
namespace {

TEST_F(MainWindowUse, HelpShowsTheGuideOfTheLanguageInTheProgram) {
    struct Case {
        const char* command;
        const char* folder;
        const char* title;
    };
    const Case cases[] = {
        {"MNEnglish", "/help/en/index.html", "ZR-T410 Radio Programming Software – User's Guide"},
        {"MNChinese", "/help/zh/index.html", "ZR-T410 对讲机编程软件 – 使用说明"},
        {"MNEnglish", "/help/en/index.html", "ZR-T410 Radio Programming Software – User's Guide"},
    };
    for (const Case& c : cases) {
        action(c.command)->trigger();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        auto* help = window->findChild<QDialog*>(QStringLiteral("HelpWindow"));
        ASSERT_NE(help, nullptr) << c.command;
        EXPECT_TRUE(help->isVisible()) << c.command;
        auto* text = help->findChild<QTextBrowser*>();
        ASSERT_NE(text, nullptr);
        EXPECT_TRUE(text->source().toLocalFile().endsWith(QLatin1String(c.folder))) << c.command;
        EXPECT_EQ(help->windowTitle().toStdString(), c.title);
        EXPECT_TRUE(text->toPlainText().contains(QLatin1String("Ctrl+R"))) << c.command;
        EXPECT_EQ(window->findChildren<QDialog*>(QStringLiteral("HelpWindow")).size(), 1);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    EXPECT_TRUE(asked.isEmpty());
}

}  // namespace
}  // namespace zrt

namespace zrt {
namespace {

// A cell editor left open while the configuration is replaced must not write its old text into the new one.
TEST_F(MainWindowUse, AnEditorOpenWhenTheConfigurationIsReplacedIsDropped) {
    struct Case {
        const char* name;
        std::function<void(MainWindow&, Session&)> replace;
    };
    const Case cases[] = {
        {"New", [](MainWindow& w, Session&) { qobject_cast<QAction*>(w.control("MNNew"))->trigger(); }},
        {"band change",
         [](MainWindow& w, Session&) {
             auto* band = qobject_cast<QComboBox*>(w.control("Combo1"));
             band->setCurrentIndex(1);
             emit band->activated(1);
         }},
        {"a read or an open",
         [](MainWindow& w, Session& s) {
             s.edit(Change::everything(), [&](Configuration& c_) {
                 c_.channels[0].rxFrequency = c_.channels[0].txFrequency = "150.00000";
             });
             emit w.transfer().decoded();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        answer = msg::kResultOk;
        ChannelWindow* channels = window->channelWindow();
        channels->grid(1)->setFocus();
        channels->grid(1)->setCurrentCell(0, 1);
        QTest::keyClick(channels->grid(1), Qt::Key_Return);
        auto* editor = channels->findChild<QLineEdit*>(QStringLiteral("Text1"));
        ASSERT_TRUE(editor->isVisible());
        editor->setText(QStringLiteral("146"));

        c.replace(*window, session);
        EXPECT_FALSE(editor->isVisible());
        const std::string after = session.config().channels[0].rxFrequency;
        EXPECT_NE(after, "146.00000");
        // Whatever takes the focus next, the dropped text stays out.
        channels->grid(1)->setFocus();
        editor->setFocus();
        channels->grid(1)->setFocus();
        EXPECT_EQ(session.config().channels[0].rxFrequency, after);
        EXPECT_EQ(channels->grid(1)->item(0, 1)->text().toStdString(), after);
    }
}

}  // namespace
}  // namespace zrt

namespace zrt {
namespace {

// Closes the next modal dialog as soon as it shows (the file dialog of Save or Export).
void closeNextDialog() {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->close();
            poll->deleteLater();
        }
    });
    poll->start(10);
}

// A value still being typed is written as its box shows it after its own check, whichever command takes it:
// the command's dialog or progress window taking the focus must not skip the check. Boxes the user did not
// enter are not checked.
TEST_F(MainWindowUse, CommandsRunTheCheckOfTheBoxBeingTypedIn) {
    struct Command {
        const char* name;
        std::function<void()> run;
    };
    const Command commands[] = {
        {"Save",
         [&] {
             closeNextDialog();
             action("MNSave")->trigger();
         }},
        {"Export",
         [&] {
             closeNextDialog();
             action("MNExport")->trigger();
         }},
        {"Read or Write", [&] { emit window->transfer().aboutToStart(); }},
    };
    struct Box {
        EditorWindow* editor;
        const char* name;
        int page;  // of the features window
        const char* typed;
        const char* checked;
        const std::string* value;
    };
    const Configuration& c = session.config();
    const Box boxes[] = {
        {window->featuresWindow(), "Text20", 2, "145.12", "145.12000", &c.features.vfoAFrequency},
        {window->featuresWindow(), "Text6", 1, "007", "7", &c.features.aChannelNumber},
        {window->fmWindow(), "Text2", 0, "98.17", "98.15", &c.fmWindow.vfo},
    };
    for (const Command& command : commands) {
        for (const Box& b : boxes) {
            SCOPED_TRACE(std::string(command.name) + " " + b.name);
            session.edit(Change::everything(), [&](Configuration& c_) {
                c_.features.vfoBFrequency = "250.00000";
            });  // outside band 0, never entered
            window->featuresWindow()->refresh();
            QMdiSubWindow* sub = window->subWindowOf(b.editor);
            sub->show();
            sub->mdiArea()->setActiveSubWindow(sub);
            if (b.page) window->featuresWindow()->showPage(b.page);
            auto* box = b.editor->findChild<QLineEdit*>(QString::fromLatin1(b.name));
            box->setFocus(Qt::MouseFocusReason);
            box->selectAll();
            QTest::keyClicks(box, QString::fromLatin1(b.typed));
            ASSERT_EQ(QApplication::focusWidget(), box);
            command.run();
            EXPECT_EQ(box->text().toStdString(), b.checked);
            EXPECT_EQ(*b.value, b.checked);
            EXPECT_EQ(session.config().features.vfoBFrequency, "250.00000");
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        }
    }
}

}  // namespace
}  // namespace zrt
