// Every file the program reads, spoiled in every way a school machine manages, and a working
// directory it may not write to. A walk through every screen makes the program read every
// file it can read: each question of each question screen, both outcomes of the circuit,
// every category of the word game with its answer flown, the title's opening pictures when
// its still picture is not there; it gives the layout of every screen as text.
//
// Every picture is spoiled in turn every way: missing, empty, cut short, a text under the
// file's name, a folder in its place, a header that declares 60000 by 60000 pixels, a FIFO,
// a link to a device. In every case every screen is laid out exactly as with good files, no
// rule breaks, nothing hangs. (Word lists spoiled the same ways are the resolver's, the
// reader's and Scrambled Words' own tests.) In a folder it may not write to, every screen is
// laid out as in a writable one and the folder is left as it was; nothing-written.sh runs
// that walk again in a folder mounted read-only, under strace.
#include <sys/stat.h>
#include <unistd.h>

#include <QDirIterator>
#include <QFile>
#include <QtEndian>
#include <csignal>

#include "activities/files/filescreens.h"
#include "activities/labelling/labellingscreen.h"
#include "activities/wordgame/scrambledwordsscreen.h"
#include "app/mainscreen.h"
#include "app/titlescreen.h"
#include "jotter/jotter.h"
#include "tests/monkey/invariants.h"
#include "tests/support/files.h"
#include "tests/support/screentest.h"

using namespace ui;

