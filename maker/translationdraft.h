#pragma once
// An activity's translation as the Maker edits it: a document of the activity's own shape
// whose every text is its translation, empty where a text is not translated (it then stays in
// the activity's own words). It is saved as the translation's file, beside the activity.
#include <QByteArray>
#include <functional>
#include <map>
#include <vector>

#include "activities/files/translation.h"
#include "maker/document.h"

namespace maker {

// Each text of the form that a translation may give, with its field.
void eachText(Document& document, const std::function<void(QString&, const FieldRef&)>& f);

// The translation of `original` that `translation` gives, in the form's shape.
Document translationOf(const Document& original, const activityfiles::Translation& translation);
// The pairs of `translation` for texts of the activity that the form does not show (a screen
// laid out by hand's "wrong answer", its sections' buttons): kept as read. A pair for a text
// the activity no longer has is not kept, for it would never be used.
std::vector<activityfiles::TextPair> notInForm(const Document& original,
                                               const activityfiles::Translation& translation);

// Whether two documents differ in their texts alone.
bool sameShape(const Document& a, const Document& b);
// A text translated in one field is translated alike wherever the activity has that text, for
// the file gives each text one translation.
void translateAlike(const Document& original, const Document& before, Document& after);

struct WrittenTranslation {
    QByteArray text;
    std::map<int, FieldRef> fieldAt;  // by line: the field whose text it translates
};

// Each translated text once, as "original" = "translation", then the pairs kept as read.
WrittenTranslation writeTranslation(const Document& original, const Document& translation,
                                    const std::vector<activityfiles::TextPair>& kept);

}  // namespace maker
