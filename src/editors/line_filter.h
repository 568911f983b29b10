// Typing rules of a text box: a per-character filter and a maximum length that apply to what the user types
// or pastes, never to what the program puts into the box.
#pragma once

#include <QObject>
#include <functional>
#include <optional>

class QLineEdit;

namespace zrt {

class LineFilter : public QObject {
    Q_OBJECT
  public:
    // The character to insert for a typed one, or nothing to discard it.
    using CharFilter = std::function<std::optional<char32_t>(char32_t)>;

    // Installs the rules on `edit` (which owns the filter). maxLength < 0 means no limit. onEnter, when
    // given, takes Enter and Return instead of the box.
    static LineFilter* install(QLineEdit* edit, CharFilter filter, int maxLength = -1,
                               std::function<void()> onEnter = {});

    // Inserts `typed` at the cursor as the user would type it, character by character.
    void type(const QString& typed);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    LineFilter(QLineEdit* edit, CharFilter filter, int maxLength, std::function<void()> onEnter);
    void showContextMenu(const QPoint& pos);

    QLineEdit* edit_;
    CharFilter filter_;
    int maxLength_;
    std::function<void()> onEnter_;
};

}  // namespace zrt
