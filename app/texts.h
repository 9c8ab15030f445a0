#pragma once
// The program's own notices and its guide page, kept together so they are easy to change.
#include <QCoreApplication>

namespace texts {

constexpr const char* kTitleCredits =
    QT_TRANSLATE_NOOP("Screens", "Science activities for ages 7 to 11");
constexpr const char* kTitleNotice =
    QT_TRANSLATE_NOOP("Screens", "Free for use in schools. Made with Qt.");
constexpr const char* kMainNotice = QT_TRANSLATE_NOOP("Screens", "Brindlemark science activities");
// Pages shipped with the program, opened in the browser from the main screen: the Teachers'
// Guide from its entry, the page about the program from the label at the foot.
constexpr const char* kGuidePage = "brindlemark.html";
constexpr const char* kAboutPage = "about.html";
constexpr const char* kAboutCaption = QT_TRANSLATE_NOOP("Screens", "About Brindlemark");

}  // namespace texts
