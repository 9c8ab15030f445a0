#pragma once
// The activities she opened or saved last, kept in the Maker's own settings.
#include <QStringList>

namespace maker {

class RecentFiles {
  public:
    static constexpr int kKept = 8;
    QStringList list() const;
    void add(const QString& path);
};

}  // namespace maker
