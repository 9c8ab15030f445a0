#pragma once
// An activity's texts in another language. A teacher writes them in a file beside the
// activity, named for the language ("skeleton.cy.toml" beside "skeleton.toml"): each text of
// the activity as it stands there, in quotation marks, then = and the same text in her
// language. A text she leaves out stays in the activity's own language.
#include <QByteArray>
#include <QString>
#include <vector>

#include "activities/files/activity.h"

namespace activityfiles {

struct TextPair {
    QString original;
    QString translated;
    Position at;
};

struct Translation {
    std::vector<TextPair> pairs;  // in file order
    std::vector<Problem> problems;
};

// How a translation matches a text: whatever blanks stand at its ends or how its letters
// were composed.
QString translationKey(const QString& text);

// Reads a translation's bytes: its syntax and that every value is a text.
Translation readTranslation(const QByteArray& bytes);

// The language a file name gives a translation, as its two-letter code ("skeleton.cy.toml":
// "cy"); empty for an activity's own file, which the library reads.
QString translationLanguage(const QString& fileName);
// The file of an activity's translation into `language`.
QString translationFileName(const QString& activityFileName, const QString& language);

// What does not match the activity: a text it does not have, a passage whose gaps differ in
// number, an empty text, two texts of one list that would read alike.
std::vector<Problem> checkTranslation(const Activity& activity, const Translation& translation);

// The activity in the translation's words. A spoken form (`say`) that the translation does
// not give is dropped, so that the translated text is read as written.
Activity translated(Activity activity, const Translation& translation);

}  // namespace activityfiles
