#include "maker/problemcheck.h"

#include <QFileInfo>

#include "activities/files/problemwords.h"
#include "maker/editsession.h"
#include "maker/translationdraft.h"

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
    if (session_.translating())
        checkTranslation();
    else if (session_.isOpen())
        judge(writeActivity(session_.document()).text);
    Q_EMIT checked();
}

void ProblemCheck::judge(const QByteArray& text) {
    read_ = library_.check(text, QFileInfo(session_.path()).fileName(), folder());
    for (const activityfiles::Problem& p : read_.problems)
        problems_.push_back({{p.spot.field, p.spot.entry, p.spot.item},
                             activityfiles::plainWords(p, session_.document().kind),
                             p});
}

void ProblemCheck::checkTranslation() {
    const Document& original = session_.original();
    judge(writeActivity(original).text);
    if (!read_.fields) return;  // the activity's own problems come first
    const WrittenTranslation written =
        writeTranslation(original, session_.document(), session_.keptPairs());
    const activityfiles::Translation translation = activityfiles::readTranslation(written.text);
    std::vector<FieldProblem> found;
    for (activityfiles::Problem p : activityfiles::checkTranslation(*read_.fields, translation)) {
        // Each pair was written from one field, on a line of its own.
        const auto at = written.fieldAt.find(p.at.line);
        const FieldRef field = at == written.fieldAt.end() ? FieldRef() : at->second;
        p.spot = {field.key, field.entry, field.item};
        found.push_back({field, activityfiles::plainWords(p, original.kind), p});
    }
    // Then the activity as the pupils would have it in the translation's words: whether each
    // text fits its place.
    Document shown = fromActivity(activityfiles::translated(*read_.fields, translation));
    shown.topic = original.topic;  // its place in the menu is found by the activity's own
    problems_.clear();
    judge(writeActivity(shown).text);
    problems_.insert(problems_.begin(), found.begin(), found.end());
}

}  // namespace maker
