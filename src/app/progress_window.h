// FrmWriting: the modal window shown while a read or a write of the radio runs, with its label and progress
// bar. Only the transfer closes it; the user cannot dismiss it half-way (the watchdog ends a stuck transfer).
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

class QLabel;
class QProgressBar;

namespace zrt {

class ProgressWindow : public QDialog {
    Q_OBJECT
  public:
    enum class Kind { Reading, Writing };
    static constexpr int kMinimum = 1;
    static constexpr int kMaximum = 196;

    ProgressWindow(Kind kind, int languageIndex, QWidget* parent = nullptr);

    // The transfer's step. The bar shows it at once, or within kRepaintMs when it changed just before.
    void setValue(int value);
    int value() const;
    static constexpr int kRepaintMs = 40;
    // Closes the window (only the transfer does).
    void finish();
    // Escape: ignored while the transfer runs.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void showValue();

    QLabel* label_;
    QProgressBar* bar_;
    int value_ = kMinimum;
    QElapsedTimer shown_;  // since the bar last changed
    QTimer pending_;       // a value waiting for its turn on the bar
    bool finishing_ = false;
};

}  // namespace zrt
