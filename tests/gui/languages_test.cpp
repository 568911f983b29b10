// Every caption and item text of every window, in both languages, through a run of language switches of the
// real main window: every entry of the caption tables reaches its control and shows its text, and everything
// a window shows that no table names reads the same in both languages. Positions, selections, values and
// visibility must not move with the language.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/undo_history.h"
#include "editors/calibration/calibration_window.h"
#include "editors/channel/channel_grid.h"
#include "editors/channel/channel_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/features/features_window.h"
#include "editors/fm/fm_window.h"
#include "i18n/about_captions.h"
#include "i18n/calibration_captions.h"
#include "i18n/channel_captions.h"
#include "i18n/dtmf_captions.h"
#include "i18n/edit_captions.h"
#include "i18n/features_captions.h"
#include "i18n/fm_captions.h"
#include "i18n/main_window_captions.h"
#include "image/tone_list.h"
#include "platform/qt_text.h"
#include "session/session.h"
#include "ui/msgbox.h"

namespace zrt {
namespace {

// ---------------------------------------------------------------------------------------------
// What the windows show, as "window|control|property|index" -> text.

using Shown = std::map<QString, QString>;

QString key(const QString& window, const QString& control, const char* prop, int index = 0) {
    return window + '|' + control + '|' + QLatin1String(prop) + '|' + QString::number(index);
}

// A name for a control without an object name: its parent's name, its class and its place among its siblings.
QString nameOf(const QObject* o) {
    if (!o->objectName().isEmpty()) return o->objectName();
    const QObject* parent = o->parent();
    const int place = parent ? static_cast<int>(parent->children().indexOf(const_cast<QObject*>(o))) : 0;
    return (parent ? nameOf(parent) : QString()) + '/' + QLatin1String(o->metaObject()->className()) + '#' +
           QString::number(place);
}

// The texts of one window: titles, labels, buttons, frames, tabs, list items, grid headers, actions, tool
// tips. Cell contents and box contents are values, not captions, and are left to the value snapshot.
void collect(const QString& window, QObject* root, Shown& out, bool withTitle) {
    auto put = [&](const QObject* o, const char* prop, int index, const QString& text) {
        if (!text.isEmpty()) out[key(window, nameOf(o), prop, index)] = text;
    };
    if (auto* w = qobject_cast<QWidget*>(root); w && withTitle)
        out[key(window, {}, "title")] = w->windowTitle();
    QList<QObject*> objects = root->findChildren<QObject*>();
    objects.prepend(root);
    for (QObject* o : objects) {
        if (auto* w = qobject_cast<QWidget*>(o); w && o != root) {
            // A toolbar's buttons show their actions' tips, which are collected with the actions.
            auto* button = qobject_cast<QToolButton*>(o);
            if (!button || !button->defaultAction()) put(o, "tip", 0, w->toolTip());
            if (w->isWindow() && !qobject_cast<QMenu*>(w)) put(o, "title", 0, w->windowTitle());
        }
        if (auto* l = qobject_cast<QLabel*>(o)) put(o, "text", 0, l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(o)) put(o, "text", 0, b->text());
        if (auto* g = qobject_cast<QGroupBox*>(o)) put(o, "title", 0, g->title());
        if (auto* m = qobject_cast<QMenu*>(o)) put(o, "title", 0, m->title());
        if (auto* c = qobject_cast<QComboBox*>(o))
            for (int i = 0; i < c->count(); ++i)
                put(o, "item", i, c->itemText(i));
        if (auto* t = qobject_cast<QTabWidget*>(o))
            for (int i = 0; i < t->count(); ++i)
                put(o, "tab", i, t->tabText(i));
        if (auto* t = qobject_cast<QTabBar*>(o); t && !qobject_cast<QTabWidget*>(t->parent()))
            for (int i = 0; i < t->count(); ++i)
                put(o, "tab", i, t->tabText(i));
        if (auto* t = qobject_cast<QTableWidget*>(o))
            for (int i = 0; i < t->columnCount(); ++i)
                if (QTableWidgetItem* h = t->horizontalHeaderItem(i)) put(o, "header", i, h->text());
        if (auto* a = qobject_cast<QAction*>(o); a && !a->isSeparator() && !a->objectName().isEmpty()) {
            put(o, "text", 0, a->text());
            // A tool tip of its own only on the toolbar; a menu item's tip is its text.
            if (qobject_cast<QToolBar*>(a->parent())) put(o, "tip", 0, a->toolTip());
        }
    }
}

// Values that a language switch must leave alone: list positions, typed texts, tabs, grid cursor, sliders,
// check boxes, visibility.
Shown values(const QString& window, QObject* root) {
    Shown out;
    auto put = [&](const QObject* o, const char* what, const QString& v) {
        out[key(window, nameOf(o), what)] = v;
    };
    QList<QObject*> objects = root->findChildren<QObject*>();
    objects.prepend(root);
    for (QObject* o : objects) {
        if (auto* w = qobject_cast<QWidget*>(o))
            put(o, "visible", w->isVisibleTo(qobject_cast<QWidget*>(root)) ? "1" : "0");
        if (auto* c = qobject_cast<QComboBox*>(o)) {
            put(o, "position", QString::number(c->currentIndex()));
            put(o, "count", QString::number(c->count()));
            if (c->isEditable() && c->currentIndex() < 0) put(o, "typed", c->currentText());
        }
        if (auto* e = qobject_cast<QLineEdit*>(o); e && !qobject_cast<QComboBox*>(e->parent()))
            put(o, "text", e->text());
        if (auto* t = qobject_cast<QTabBar*>(o)) put(o, "tab", QString::number(t->currentIndex()));
        if (auto* s = qobject_cast<QSlider*>(o)) put(o, "value", QString::number(s->value()));
        if (auto* b = qobject_cast<QCheckBox*>(o)) put(o, "checked", b->isChecked() ? "1" : "0");
        if (auto* t = qobject_cast<QTableWidget*>(o))
            put(o, "cursor", QStringLiteral("%1,%2").arg(t->currentRow()).arg(t->currentColumn()));
    }
    return out;
}

// ---------------------------------------------------------------------------------------------

class Languages : public ::testing::Test {
  protected:
    void SetUp() override {
        QApplication::setQuitOnLastWindowClosed(false);
        setMsgBoxResponder([](const MsgBoxRequest&) { return msg::kResultOk; });
        window = std::make_unique<MainWindow>(session, PortNames(QStringLiteral("/nonexistent/zrt410-port")));
    }
    void TearDown() override {
        window.reset();
        setMsgBoxResponder({});
    }

