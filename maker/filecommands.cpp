#include "maker/filecommands.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "activities/files/problemwords.h"
#include "maker/activitysaver.h"
#include "maker/comments.h"
#include "maker/dialogs.h"
#include "maker/editsession.h"
#include "maker/librarylink.h"
#include "maker/problemcheck.h"
#include "maker/translationdraft.h"

namespace maker {

namespace {

bool inFolder(const QString& path, const QString& folder) {
    const QString real = QFileInfo(folder).canonicalFilePath();
    return !real.isEmpty() && QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath() == real;
}

}  // namespace

FileCommands::FileCommands(Context& context, QWidget& window, std::function<void()> saved)
    : context_(context), window_(window), saved_(std::move(saved)) {}

bool FileCommands::keepWork() {
    if (!context_.session.isModified()) return true;
    switch (context_.dialogs.askUnsaved(&window_, context_.session.displayName())) {
        case Dialogs::Unsaved::Save:
            return save();
        case Dialogs::Unsaved::Discard:
            return true;
        case Dialogs::Unsaved::Cancel:
            break;
    }
    return false;
}

bool FileCommands::newActivity() {
    if (!keepWork()) return false;
    const std::optional<Kind> kind = context_.dialogs.chooseKind(&window_);
    if (!kind) return false;
    context_.session.open(blankDocument(*kind), {}, false);
    return true;
}

bool FileCommands::newActivity(Kind kind) {
    if (!keepWork()) return false;
    context_.session.open(blankDocument(kind), {}, false);
    return true;
}

bool FileCommands::open(const QString& path) {
    if (!keepWork()) return false;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        context_.dialogs.tell(&window_, tr("%1 cannot be opened.").arg(path));
        return false;
    }
    const QByteArray text = file.read(activityfiles::kMaxFileBytes + 1);
    const LibraryLink::Read read =
        context_.library.check(text, QFileInfo(path).fileName(), QFileInfo(path).absolutePath());
    if (!read.fields) {
        QStringList said;
        for (const activityfiles::Problem& p : read.problems)
            said << activityfiles::lineSays(p, read.judged().file.read->kind, text);
        context_.dialogs.tell(&window_,
                              tr("%1 cannot be opened in the Maker until these are mended in "
                                 "a text editor:\n%2")
                                  .arg(QFileInfo(path).fileName(), said.join('\n')));
        return false;
    }
    const bool dropped = readComments(text).othersDropped;
    context_.session.open(fromActivity(*read.fields, text), path,
                          LibraryLink::comesWithProgram(path), dropped);
    recent.add(QFileInfo(path).absoluteFilePath());
    return true;
}

QString FileCommands::newFileName() const {
    const Document& d = context_.session.document();
    // In place of a shipped topic, it takes that file's name, and so its place.
    if (d.menu > 0)
        for (const LibraryLink::Place& p : context_.library.places(d.menu, d.kind, {}))
            if (!p.fileName.isEmpty() && p.caption.compare(d.topic, Qt::CaseInsensitive) == 0)
                return p.fileName;
    QStringList taken = QDir(LibraryLink::ownFolder()).entryList(QDir::Files);
    for (const LibraryLink::Listed& l : context_.library.activities()) taken << l.fileName;
    return nameFromTitle(d.title.isEmpty() ? d.topic : d.title, taken);
}

bool FileCommands::save() {
    if (!context_.session.isOpen()) return false;
    if (context_.session.translating()) return saveTranslation();
    const QString own = LibraryLink::ownFolder();
    if (context_.session.path().isEmpty()) return writeTo(QDir(own).filePath(newFileName()), true);
    // A file of another folder is saved into hers, under its own name.
    if (!inFolder(context_.session.path(), own))
        return writeTo(QDir(own).filePath(QFileInfo(context_.session.path()).fileName()), true);
    return writeTo(context_.session.path(), false);
}

