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

  private:
    QLineEdit* codeField(QWidget* parent, const QString& name, std::size_t maxLength,
                         std::function<std::string&(Dtmf&)> field);
    void showAniSending();
    void showPage(bool autodial);

    QFrame* autodialPage_ = nullptr;              // Frame1
    QFrame* otherPage_ = nullptr;                 // Frame2: other features
    QRadioButton* autodialPageButton_ = nullptr;  // Option1
    QRadioButton* otherPageButton_ = nullptr;     // Option2
    std::array<QLineEdit*, 8> autodialCodes_{};   // Text1(0..7)
    QLineEdit* aniStart_ = nullptr;               // Text2
    QLineEdit* ownCode_ = nullptr;                // Text3
    QLineEdit* aniEnd_ = nullptr;                 // Text4
    QComboBox* aniSending_ = nullptr;             // Combo1: when the ANI is sent, or a typed text
    QComboBox* rate_ = nullptr;                   // Combo16
    QComboBox* firstDigitDelay_ = nullptr;        // Combo17
    QComboBox* groupCall_ = nullptr;              // Combo18
};

}  // namespace zrt