    std::vector<std::pair<QString, QWidget*>> editors() const {
        return {{"channel", window->channelWindow()},
                {"dtmf", window->dtmfWindow()},
                {"features", window->featuresWindow()},
                {"calibration", window->calibrationWindow()},
                {"fm", window->fmWindow()},
                {"about", window->aboutBox()}};
    }

    Shown texts() const {
        Shown out;
        out[key("main", {}, "title")] = window->windowTitle();
        for (QWidget* bar : {static_cast<QWidget*>(window->menuBar()),
                             static_cast<QWidget*>(window->findChild<QToolBar*>(QStringLiteral("TopBar"))),
                             static_cast<QWidget*>(window->statusBar())})
            collect(QStringLiteral("main"), bar, out, false);
        for (const auto& [name, w] : editors())
            collect(name, w, out, true);
        // The date and time panels follow the computer's calendar, not a caption.
        for (const char* panel : {"StatusBar1.Date", "StatusBar1.Time"})
            out.erase(key("main", QLatin1String(panel), "text"));
        return out;
    }

    Shown allValues() const {
        Shown out = values(QStringLiteral("main"), window->findChild<QToolBar*>(QStringLiteral("TopBar")));
        for (const auto& [name, w] : editors())
            out.merge(values(name, w));
        out[QStringLiteral("features|page")] = QString::number(window->featuresWindow()->page());
        return out;
    }

