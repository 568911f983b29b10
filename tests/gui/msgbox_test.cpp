#include "ui/msgbox.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace zrt {
namespace {

struct BoxSeen {
    QString title;
    QStringList buttons;  // sorted
    QString defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Shows a real box and, once it is up, records what it shows and answers it: with Escape when `press` is
// empty, otherwise by clicking the button captioned `press`.
int runRealBox(int language, int style, const QString& title, const QString& press, BoxSeen* seen) {
    QTimer poll;
    int polls = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (++polls > 2000) poll.stop();  // the box never came up; the result shows it
            return;
        }
        poll.stop();
        seen->title = box->windowTitle();
        for (QAbstractButton* b : box->buttons())
            seen->buttons << b->text();
        seen->buttons.sort();
        seen->defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        seen->icon = box->icon();
        if (press.isEmpty()) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(box, &escape);
        } else {
            for (QAbstractButton* b : box->buttons())
                if (b->text() == press) b->click();
        }
    });
    poll.start(5);
    return msgBoxEx(language, QStringLiteral("Line one\r\nLine two"), style, title);
}

TEST(MsgBoxEx, RealBoxCaptionsDefaultsAndResults) {
    setMsgBoxResponder({});
    struct Case {
        const char* name;
        int language;
        int style;
        QString title;
        QString press;  // empty: Escape
        QStringList buttons;
        QString defaultButton;
        QMessageBox::Icon icon;
        QString shownTitle;
        int result;
    };
    const Case cases[] = {
        {"question zh, escape",
         kChinese,
         0x1121,
         "注意",
         "",
         {"取消", "确定"},
         "取消",
         QMessageBox::Question,
         "注意",
         2},
        {"question en, escape",
         kEnglish,
         0x1121,
         "Be careful",
         "",
         {"Cancel", "OK"},
         "Cancel",
         QMessageBox::Question,
         "Be careful",
         2},
        {"question en, ok",
         kEnglish,
         0x1121,
         "Be careful",
         "OK",
         {"Cancel", "OK"},
         "Cancel",
         QMessageBox::Question,
         "Be careful",
         1},
        {"plain en, empty title", kEnglish, 0, "", "", {"OK"}, "OK", QMessageBox::NoIcon, "ZR-T410", 1},
        {"exclamation zh", kChinese, 0x30, "错误", "确定", {"确定"}, "确定", QMessageBox::Warning, "错误", 1},
        {"critical en, escape",
         kEnglish,
         0x10,
         "Mistake",
         "",
         {"OK"},
         "OK",
         QMessageBox::Critical,
         "Mistake",
         1},
        {"yes/no zh", kChinese, 4, "", "是", {"否", "是"}, "是", QMessageBox::NoIcon, "ZR-T410", 6},
    };
    for (const Case& c : cases) {
        BoxSeen seen;
        const int result = runRealBox(c.language, c.style, c.title, c.press, &seen);
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(seen.title, c.shownTitle) << c.name;
        EXPECT_EQ(seen.buttons, c.buttons) << c.name;
        EXPECT_EQ(seen.defaultButton, c.defaultButton) << c.name;
        EXPECT_EQ(seen.icon, c.icon) << c.name;
    }
}

TEST(MsgBoxEx, ResponderSeesTheRequestAfterTheEmptyTitleRule) {
    std::vector<MsgBoxRequest> asked;
    setMsgBoxResponder([&](const MsgBoxRequest& r) {
        asked.push_back(r);
        return 2;
    });
    EXPECT_EQ(msgBoxEx(kChinese, msg::kPortInvalid), 2);
    setMsgBoxResponder({});
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, "ZR-T410");
    EXPECT_EQ(asked[0].prompt, "串行端口无效");
    EXPECT_EQ(asked[0].style, 0);
    EXPECT_EQ(asked[0].languageIndex, kChinese);
}

}  // namespace
}  // namespace zrt
