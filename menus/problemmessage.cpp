#include "menus/problemmessage.h"

#include <QDir>
#include <QFileInfo>

#include "ui/files.h"
#include "ui/formregistry.h"
#include "ui/platform.h"

using namespace ui;

namespace {

constexpr float kWidth = 9000, kHeight = 6000;

constexpr LabelDesign kHeading =
    buttonDesign(240, 240, 8400, 615, "", {"Tahoma", 20.25f, true}, colours::kBlack);
constexpr LabelDesign kWhere = textDesign(240, 1080, 8400, 855, {"Tahoma", 12, true});
constexpr LabelDesign kFolderPath = textDesign(240, 1935, 8400, 420, {"Tahoma", 9, false});
constexpr LabelDesign kMessage = textDesign(240, 2400, 8400, 1455, {"Tahoma", 15.75f, true});
constexpr LabelDesign kMore = textDesign(240, 3960, 8400, 675, {"Tahoma", 12, false});
constexpr LabelDesign kOpen =
    buttonDesign(1380, 4860, 4200, 495, QT_TRANSLATE_NOOP("Screens", "Open in the Activity Maker"),
                 {"Tahoma", 14.25f, true}, colours::kBlue);
constexpr LabelDesign kOk = buttonDesign(5940, 4860, 1680, 495, QT_TRANSLATE_NOOP("Screens", "OK"),
                                         {"Tahoma", 18, true}, colours::kBlue);

bool sameFolder(const QString& a, const QString& b) {
    const QString real = QFileInfo(a).canonicalFilePath();
    return !real.isEmpty() && real == QFileInfo(b).canonicalFilePath();
}

}  // namespace

ProblemMessage::ProblemMessage() : Form(Name) {
    setCaption("Halverin");
    setBorderStyle(BorderStyle::FixedDialog);
    heading.applyDesign(kHeading);
    where.applyDesign(kWhere);
    folderPath.applyDesign(kFolderPath);
    message.applyDesign(kMessage);
    more.applyDesign(kMore);
    openButton.applyDesign(kOpen);
    okButton.applyDesign(kOk);
    for (Label* l : {&where, &folderPath, &message, &more}) l->setWordWrap(true);
    okButton.Click = [this] { okClicked(); };
    openButton.Click = [this] { openInMakerClicked(); };
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
    path_ = QDir(p.folder).filePath(p.fileName);
    //: %1 is the caption of a topic greyed in a menu
    heading.setCaption(tr("Why \"%1\" is grey").arg(topic));
    const bool hers = sameFolder(p.folder, ui::userFolder("activities"));
    //: %1 is the name of an activity file
    where.setCaption((hers ? tr("The file %1 in your Brindlemark activities folder has a mistake:")
                           : tr("The file %1 in the folder below has a mistake:"))
                         .arg(p.fileName));
    folderPath.setCaption(QDir::toNativeSeparators(p.folder));
    message.setCaption(p.message);
    more.setCaption(p.more == 0 ? tr("Mend it, then open this menu again.")
                    : p.more == 1
                        ? tr("There is one more mistake in the file. Mend it, then open this menu "
                             "again.")
                        : tr("There are %1 more mistakes in the file. Mend it, then open this menu "
                             "again.")
                              .arg(p.more));
}

void ProblemMessage::openInMakerClicked() {
    if (platform().startMaker(path_)) okClicked();
}

void ProblemMessage::okClicked() {
    forms().unload(*this);
}
