#pragma once
// The program's own notices and its guide page, kept together so they are easy to change.

namespace texts {

constexpr const char* kTitleCredits = "Science activities for ages 7 to 11";
constexpr const char* kTitleNotice = "Free for use in schools. Made with Qt.";
constexpr const char* kMainNotice = "Brindlemark science activities";
// The guide page shipped beside the program; the main screen opens it in the browser.
constexpr const char* kGuidePage = "brindlemark.html";

}  // namespace texts
