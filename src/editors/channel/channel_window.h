// The channel window (Form1): the tables of groups A and B over the per-channel store, on a tab strip, with
// the floating cell editors that commit through the store's rules.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "editors/editor_window.h"

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QTabBar;

namespace zrt {

class ChannelGrid;
class GridWheelHook;

class ChannelWindow : public EditorWindow {
    Q_OBJECT
  public:
    explicit ChannelWindow(Session& session, QWidget* parent = nullptr);
    ~ChannelWindow() override;

    void applyLanguage() override;
    // SetGrid, and the tables' rebuild after a language switch: every row redrawn from the store.
    void refresh() override;

    // Text1_LostFocus, run before a transfer or a save: commits an open frequency editor. An open name
    // editor is committed too, so that a name being typed is not left out of what is written.
    void commitFrequencyEditor();

    // Closes an open cell editor without committing it: what it holds belongs to a configuration that a read,
    // an open, New or a band change has just replaced.
    void discardEditors();

    // StartForm: every channel emptied, and its row.
    void startForm();

    int currentGroup() const { return currentGroup_; }  // CurrentGroup: 1 group A, 2 group B
    ChannelGrid* grid(int group) const;

    // The channels the row commands act on: the selected rows of the table in view, else its current row.
    std::vector<int> selectedChannels() const;
    // Selects the rows of channels first..last (one group) in the table in view, with `first` current.
    void selectChannels(int first, int last);

    // The row commands (cut, copy, paste, delete, insert, move up and down, fill, sort), for the Edit menu
    // and the table's context menu.
    const std::vector<QAction*>& commandActions() const { return commands_; }
    QMenu* contextMenu() const { return menu_; }  // the table's context menu (objectName "ChannelMenu")
    void copySelection();
    void cutSelection();
    void paste();
    void deleteSelection();
    void insertChannel();
    void moveSelection(int delta);
    void askFill();  // asks for the start and the step, then fills
    void fillSelection(std::int64_t startHz, std::int64_t stepHz);
    void sortSelection();

  protected:
    void documentChanged(const Change& change) override;
    void applyLanguageChange() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void emptySelection(StepKind step);  // Cut and Delete: one step that empties the selected channels
    void buildCommands();
    void showContextMenu(const QPoint& at);
    void report(const QString& text);
    void changeTab(int index);
    void gridClick();
    void openTextEditor(QLineEdit* editor, int column);
    void openList(QComboBox* list, int position);
    void leaveFrequencyEditor();
    void leaveNameEditor();
    void listChosen(QComboBox* list, int position);
    void closeEditors();
    void gridScrolled(ChannelGrid* grid);
    void mouseWheel(int distance);

    void setCell(int row, int column, const QString& text);
    void clearRow(int group, int row);
    void redrawChannel(int n);
    QComboBox* listEditorOf(int column) const;
    ChannelGrid* currentGrid() const { return grid(currentGroup_); }
    int editChannel() const;

    QTabBar* tabStrip_ = nullptr;
    std::array<ChannelGrid*, 2> grids_{};
    QLineEdit* frequencyEditor_ = nullptr;   // Text1
    QLineEdit* nameEditor_ = nullptr;        // Text2
    QComboBox* toneList_ = nullptr;          // Combo1
    std::array<QComboBox*, 6> flagLists_{};  // Combo5(5) .. Combo5(10), in kFlagLists order
    GridWheelHook* wheel_ = nullptr;
    std::vector<QAction*> commands_;
    QMenu* menu_ = nullptr;

    int currentGroup_ = 1;
    int editRow_ = 0;
    int editCol_ = 0;
    bool editArmed_ = false;
    bool committing_ = false;  // a commit hides its editor, which moves the focus once more
};

}  // namespace zrt