    // Every caption table with the window it captions; the main window's entries name controls anywhere in
    // it.
    std::vector<std::tuple<QString, QObject*, std::span<const Caption>>> tables() const {
        return {{"main", window.get(), mainWindowCaptions()},
                {"channel", window->channelWindow(), channelWindowCaptions()},
                {"channel", window->channelWindow(), channelCommandCaptions()},
                {"dtmf", window->dtmfWindow(), dtmfCaptions()},
                {"features", window->featuresWindow(), featuresCaptions()},
                {"calibration", window->calibrationWindow(), calibrationCaptions()},
                {"fm", window->fmWindow(), fmCaptions()},
                {"about", window->aboutBox(), aboutCaptions()}};
    }

    QObject* controlOf(const QString& name, QObject* root, const Caption& c) const {
        if (c.control.empty()) return root;
        if (name == QLatin1String("main")) return window->control(c.control);
        return root->findChild<QObject*>(QString::fromUtf8(c.control.data(), qsizetype(c.control.size())));
    }

    // The key under which collect() files what a table entry captions.
    static QString keyOf(const QString& name, const Caption& c) {
        static const std::map<CaptionProp, const char*> props = {
            {CaptionProp::WindowTitle, "title"}, {CaptionProp::Text, "text"}, {CaptionProp::Title, "title"},
            {CaptionProp::ToolTip, "tip"},       {CaptionProp::Item, "item"}, {CaptionProp::Tab, "tab"},
            {CaptionProp::Header, "header"}};
        return key(name, QString::fromUtf8(c.control.data(), qsizetype(c.control.size())), props.at(c.prop),
                   c.index);
    }

    void setLanguage(int language) {
        const char* command = language == kChinese ? "MNChinese" : "MNEnglish";
        auto* a = qobject_cast<QAction*>(window->control(command));
        ASSERT_NE(a, nullptr);
        a->trigger();
    }

