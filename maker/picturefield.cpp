#include "maker/picturefield.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "maker/dialogs.h"
#include "maker/editsession.h"
#include "maker/librarylink.h"
#include "maker/pictureimport.h"

namespace maker {

PictureField::PictureField(Context& context, FieldBinder& binder, const FieldRef& field,
                           const QString& whose, FieldBinder::Get<QString> get,
                           FieldBinder::Set<QString> set, bool optional)
    : context_(context), field_(field), set_(std::move(set)) {
    auto* line = new QHBoxLayout(this);
    line->setContentsMargins(0, 0, 0, 0);
    auto* name = new QLabel;
    name->setObjectName("pictureName");
    binder.show(name, [get](const Document& d) {
        const QString n = get(d);
        return n.isEmpty() ? tr("No picture") : n;
    });
    binder.stand(name, field);
    auto* button = new QPushButton(tr("Choose a &picture…"));
    button->setObjectName("choosePicture");
    button->setAccessibleName(whose.isEmpty() ? tr("Choose a picture")
                                              : tr("Choose a picture for %1").arg(whose));
    connect(button, &QPushButton::clicked, this, &PictureField::choose);
    line->addWidget(name, 1);
    line->addWidget(button);
    if (optional) {
        auto* none = new QPushButton(tr("No picture"));
        none->setAccessibleName(whose.isEmpty() ? tr("No picture")
                                                : tr("No picture for %1").arg(whose));
        connect(none, &QPushButton::clicked, this,
                [this] { context_.session.edit({}, [this](Document& d) { set_(d, QString()); }); });
        line->addWidget(none);
    }
}

bool PictureField::choose() {
    const QString source = context_.dialogs.choosePicture(window());
    if (source.isEmpty()) return false;
    const ImportedPicture picture =
        importPicture(source, context_.session.stagingFolder(), LibraryLink::ownFolder());
    if (picture.name.isEmpty()) {
        context_.dialogs.tell(window(), tr("%1\nThe picture you had is kept.").arg(picture.error));
        return false;
    }
    context_.session.edit({}, [this, &picture](Document& d) { set_(d, picture.name); });
    return true;
}

}  // namespace maker
