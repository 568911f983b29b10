// The FM radio window (Form5): 25 broadcast presets, start channel, display mode and FM VFO. Its controls are
// the working copy (config.fmWindow); OK copies them into the FM store (config.fm).
#pragma once

#include "config/fm.h"
#include "config/messages.h"
#include "editors/editor_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;

namespace zrt {

class FmWindow : public EditorWindow {
    Q_OBJECT
  public:
    explicit FmWindow(Session& session, QWidget* parent = nullptr);

    void applyLanguage() override;
    void refresh() override;

    // Opens the floating editor Text1 over the frequency cell of channel `row` (1..25).
    void editCell(int row);
    // Text1 losing the focus: commits the open cell editor, if any. Safe to call at any time.
    void commitCellEditor();
    // Text2 losing the focus: normalises or refuses the VFO frequency.
    void commitVfo();
    void ok();
    void cancel();
    // One tick of the message line's timer (Timer1).
    void tickMessage();

    bool messageShown() const { return message_.visible; }
    int editedRow() const { return editRow_; }

  protected:
    void documentChanged(const Change& change) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void setCell(int row, const std::string& text);
    void showMessage(const Text& text);

    QTableWidget* grid_ = nullptr;         // MSFGrid
    QLineEdit* cellEditor_ = nullptr;      // Text1: the floating editor of column 1
    QLineEdit* vfoEditor_ = nullptr;       // Text2: the VFO frequency
    QComboBox* combo_[3] = {};             // Combo1(0) present channel, (1) display mode, (2) step
    QLabel* messageLine_ = nullptr;        // Label2
    QTimer* messageTimer_ = nullptr;       // Timer1: one tick a second while a message shows
    QPushButton* okButton_ = nullptr;      // Command1
    QPushButton* cancelButton_ = nullptr;  // Command2

    FmMessageLine message_;
    const Text* messageText_ = &msg::kFmOutOfRange;  // what the message line shows
    bool editing_ = false;
    int editRow_ = 0;  // the cell being edited: row 1..25 (column 1)
};

}  // namespace zrt
