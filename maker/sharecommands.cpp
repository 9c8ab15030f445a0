#include "maker/sharecommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include "activities/files/sharing/export.h"
#include "activities/files/sharing/package.h"
#include "maker/activitysaver.h"
#include "maker/dialogs.h"
#include "maker/editsession.h"
#include "maker/filecommands.h"
#include "maker/librarylink.h"
#include "maker/pictureimport.h"
#include "maker/problemcheck.h"
#include "maker/tomlwriter.h"

namespace maker {

namespace {

QStringList folderNames(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

}  // namespace

ShareCommands::ShareCommands(Context& context, QWidget& window, FileCommands& files,
                             std::function<void()> installed)
    : context_(context), window_(window), files_(files), installed_(std::move(installed)) {
    // Whatever else is opened or closed, the shared activity is left unwritten.
    QObject::connect(&context_.session, &EditSession::opened, &window_, [this] {
        if (pending_ && context_.session.path() != pending_->unpackedPath(pending_->activityFile))
            pending_.reset();
    });
}

QString ShareCommands::whyNoExport() const {
    const EditSession& s = context_.session;
    if (!s.isOpen()) return tr("Open an activity to export it.");
    if (pending_) return tr("Install the shared activity before sending it on.");
    if (s.path().isEmpty() || s.isModified())
        return tr("Save the activity first: what is sent is the saved file.");
    if (!context_.check.playable() || !context_.check.problems().empty())
        return tr("Mend the problems listed below the activity first.");
    return {};
}

bool ShareCommands::exportActivity() {
    context_.check.runNow();
    if (!canExport()) return false;
    const QString folder = context_.dialogs.chooseFolder(&window_, tr("Export the activity to"));
    if (folder.isEmpty()) return false;
    const QString path = context_.session.path();
    const QString name = sharing::exportName(path);
    const bool replace = QFileInfo::exists(QDir(folder).filePath(name));
    if (replace && !context_.dialogs.confirm(
                       &window_, tr("%1 is in that folder already. Replace it?").arg(name)))
        return false;
    const sharing::Exported out = sharing::exportActivity(path, folder, replace);
    if (!out.problem.isEmpty()) {
        context_.dialogs.tell(&window_, tr("%1 was not written: %2.").arg(name, out.problem));
        return false;
    }
    context_.dialogs.tell(&window_,
                          tr("Written to %1.\nSend this one file to another teacher: opened "
                             "in the Activity Maker, it shows the activity and adds it to "
                             "her menus.")
                              .arg(QDir::toNativeSeparators(out.path)));
    return true;
}

bool ShareCommands::import() {
    const QString path = context_.dialogs.openPackage(&window_);
    return !path.isEmpty() && import(path);
}

bool ShareCommands::import(const QString& path) {
    if (!files_.keepWork()) return false;
    sharing::Inspection in = sharing::inspectPackage(path);
    if (!in.ok()) {
        const QString why = in.problem.left(1).toUpper() + in.problem.mid(1);
        context_.dialogs.tell(&window_, tr("%1 cannot be imported.\n%2.\nNothing was written.")
                                            .arg(QFileInfo(path).fileName(), why));
        return false;
    }
    const QString unpacked = in.unpackedPath(in.activityFile);
    QFile file(unpacked);
    const QByteArray text =
        file.open(QIODevice::ReadOnly) ? file.read(activityfiles::kMaxFileBytes) : QByteArray();
    Document document = fromActivity(*in.activity, text);
    pending_ = std::move(in);
    context_.session.open(std::move(document), unpacked, true);
    return true;
}

QString ShareCommands::whereItAppears() const {
    if (!pending_) return {};
    const sharing::Place& p = pending_->place;
    QString where = p.menu == 0 ? tr("in Our Activities as \"%1\"").arg(p.topic)
                                : tr("in Menu %1 as \"%2\"").arg(QString::number(p.menu), p.topic);
    if (p.inPlaceOf.isEmpty()) return where;
    // The topic it replaces, by its name in the menu.
    QString replaced = QFileInfo(p.inPlaceOf).completeBaseName();
    for (const LibraryLink::Listed& l : context_.library.activities())
        if (QFileInfo(l.path) == QFileInfo(p.inPlaceOf)) replaced = l.topic;
    return tr("%1, in place of %2, which comes with the program").arg(where, replaced);
}

QString ShareCommands::placeTaken() const {
    const sharing::Place& p = pending_->place;
    if (p.menu < 1 || p.menu > 5) return {};
    for (const LibraryLink::Place& place :
         context_.library.places(p.menu, pending_->activity->kind, pending_->activityFile)) {
        if (place.caption.compare(p.topic, Qt::CaseInsensitive) != 0) continue;
        if (!place.offered) return place.why;
        if (!place.fileName.isEmpty())
            return tr("It takes the place of \"%1\" in Menu %2, now %3.")
                .arg(place.caption, QString::number(p.menu), place.holder);
    }
    return {};
}

QStringList ShareCommands::activitiesShowing(const QString& name) const {
    QStringList topics;
    for (const LibraryLink::Listed& l : context_.library.activities()) {
        if (!l.mine) continue;
        QFile file(l.path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        const LibraryLink::Read read = context_.library.check(
            file.read(activityfiles::kMaxFileBytes), l.fileName, QFileInfo(l.path).absolutePath());
        if (read.fields && sharing::picturesOf(*read.fields).contains(name, Qt::CaseInsensitive))
            topics << QString("\"%1\"").arg(l.topic);
    }
    return topics;
}

bool ShareCommands::renamePicture(const QString& from, const QString& to) {
    sharing::Inspection& in = *pending_;
    const QString activityPath = in.unpackedPath(in.activityFile);
    QFile file(activityPath);
    if (!file.open(QIODevice::ReadOnly)) return false;
    Document d = fromActivity(*in.activity, file.read(activityfiles::kMaxFileBytes));
    file.close();
    const auto rename = [&](QString& picture) {
        if (picture.compare(from, Qt::CaseInsensitive) == 0) picture = to;
    };
    rename(d.picture);
    for (Question& q : d.questions) rename(q.picture);
    if (!QFile::rename(in.unpackedPath(from), in.unpackedPath(to)) ||
        !writeWhole(activityPath, writeActivity(d).text).isEmpty())
        return false;
    rename(in.activity->picture);
    for (activityfiles::Question& q : in.activity->questions) rename(q.picture);
    in.pictures.replace(in.pictures.indexOf(from), to);
    return true;
}

bool ShareCommands::settleReplacements() {
    sharing::Inspection& in = *pending_;
    for (const QString& name : QStringList(in.existing)) {
        const QString theirs = sharing::sameName(in.files(), name);
        const bool isActivity = theirs == in.activityFile;
        if (isActivity) {
            if (!context_.dialogs.confirm(&window_, tr("These are in your activities already: %1.\n"
                                                       "Replace them with the shared ones?")
                                                        .arg(name)))
                return false;
            continue;
        }
        if (sameBytes(in.unpackedPath(theirs), QDir(in.folder).filePath(name)))
            continue;  // the very picture she has
        const QStringList showing = activitiesShowing(name);
        const QString mine =
            showing.isEmpty() ? tr("You have a picture called %1 already.").arg(name)
            : showing.size() == 1
                ? tr("Your %1 uses a picture called %2.").arg(showing.first(), name)
                : tr("Your %1 use a picture called %2.").arg(showing.join(tr(", ")), name);
        if (context_.dialogs.confirm(
                &window_, tr("The shared activity brings a picture of the same name. %1\n"
                             "Replace yours with theirs? (No keeps yours, and theirs is "
                             "installed under another name.)")
                              .arg(mine)))
            continue;
        QStringList taken = folderNames(in.folder) + in.files();
        const QFileInfo info(theirs);
        QString to;
        for (int n = 2; to.isEmpty() || taken.contains(to, Qt::CaseInsensitive); ++n)
            to = QString("%1-%2.%3").arg(info.completeBaseName()).arg(n).arg(info.suffix());
        if (!renamePicture(theirs, to)) {
            context_.dialogs.tell(
                &window_, tr("Nothing was installed: %1 could not be renamed.").arg(theirs));
            return false;
        }
        in.existing.removeAll(name);
    }
    return true;
}

bool ShareCommands::install() {
    if (!pending_) return false;
    if (!settleReplacements()) return false;
    const sharing::Inspection& in = *pending_;
    if (const QString taken = placeTaken();
        !taken.isEmpty() &&
        !context_.dialogs.confirm(&window_, tr("%1\nInstall it there?").arg(taken)))
        return false;
    const sharing::Installed done = sharing::installPackage(in, in.existing);
    if (!done.problem.isEmpty()) {
        context_.dialogs.tell(&window_, tr("Nothing was installed: %1.").arg(done.problem));
        return false;
    }
    const QString where = whereItAppears();
    context_.library.refresh();
    if (installed_) installed_();
    files_.open(done.written.last());
    QStringList problems;
    for (const FieldProblem& p : context_.check.problems()) problems << p.message;
    context_.dialogs.tell(&window_,
                          problems.isEmpty()
                              ? tr("Installed in your activities. It appears %1.").arg(where)
                              : tr("Installed in your activities. It appears %1, but its topic "
                                   "stays grey in the menu until this is mended:\n%2")
                                    .arg(where, problems.join('\n')));
    return true;
}

void ShareCommands::leave() {
    if (!pending_) return;
    pending_.reset();
    context_.session.close();
}

}  // namespace maker