    Session session;
    std::unique_ptr<MainWindow> window;
};

TEST_F(Languages, EveryTextOfEveryWindowThroughFourSwitches) {
    // Selections away from the defaults, so that a switch that resets one shows.
    auto* features = window->featuresWindow();
    features->findChild<QComboBox*>(QStringLiteral("Combo19"))->setCurrentIndex(3);
    features->findChild<QComboBox*>(QStringLiteral("Combo35"))->setCurrentIndex(5);
    features->findChild<QComboBox*>(QStringLiteral("Combo33"))->setCurrentIndex(0);
    features->findChild<QComboBox*>(QStringLiteral("Combo22"))->setCurrentIndex(0);
    features->findChild<QComboBox*>(QStringLiteral("Combo46"))->setCurrentIndex(60);
    features->findChild<QLineEdit*>(QStringLiteral("Text31"))->setText(QStringLiteral("AB1"));
    features->showPage(2);
    window->dtmfWindow()->findChild<QComboBox*>(QStringLiteral("Combo17"))->setCurrentIndex(2);
    window->dtmfWindow()->findChild<QComboBox*>(QStringLiteral("Combo16"))->setCurrentIndex(1);
    window->calibrationWindow()->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
    window->fmWindow()->findChild<QComboBox*>(QStringLiteral("Combo1_1"))->setCurrentIndex(0);
    window->channelWindow()->findChild<QTabBar*>(QStringLiteral("TabStrip1"))->setCurrentIndex(1);
    window->channelWindow()->grid(2)->setCurrentCell(4, 5);
    window->history().stack().clear();  // those edits are no unsaved changes: the title has no "*"
    const Shown valuesBefore = allValues();

    const Shown atStart = texts();
    struct Step {
        const char* name;
        int language;  // -1: the state at start, before any switch
    };
    const Step steps[] = {{"start", -1},
                          {"to Chinese", kChinese},
                          {"to English", kEnglish},
                          {"to Chinese again", kChinese},
                          {"to English again", kEnglish}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.language >= 0) setLanguage(step.language);
        const int language = step.language < 0 ? kEnglish : step.language;
        EXPECT_EQ(session.config().languageIndex, language);
        Shown now = texts();

        for (const auto& [name, root, table] : tables()) {
            for (const Caption& c : table) {
                QObject* control = controlOf(name, root, c);
                ASSERT_NE(control, nullptr) << name.toStdString() << " " << c.control;
                Caption onControl = c;
                onControl.control = {};
                QString shown;
                ASSERT_TRUE(readCaption(control, onControl, &shown)) << c.control << " " << c.index;
                EXPECT_EQ(shown, qs(c.text, language)) << c.control << " " << c.index;
                now.erase(keyOf(name, c));
            }
        }
        // The channel window's tone list takes its Off item from the tone list itself.
        EXPECT_EQ(now[key("channel", "Combo1", "item", 0)].toStdString(), toneListItem(0, language));
        now.erase(key("channel", "Combo1", "item", 0));
        // Whatever is left is not a caption of either language: it reads as it did at start.
        for (const auto& [k, text] : now) {
            const auto it = atStart.find(k);
            ASSERT_TRUE(it != atStart.end()) << "new text " << k.toStdString();
            EXPECT_EQ(text.toStdString(), it->second.toStdString())
                << k.toStdString() << " follows the language but is not a caption";
        }

        // Each editor window's frame carries its title.
        for (EditorWindow* editor :
             std::initializer_list<EditorWindow*>{window->channelWindow(), window->dtmfWindow(), features,
                                                  window->calibrationWindow(), window->fmWindow()})
            EXPECT_EQ(window->subWindowOf(editor)->windowTitle().toStdString(),
                      editor->windowTitle().toStdString());

        const Shown valuesNow = allValues();
        for (const auto& [k, v] : valuesBefore) {
            const auto it = valuesNow.find(k);
            ASSERT_TRUE(it != valuesNow.end()) << k.toStdString();
            EXPECT_EQ(it->second.toStdString(), v.toStdString()) << k.toStdString();
        }
    }
}

TEST_F(Languages, EditorWindowsAreLoadedWithFilledListsBeforeAnyIsOpened) {
    struct Case {
        QWidget* (*window)(const MainWindow&);
        const char* list;
        int count;
        int position;
        const char* shown;
    };
    const Case cases[] = {
        {[](const MainWindow& w) -> QWidget* { return w.featuresWindow(); }, "Combo19", 8, 1, "1 Minute"},
        {[](const MainWindow& w) -> QWidget* { return w.featuresWindow(); }, "Combo35", 16, 0, "Off"},
        {[](const MainWindow& w) -> QWidget* { return w.featuresWindow(); }, "Combo5", 10, 4, "4"},
        {[](const MainWindow& w) -> QWidget* { return w.featuresWindow(); }, "Combo14", 8, 3, "4"},
        {[](const MainWindow& w) -> QWidget* { return w.featuresWindow(); }, "Combo15", 4, 0, "1"},
        {[](const MainWindow& w) -> QWidget* { return w.featuresWindow(); }, "Combo22", 265, 0, "Off"},
        {[](const MainWindow& w) -> QWidget* { return w.featuresWindow(); }, "Combo4", 6, 4, "TONE4"},
        {[](const MainWindow& w) -> QWidget* { return w.dtmfWindow(); }, "Combo17", 10, 6, "1200MS"},
        {[](const MainWindow& w) -> QWidget* { return w.dtmfWindow(); }, "Combo18", 7, 0, "Empty"},
        {[](const MainWindow& w) -> QWidget* { return w.dtmfWindow(); }, "Combo16", 2, 0, "Fast"},
        {[](const MainWindow& w) -> QWidget* { return w.channelWindow(); }, "Combo1", 265, 0, "Off"},
        {[](const MainWindow& w) -> QWidget* { return w.channelWindow(); }, "Combo5_8", 2, 1, "wide"},
        {[](const MainWindow& w) -> QWidget* { return w.fmWindow(); }, "Combo1_0", 25, -1, ""},
        {[](const MainWindow& w) -> QWidget* { return w.fmWindow(); }, "Combo1_2", 3, 0, "50K"},
    };
    for (const Case& c : cases) {
        QWidget* editor = c.window(*window);
        SCOPED_TRACE(editor->objectName().toStdString() + " " + c.list);
        EXPECT_FALSE(editor->isVisible());
        auto* list = editor->findChild<QComboBox*>(QLatin1String(c.list));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), c.count);
        if (c.position >= 0) {
            EXPECT_EQ(list->currentIndex(), c.position);
            EXPECT_EQ(list->currentText().toStdString(), c.shown);
        }
    }
}

