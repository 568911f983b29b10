// Every caption and item text of every window, in both languages, through a run of language switches of the
// real main window: every entry of the caption tables reaches its control and shows its text, and everything
// a window shows that no table names reads the same in both languages. Positions, selections, values and
// visibility must not move with the language; the channel table's lists, the guide and a message on show
// follow.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "app/about_box.h"
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
#include "support/ui_driver.h"

namespace zrt {
namespace {

// ---------------------------------------------------------------------------------------------
// What the windows show, as "window|control|property|index" -> text or value.

using Texts = std::map<QString, QString>;

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

// What one window shows. Its texts: titles, labels, buttons, frames, tabs, list items, grid headers, actions,
// tool tips. Its values, which a language switch must leave alone: list positions, typed texts, tabs, grid
// cursor, sliders, check boxes, visibility.
struct Shown {
    Texts texts, values;
};
void collect(const QString& window, QObject* root, Shown& out, bool withTitle) {
    auto put = [&](const QObject* o, const char* prop, int index, const QString& text) {
        if (!text.isEmpty()) out.texts[key(window, nameOf(o), prop, index)] = text;
    };
    auto value = [&](const QObject* o, const char* what, const QString& v) {
        out.values[key(window, nameOf(o), what)] = v;
    };
    if (auto* w = qobject_cast<QWidget*>(root); w && withTitle)
        out.texts[key(window, {}, "title")] = w->windowTitle();
    QList<QObject*> objects = root->findChildren<QObject*>();
    objects.prepend(root);
    for (QObject* o : objects) {
        if (auto* w = qobject_cast<QWidget*>(o)) {
            value(o, "visible", w->isVisibleTo(qobject_cast<QWidget*>(root)) ? "1" : "0");
            // A toolbar's buttons show their actions' tips, which are collected with the actions.
            auto* button = qobject_cast<QToolButton*>(o);
            if (o != root && (!button || !button->defaultAction())) put(o, "tip", 0, w->toolTip());
            if (o != root && w->isWindow() && !qobject_cast<QMenu*>(w)) put(o, "title", 0, w->windowTitle());
        }
        if (auto* l = qobject_cast<QLabel*>(o)) put(o, "text", 0, l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(o)) put(o, "text", 0, b->text());
        if (auto* b = qobject_cast<QCheckBox*>(o)) value(o, "checked", b->isChecked() ? "1" : "0");
        if (auto* g = qobject_cast<QGroupBox*>(o)) put(o, "title", 0, g->title());
        if (auto* m = qobject_cast<QMenu*>(o)) put(o, "title", 0, m->title());
        if (auto* c = qobject_cast<QComboBox*>(o)) {
            for (int i = 0; i < c->count(); ++i)
                put(o, "item", i, c->itemText(i));
            value(o, "position", QString::number(c->currentIndex()));
            value(o, "count", QString::number(c->count()));
            if (c->isEditable() && c->currentIndex() < 0) value(o, "typed", c->currentText());
        }
        if (auto* e = qobject_cast<QLineEdit*>(o); e && !qobject_cast<QComboBox*>(e->parent()))
            value(o, "text", e->text());
        if (auto* s = qobject_cast<QSlider*>(o)) value(o, "value", QString::number(s->value()));
        if (auto* t = qobject_cast<QTabWidget*>(o))
            for (int i = 0; i < t->count(); ++i)
                put(o, "tab", i, t->tabText(i));
        if (auto* t = qobject_cast<QTabBar*>(o)) {
            value(o, "tab", QString::number(t->currentIndex()));
            for (int i = 0; i < t->count() && !qobject_cast<QTabWidget*>(t->parent()); ++i)
                put(o, "tab", i, t->tabText(i));
        }
        if (auto* t = qobject_cast<QTableWidget*>(o)) {
            value(o, "cursor", QStringLiteral("%1,%2").arg(t->currentRow()).arg(t->currentColumn()));
            for (int i = 0; i < t->columnCount(); ++i)
                if (QTableWidgetItem* h = t->horizontalHeaderItem(i)) put(o, "header", i, h->text());
        }
        if (auto* a = qobject_cast<QAction*>(o); a && !a->isSeparator() && !a->objectName().isEmpty()) {
            put(o, "text", 0, a->text());
            // A tool tip of its own only on the toolbar; a menu item's tip is its text.
            if (qobject_cast<QToolBar*>(a->parent())) put(o, "tip", 0, a->toolTip());
        }
    }
}

// ---------------------------------------------------------------------------------------------

class Languages : public ui_test::WindowTest {
  protected:
    // Every window with its caption table; the main window's entries name controls anywhere in it.
    std::vector<std::tuple<QString, QWidget*, std::span<const Caption>>> windows() {
        return {{"main", &main(), mainWindowCaptions()},
                {"channel", main().channelWindow(), channelWindowCaptions()},
                {"channel", main().channelWindow(), channelCommandCaptions()},
                {"dtmf", main().dtmfWindow(), dtmfCaptions()},
                {"features", main().featuresWindow(), featuresCaptions()},
                {"calibration", main().calibrationWindow(), calibrationCaptions()},
                {"fm", main().fmWindow(), fmCaptions()},
                {"about", main().aboutBox(), aboutCaptions()}};
    }
    // Of the main window, its title and bars: the editor windows inside it are collected on their own.
    Shown shown() {
        Shown out;
        out.texts[key("main", {}, "title")] = main().windowTitle();
        for (QWidget* bar : std::initializer_list<QWidget*>{
                 main().menuBar(), main().findChild<QToolBar*>(QStringLiteral("TopBar")), main().statusBar()})
            collect(QStringLiteral("main"), bar, out, false);
        for (const auto& [name, w, table] : windows())
            if (w != &main()) collect(name, w, out, true);
        out.values[QStringLiteral("features|page")] = QString::number(main().featuresWindow()->page());
        return out;
    }

