// The writer: every shipped activity, opened and saved under a new name, reads back as the
// same activity with its comments; texts that need escaping survive.
#include "maker/tomlwriter.h"

#include <gtest/gtest.h>

#include "activities/files/translation.h"
#include "maker/comments.h"
#include "tests/support/files.h"

using namespace maker;

TEST(MakerWriter, EveryShippedActivityReadsBackTheSame) {
    const QDir folder(QString(BRINDLEMARK_RUN_DIR) + "/activities");
    const QStringList files = folder.entryList({"*.toml"});
    ASSERT_GE(files.size(), 19);
    for (const QString& name : files) {
        if (!activityfiles::translationLanguage(name).isEmpty()) continue;  // no activity
        SCOPED_TRACE(name.toStdString());
        const QByteArray original = fileBytes(folder.filePath(name));
        const auto first = activityfiles::readActivity(original, name);
        ASSERT_TRUE(first.activity);
        const Document document = fromActivity(*first.activity, original);
        const WrittenFile written = writeActivity(document);
        const auto again = activityfiles::readActivity(written.text, "copy-" + name);
        ASSERT_TRUE(again.activity) << again.problems.front().message.toStdString();
        EXPECT_EQ(fromActivity(*again.activity, written.text), document);
        // The header and the comment above each entry are kept, and nothing else was there.
        const FileComments before = readComments(original), after = readComments(written.text);
        EXPECT_FALSE(before.othersDropped);
        EXPECT_EQ(after.header, before.header);
        EXPECT_EQ(after.entries, before.entries);
        EXPECT_TRUE(written.text.startsWith(before.header.toUtf8()));
    }
}

TEST(MakerWriter, TextsNeedingEscapesAndCommentsElsewhere) {
    Document d = blankDocument(Kind::TrueFalse);
    d.menu = 4;
    d.topic = "Forces";
    d.statements[0] = {"A \"quoted\" word, a back\\slash,\ta tab and Ωμέγα", "Omega", false};
    const WrittenFile w = writeActivity(d);
    const auto read = activityfiles::readActivity(w.text);
    ASSERT_TRUE(read.activity);
    EXPECT_EQ(read.activity->statements[0].text, d.statements[0].text);
    EXPECT_FALSE(read.activity->statements[0].isTrue);
    EXPECT_EQ(read.activity->statements[0].say, "Omega");

    const FileComments c = readComments(
        "# head\nmenu = 1 # here\ntopic = \"a # b\"\n# above\n\n[[label]]\n# inside\nword = "
        "\"x\"\n");
    EXPECT_EQ(c.header, "# head");
    EXPECT_EQ(c.entries, std::vector<QString>{"# above"});
    EXPECT_TRUE(c.othersDropped);
    EXPECT_FALSE(readComments("# head\ntopic = \"a # b\"\n").othersDropped);
}
