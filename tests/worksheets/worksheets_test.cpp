// Every shipped activity on paper, read back as a teacher's printer and a PDF reader see it:
// its text (pdftotext), where each word stands (its boxes) and its pages rendered (pdftoppm).
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <tuple>

#include "activities/files/translation.h"
#include "activities/wordgame/scramble.h"
#include "activities/wordgame/wordlistreader.h"
#include "activities/wordgame/wordlists.h"
#include "tests/support/files.h"
#include "tests/support/screentest.h"
#include "ui/random.h"
#include "worksheets/source.h"

using namespace worksheets;
using activityfiles::Kind;

namespace {

constexpr double kMarginPoints = 15 / 25.4 * 72;

QByteArray run(const QString& program, const QStringList& arguments, int* status = nullptr) {
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(60000);
    if (status) *status = p.exitCode();
    return p.readAllStandardOutput() + p.readAllStandardError();
}

QString simplified(const QString& s) {
    return QString(s).replace(QChar(0x00A0), ' ').simplified();
}

// A word of the PDF and its box, in points from the page's top left corner.
struct Word {
    QString text;
    int page;
    QRectF box;
};

struct Pdf {
    QString text;  // simplified
    int pages = 0;
    std::vector<Word> words;
    QSizeF pageSize;
};

Pdf readPdf(const QString& path) {
    Pdf out;
    const QString raw = QString::fromUtf8(run("pdftotext", {path, "-"}));
    out.pages = static_cast<int>(raw.count('\f'));
    out.text = simplified(raw);
    const QString html = QString::fromUtf8(run("pdftotext", {"-bbox", path, "-"}));
    static const QRegularExpression tag(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    int page = -1;
    for (const auto& m : tag.globalMatch(html)) {
        if (!m.captured(1).isEmpty()) {
            ++page;
            out.pageSize = {m.captured(1).toDouble(), m.captured(2).toDouble()};
            continue;
        }
        const double l = m.captured(3).toDouble(), t = m.captured(4).toDouble();
        out.words.push_back(
            {QString(m.captured(7)).replace("&amp;", "&"), page,
             QRectF(l, t, m.captured(5).toDouble() - l, m.captured(6).toDouble() - t)});
    }
    return out;
}

// The pages at 72 dots an inch, a dot to a point.
std::vector<QImage> render(const QString& pdf, const QString& folder) {
    run("pdftoppm", {"-r", "72", "-gray", "-png", pdf, folder + "/page"});
    std::vector<QImage> pages;
    QDirIterator it(folder, {"page*.png"});
    QStringList names;
    while (it.hasNext()) names << it.next();
    names.sort();
    for (const QString& n : names) {
        pages.push_back(QImage(n).convertToFormat(QImage::Format_Grayscale8));
        QFile::remove(n);
    }
    return pages;
}

bool inked(const QImage& page, QPoint at) {
    return page.rect().contains(at) && qGray(page.pixel(at)) < 128;
}

// Ink outside the margins, less a little for the antialiased edge of a line on the margin.
int inkOutsideMargins(const QImage& page) {
    const int m = static_cast<int>(kMarginPoints) - 3;
    int n = 0;
    for (int y = 0; y < page.height(); ++y) {
        const uchar* row = page.constScanLine(y);
        const bool band = y < m || y >= page.height() - m;
        for (int x = 0; x < page.width(); ++x)
            n += (band || x < m || x >= page.width() - m) && row[x] < 128;
    }
    return n;
}

QString firstToken(const QString& s) {
    return s.split(' ', Qt::SkipEmptyParts).value(0);
}

// Whether the rendered page shows ink within `radius` of a point `offset` from a word's top
// left corner.
bool inkNear(const std::vector<QImage>& pages, const Word& w, QPointF offset, int radius) {
    if (w.page < 0 || w.page >= static_cast<int>(pages.size())) return false;
    const QPoint at = (w.box.topLeft() + offset).toPoint();
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (inked(pages[w.page], at + QPoint(dx, dy))) return true;
    return false;
}

void checkAnswersInPlace(const Prepared& ready, const Pdf& answers,
                         const std::vector<QImage>& pages) {
    const auto& a = ready.source.activity;
    if (ready.source.wordGame) {
        for (int i = 0; i < ready.scrambled.size(); ++i)
            EXPECT_TRUE(answers.text.contains(
                QString("%1. %2 %3")
                    .arg(i + 1)
                    .arg(ready.scrambled[i],
                         wordgame::withoutMarks(wordgame::asShown(ready.source.words[i])))))
                << ready.source.words[i].toStdString();
        return;
    }
    switch (a.kind) {
        case Kind::Labelling:
            for (size_t i = 0; i < ready.source.planned.drags[0].boxes.size(); ++i)
                EXPECT_TRUE(answers.text.contains(
                    QString("%1 %2").arg(i + 1).arg(ready.source.planned.drags[0].boxes[i].word)));
            break;
        case Kind::Sorting: {
            // Somewhere in its column: "Water" may also begin "Water vapour" in another.
            const double cell = (answers.pageSize.width() - 2 * kMarginPoints) / a.columns.size();
            for (const auto& w : a.words) {
                const QStringList tokens = w.text.split(' ', Qt::SkipEmptyParts);
                bool inColumn = false;
                for (size_t i = 0; i + tokens.size() <= answers.words.size(); ++i) {
                    bool same = true;
                    for (int t = 0; t < tokens.size(); ++t)
                        same = same && answers.words[i + t].text == tokens[t];
                    inColumn = inColumn ||
                               (same && int((answers.words[i].box.left() - kMarginPoints) / cell) ==
                                            w.column);
                }
                EXPECT_TRUE(inColumn) << w.text.toStdString();
            }
            break;
        }
        case Kind::Passage:
            for (const auto& p : a.passages) {
                QString filled = p.pieces[0];
                for (int g = 0; g < p.gaps.size(); ++g) filled += p.gaps[g] + p.pieces[g + 1];
                EXPECT_TRUE(answers.text.contains(simplified(filled))) << p.option.toStdString();
            }
            break;
        case Kind::Questions: {
            // A tick in the box just before the answer: ink at the box's middle.
            QStringList firsts, ticked, right;
            for (const auto& q : a.questions) {
                right << firstToken(q.answers[q.right]);
                for (const QString& answer : q.answers) firsts << firstToken(answer);
            }
            std::vector<const Word*> seen;
            for (const Word& w : answers.words)
                if (firsts.contains(w.text) && inkNear(pages, w, {-13, 6}, 3)) seen.push_back(&w);
            std::sort(seen.begin(), seen.end(), [](const Word* x, const Word* y) {
                return std::tuple(x->page, int(x->box.top()), x->box.left()) <
                       std::tuple(y->page, int(y->box.top()), y->box.left());
            });
            for (const Word* w : seen) ticked << w->text;
            EXPECT_EQ(ticked, right);
            break;
        }
        case Kind::TrueFalse: {
            // A ring shows just above the word circled, and above no other.
            int statement = 0;
            for (const Word& w : answers.words) {
                if (w.text != "TRUE" && w.text != "FALSE") continue;
                ASSERT_LT(statement, static_cast<int>(a.statements.size()));
                EXPECT_EQ(inkNear(pages, w, {w.box.width() / 2, -4}, 3),
                          (w.text == "TRUE") == a.statements[statement].isTrue)
                    << statement;
                if (w.text == "FALSE") ++statement;
            }
            break;
        }
    }
}

class WorksheetTest : public ScreenTest {};

// Every shipped activity and word list: the worksheet holds the title, the instruction and
// every word of its bank (never in answer order), the answer sheet each answer in its place;
// each sheet takes two pages at most and nothing is drawn outside the margins.
TEST_F(WorksheetTest, EveryShippedActivityOnPaper) {
    QTemporaryDir out;
    QStringList names;
    for (const auto& c : wordgame::kCategoryFiles)
        names << c.file << QString(c.file).replace(".txt", ".cy.txt");
    QDirIterator files("activities", {"*.toml"});
    while (files.hasNext())
        if (const QString name = QFileInfo(files.next()).fileName();
            activityfiles::translationLanguage(name).isEmpty())
            names << name;
    ASSERT_GT(names.size(), 20);
    ui::RandomSource random(7);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const Found found = findSource(name, kDefaultWords, random);
        ASSERT_TRUE(found.source) << found.problems.join('\n').toStdString();
        const Prepared ready = prepare(*found.source, random);
        const QString sheet = out.filePath("sheet.pdf"), answers = out.filePath("answers.pdf");
        QString error;
        ASSERT_TRUE(writePdf(ready, Sheets::Worksheet, sheet, error)) << error.toStdString();
        ASSERT_TRUE(writePdf(ready, Sheets::Answers, answers, error)) << error.toStdString();
        EXPECT_LT(QFileInfo(sheet).size(), 400 * 1024);

        const Pdf pdf = readPdf(sheet), key = readPdf(answers);
        const auto& a = ready.source.activity;
        EXPECT_TRUE(pdf.text.contains(simplified(a.title)));
        EXPECT_TRUE(pdf.text.contains(simplified(a.instruction)));
        EXPECT_TRUE(pdf.text.contains("Name: ") && pdf.text.contains("Date: "));
        std::vector<QStringList> inOrder;
        for (const auto& p : a.passages) inOrder.push_back(p.gaps);
        if (a.kind == Kind::Labelling || a.kind == Kind::Sorting) inOrder.emplace_back();
        for (const auto& l : a.labels) inOrder.back() << l.word;
        for (const auto& w : a.words) inOrder.back() << w.text;
        ASSERT_EQ(ready.banks.size(), ready.source.wordGame ? 0 : inOrder.size());
        for (size_t b = 0; b < ready.banks.size(); ++b) {
            for (const QString& w : ready.banks[b])
                EXPECT_TRUE(pdf.text.contains(w)) << w.toStdString();
            EXPECT_NE(ready.banks[b], inOrder[b]);
        }
        for (int i = 0; i < ready.scrambled.size(); ++i)
            EXPECT_NE(ready.scrambled[i], wordgame::asShown(ready.source.words[i]));
        EXPECT_TRUE(pdf.pages >= 1 && pdf.pages <= 2) << pdf.pages;
        EXPECT_TRUE(key.pages >= 1 && key.pages <= 2) << key.pages;

        const std::vector<QImage> sheetPages = render(sheet, out.path());
        const std::vector<QImage> keyPages = render(answers, out.path());
        for (const auto* pages : {&sheetPages, &keyPages})
            for (const QImage& page : *pages) EXPECT_EQ(inkOutsideMargins(page), 0);
        checkAnswersInPlace(ready, key, keyPages);
    }
}

}  // namespace

