#include "activities/wordgame/wordlists.h"

#include <QFile>

#include "ui/files.h"

namespace wordgame {

QString wordListName(int category, QLocale::Language language) {
    QString name = QString::fromLatin1(kCategoryFiles[category].file);
    if (language == QLocale::English || language == QLocale::C) return name;
    return name.insert(name.lastIndexOf('.'), '.' + QLocale::languageToCode(language));
}

std::optional<ListFile> wordListFile(int category, const QLocale& locale) {
    // Only a regular file is opened: a folder or a pipe of that name is passed over.
    if (const auto path = ui::resolveFile(wordListName(category, locale.language())))
        return ListFile{*path, alphabetOf(locale.language())};
    if (const auto path = ui::resolveFile(wordListName(category, QLocale::English)))
        return ListFile{*path, Alphabet::English};
    return std::nullopt;
}

Alphabet alphabetOfList(const QString& fileName) {
    const QStringList parts = fileName.split('.');
    return parts.size() < 3 ? Alphabet::English
                            : alphabetOf(QLocale::codeToLanguage(parts[parts.size() - 2]));
}

WordLists readWordLists(const QLocale& locale) {
    WordLists out;
    for (int c = 0; c < kCategories; ++c) {
        const auto list = wordListFile(c, locale);
        if (!list) continue;
        QFile file(list->path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        const CategoryWords read = readWordList(file);
        file.close();
        out.lists[c] = read.words;
        out.wordCounts[c] = read.count;
        out.alphabets[c] = list->alphabet;
    }
    return out;
}

}  // namespace wordgame
