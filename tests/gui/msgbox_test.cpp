#include "ui/msgbox.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/qt_text.h"

namespace zrt {
namespace {

// Shows a real box and, once it is up, records what it shows ("title|default|buttons, sorted|icon") and
// answers it: with Escape when `press` is empty, otherwise by clicking the button captioned `press`.
int runRealBox(int language, int style, const QString& title, const QString& press, QString* seen) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        poll.stop();
        QStringList buttons;
        for (QAbstractButton* b : box->buttons())
            buttons << b->text();
        buttons.sort();
        *seen = box->windowTitle() + '|' + (box->defaultButton() ? box->defaultButton()->text() : QString()) +
                '|' + buttons.join(',') + '|' + QString::number(box->icon());
        if (press.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            for (QAbstractButton* b : box->buttons())
                if (b->text() == press) b->click();
        }
    });
    poll.start(5);
    return msgBoxEx(language, QStringLiteral("Line one\r\nLine two"), style, title);
}

TEST(MsgBoxEx, RealBoxCaptionsDefaultsAndResults) {
    struct Case {
        int language, style;
        const char* title;
        const char* press;  // empty: Escape
        const char* seen;
        int result;
    };
    const Case cases[] = {
        {kChinese, 0x1121, "注意", "", "注意|取消|取消,确定|4", 2},
        {kEnglish, 0x1121, "Be careful", "OK", "Be careful|Cancel|Cancel,OK|4", 1},
        {kChinese, 0x30, "错误", "确定", "错误|确定|确定|2", 1},
        {kEnglish, 0x10, "Mistake", "", "Mistake|OK|OK|3", 1},
        {kChinese, 4, "", "是", "ZR-T410|是|否,是|0", 6},
        {kChinese, 0x26, "", "不保存", "ZR-T410|保存|不保存,保存,取消|4", 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seen);
        QString seen;
        EXPECT_EQ(
            runRealBox(c.language, c.style, QString::fromUtf8(c.title), QString::fromUtf8(c.press), &seen),
            c.result);
        EXPECT_EQ(seen, QString::fromUtf8(c.seen));
    }
}

}  // namespace
}  // namespace zrt
