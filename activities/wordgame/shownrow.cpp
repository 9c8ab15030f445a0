#include "activities/wordgame/shownrow.h"

#include <algorithm>

namespace wordgame {

namespace {

constexpr const char* kNeverShown[] = {
    // rude
    "anal",
    "anus",
    "arse",
    "bitch",
    "boob",
    "bum",
    "cock",
    "crap",
    "cunt",
    "dick",
    "fart",
    "fuck",
    "incest",
    "penis",
    "piss",
    "poo",
    "porn",
    "pubes",
    "rape",
    "sex",
    "shit",
    "slut",
    "tits",
    "turd",
    "whore",
    "willy",
    // unkind
    "dumb",
    "freak",
    "hate",
    "idiot",
    "loser",
    "stupid",
    "ugly",
    // frightening
    "dead",
    "death",
    "kill",
    "murder",
    // Welsh, which the same children read: rude, unkind, frightening
    "cachu",
    "cont",
    "ffwc",
    "pidyn",
    "dwl",
    "hyll",
    "twp",
    "lladd",
    "marw",
};

QString spelt(const std::vector<int>& order, const QStringList& word) {
    QString row;
    for (int place : order) row += word[place];
    return row;
}

}  // namespace

std::span<const char* const> neverShownWords() {
    return kNeverShown;
}

bool spellsNeverShown(const QString& row) {
    const QString lower = row.toLower();
    return std::any_of(std::begin(kNeverShown), std::end(kNeverShown),
                       [&](const char* w) { return lower.contains(QLatin1String(w)); });
}

bool mayShow(const std::vector<int>& order, const QStringList& word) {
    const QString row = spelt(order, word);
    const bool allAlike =
        std::all_of(word.begin(), word.end(), [&](const QString& c) { return c == word[0]; });
    return (allAlike || row != word.join(QString())) && !spellsNeverShown(row);
}

std::vector<int> mended(std::vector<int> order, const QStringList& word) {
    const int n = static_cast<int>(order.size());
    std::vector<int> tried = order;
    for (int turn = 1; turn < n; ++turn) {
        std::rotate(tried.begin(), tried.begin() + 1, tried.end());
        if (mayShow(tried, word)) return tried;
    }
    for (int a = 0; a < n; ++a) {
        for (int b = a + 1; b < n; ++b) {
            tried = order;
            std::swap(tried[a], tried[b]);
            if (mayShow(tried, word)) return tried;
        }
    }
    return order;
}

}  // namespace wordgame
