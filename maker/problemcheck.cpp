#include "maker/problemcheck.h"

#include <QFileInfo>

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
        for (const activityfiles::Problem& p : read_.problems) {
            FieldRef field = file.fieldAt(p.at.line);
            // The library says 1:1 for the whole file too: only a problem naming the field
            // on the first line is that field's.
            if (p.at.line == 1 && p.at.column == 1 && !p.message.contains(field.key)) field = {};
            problems_.push_back({field, p.message, p.at.line, p.at.column});
        }
    }
    Q_EMIT checked();
}

}  // namespace maker