namespace {

struct Walk {
    QStringList layout;    // one line per control of every screen, in the order visited
    QStringList findings;  // rules broken on the way
};

// Every question of a question screen, each answered wrongly, then rightly, then revealed.
template <class S, class Right>
void everyQuestion(FakePlatform& fake, const char* name, int count, Right rightAnswer,
                   const std::function<void(Form&, QString)>& snap) {
    for (int q = 0; q < count; ++q) {
        fake.draws = {(q + 0.5) / count};
        S& s = dynamic_cast<S&>(*forms().show(name));
        ScreenTest::passTime(1);
        if (q > 0) s.commandClicked(s.commandIndex(questions::Command::NewQuestion));
        s.answerClicked(rightAnswer(s) == 0 ? 1 : 0);
        s.answerClicked(rightAnswer(s));
        s.commandClicked(s.commandIndex(questions::Command::Answer));
        ScreenTest::passTime(500);  // the flashing, both phases
        ScreenTest::settle();
        snap(s, QString("question %1").arg(q));
    }
    if (Form* s = forms().find(name)) forms().unload(*s);
    ScreenTest::settle();
}

Walk visitEverything(FakePlatform& fake) {
    Walk walk;
    const auto snap = [&walk](Form& f, const QString& step) {
        walk.layout << QString::asprintf("%s %s: %g x %g at %g, %g", qPrintable(f.name()),
                                         qPrintable(step), f.Width(), f.Height(), f.Left(),
                                         f.Top());
        for (const Control* c : f.controls())
            walk.layout << QString::asprintf(
                "  %s(%d) %g %g %g %g %s%s \"%s\"", qPrintable(c->name()), c->index(), c->Left(),
                c->Top(), c->Width(), c->Height(), c->Visible() ? "shown" : "hidden",
                c->Enabled() ? "" : " disabled", qPrintable(c->shownCaption()));
        monkey::checkScreenRules(walk.findings);
    };

    TitleScreen& title = forms().show<TitleScreen>();
    ScreenTest::passTime(41 * 25);  // the opening pictures, once round, when they play
    ScreenTest::settle();
    snap(title, "");
    title.okClicked();
    ScreenTest::settle();

    MainScreen& main = forms().get<MainScreen>();
    main.hideDesktop.setValue(1);
    main.hideDesktop.setValue(0);
    ScreenTest::settle();
    snap(main, "");
    main.jotterClicked();
    Jotter& pad = forms().get<Jotter>();
    pad.flipClicked();
    pad.portraitFlipClicked();
    ScreenTest::settle();
    snap(pad, "");
    pad.exitClicked();

    for (const char* name :
         {"menu1", "menu2", "menu3", "menu4", "menu5", "boneslab", "puberty", "healthy"}) {
        Form* f = forms().show(name);
        ScreenTest::passTime(5);
        if (auto* s = dynamic_cast<LabellingScreen*>(f)) s->commandClicked(2);
        ScreenTest::settle();
        snap(*f, "");
        forms().unload(*f);
        ScreenTest::settle();
    }

    const auto right = [](auto& s) { return int(s.rightAnswer); };
    using activityfiles::FileQuestionsScreen;
    everyQuestion<FileQuestionsScreen>(fake, "magnets", 8, right, snap);
    everyQuestion<FileQuestionsScreen>(fake, "magnets2", 8, right, snap);
    everyQuestion<FileQuestionsScreen>(fake, "circuits", 11, right, snap);
    everyQuestion<activityfiles::FileTrueFalseScreen>(
        fake, "repro", 30, [](auto& s) { return int(s.rightAnswers[s.questionNumber]); }, snap);

    ScrambledWordsScreen& s = forms().show<ScrambledWordsScreen>();
    ScreenTest::passTime(5);
    for (int c = 0; c < 3; ++c) {
        s.categories(c).setValue(true);
        ScreenTest::passTime(5);
        s.commandClicked(2);  // Show Answer: every letter flies
        ScreenTest::passTime(25 * (41 * ScrambledWordsScreen::kTiles + 2));
        s.commandClicked(1);
        ScreenTest::passTime(5);
        ScreenTest::settle();
        snap(s, QString("category %1").arg(c));
    }
    forms().clear();
    ScreenTest::settle();
    return walk;
}

enum class Spoil { Missing, Empty, Truncated, Text, Folder, HugeHeader, Fifo, DeviceLink };
constexpr std::pair<Spoil, const char*> kEveryWay[] = {
    {Spoil::Missing, "missing"},     {Spoil::Empty, "empty"},
    {Spoil::Truncated, "cut short"}, {Spoil::Text, "text renamed"},
    {Spoil::Folder, "a folder"},     {Spoil::HugeHeader, "declares 60000 x 60000"},
    {Spoil::Fifo, "a FIFO"},         {Spoil::DeviceLink, "a link to a device"}};

// A real picture whose header is changed to declare 60000 by 60000 pixels.
QByteArray declaringHugeSize(QByteArray bytes, const QString& path) {
    if (path.endsWith(".bmp", Qt::CaseInsensitive)) {
        qToLittleEndian<qint32>(60000, bytes.data() + 18);
        qToLittleEndian<qint32>(60000, bytes.data() + 22);
        return bytes;
    }
    for (qsizetype i = 2; i + 9 < bytes.size(); ++i) {
        const auto marker = static_cast<unsigned char>(bytes[i + 1]);
        if (static_cast<unsigned char>(bytes[i]) == 0xFF && marker >= 0xC0 && marker <= 0xC2) {
            qToBigEndian<quint16>(60000, bytes.data() + i + 5);
            qToBigEndian<quint16>(60000, bytes.data() + i + 7);
            return bytes;
        }
    }
    return bytes;
}

struct Asset {
    QString path;  // absolute, in the scratch copy
    QByteArray good;
};

void spoil(const Asset& a, Spoil how) {
    QFile::remove(a.path);
    if (how == Spoil::Folder) {
        QDir().mkpath(a.path + "/inside");
    } else if (how == Spoil::Fifo) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(a.path).constData(), 0644), 0);
    } else if (how == Spoil::DeviceLink) {
        ASSERT_TRUE(QFile::link("/dev/zero", a.path));
    } else if (how != Spoil::Missing) {
        ASSERT_TRUE(writeFile(a.path, how == Spoil::Empty       ? QByteArray()
                                      : how == Spoil::Truncated ? a.good.left(a.good.size() / 2)
                                      : how == Spoil::Text      ? "Notes for Tuesday's lesson.\r\n"
                                                           : declaringHugeSize(a.good, a.path)));
    }
}

void restore(const Asset& a) {
    QDir(a.path).removeRecursively();
    QFile::remove(a.path);
    ASSERT_TRUE(writeFile(a.path, a.good));
}

// Ends the run, naming the case, if a walk does not come back: a read that blocks would
// otherwise hang the whole suite.
std::string hangingCase;

void onAlarm(int) {
    (void)!::write(2, "hangs: ", 7);
    (void)!::write(2, hangingCase.data(), hangingCase.size());
    (void)!::write(2, "\n", 1);
    std::_Exit(3);
}

// Every entry below a folder with its size, its time of change and its permissions.
QStringList listing(const QString& dir) {
    QStringList out;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        out << QString("%1 %2 %3 %4")
                   .arg(info.filePath())
                   .arg(info.size())
                   .arg(info.lastModified().toMSecsSinceEpoch())
                   .arg(static_cast<int>(info.permissions()));
    }
    out.sort();
    return out;
}

