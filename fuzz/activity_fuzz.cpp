// Fuzz target for the activity file reader: whatever the bytes, it gives an activity that
// keeps the bounds the screens rely on, or problems, and never both nor neither.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "activities/files/activity.h"

using namespace activityfiles;

namespace {

void require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "activity reader broke a limit: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ReadResult r = readActivity(bytes, "fuzz.toml");
    require(r.activity.has_value() != !r.problems.empty(), "an activity and problems");
    for (const Problem& p : r.problems)
        require(p.at.line >= 0 && p.at.column >= 0 && !p.message.isEmpty(), "a problem's place");
    if (!r.activity) return 0;
    const Activity& a = *r.activity;
    require(a.menu >= 1 && a.menu <= 5 && !a.topic.isEmpty(), "menu and topic");
    require(a.labels.size() + a.words.size() <= kMaxWords, "words");
    require(a.questions.size() <= kMaxQuestions && a.statements.size() <= kMaxQuestions,
            "questions");
    for (const SortWord& w : a.words)
        require(w.column >= 0 && w.column < a.columns.size(), "a word's column");
    for (const Question& q : a.questions)
        require(q.answers.size() >= kMinAnswers && q.answers.size() <= kMaxAnswers &&
                    q.right >= 0 && q.right < q.answers.size(),
                "answers");
    for (const Passage& p : a.passages)
        require(!p.gaps.isEmpty() && p.pieces.size() == p.gaps.size() + 1, "a passage's gaps");
    const bool hasWork = !a.labels.empty() || !a.words.empty() || !a.passages.empty() ||
                         !a.questions.empty() || !a.statements.empty();
    require(hasWork, "an activity with nothing to do");
    return 0;
}