TEST_F(Languages, ChannelTablesShowTheirListColumnsInTheNewLanguage) {
    // Channel 1 with every list column away from its first item, channel 66 blank between two channels.
    session.edit(Change::channels(1, kChannelCount), [](Configuration& c) {
        ChannelStore& store = c.channels;
        store[0].rxFrequency = store[0].txFrequency = "145.00000";
        store[0].name = "ALPHA";
        store[0].decodeTone.position = 0;   // decode tone Off
        store[0].encodeTone.position = 12;  // an encode tone
        store[0].encodeTone.text = "88.5";
        for (int k = 2; k <= 7; ++k)
            store[0].position(static_cast<ChannelList>(k)) = 1;
        store[64].rxFrequency = store[64].txFrequency = "435.00000";
        store[66].rxFrequency = store[66].txFrequency = "436.00000";
        store[65].name = "KEPT";  // a blank channel's name bytes, as a read delivers them
    });
    window->channelWindow()->refresh();

    struct Cell {
        int group;
        int row;
        int column;
        const char* en;
        const char* zh;
    };
    const Cell cells[] = {
        {1, 1, 1, "145.00000", "145.00000"},
        {1, 1, 3, "Off", "关闭"},
        {1, 1, 4, "88.5", "88.5"},
        {1, 1, 5, "High", "高"},
        {1, 1, 6, "Off", "关"},
        {1, 1, 7, "On", "使能"},
        {1, 1, 8, "wide", "宽带"},
        {1, 1, 9, "", ""},
        {1, 1, 10, "Off", "关"},
        {1, 1, 11, "ALPHA", "ALPHA"},
        {2, 2, 1, "", ""},
        {2, 2, 11, "", ""},
        {2, 2, 5, "", ""},
        {2, 1, 1, "435.00000", "435.00000"},
        {2, 3, 1, "436.00000", "436.00000"},
    };
    for (int language : {kChinese, kEnglish, kChinese}) {
        setLanguage(language);
        for (const Cell& c : cells) {
            const QTableWidgetItem* item = window->channelWindow()->grid(c.group)->item(c.row - 1, c.column);
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->text().toStdString(), language == kChinese ? c.zh : c.en)
                << "group " << c.group << " row " << c.row << " column " << c.column << " language "
                << language;
        }
        // A switch changes texts only: the blank channel's row is empty, its stored bytes go back unchanged.
        EXPECT_EQ(session.config().channels[65].name, "KEPT");
        EXPECT_EQ(session.config().channels[0].busyLock, 1);
    }
}

}  // namespace
}  // namespace zrt

namespace zrt {
namespace {

TEST_F(Languages, AMessageOnShowFollowsTheSwitch) {
    FmWindow* fm = window->fmWindow();
    auto* vfo = fm->findChild<QLineEdit*>(QStringLiteral("Text2"));
    auto* line = fm->findChild<QLabel*>(QStringLiteral("Label2"));
    ASSERT_TRUE(vfo && line);
    vfo->setText(QStringLiteral("120"));
    fm->commitVfo();
    ASSERT_TRUE(fm->messageShown());
    EXPECT_EQ(line->text().toStdString(), "Beyond the scope of frequency(87-107.9), please input again.");
    setLanguage(kChinese);
    EXPECT_EQ(line->text().toStdString(), "超出频率范围(87-107.9)，请重输。");
    setLanguage(kEnglish);
    EXPECT_EQ(line->text().toStdString(), "Beyond the scope of frequency(87-107.9), please input again.");
}

}  // namespace
}  // namespace zrt
