// The finder of captions that do not fit their controls, on made-up controls; the windows themselves are
// checked by the screenshot run on a real display.
#include "app/caption_fit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <functional>

namespace zrt {
namespace {

// Each kind of control twice, 40 px wide: once with a caption far too long for it, once with one letter.
TEST(CaptionFit, FindsEachKindOfCutCaptionAndPassesOnesThatFit) {
    const std::function<QWidget*(QWidget*, const QString&)> kinds[] = {
        [](QWidget* p, const QString& t) { return new QLabel(t, p); },
        [](QWidget* p, const QString& t) { return new QPushButton(t, p); },
        [](QWidget* p, const QString& t) { return new QCheckBox(t, p); },
        [](QWidget* p, const QString& t) { return new QGroupBox(t, p); },
        [](QWidget* p, const QString& t) {
            auto* c = new QComboBox(p);
            c->addItems({QStringLiteral("1"), t});  // an item not shown counts too
            return c;
        },
        [](QWidget* p, const QString& t) {
            auto* b = new QTabBar(p);
            b->setExpanding(false);
            b->setElideMode(Qt::ElideRight);
            b->setUsesScrollButtons(false);
            b->addTab(t);
            return b;
        },
        [](QWidget* p, const QString& t) {
            auto* g = new QTableWidget(1, 1, p);
            g->setHorizontalHeaderItem(0, new QTableWidgetItem(t));
            g->setColumnWidth(0, 30);
            return g;
        },
    };
    QWidget root;
    root.setObjectName(QStringLiteral("Root"));
    QStringList expected;
    int y = 0;
    for (const auto& make : kinds) {
        for (bool cut : {true, false}) {
            QWidget* w = make(&root, cut ? QStringLiteral("A caption far too long for forty pixels") : "A");
            w->setObjectName(QStringLiteral("%1%2").arg(cut ? "Cut" : "Fits").arg(y));
            const bool grid = qobject_cast<QTableWidget*>(w) != nullptr;
            w->setGeometry(0, y * 100, grid ? 200 : 40, grid ? 100 : 30);
            if (cut) expected << w->objectName();
            ++y;
        }
    }
    root.resize(300, y * 100);
    root.show();
    QApplication::processEvents();
    QStringList found;
    for (const QString& line : clippedCaptions(&root))
        found << line.section(u'/', 1).section(u':', 0, 0);
    EXPECT_EQ(found, expected) << clippedCaptions(&root).join('\n').toStdString();
}

}  // namespace
}  // namespace zrt
