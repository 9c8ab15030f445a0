#include "maker/editsession.h"

#include <QFileInfo>

#include "maker/activitysaver.h"
#include "maker/librarylink.h"
#include "maker/translationdraft.h"

namespace maker {

namespace {

// Before and after: a document is small, so a whole copy is the simplest sound undo. It has
// no text: the Edit menu says Undo, never a file's key.
class DocumentEdit : public QUndoCommand {
  public:
    DocumentEdit(EditSession& session, FieldRef field, Document before, Document after)
        : session_(session),
          field_(std::move(field)),
          before_(std::move(before)),
          after_(std::move(after)) {}
    int id() const override { return 1; }
    void undo() override { session_.replace(before_); }
    void redo() override { session_.replace(after_); }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const DocumentEdit*>(other);
        if (field_.isNone() || next->field_ != field_) return false;
        after_ = next->after_;
        return true;
    }

  private:
    EditSession& session_;
    FieldRef field_;
    Document before_, after_;
};

}  // namespace

QString EditSession::displayName() const {
    if (!path_.isEmpty()) return QFileInfo(path_).fileName();
    return document_.title.isEmpty() ? tr("New activity") : document_.title;
}

QString EditSession::pictureFolder() const {
    if (staged_) return staged_->path();
    return path_.isEmpty() ? LibraryLink::ownFolder() : QFileInfo(path_).absolutePath();
}

QString EditSession::stagingFolder() {
    if (!staged_) {
        const QString from = pictureFolder();
        staged_ = std::make_shared<QTemporaryDir>();
        copyPictures(document_, from, staged_->path());
    }
    return staged_->path();
}

void EditSession::open(Document document, QString path, bool readOnly, bool droppedComments) {
    undo_.clear();
    language_.clear();
    kept_.clear();
    document_ = std::move(document);
    path_ = std::move(path);
    readOnly_ = readOnly;
    droppedComments_ = droppedComments;
    staged_.reset();
    open_ = true;
    undo_.setClean();
    Q_EMIT opened();
    Q_EMIT changed();
}

void EditSession::close() {
    undo_.clear();
    language_.clear();
    kept_.clear();
    document_ = {};
    path_.clear();
    staged_.reset();
    open_ = false;
    Q_EMIT opened();
    Q_EMIT changed();
}

void EditSession::saved(const QString& path) {
    path_ = path;
    readOnly_ = false;
    droppedComments_ = false;
    staged_.reset();  // its pictures are beside it now
    undo_.setClean();
    Q_EMIT changed();
}

void EditSession::translate(const QString& language,
                            const activityfiles::Translation& translation) {
    if (!open_) return;
    if (!translating()) original_ = document_;
    undo_.clear();
    language_ = language;
    document_ = translating() ? translationOf(original_, translation) : original_;
    kept_ =
        translating() ? notInForm(original_, translation) : std::vector<activityfiles::TextPair>();
    undo_.setClean();
    Q_EMIT opened();
    Q_EMIT changed();
}

void EditSession::edit(const FieldRef& field, const std::function<void(Document&)>& change) {
    if (!open_ || readOnly_) return;
    Document after = document_;
    change(after);
    // A translation changes texts alone: the activity's shape is the original's.
    if (translating()) {
        if (!sameShape(after, document_)) return;
        translateAlike(original_, document_, after);
    }
    if (after == document_) return;
    undo_.push(new DocumentEdit(*this, field, document_, std::move(after)));
}

void EditSession::replace(const Document& document) {
    document_ = document;
    Q_EMIT changed();
}

}  // namespace maker
