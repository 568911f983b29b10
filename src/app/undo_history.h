// Edit › Undo and Redo: the session's undo journal feeding a QUndoStack. The stack keeps the steps; undoing
// puts a step's earlier values back through the document, so every window redraws what it names. A read, an
// Open and a Save mark the clean point; the window title shows "*" away from it.
#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QUndoStack;
class QWidget;

namespace zrt {

class Session;
struct Step;

class UndoHistory : public QObject {
    Q_OBJECT
  public:
    explicit UndoHistory(Session& session, QObject* parent = nullptr);
    ~UndoHistory() override;

    QUndoStack& stack() const { return *stack_; }
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }

    void setClean();
    bool isClean() const;
    // The action texts for the current language.
    void applyLanguage();

  signals:
    void cleanChanged(bool clean);

  private:
    void push(Step step);

    Session& session_;
    QUndoStack* stack_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

}  // namespace zrt
