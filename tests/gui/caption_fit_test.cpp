// Captions that do not fit their controls: the finder itself on made-up controls, then every window of the
// program at its own size in both languages.
#include "app/caption_fit.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <functional>
#include <memory>

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/msgbox.h"
#include "app/progress_window.h"
#include "editors/calibration/calibration_window.h"
#include "editors/channel/channel_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/features/features_window.h"
#include "editors/fm/fm_window.h"
#include "session/session.h"

namespace zrt {
namespace {

const QString kLong = QStringLiteral("A caption far too long for forty pixels");

TEST(CaptionFit, FindsEachKindOfCutCaptionAndPassesOnesThatFit) {
    struct Case {
        const char* name;
        std::function<QWidget*(QWidget*, const QString&)> make;  // a control with the text, 40 px wide
    };
    const Case cases[] = {
        {"label", [](QWidget* p, const QString& t) { return new QLabel(t, p); }},
        {"push button", [](QWidget* p, const QString& t) { return new QPushButton(t, p); }},
        {"check box", [](QWidget* p, const QString& t) { return new QCheckBox(t, p); }},
        {"list item",
         [](QWidget* p, const QString& t) {
             auto* c = new QComboBox(p);
             c->addItems({QStringLiteral("1"), t});
             return c;
         }},
        {"frame title",
         [](QWidget* p, const QString& t) {
             auto* g = new QGroupBox(t, p);
             return g;
         }},
        {"tab",
         [](QWidget* p, const QString& t) {
             auto* b = new QTabBar(p);
             b->setExpanding(false);
             b->setElideMode(Qt::ElideRight);
             b->setUsesScrollButtons(false);
             b->addTab(t);
             return b;
         }},
        {"grid header",
         [](QWidget* p, const QString& t) {
             auto* g = new QTableWidget(1, 1, p);
             g->setHorizontalHeaderItem(0, new QTableWidgetItem(t));
             g->setColumnWidth(0, 30);
             return g;
         }},
    };
    for (const Case& c : cases) {
        for (bool cut : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (cut ? ", cut" : ", fits"));
            QWidget root;
            root.setObjectName(QStringLiteral("Root"));
            QWidget* w = c.make(&root, cut ? kLong : QStringLiteral("A"));
            w->setObjectName(QStringLiteral("Control"));
            root.resize(600, 300);
            w->setGeometry(0, 0, 40, 40);
            if (auto* g = qobject_cast<QTableWidget*>(w)) g->setGeometry(0, 0, 200, 100);
            if (auto* t = qobject_cast<QTabBar*>(w)) {
                // A bar squeezed below its tab's size elides the text.
                t->setGeometry(0, 0, 40, 30);
            }
            root.show();
            QApplication::processEvents();
            const QStringList found = clippedCaptions(&root);
            if (cut) {
                ASSERT_EQ(found.size(), 1) << found.join('\n').toStdString();
                EXPECT_TRUE(found[0].startsWith(QStringLiteral("Root/Control: "))) << found[0].toStdString();
            } else {
                EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();
            }
        }
    }
}

TEST(CaptionFit, EveryWindowFitsItsCaptionsInBothLanguages) {
    QApplication::setQuitOnLastWindowClosed(false);
    setMsgBoxResponder([](const MsgBoxRequest&) { return msg::kResultOk; });
    Session session;
    auto window =
        std::make_unique<MainWindow>(session, PortNames(QStringLiteral("/nonexistent/zrt410-port")));
    window->show();

    struct View {
        const char* name;
        std::function<QWidget*()> show;  // shows the view and returns what to look at
    };
    auto editor = [&](EditorWindow* e) -> QWidget* {
        QMdiSubWindow* sub = window->subWindowOf(e);
        e->show();
        sub->showNormal();
        sub->raise();
        return sub;
    };
    auto calibrationTab = [&](int tab) -> QWidget* {
        window->calibrationWindow()->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(tab);
        return editor(window->calibrationWindow());
    };
    const View views[] = {
        {"main window", [&]() -> QWidget* { return window.get(); }},
        {"channel window", [&] { return editor(window->channelWindow()); }},
        {"DTMF window", [&] { return editor(window->dtmfWindow()); }},
        {"features page 1",
         [&] {
             window->featuresWindow()->showPage(1);
             return editor(window->featuresWindow());
         }},
        {"features page 2",
         [&] {
             window->featuresWindow()->showPage(2);
             return editor(window->featuresWindow());
         }},
        {"calibration A", [&] { return calibrationTab(0); }},
        {"calibration B", [&] { return calibrationTab(1); }},
        {"FM window", [&] { return editor(window->fmWindow()); }},
        {"About box",
         [&]() -> QWidget* {
             window->aboutBox()->show();
             return window->aboutBox();
         }},
    };
    for (const char* command : {"MNChinese", "MNEnglish"}) {
        qobject_cast<QAction*>(window->control(command))->trigger();
        for (const View& v : views) {
            SCOPED_TRACE(std::string(command) + " " + v.name);
            QWidget* shown = v.show();
            QApplication::processEvents();
            EXPECT_TRUE(clippedCaptions(shown).isEmpty()) << clippedCaptions(shown).join('\n').toStdString();
        }
        window->aboutBox()->hide();
        for (auto kind : {ProgressWindow::Kind::Reading, ProgressWindow::Kind::Writing}) {
            ProgressWindow progress(kind, session.config.languageIndex, window.get());
            progress.show();
            QApplication::processEvents();
            EXPECT_TRUE(clippedCaptions(&progress).isEmpty()) << command;
            progress.finish();
        }
    }
    window.reset();
    setMsgBoxResponder({});
}

}  // namespace
}  // namespace zrt
