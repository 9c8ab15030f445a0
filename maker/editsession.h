#pragma once
// The activity open in the Maker: its document, where it was read from, whether it may be
// changed, and the undo stack through which every edit passes.
#include <QObject>
#include <QTemporaryDir>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "activities/files/translation.h"
#include "maker/document.h"
#include "maker/tomlwriter.h"

namespace maker {

class EditSession : public QObject {
    Q_OBJECT
  public:
    const Document& document() const { return document_; }
    // The file it was read from or saved to; empty for a new activity.
    const QString& path() const { return path_; }
    bool readOnly() const { return readOnly_; }
    bool isOpen() const { return open_; }
    bool isModified() const { return open_ && !undo_.isClean(); }
    // Comments of the file that the Maker cannot keep, not yet told of.
    bool droppedComments() const { return droppedComments_; }
    QUndoStack& undoStack() { return undo_; }
    // The name shown in the title and in questions.
    QString displayName() const;

    // The language whose translation is edited, by its code ("cy"); empty for the activity's
    // own words. While it is translated, document() is the translation, in the activity's
    // shape (see translationdraft.h), and original() the activity, which no edit changes.
    const QString& language() const { return language_; }
    bool translating() const { return !language_.isEmpty(); }
    const Document& original() const { return translating() ? original_ : document_; }
    // The pairs of the translation's file for texts the form does not show.
    const std::vector<activityfiles::TextPair>& keptPairs() const { return kept_; }
    // Edits the translation into `language` that `translation` gives (empty language: the
    // activity's own words again), from a clean state: she has saved or left her work.
    void translate(const QString& language, const activityfiles::Translation& translation);

    // Where its pictures are found. Those she chose since it was saved wait in a folder of
    // their own, copied into hers only by a save: an activity she abandons leaves nothing.
    QString pictureFolder() const;
    // That waiting folder, made when first needed with the pictures the activity had.
    QString stagingFolder();

    void open(Document document, QString path, bool readOnly, bool droppedComments = false);
    void close();
    // Saved to `path`: the document as it is now is the clean state.
    void saved(const QString& path);

    // One edit of `field`; edits of one text field in a row undo together.
    void edit(const FieldRef& field, const std::function<void(Document&)>& change);

    // Used by the undo stack.
    void replace(const Document& document);

  Q_SIGNALS:
    void changed();
    void opened();

  private:
    Document document_;
    Document original_;
    QString language_;
    std::vector<activityfiles::TextPair> kept_;
    QString path_;
    bool readOnly_ = false;
    bool open_ = false;
    bool droppedComments_ = false;
    std::shared_ptr<QTemporaryDir> staged_;
    QUndoStack undo_;
};

}  // namespace maker
