// The finder of captions that do not fit their controls, on made-up controls; the windows themselves are
// checked by the screenshot run on a real display.
#include "devtools/caption_fit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <functional>

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

}  // namespace
}  // namespace zrt
