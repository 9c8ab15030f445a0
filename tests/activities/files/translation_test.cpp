// An activity's translation: read, checked against the activity with its lines, and applied,
// spoken forms and hand-placed words following their texts.
#include "activities/files/translation.h"

#include <gtest/gtest.h>

using namespace activityfiles;

namespace {

Activity read(const char* toml) {
    ReadResult r = readActivity(toml, "forces.toml");
    EXPECT_TRUE(r.problems.empty()) << r.problems.front().message.toStdString();
    return *r.activity;
}

const char* kQuestions = R"(menu = 4
topic = "Forces"
kind = "questions"
[[question]]
text = "What does a newton meter measure?"
answers = ["Force", "Mass"]
say_answers = ["force", "mass"]
right = "Force"
)";

const char* kPassage = R"(menu = 2
topic = "Soil"
kind = "passage"
[[passage]]
text = "Soil is made of [rock] and [humus]."
)";

}  // namespace

TEST(Translation, EachMismatchIsNamedOnItsLine) {
    const struct {
        const char* activity;
        const char* translation;
        int line;  // 0: no problem
        const char* says;
    } cases[] = {
        {kQuestions, "\"Forces\" = \"Grymoedd\"\n\"Force\" = \"Grym\"", 0, ""},
        {kQuestions, "\"Forces\" = \"Grymoedd\"\n\"Forse\" = \"Grym\"", 2, "\"Forse\" is no text"},
        {kQuestions, "\"Force\" = \"Grym\"\n\"Mass\" = \"Grym\"", 2, "would both read \"Grym\""},
        {kQuestions, "\"Force\" = \"Mass\"", 1, "would both read \"Mass\""},
        {kQuestions, "\"Force\" = \"  \"", 1, "is empty"},
        {kQuestions, "\"Force\" = 3", 1, "in quotation marks"},
        {kQuestions, "\"Force\" = \"Grym\"\n\"Force\" = \"Nerth\"", 2, ""},  // the parser's words
        {kPassage, "\"Soil is made of [rock] and [humus].\" = \"Mae pridd o [graig].\"", 1,
         "has 2 gaps, its translation 1"},
        {kPassage, "\"Soil is made of [rock] and [humus].\" = \"Mae [pridd o [graig].\"", 1,
         "without its partner"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.translation);
        const Translation t = readTranslation(c.translation);
        std::vector<Problem> problems = t.problems;
        if (problems.empty()) problems = checkTranslation(read(c.activity), t);
        if (c.line == 0) {
            EXPECT_TRUE(problems.empty()) << problems.front().message.toStdString();
            continue;
        }
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_EQ(problems[0].at.line, c.line);
        EXPECT_TRUE(problems[0].message.contains(c.says)) << problems[0].message.toStdString();
    }
}

TEST(Translation, AppliedTextsReplaceTheirOriginalsAndUntranslatedSpeechIsDropped) {
    const Translation questions = readTranslation(
        "\"What does a newton meter measure?\" = \"Beth mae mesurydd newton yn ei fesur?\"\n"
        "\"Force\" = \"Grym\"\n\"force\" = \"grym\"\n\"Mass\" = \"Màs\"");
    const Activity q = translated(read(kQuestions), questions);
    EXPECT_EQ(q.questions[0].text, "Beth mae mesurydd newton yn ei fesur?");
    EXPECT_EQ(q.questions[0].answers, QStringList({"Grym", QString::fromUtf8("Màs")}));
    EXPECT_EQ(q.questions[0].answersSay, QStringList({"grym", ""}));
    EXPECT_EQ(q.questions[0].right, 0);
    EXPECT_EQ(q.topic, "Forces") << "a text left out stays as it is";

    const Activity p = translated(
        read(kPassage),
        readTranslation(
            "\"Soil is made of [rock] and [humus].\" = \"Mae pridd o [graig] a [hwmws].\""));
    EXPECT_EQ(p.passages[0].gaps, QStringList({"graig", "hwmws"}));
    EXPECT_EQ(p.passages[0].pieces, QStringList({"Mae pridd o ", " a ", "."}));
    EXPECT_EQ(translationLanguage("Skeleton.CY.toml"), "cy");
    EXPECT_EQ(translationLanguage("skeleton.toml"), "");
    EXPECT_EQ(translationLanguage("notes.zq.toml"), "") << "no language's code";
    EXPECT_EQ(translationFileName("skeleton.toml", "cy"), "skeleton.cy.toml");
}
