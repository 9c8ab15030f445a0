#include "menus/problemmessage.h"

#include <QDir>

#include "ui/formregistry.h"
#include "ui/platform.h"

using namespace ui;

namespace {

constexpr float kWidth = 9000, kHeight = 6000;

constexpr LabelDesign kHeading =
    buttonDesign(240, 240, 8400, 615, "", {"Tahoma", 20.25f, true}, colours::kBlack);
constexpr LabelDesign kWhere = textDesign(240, 1080, 8400, 1335, {"Tahoma", 12, true});
constexpr LabelDesign kMessage = textDesign(240, 2400, 8400, 1455, {"Tahoma", 15.75f, true});
constexpr LabelDesign kMore = textDesign(240, 3960, 8400, 675, {"Tahoma", 12, false});
constexpr LabelDesign kOk =
    buttonDesign(3600, 4860, 1680, 495, "OK", {"Tahoma", 18, true}, colours::kBlue);

}  // namespace

ProblemMessage::ProblemMessage() : Form(Name) {
    setCaption("Halverin");
    setBorderStyle(BorderStyle::FixedDialog);
    heading.applyDesign(kHeading);
    where.applyDesign(kWhere);
    message.applyDesign(kMessage);
    more.applyDesign(kMore);
    okButton.applyDesign(kOk);
    for (Label* l : {&where, &message, &more}) l->setWordWrap(true);
    okButton.Click = [this] { okClicked(); };
}

void ProblemMessage::onLoad() {
    setBackColor(colours::kMenuBlue);
    setClientSize(kWidth, kHeight);
    const QSizeF display = platform().displayTwips();
    setTop(static_cast<float>(display.height() / 2 - Height() / 2.0));
    setLeft(static_cast<float>(display.width() / 2 - Width() / 2.0));
    takeScreenShortcuts();
}

void ProblemMessage::tell(const QString& topic, const menus::SlotProblem& p) {
    heading.setCaption(QString("Why \"%1\" is grey").arg(topic));
    where.setCaption(QString("The file %1 in the folder %2 has a problem on line %3, "
                             "column %4:")
                         .arg(p.fileName, QDir::toNativeSeparators(p.folder))
                         .arg(p.line)
                         .arg(p.column));
    QString text = p.message;
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    message.setCaption(text.endsWith('.') ? text : text + '.');
    const QString others = p.more == 0 ? QString()
                           : p.more == 1
                               ? QString("There is one more problem in the file. ")
                               : QString("There are %1 more problems in the file. ").arg(p.more);
    more.setCaption(others + "Put it right, then open this menu again.");
}

void ProblemMessage::okClicked() {
    forms().unload(*this);
}
