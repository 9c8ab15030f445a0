#pragma once
// Her activities and those that come with the program, grouped by menu, each marked when it
// has problems.
#include <QCoreApplication>
#include <QTreeWidget>

namespace maker {

class LibraryLink;

class ActivityList : public QTreeWidget {
    Q_DECLARE_TR_FUNCTIONS(ActivityList)

  public:
    explicit ActivityList(const LibraryLink& library, QWidget* parent = nullptr);
    void refresh();

    static constexpr int kPathRole = Qt::UserRole;

  private:
    const LibraryLink& library_;
};

}  // namespace maker
