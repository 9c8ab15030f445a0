#include "maker/activitylist.h"

#include <QHeaderView>

#include "maker/librarylink.h"

namespace maker {

ActivityList::ActivityList(const LibraryLink& library, QWidget* parent)
    : QTreeWidget(parent), library_(library) {
    setObjectName("activities");
    setHeaderLabels({tr("Activities")});
    setAccessibleName(tr("Activities: click one to open it"));
    setRootIsDecorated(true);
    refresh();
}

void ActivityList::refresh() {
    clear();
    QTreeWidgetItem* groups[6];
    for (int m = 0; m <= 5; ++m) {
        groups[m] =
            new QTreeWidgetItem(this, {m == 0 ? tr("Our Activities") : tr("Menu %1").arg(m)});
        groups[m]->setFlags(Qt::ItemIsEnabled);
    }
    for (const LibraryLink::Listed& l : library_.activities()) {
        QString caption = l.topic;
        if (l.mine) caption = tr("%1 (yours)").arg(caption);
        if (l.problems > 0)
            caption = l.problems == 1
                          ? tr("%1: 1 problem").arg(caption)
                          : tr("%1: %2 problems").arg(caption, QString::number(l.problems));
        auto* item = new QTreeWidgetItem(groups[l.menu], {caption});
        item->setData(0, kPathRole, l.path);
        item->setToolTip(0, l.path);
        if (l.problems > 0) item->setForeground(0, QColor(200, 0, 0));
    }
    for (QTreeWidgetItem* g : groups) g->sortChildren(0, Qt::AscendingOrder);
    expandAll();
}

}  // namespace maker