    QObject* controlOf(const QString& name, QObject* root, const Caption& c) {
        if (c.control.empty()) return root;
        if (name == QLatin1String("main")) return main().control(c.control);
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
};

TEST_F(Languages, EveryTextOfEveryWindowThroughFourSwitches) {
    // Selections away from the defaults, so that a switch that resets one shows.
    auto* features = main().featuresWindow();
    const std::tuple<QWidget*, const char*, int> lists[] = {
        {features, "Combo19", 3},
        {features, "Combo35", 5},
        {features, "Combo33", 0},
        {features, "Combo22", 0},
        {features, "Combo46", 60},
        {main().dtmfWindow(), "Combo17", 2},
        {main().dtmfWindow(), "Combo16", 1},
        {main().fmWindow(), "Combo1_1", 0},
    };
    for (const auto& [editor, name, index] : lists)
        ui_test::child<QComboBox>(editor, name)->setCurrentIndex(index);
    ui_test::child<QLineEdit>(features, "Text31")->setText(QStringLiteral("AB1"));
    ui_test::child<QComboBox>(main().dtmfWindow(), "Combo1")->setEditText(QStringLiteral("PTT"));  // no item
    main().dtmfWindow()->refresh();
    features->showPage(2);
    ui_test::child<QTabWidget>(main().calibrationWindow(), "SSTab1")->setCurrentIndex(1);
    ui_test::child<QTabBar>(main().channelWindow(), "TabStrip1")->setCurrentIndex(1);
    main().channelWindow()->grid(2)->setCurrentCell(4, 5);
    edit([](Configuration& c) {  // channel 1 with every flag list away from its first item
        c.channels[0].rxFrequency = c.channels[0].txFrequency = "145.00000";
        for (int k = 2; k <= 7; ++k)
            c.channels[0].position(static_cast<ChannelList>(k)) = 1;
    });
    ui_test::child<QLineEdit>(main().fmWindow(), "Text2")->setText(QStringLiteral("120"));
    main().fmWindow()->commitVfo();  // a message on show follows the switch, and stays for the run
    ui_test::child<QTimer>(main().fmWindow(), "Timer1")->stop();
    main().history().stack().clear();  // those edits are no unsaved changes: the title has no "*"
    const Texts valuesBefore = shown().values;

    Texts notCaptions;  // what no table names, as the windows show it at start
    for (int step : {-1, kChinese, kEnglish, kChinese, kEnglish}) {  // -1: at start, before any switch
        SCOPED_TRACE(step);
        if (step >= 0) setLanguage(step);
        const int language = step < 0 ? kEnglish : step;
        const Shown all = shown();
        Texts now = all.texts;

        for (const auto& [name, root, table] : windows()) {
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
        // The channel table's list columns show their lists' items; the guide is the language's.
        for (int column : {5, 6, 7, 8, 10}) {
            const auto* list = ui_test::child<QComboBox>(
                main().channelWindow(), QStringLiteral("Combo5_%1").arg(column).toLatin1().constData());
            EXPECT_EQ(ui_test::cell(main().channelWindow()->grid(1), 0, column), list->itemText(1)) << column;
        }
        trigger("MNF1");
        const auto* guide =
            main().findChild<QDialog*>(QStringLiteral("HelpWindow"))->findChild<QTextBrowser*>();
        EXPECT_TRUE(
            guide->source().toLocalFile().endsWith(language == kChinese ? "zh/index.html" : "en/index.html"));
        EXPECT_TRUE(guide->toPlainText().contains(QLatin1String("Ctrl+R")));
        // The channel window's tone list takes its Off item from the tone list itself.
        EXPECT_EQ(now[key("channel", "Combo1", "item", 0)].toStdString(), toneListItem(0, language));
        EXPECT_EQ(now[key("fm", "Label2", "text")], qs(msg::kFmOutOfRange, language));
        // The calendar reads alike in both languages, the seconds included.
        const QString clock =
            now[key("main", "StatusBar1.Date", "text")] + ' ' + now[key("main", "StatusBar1.Time", "text")];
        EXPECT_TRUE(clock.size() == 19 && QDateTime::fromString(clock, "yyyy-MM-dd HH:mm:ss").isValid())
            << clock.toStdString();
        for (const char* shownAnyway : {"channel|Combo1|item|0", "fm|Label2|text|0",
                                        "main|StatusBar1.Date|text|0", "main|StatusBar1.Time|text|0"})
            now.erase(QLatin1String(shownAnyway));
        // Whatever is left is not a caption of either language: it reads as it did at start.
        if (step < 0) notCaptions = now;
        EXPECT_EQ(now, notCaptions);

        EXPECT_EQ(all.values, valuesBefore);
    }
    EXPECT_TRUE(asked.empty());  // captions only: no question
}

}  // namespace
}  // namespace zrt
