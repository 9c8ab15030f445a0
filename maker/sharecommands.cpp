#include "maker/sharecommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include "activities/files/sharing/export.h"
#include "maker/dialogs.h"
#include "maker/editsession.h"
#include "maker/filecommands.h"
#include "maker/librarylink.h"
#include "maker/problemcheck.h"

namespace maker {

ShareCommands::ShareCommands(Context& context, QWidget& window, FileCommands& files,
                             std::function<void()> installed)
    : context_(context), window_(window), files_(files), installed_(std::move(installed)) {
    // Whatever else is opened or closed, the shared activity is left unwritten.
    QObject::connect(&context_.session, &EditSession::opened, &window_, [this] {
        if (pending_ && context_.session.path() != pending_->unpackedPath(pending_->activityFile))
            pending_.reset();
    });
}

bool ShareCommands::canExport() const {
    const EditSession& s = context_.session;
    return s.isOpen() && !pending_ && !s.path().isEmpty() && !s.isModified() &&
           context_.check.playable() && context_.check.problems().empty();
}

bool ShareCommands::exportActivity() {
    context_.check.runNow();
    if (!canExport()) return false;
    const QString folder = context_.dialogs.chooseFolder(&window_, "Export the activity to");
    if (folder.isEmpty()) return false;
    const QString path = context_.session.path();
    const QString name = sharing::exportName(path);
    const bool replace = QFileInfo::exists(QDir(folder).filePath(name));
    if (replace && !context_.dialogs.confirm(
                       &window_, QString("%1 is in that folder already. Replace it?").arg(name)))
        return false;
    const sharing::Exported out = sharing::exportActivity(path, folder, replace);
    if (!out.problem.isEmpty()) {
        context_.dialogs.tell(&window_, QString("%1 was not written: %2.").arg(name, out.problem));
        return false;
    }
    context_.dialogs.tell(&window_,
                          QString("Written to %1.\nSend this one file to another teacher: opened "
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
        context_.dialogs.tell(&window_, QString("%1 cannot be imported.\n%2.\nNothing was written.")
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
    QString where = p.menu == 0 ? QString("in Our Activities as \"%1\"").arg(p.topic)
                                : QString("in Menu %1 as \"%2\"").arg(p.menu).arg(p.topic);
    if (!p.inPlaceOf.isEmpty())
        where += QString(", in place of %1, which comes with the program")
                     .arg(QFileInfo(p.inPlaceOf).fileName());
    return where;
}

QString ShareCommands::placeTaken() const {
    const sharing::Place& p = pending_->place;
    if (p.menu < 1 || p.menu > 5) return {};
    for (const LibraryLink::Place& place :
         context_.library.places(p.menu, pending_->activity->kind, pending_->activityFile)) {
        if (place.caption.compare(p.topic, Qt::CaseInsensitive) != 0) continue;
        if (!place.offered) return place.why;
        if (!place.fileName.isEmpty())
            return QString("It takes the place of \"%1\" in Menu %2, now %3.")
                .arg(place.caption)
                .arg(p.menu)
                .arg(place.holder);
    }
    return {};
}

bool ShareCommands::install() {
    if (!pending_) return false;
    const sharing::Inspection& in = *pending_;
    if (!in.existing.isEmpty() &&
        !context_.dialogs.confirm(&window_, QString("These are in your activities already: %1.\n"
                                                    "Replace them with the shared ones?")
                                                .arg(in.existing.join(", "))))
        return false;
    if (const QString taken = placeTaken();
        !taken.isEmpty() && !context_.dialogs.confirm(&window_, taken + "\nInstall it there?"))
        return false;
    const sharing::Installed done = sharing::installPackage(in, in.existing);
    if (!done.problem.isEmpty()) {
        context_.dialogs.tell(&window_, QString("Nothing was installed: %1.").arg(done.problem));
        return false;
    }
    const QString where = whereItAppears();
    context_.library.refresh();
    if (installed_) installed_();
    files_.open(done.written.last());
    context_.dialogs.tell(&window_,
                          QString("Installed in your activities. It appears %1.").arg(where));
    return true;
}

void ShareCommands::leave() {
    if (!pending_) return;
    pending_.reset();
    context_.session.close();
}

}  // namespace maker
