#pragma once
// Texts as they are read aloud.
#include <QString>
#include <QStringList>

namespace speech {

// The parts read one after another, each ending as a sentence, so that the voice pauses
// between an instruction, a question and each of its answers. Empty parts are left out.
QString sentences(const QStringList& parts);

// A passage whose gaps are runs of blanks, plain or no-break, each gap read as "blank".
QString withGapsRead(const QString& passage);

// The spoken form when a file gives one, else the written one.
inline QString spokenForm(const QString& written, const QString& say) {
    return say.isEmpty() ? written : say;
}

}  // namespace speech
