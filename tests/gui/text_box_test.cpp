// Every filtered text box of every window takes text only through its rule and its length, however the text
// arrives: typed with any modifier, pasted, dropped, composed by an input method or middle-clicked.
#include "editors/text_box.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <functional>

#include "editors/channel/channel_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/features/features_window.h"
#include "editors/fm/fm_window.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

using Path = std::function<void(QLineEdit*, const QString&)>;

void superKeys(QLineEdit* box, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::MetaModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

void ctrlV(QLineEdit* box, const QString& text) {
    QApplication::clipboard()->setText(text);
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    QApplication::sendEvent(box, &paste);
}

void drop(QLineEdit* box, const QString& text) {
    QMimeData data;
    data.setText(text);
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    QDropEvent event(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &event);
}

void inputMethod(QLineEdit* box, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

// The selection's middle click, and any other insertion at the cursor.
void insert(QLineEdit* box, const QString& text) {
    if (QApplication::clipboard()->supportsSelection()) {
        QApplication::clipboard()->setText(text, QClipboard::Selection);
        QTest::mouseClick(box, Qt::MiddleButton);
    } else {
        box->insert(text);
    }
}

using TextBoxes = ui_test::WindowTest;

TEST_F(TextBoxes, EveryWayIntoEveryBoxPassesItsRuleAndLength) {
    QWidget* const channel = main().channelWindow();
    QWidget* const fm = main().fmWindow();
    QWidget* const dtmf = main().dtmfWindow();
    QWidget* const features = main().featuresWindow();
    struct Box {
        QWidget* window;
        const char* name;
        const char* mixed;    // what "e 1.5a" leaves
        const char* longest;  // what "1234567890123456789" leaves
    };
    const Box boxes[] = {
        {channel, "Text1", "1.5", "123456789"},
        {channel, "Text2", "E1.5A", "123456"},
        {fm, "Text1", "1.5", "1234567890123456789"},
        {fm, "Text2", "1.5", "1234567890123456789"},
        {fm, "Combo1_0", "15", "12"},
        {dtmf, "Text2", "15A", "1234567890123456"},
        {dtmf, "Text4", "15A", "1234567890123456"},
        {features, "Text31", "E15A", "123456"},
        {features, "Text1", "15", "1234"},
        {features, "Text6", "15", "64"},
        {features, "Text20", "1.5", "123456789"},
        {features, "Text21", "1.5", "12345678"},
    };
    const std::pair<const char*, Path> paths[] = {
        {"Super+key", superKeys},      {"Ctrl+V", ctrlV},        {"drop", drop},
        {"input method", inputMethod}, {"middle click", insert},
    };
    for (const Box& b : boxes) {
        QWidget* found = b.window->findChild<QWidget*>(QString::fromLatin1(b.name));
        ASSERT_TRUE(found) << b.name;
        auto* box = qobject_cast<QComboBox*>(found) ? qobject_cast<QComboBox*>(found)->lineEdit()
                                                    : qobject_cast<QLineEdit*>(found);
        for (const auto& [path, enter] : paths) {
            SCOPED_TRACE(b.window->objectName().toStdString() + "." + b.name + " " + path);
            TextBox::setProgramText(box, QString());
            enter(box, QStringLiteral("e 1.5a"));
            EXPECT_EQ(box->text().toStdString(), b.mixed);
            TextBox::setProgramText(box, QString());
            enter(box, QStringLiteral("1234567890123456789"));
            EXPECT_EQ(box->text().toStdString(), b.longest);
        }
    }
}

}  // namespace
}  // namespace zrt
