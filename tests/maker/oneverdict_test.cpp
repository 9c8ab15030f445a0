// One verdict: each file put in her folder is judged alike by the menus (what they grey, open
// and say on standard error), by `--check FILE` and by the Maker (its problems, its list's
// count and group): the same problems, in the same place.
#include <QListWidget>
#include <QTreeWidget>

#include "activities/files/filescreens.h"
#include "app/checkcommand.h"
#include "maker/activitylist.h"
#include "maker/labelcanvas.h"
#include "menus/menupage.h"
#include "tests/maker/makertest.h"
#include "tests/support/files.h"

namespace {

const char* kGood = R"(menu = 4
topic = "Forces"
kind = "truefalse"
[[statement]]
text = "A push is a force."
true = true
)";

const char* kHealthy = R"(menu = 5
topic = "Healthy Living"
kind = "passage"
[[passage]]
option = "%1"
text = "Smoke harms the [lungs] and the [heart]."
)";

const char* kLabels = R"(topic = "Bones"
kind = "labelling"
picture = "skeleton.jpg"
[[label]]
word = "%1"
at = [%2, 280]
[[label]]
word = "Ribs"
at = [90, 150]
)";

QByteArray arg(const char* text, const QString& a, const QString& b = {}) {
    QString s = QString(text).arg(a);
    return (b.isEmpty() ? s : s.arg(b)).toUtf8();
}

// Each problem's message, in file order. (The Maker writes the file afresh, so its lines
// are its own.)
using Said = QStringList;

class OneVerdictTest : public MakerTest {
  protected:
    // The menu a file's activity stands in (Our Activities: 0, Healthy Living's passages: 5;
    // -1: none) and what the menus said of it.
    std::pair<int, Said> menus(const QString& path) {
        const QString name = QFileInfo(path).fileName();
        testing::internal::CaptureStderr();
        int menu = -1;
        for (int m = 1; m <= 6; ++m) {
            const menus::MenuPage page = menus::menuPage(m, 0);
            for (int s = 0; s < page.shown; ++s) {
                const menus::Slot& slot = page.slots[s];
                if (slot.screen == "file:" + name ||
                    (slot.problem && slot.problem->fileName == name))
                    menu = m % 6;
            }
        }
        Said said;
        for (const QString& line :
             QString::fromStdString(testing::internal::GetCapturedStderr()).split('\n'))
            if (line.startsWith(path + ':')) said << lineAndMessage(line.mid(path.size() + 1));
        // Healthy Living plays the passages it takes behind its options (ours: the lungs').
        auto& healthy = dynamic_cast<activityfiles::FileDragScreen&>(*ui::forms().get("healthy"));
        for (int o = 2; o <= 4; ++o) {
            auto* passage = dynamic_cast<activityfiles::FileDragScreen*>(
                ui::forms().get(QString("healthy#%1").arg(o)));
            if (passage && passage->words(0).Caption() == "lungs") menu = 5;
            if (passage) ui::forms().unload(*passage);
        }
        ui::forms().unload(healthy);
        return {menu, said};
    }
    // The message of "LINE:COLUMN: message".
    static QString lineAndMessage(const QString& s) { return s.section(": ", 1); }
    static Said check(const QString& path) {
        testing::internal::CaptureStdout();
        runCheck({path});
        QStringList lines = QString::fromStdString(testing::internal::GetCapturedStdout())
                                .split('\n', Qt::SkipEmptyParts);
        lines.removeLast();  // the summary
        Said said;
        for (const QString& l : lines) said << lineAndMessage(l.mid(path.size() + 1));
        return said;
    }
    // Her list's group and count, and the problems the Maker finds once it is open, in the
    // file's words (or, for a file it cannot open, what it tells her, a line for each).
    std::tuple<int, int, Said> maker(const QString& path) {
        window->library.refresh();
        window->list->refresh();
        int menu = -1, count = -1;
        for (QTreeWidgetItemIterator it(window->list); *it; ++it) {
            if ((*it)->data(0, maker::ActivityList::kPathRole).toString() != path) continue;
            menu = window->list->indexOfTopLevelItem((*it)->parent());
            const QString text = (*it)->text(0);
            count = text.contains(": ") ? text.section(": ", -1).section(' ', 0, 0).toInt() : 0;
        }
        Said said;
        if (window->openFile(path))
            for (const maker::FieldProblem& p : judged()) said << p.found.message;
        else
            said = dialogs->told.last().split('\n').mid(1);
        return {menu, count, said};
    }
};

}  // namespace

