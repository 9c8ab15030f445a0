#include "speech/speakerbutton.h"

#include <QCoreApplication>

#include "ui/pictures.h"

namespace speech {

SpeakerButton::SpeakerButton(ui::Form& screen, Corner corner, std::function<QString()> text)
    : CommandButton(screen, "cmdspeak"), text_(std::move(text)) {
    setGeometry(corner.left, corner.top, kSpeakerSide, kSpeakerSide);
    setDescription(QCoreApplication::translate("ReadAloud", "Read aloud"));
    Click = [this] { read(); };
    follow();
}

void SpeakerButton::read() const {
    say(text_());
}

void SpeakerButton::follow() {
    // The picture is loaded only when the button is first to be seen: with reading off, a
    // screen loads nothing more than before.
    if (isReading() && !dressed_) {
        dressed_ = true;
        if (auto picture = ui::LoadPicture("Images\\speaker.jpg"))
            setPicture(*picture);
        else
            setCaption(QCoreApplication::translate("ReadAloud", "Read"));
    }
    setVisible(isReading());
}

}  // namespace speech
