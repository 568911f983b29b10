#include "devtools/caption_fit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTableWidget>

namespace zrt {

namespace {

QString describe(const QWidget* root, const QWidget* w, const QString& text) {
    QString path =
        w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    for (const QWidget* p = w->parentWidget(); p && p != root->parentWidget(); p = p->parentWidget())
        if (!p->objectName().isEmpty() && !p->objectName().startsWith(QLatin1String("qt_")))
            path.prepend(p->objectName() + '/');
    return path + QStringLiteral(": '") + text + '\'';
}

}  // namespace

QStringList clippedCaptions(const QWidget* root) {
    QStringList out;
    QList<const QWidget*> widgets;
    widgets << root;
    for (const QWidget* w : root->findChildren<QWidget*>())
        widgets << w;
    for (const QWidget* w : widgets) {
        if (!w->isVisible()) continue;
        if (auto* l = qobject_cast<const QLabel*>(w)) {
            // A plain one-line label asks for exactly its text's size.
            if (l->text().isEmpty() || l->wordWrap() || !l->pixmap().isNull()) continue;
            const QSize need = l->sizeHint();
            if (l->width() < need.width() || l->height() < l->fontMetrics().height())
                out << describe(root, w, l->text());
        } else if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
            if (b->text().isEmpty()) continue;
            // A push button's size hint has a style minimum beyond its text; the text is what must fit.
            const int need = qobject_cast<const QPushButton*>(b)
                                 ? b->fontMetrics().horizontalAdvance(QString(b->text()).remove(u'&')) +
                                       2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b)
                                 : b->sizeHint().width();
            if (b->width() < need) out << describe(root, w, b->text());
        } else if (auto* c = qobject_cast<const QComboBox*>(w)) {
            // Every item, not only the one shown: the user may choose any of them.
            QStyleOptionComboBox opt;
            opt.initFrom(c);
            opt.editable = c->isEditable();
            const QRect field =
                c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
            for (int i = 0; i < c->count(); ++i) {
                const QString text = c->itemText(i);
                if (c->fontMetrics().horizontalAdvance(text) > field.width()) {
                    out << describe(root, w, text);
                    break;
                }
            }
        } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
            if (!g->title().isEmpty() && g->width() < g->fontMetrics().horizontalAdvance(g->title()) + 16)
                out << describe(root, w, g->title());
        } else if (auto* t = qobject_cast<const QTabBar*>(w)) {
            const int space = t->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, t);
            for (int i = 0; i < t->count(); ++i)
                if (t->tabRect(i).width() < t->fontMetrics().horizontalAdvance(t->tabText(i)) + space / 2)
                    out << describe(root, w, t->tabText(i));
        } else if (auto* table = qobject_cast<const QTableWidget*>(w)) {
            const QHeaderView* header = table->horizontalHeader();
            if (!header->isVisible()) continue;
            const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int i = 0; i < table->columnCount(); ++i) {
                const QTableWidgetItem* item = table->horizontalHeaderItem(i);
                if (!item || item->text().isEmpty() || header->isSectionHidden(i)) continue;
                if (header->sectionSize(i) <
                    header->fontMetrics().horizontalAdvance(item->text()) + 2 * margin)
                    out << describe(root, w, item->text());
            }
        }
    }
    return out;
}

}  // namespace zrt