TEST_F(OneVerdictTest, TheMenusCheckAndTheMakerSayTheSame) {
    struct Case {
        const char* file;
        QByteArray text;
        int menu;                     // where it stands: 0 Our Activities, -1 nowhere
        const char* problem;          // in the first problem; null for none
        const char* first = nullptr;  // a file of hers that is there before it
        int red = 0;                  // boxes the Maker's canvas draws red
    } const cases[] = {
        {"good.toml", kGood, 4, nullptr},
        {"broken.toml", QByteArray(kGood).replace("true = true", "true = \"yes\""), 4,
         "must be true or false"},
        {"clash.toml", kGood, 0, "\"Forces\" on menu 4 is taken by a.toml", "a.toml"},
        {"builtin.toml",
         QByteArray(kGood).replace("Forces", "Scrambled Words").replace("menu = 4", "menu = 5"), 0,
         "one of the program's own activities"},
        // A shipped activity's topic is hers to take, as any other.
        {"magnets-tf.toml",
         QByteArray(kGood).replace("Forces", "Magnets").replace("menu = 4", "menu = 3"), 3,
         nullptr},
        // A passage for Healthy Living's own Smoking: one verdict, not "no problems" here and
        // a failure there.
        {"smoking.toml", arg(kHealthy, "Smoking"), 5, "the Smoking passage of Healthy Living"},
        // Healthy Living's own file gives its Drugs passage first.
        {"drugs.toml", arg(kHealthy, "Drugs"), 5, "passage of Healthy Living is given twice"},
        // A word too long for its box: the Maker's list counts it as the menus grey it.
        {"long.toml", arg(kLabels, "Photosynthesisingchlorophyllcontaining", "90"), 0,
         "too long to fit in its box"},
        // A label by the left edge of a tall picture: its box reaches past the edge, as the
        // layout allows, and the canvas asks the layout's rule as every check does.
        {"edge.toml", arg(kLabels, "Skull", "3"), 0, nullptr},
        {"crowded.toml", arg(kLabels, "Skull", "90").replace("280", "152"), 0, "overlap", nullptr,
         2},
        {"hostile.toml", "topic \"Rocks\"\n", 0, "must be followed by ="},
        {"huge.toml", QByteArray(300 * 1024, '#'), 0, "larger than 256 KiB"},
        {"utf16.toml", QByteArray("\xFF\xFEm\0e\0", 6), 0, "saved as UTF-16"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        QDir(ownFolder()).removeRecursively();
        if (c.first) writeFile(ownFolder() + "/" + c.first, c.text);
        const QString path = ownFolder() + "/" + c.file;
        writeFile(path, c.text);
        const auto [menu, menusSaid] = menus(path);
        const Said checkSaid = check(path);
        const auto [listMenu, listCount, makerSaid] = maker(path);
        if (auto* canvas = window->findChild<maker::LabelCanvas*>();
            canvas && canvas->isVisible() && window->session.path() == path) {
            canvas->refresh();
            const auto red = canvas->misplaced();
            EXPECT_EQ(std::count(red.begin(), red.end(), true), c.red);
        }
        EXPECT_EQ(menusSaid, checkSaid);
        if (window->session.path() == path)
            EXPECT_EQ(makerSaid, checkSaid);
        else
            EXPECT_EQ(makerSaid.size(), checkSaid.size());
        EXPECT_EQ(listCount, checkSaid.size());
        EXPECT_EQ(listMenu, c.menu);
        EXPECT_EQ(menu, c.menu == 5 && c.problem ? -1 : c.menu)
            << "a refused passage is not played";
        if (c.problem) {
            ASSERT_FALSE(checkSaid.isEmpty());
            EXPECT_TRUE(checkSaid.first().contains(c.problem)) << checkSaid.first().toStdString();
        } else {
            EXPECT_TRUE(checkSaid.isEmpty()) << checkSaid.join('\n').toStdString();
            EXPECT_EQ(window->problems->item(0)->text(),
                      "No problems: the activity is ready for its menu.");
        }
    }
}
