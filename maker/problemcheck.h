#pragma once
// Checks the activity as she types: a moment after the last change, the document is written
// as its file and judged by the catalogue in its place, so the problems are the ones --check
// and the menus give, each at the field the catalogue names, in the form's plain words. A
// translation is checked against its activity, and the activity played in its words.
#include <QObject>
#include <QTimer>
#include <optional>

#include "maker/fieldbinder.h"
#include "maker/librarylink.h"

namespace maker {

class EditSession;

class ProblemCheck : public QObject {
    Q_OBJECT
  public:
    ProblemCheck(EditSession& session, const LibraryLink& library, QObject* parent = nullptr);

    // Checks now rather than after the pause (tests, saving, trying).
    void runNow();
    const std::vector<FieldProblem>& problems() const { return problems_; }
    // The activity as the screens would play it, when it can be played.
    const std::optional<activityfiles::Activity>& playable() const { return read_.activity; }
    // The catalogue's verdict on it, standing in its place; its catalogue is null before the
    // first check.
    const LibraryLink::Read& verdict() const { return read_; }
    // The folder its pictures are found in.
    QString folder() const;

    static constexpr int kPauseMs = 150;

  Q_SIGNALS:
    void checked();

  private:
    // The problems the catalogue finds in the file `text`, at the fields it names.
    void judge(const QByteArray& text);
    void checkTranslation();

    EditSession& session_;
    const LibraryLink& library_;
    QTimer pause_;
    std::vector<FieldProblem> problems_;
    LibraryLink::Read read_;
};

}  // namespace maker
