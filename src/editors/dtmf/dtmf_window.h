// The DTMF window (Form2): ANI codes, when they are sent, rate and first-digit delay. The auto-dial page, the
// own code and the group call code exist but stay hidden, as the page buttons that would reach them do.
#pragma once

#include <array>
#include <functional>

#include "editors/editor_window.h"

class QComboBox;
class QFrame;
class QLineEdit;
class QRadioButton;

namespace zrt {

class DtmfWindow : public EditorWindow {
    Q_OBJECT
  public:
    explicit DtmfWindow(Session& session, QWidget* parent = nullptr);

    void applyLanguage() override;
    void refresh() override;

  protected:
    void documentChanged(const Change& change) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QLineEdit* codeField(QWidget* parent, const QString& name, std::size_t maxLength,
                         std::function<std::string&(Dtmf&)> field);
    void showAniSending();
    void showPage(bool autodial);

    QFrame* frame1_ = nullptr;  // auto-dial page
    QFrame* frame2_ = nullptr;  // other features
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    std::array<QLineEdit*, 8> text1_{};
    QLineEdit* text2_ = nullptr;    // ANI start code
    QLineEdit* text3_ = nullptr;    // own code
    QLineEdit* text4_ = nullptr;    // ANI end code
    QComboBox* combo1_ = nullptr;   // ANI sending, with free text
    QComboBox* combo16_ = nullptr;  // rate
    QComboBox* combo17_ = nullptr;  // first-digit delay
    QComboBox* combo18_ = nullptr;  // group call code
};

}  // namespace zrt
