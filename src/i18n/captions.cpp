#include "i18n/captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include "platform/qt_text.h"

namespace zrt {

namespace {

QObject* findControl(QObject* root, std::string_view name) {
    if (name.empty()) return root;
    return root->findChild<QObject*>(qs(name));
}

// One place that knows how each kind of control shows each property; `write` false reads instead.
bool access(QObject* o, const Caption& c, QString* value, bool write) {
    auto rw = [&](auto get, auto set) {
        if (write) set(*value); else *value = get();
        return true;
    };
    switch (c.prop) {
        case CaptionProp::WindowTitle:
            if (auto* w = qobject_cast<QWidget*>(o))
                return rw([&] { return w->windowTitle(); }, [&](const QString& s) { w->setWindowTitle(s); });
            return false;
        case CaptionProp::Text:
            if (auto* l = qobject_cast<QLabel*>(o))
                return rw([&] { return l->text(); }, [&](const QString& s) { l->setText(s); });
            if (auto* b = qobject_cast<QAbstractButton*>(o))
                return rw([&] { return b->text(); }, [&](const QString& s) { b->setText(s); });
            if (auto* a = qobject_cast<QAction*>(o))
                return rw([&] { return a->text(); }, [&](const QString& s) { a->setText(s); });
            return false;
        case CaptionProp::Title:
            if (auto* g = qobject_cast<QGroupBox*>(o))
                return rw([&] { return g->title(); }, [&](const QString& s) { g->setTitle(s); });
            if (auto* m = qobject_cast<QMenu*>(o))
                return rw([&] { return m->title(); }, [&](const QString& s) { m->setTitle(s); });
            return false;
        case CaptionProp::ToolTip:
            if (auto* a = qobject_cast<QAction*>(o))
                return rw([&] { return a->toolTip(); }, [&](const QString& s) { a->setToolTip(s); });
            if (auto* w = qobject_cast<QWidget*>(o))
                return rw([&] { return w->toolTip(); }, [&](const QString& s) { w->setToolTip(s); });
            return false;
        case CaptionProp::Item:
            if (auto* cb = qobject_cast<QComboBox*>(o); cb && c.index >= 0 && c.index < cb->count())
                return rw([&] { return cb->itemText(c.index); }, [&](const QString& s) { cb->setItemText(c.index, s); });
            return false;
        case CaptionProp::Tab:
            if (auto* t = qobject_cast<QTabWidget*>(o); t && c.index >= 0 && c.index < t->count())
                return rw([&] { return t->tabText(c.index); }, [&](const QString& s) { t->setTabText(c.index, s); });
            if (auto* t = qobject_cast<QTabBar*>(o); t && c.index >= 0 && c.index < t->count())
                return rw([&] { return t->tabText(c.index); }, [&](const QString& s) { t->setTabText(c.index, s); });
            return false;
        case CaptionProp::Header:
            if (auto* t = qobject_cast<QTableWidget*>(o); t && c.index >= 0 && c.index < t->columnCount()) {
                QTableWidgetItem* item = t->horizontalHeaderItem(c.index);
                if (!item) {
                    if (!write) { value->clear(); return true; }
                    item = new QTableWidgetItem;
                    t->setHorizontalHeaderItem(c.index, item);
                }
                return rw([&] { return item->text(); }, [&](const QString& s) { item->setText(s); });
            }
            return false;
    }
    return false;
}

}  // namespace

int applyCaptions(QObject* root, std::span<const Caption> table, int languageIndex) {
    if (languageIndex != kChinese && languageIndex != kEnglish) return 0;
    int missing = 0;
    for (const Caption& c : table) {
        QObject* o = findControl(root, c.control);
        QString text = qs(c.text, languageIndex);
        if (!o || !access(o, c, &text, true)) ++missing;
    }
    return missing;
}

bool readCaption(QObject* root, const Caption& entry, QString* out) {
    QObject* o = findControl(root, entry.control);
    return o && access(o, entry, out, false);
}

}  // namespace zrt