// Takes the write bits from a folder and everything in it, or gives the owner's back.
void setWritable(const QString& dir, bool writable) {
    const auto set = [writable](const QString& path) {
        const QFile::Permissions all =
            QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;
        const QFile::Permissions now = QFile::permissions(path);
        QFile::setPermissions(path,
                              writable ? now | QFile::WriteOwner | QFile::WriteUser : now & ~all);
    };
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) set(it.next());
    set(dir);
}

}  // namespace

class BadFilesTest : public ScreenTest {
  protected:
    // Walks with the files as spoiled, and compares with the walk expected.
    void expectSameLayout(const QString& what, const QStringList& expected) {
        hangingCase = what.toStdString();
        std::signal(SIGALRM, onAlarm);
        ::alarm(60);
        const Walk walk = visitEverything(*fake);
        ::alarm(0);
        EXPECT_EQ(walk.layout.size(), expected.size()) << hangingCase;
        // An activity whose picture is spoiled greys its topic on the menu (or its Healthy
        // Living option), and only that.
        const auto greyedTopic = [](QString got, const QString& want) {
            const QString line = got.trimmed();
            return (line.startsWith("Label3(") || line.startsWith("Option1(")) &&
                   got.replace(" disabled", "") == want;
        };
        for (qsizetype i = 0; i < std::min(walk.layout.size(), expected.size()); ++i)
            if (walk.layout[i] != expected[i] && !greyedTopic(walk.layout[i], expected[i])) {
                ADD_FAILURE() << hangingCase << "\n  got:  " << walk.layout[i].toStdString()
                              << "\n  want: " << expected[i].toStdString();
                break;
            }
        for (const QString& f : walk.findings)
            ADD_FAILURE() << hangingCase << ": " << f.toStdString();
    }
};

TEST_F(BadFilesTest, EveryPictureSpoiledEveryWay) {
    const QString dir = useCopyOfRunFolder();
    const Walk good = visitEverything(*fake);
    EXPECT_TRUE(good.findings.isEmpty()) << good.findings.join("\n").toStdString();
    std::vector<Asset> pictures;
    for (const char* folder : {"Images", "opening"})
        for (QDirIterator it(dir + "/" + folder, QDir::Files); it.hasNext();) {
            const QString path = it.next();
            pictures.push_back({path, fileBytes(path)});
        }
    ASSERT_GE(pictures.size(), 75u);
    const Asset& still = *std::find_if(pictures.begin(), pictures.end(), [](const Asset& a) {
        return a.path.endsWith("/sunflowersm.jpg");
    });
    QFile::remove(still.path);
    const Walk fallback = visitEverything(*fake);
    restore(still);
    ASSERT_NE(good.layout, fallback.layout);  // the title screen has grown and turned blue

    // The title's own picture alone, then all at once: the title plays its opening pictures,
    // good or spoiled too.
    for (const auto& [how, described] : kEveryWay) {
        spoil(still, how);
        expectSameLayout(QString("the title's picture %1").arg(described), fallback.layout);
        restore(still);
        for (const Asset& p : pictures) spoil(p, how);
        expectSameLayout(QString("every picture %1").arg(described), fallback.layout);
        for (const Asset& p : pictures) restore(p);
    }
}

using ReadOnlyFolderTest = ScreenTest;

TEST_F(ReadOnlyFolderTest, EveryScreenWorksAndNothingIsWritten) {
    const Walk writable = visitEverything(*fake);
    // Given by nothing-written.sh: a copy of the run folder already mounted read-only.
    QString dir = qEnvironmentVariable("BRINDLEMARK_READONLY_DIR");
    if (dir.isEmpty()) {
        dir = useCopyOfRunFolder();
        setWritable(dir, false);
    }
    QDir::setCurrent(dir);
    const QStringList before = listing(dir);
    ASSERT_FALSE(before.isEmpty());

    const Walk walk = visitEverything(*fake);
    EXPECT_EQ(walk.layout, writable.layout);
    EXPECT_TRUE(walk.findings.isEmpty()) << walk.findings.join("\n").toStdString();
    EXPECT_EQ(listing(dir), before);
    if (qEnvironmentVariableIsEmpty("BRINDLEMARK_READONLY_DIR")) setWritable(dir, true);
}