namespace {

// The command line: each mistake gives its message and status, and leaves what was at the
// output path as it was (here: nothing, or her older PDF).
TEST_F(WorksheetTest, BadArgumentsSayWhyAndWriteNothing) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.pdf"), old = dir.filePath("old.pdf");
    writeFile(dir.filePath("broken.toml"), "menu = 1\nkind = \"sorting\"\ntitle = 3\n");
    writeFile(dir.filePath("spoilt.jpg"), "not a picture");
    writeFile(dir.filePath("spoilt.toml"),
              fileBytes("activities/organs.toml").replace("organs.jpg", "spoilt.jpg"));
    writeFile(old, "her older sheet");
    const struct {
        QStringList arguments;
        int status;
        const char* says;
    } cases[] = {
        {{}, 2, "name an activity or an activity file"},
        {{"organs.toml"}, 2, "name the PDF file to write with -o"},
        {{"organs", "-o"}, 2, "-o needs one file to write"},
        {{"organs", "--answers", "--both", "-o", out}, 2, "give --answers or --both, not both"},
        {{"life0.txt", "--words", "0", "-o", out}, 2, "--words needs a number from 1 to 20"},
        {{"organs", "--colour", "-o", out}, 2, "\"--colour\" is not understood"},
        {{"no-such-topic", "-o", out}, 1, "there is no activity or word list named"},
        {{dir.filePath("broken.toml"), "-o", out},
         1,
         "broken.toml:3:1: \"title\" must be text in quotes"},
        {{dir.filePath("spoilt.toml"), "-o", out}, 1, "spoilt.jpg"},
        {{"organs", "-o", dir.filePath("no/such/folder.pdf")}, 1, "cannot be written"},
        {{"organs", "-o", old, "--words", "x"}, 2, "--words needs a number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        int status = -1;
        const QString said = QString::fromUtf8(
            run(BRINDLEMARK_PROGRAM, QStringList{"--worksheet"} + c.arguments, &status));
        EXPECT_EQ(status, c.status);
        EXPECT_TRUE(said.contains(c.says)) << said.toStdString();
        EXPECT_TRUE(said.contains(status == 2 ? "usage: brindlemark --worksheet" : "brindlemark:"));
        EXPECT_FALSE(QFileInfo::exists(out));
        EXPECT_EQ(fileBytes(old), "her older sheet");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 4);
    }
    int status = -1;
    run(BRINDLEMARK_PROGRAM, {"--worksheet", "ORGANS", "--both", "-o", out}, &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readPdf(out).pages, 2);
}

}  // namespace
