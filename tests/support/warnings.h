#pragma once
// Every Qt warning fails the test that raised it (see the test main), unless the test says it
// expects that warning: while an ExpectedWarning lives, warnings containing its text pass, and
// when it ends at least one must have come.
#include <QString>

struct ExpectedWarning {
    explicit ExpectedWarning(QString part);
    ~ExpectedWarning();
    ExpectedWarning(const ExpectedWarning&) = delete;
    ExpectedWarning& operator=(const ExpectedWarning&) = delete;

    const QString part;
    int seen = 0;
};
