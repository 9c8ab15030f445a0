#include "maker/placepicker.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

#include "maker/editsession.h"
#include "maker/librarylink.h"

namespace maker {

PlacePicker::PlacePicker(Context& context, int menu, QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    const QString fileName = QFileInfo(context.session.path()).fileName();
    const auto places = context.library.places(menu, context.session.document().kind, fileName);
    for (int s = 0; s < 5; ++s) {
        const LibraryLink::Place& p = places[s];
        auto* button = new QToolButton;
        button->setObjectName(QString("place%1").arg(s + 1));
        button->setCheckable(true);
        button->setChecked(
            p.caption.compare(context.session.document().topic, Qt::CaseInsensitive) == 0);
        button->setText(QCoreApplication::translate("MenuTopic", p.caption.toUtf8()));
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setEnabled(p.offered);
        auto* holder = new QLabel(p.offered ? tr("Now: %1").arg(p.holder) : p.why);
        holder->setWordWrap(true);
        holder->setEnabled(p.offered);
        buttons_.push_back(button);
        captions_.push_back(p.caption);
        grid->addWidget(button, 0, s);
        grid->addWidget(holder, 1, s, Qt::AlignTop);
        connect(button, &QToolButton::clicked, this, [&context, caption = p.caption] {
            context.session.edit({}, [&](Document& d) { d.topic = caption; });
        });
    }
    showTopic(context.session.document().topic);
}

void PlacePicker::showTopic(const QString& topic) {
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setChecked(captions_[i].compare(topic, Qt::CaseInsensitive) == 0);
}

}  // namespace maker
