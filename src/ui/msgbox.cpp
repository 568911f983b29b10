#include "ui/msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <array>
#include <vector>

#include "platform/qt_text.h"

namespace zrt {

namespace {

MsgBoxResponder& responder() {
    static MsgBoxResponder r;
    return r;
}

// The buttons a box can have, by the identifier that the box returns for them.
enum ButtonId { kOk = 1, kCancel = 2, kYes = 6, kNo = 7, kSave = 8, kDiscard = 9 };

struct ButtonKind {
    int id;
    QMessageBox::ButtonRole role;
    Text caption;
};

constexpr std::array<ButtonKind, 6> kButtons{{
    {kOk, QMessageBox::AcceptRole, {"OK", "确定"}},
    {kCancel, QMessageBox::RejectRole, {"Cancel", "取消"}},
    {kYes, QMessageBox::YesRole, {"Yes", "是"}},
    {kNo, QMessageBox::NoRole, {"No", "否"}},
    {kSave, QMessageBox::AcceptRole, {"Save", "保存"}},
    {kDiscard, QMessageBox::DestructiveRole, {"Discard", "不保存"}},
}};

const ButtonKind& buttonKind(int id) {
    for (const ButtonKind& kind : kButtons)
        if (kind.id == id) return kind;
    return kButtons.front();
}

// The style word: buttons in the low four bits, the icon in the next four, the default button in the next.
std::vector<int> buttonsOf(int style) {
    switch (style & 0xF) {
        case 1:
            return {kOk, kCancel};
        case 4:
            return {kYes, kNo};
        case 6:
            return {kSave, kDiscard, kCancel};
        default:  // the program's messages use no other button set
            return {kOk};
    }
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0xF0) {
        case 0x10:
            return QMessageBox::Critical;
        case 0x20:
            return QMessageBox::Question;
        case 0x30:
            return QMessageBox::Warning;
        case 0x40:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

// Escape answers Cancel where the box has one and OK on a box with OK alone; other boxes ignore it.
int escapeOf(const std::vector<int>& ids) {
    if (ids.size() == 1) return ids.front();
    for (int id : ids)
        if (id == kCancel) return kCancel;
    return 0;
}

int showBox(const MsgBoxRequest& request, QWidget* owner) {
    QMessageBox box(owner ? owner : QApplication::activeWindow());
    box.setWindowTitle(request.title);
    box.setTextFormat(Qt::PlainText);
    QString text = request.prompt;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box.setText(text);
    box.setIcon(iconOf(request.style));
    box.setWindowModality(Qt::ApplicationModal);

    const std::vector<int> ids = buttonsOf(request.style);
    const int language = request.languageIndex == kChinese ? kChinese : kEnglish;
    std::vector<QPushButton*> buttons;
    for (int id : ids) {
        const ButtonKind& kind = buttonKind(id);
        buttons.push_back(box.addButton(qs(kind.caption, language), kind.role));
    }
    const std::size_t defaultIndex =
        std::min<std::size_t>(static_cast<std::size_t>((request.style >> 8) & 0xF), buttons.size() - 1);
    box.setDefaultButton(buttons[defaultIndex]);
    const int escape = escapeOf(ids);
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (ids[i] == escape) box.setEscapeButton(buttons[i]);

    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i]) return ids[i];
    // Closed without a button (only possible where Escape has a meaning): a refusal.
    return escape ? escape : kCancel;
}

}  // namespace

void setMsgBoxResponder(MsgBoxResponder r) {
    responder() = std::move(r);
}

int msgBoxEx(int languageIndex, const QString& prompt, int style, const QString& title, QWidget* owner) {
    MsgBoxRequest request{prompt, style, title.isEmpty() ? qs(msg::kAppTitle) : title, languageIndex};
    if (responder()) return responder()(request);
    return showBox(request, owner);
}

int msgBoxEx(int languageIndex, const msg::Message& m, QWidget* owner) {
    return msgBoxEx(languageIndex, qs(m.text, languageIndex), m.style, qs(m.title, languageIndex), owner);
}

}  // namespace zrt
