#include "app/undo_history.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QUndoCommand>
#include <QUndoStack>
#include <QWidget>

#include "i18n/edit_captions.h"
#include "platform/qt_text.h"
#include "session/session.h"

namespace zrt {

namespace {

// Steps made by typing into one box of a window (the optional features, DTMF, FM) merge into one step until
// the focus moves on.
constexpr int kTypingId = 1;

class StepCommand : public QUndoCommand {
  public:
    StepCommand(Session& session, Step step) : session_(session), step_(std::move(step)) {
        QWidget* focus = QApplication::focusWidget();
        const auto* list = qobject_cast<QComboBox*>(focus);
        if (qobject_cast<QLineEdit*>(focus) || (list && list->isEditable())) typingIn_ = focus;
    }

    int id() const override {
        return step_.name.kind == StepKind::Automatic && step_.origin && typingIn_ ? kTypingId : -1;
    }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const StepCommand*>(other);
        if (next->typingIn_ != typingIn_ || next->step_.origin != step_.origin ||
            next->step_.before.parts != step_.before.parts || next->step_.before.channels.size() != 0 ||
            step_.before.channels.size() != 0)
            return false;
        step_.after = next->step_.after;
        setObsolete(step_.after.sameValues(step_.before));
        return true;
    }
    void undo() override { session_.journal().restore(step_.before); }
    void redo() override {
        // The step was done by the user before it was pushed.
        if (!done_) {
            done_ = true;
            return;
        }
        session_.journal().restore(step_.after);
    }
    const Step& step() const { return step_; }

  private:
    Session& session_;
    Step step_;
    QPointer<QWidget> typingIn_;  // the text box typed in, if the step was typing
    bool done_ = false;
};

}  // namespace

UndoHistory::UndoHistory(Session& session, QObject* parent)
    : QObject(parent), session_(session), stack_(new QUndoStack(this)) {
    undo_ = new QAction(this);
    undo_->setObjectName(QStringLiteral("MNUndo"));
    undo_->setShortcuts(QKeySequence::Undo);
    redo_ = new QAction(this);
    redo_->setObjectName(QStringLiteral("MNRedo"));
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undo_, &QAction::triggered, stack_, &QUndoStack::undo);
    connect(redo_, &QAction::triggered, stack_, &QUndoStack::redo);
    connect(stack_, &QUndoStack::indexChanged, this, &UndoHistory::applyLanguage);
    connect(stack_, &QUndoStack::cleanChanged, this, &UndoHistory::cleanChanged);
    session_.journal().setListener([this](Step step) { push(std::move(step)); });
    applyLanguage();
}

UndoHistory::~UndoHistory() {
    session_.journal().setListener({});
}

void UndoHistory::push(Step step) {
    stack_->push(new StepCommand(session_, std::move(step)));
}

void UndoHistory::setClean() {
    stack_->setClean();
}

bool UndoHistory::isClean() const {
    return stack_->isClean();
}

void UndoHistory::applyLanguage() {
    const int lang = session_.config().languageIndex;
    const auto name = [&](int index) {
        const auto* command = static_cast<const StepCommand*>(stack_->command(index));
        return command ? qs(stepText(command->step().name, command->step().before.parts, lang)) : QString();
    };
    const QString undoName = stack_->canUndo() ? name(stack_->index() - 1) : QString();
    const QString redoName = stack_->canRedo() ? name(stack_->index()) : QString();
    undo_->setText(undoName.isEmpty() ? qs(kUndoText, lang) : qs(kUndoStepText, lang).arg(undoName));
    redo_->setText(redoName.isEmpty() ? qs(kRedoText, lang) : qs(kRedoStepText, lang).arg(redoName));
    undo_->setEnabled(stack_->canUndo());
    redo_->setEnabled(stack_->canRedo());
}

}  // namespace zrt