bool FileCommands::saveAs() {
    if (!context_.session.isOpen()) return false;
    // A translation has one place, beside its activity.
    if (context_.session.translating()) return saveTranslation();
    QString path = context_.dialogs.saveAs(&window_, LibraryLink::ownFolder(), newFileName());
    if (path.isEmpty()) return false;
    if (!path.endsWith(".toml", Qt::CaseInsensitive)) path += ".toml";
    return writeTo(path, false);
}

bool FileCommands::writeTo(const QString& path, bool isNew) {
    if (isNew && QFileInfo::exists(path) &&
        !context_.dialogs.confirm(
            &window_,
            tr("%1 is in your activities already. Replace it?").arg(QFileInfo(path).fileName())))
        return false;
    if (context_.session.droppedComments() &&
        !context_.dialogs.confirm(&window_,
                                  tr("This file has comments the Maker does not keep: only the "
                                     "one at its head and those above each entry are saved. "
                                     "Save it?")))
        return false;
    const Document& d = context_.session.document();
    // Its pictures first, so that the menus never find the activity without them.
    QString error = copyPictures(d, context_.check.folder(), QFileInfo(path).absolutePath());
    if (error.isEmpty()) error = writeWhole(path, writeActivity(d).text);
    if (!error.isEmpty()) {
        context_.dialogs.tell(&window_, tr("%1\nYour work is still here, not saved.").arg(error));
        return false;
    }
    context_.session.saved(path);
    recent.add(path);
    context_.library.refresh();
    if (saved_) saved_();
    context_.check.runNow();
    if (!context_.check.problems().empty())
        context_.dialogs.tell(&window_,
                              tr("Saved. Its topic stays grey in the menu until the problems "
                                 "listed below are mended."));
    return true;
}

QString FileCommands::whyNoTranslation() const {
    const EditSession& s = context_.session;
    if (!s.isOpen()) return tr("Open an activity to translate it.");
    if (s.readOnly()) return tr("Save a copy of the activity to translate it.");
    if (s.path().isEmpty())
        return tr("Save the activity first: its translation is kept beside it.");
    return {};
}

bool FileCommands::translate(const QString& language) {
    if (language == context_.session.language()) return true;
    if (!whyNoTranslation().isEmpty() || !keepWork()) return false;
    activityfiles::Translation translation;
    const QString path = activityfiles::translationFileName(context_.session.path(), language);
    if (!language.isEmpty() && QFileInfo::exists(path)) {
        QFile file(path);
        const QByteArray text = file.open(QIODevice::ReadOnly)
                                    ? file.read(activityfiles::kMaxFileBytes + 1)
                                    : QByteArray();
        translation = activityfiles::readTranslation(text);
        if (!file.isOpen() || !translation.problems.empty()) {
            QStringList said;
            for (const activityfiles::Problem& p : translation.problems)
                said << activityfiles::lineSays(p, context_.session.document().kind, text);
            context_.dialogs.tell(&window_,
                                  tr("%1 cannot be opened in the Maker until these are mended in "
                                     "a text editor:\n%2")
                                      .arg(QFileInfo(path).fileName(), said.join('\n')));
            return false;
        }
    }
    context_.session.translate(language, translation);
    return true;
}

bool FileCommands::saveTranslation() {
    EditSession& s = context_.session;
    const QString path = activityfiles::translationFileName(s.path(), s.language());
    const QString error =
        writeWhole(path, writeTranslation(s.original(), s.document(), s.keptPairs()).text);
    if (!error.isEmpty()) {
        context_.dialogs.tell(&window_, tr("%1\nYour work is still here, not saved.").arg(error));
        return false;
    }
    s.saved(s.path());
    context_.library.refresh();
    if (saved_) saved_();
    context_.check.runNow();
    if (!context_.check.problems().empty())
        context_.dialogs.tell(&window_, tr("Saved, with the problems listed below still to mend."));
    return true;
}

bool FileCommands::close() {
    if (!keepWork()) return false;
    context_.session.close();
    return true;
}

}  // namespace maker
