// Caption tables: for each window, one table of (control, property, English, Chinese). Switching the language
// walks the tables; controls are found by their object names, which are the program's control names
// ("Combo36", "Label12", "MNRead").
#pragma once

#include <span>
#include <string_view>

#include "config/text.h"

class QObject;
class QString;

namespace zrt {

enum class CaptionProp {
    WindowTitle,  // QWidget::windowTitle
    Text,         // QLabel, QAbstractButton (check box, radio, push button), QAction text
    Title,        // QGroupBox title, QMenu title
    ToolTip,      // QWidget or QAction tool tip
    Item,         // QComboBox item `index`
    Tab,          // QTabWidget or QTabBar tab `index`
    Header,       // QTableWidget horizontal header section `index`
};

struct Caption {
    std::string_view control;  // object name; empty for the root window itself
    CaptionProp prop;
    int index;                 // item, tab or header index; 0 otherwise
    Text text;
};

// Writes the table's texts for languageIndex (0 Chinese, 1 English; any other value writes nothing).
// Returns the number of entries whose control or index was not found, so a test can insist on 0.
int applyCaptions(QObject* root, std::span<const Caption> table, int languageIndex);

// Reads back what a table entry currently shows, for tests; false when the control or index is missing.
bool readCaption(QObject* root, const Caption& entry, QString* out);

}  // namespace zrt
