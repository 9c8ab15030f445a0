#include "maker/problemcheck.h"

#include <QFileInfo>

#include "activities/files/problemwords.h"
#include "maker/editsession.h"

namespace maker {

ProblemCheck::ProblemCheck(EditSession& session, const LibraryLink& library, QObject* parent)
    : QObject(parent), session_(session), library_(library) {
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    connect(&pause_, &QTimer::timeout, this, &ProblemCheck::runNow);
    connect(&session_, &EditSession::changed, &pause_, qOverload<>(&QTimer::start));
}

QString ProblemCheck::folder() const {
    return session_.pictureFolder();
}

void ProblemCheck::runNow() {
    pause_.stop();
    problems_.clear();
    read_ = {};
    if (session_.isOpen()) {
        const WrittenFile file = writeActivity(session_.document());
        const QString name = QFileInfo(session_.path()).fileName();
        read_ = library_.check(file.text, name, folder());
        for (const activityfiles::Problem& p : read_.problems)
            problems_.push_back({{p.spot.field, p.spot.entry, p.spot.item},
                                 activityfiles::plainWords(p, session_.document().kind),
                                 p});
    }
    Q_EMIT checked();
}

}  // namespace maker
