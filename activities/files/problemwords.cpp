#include "activities/files/problemwords.h"

#include <QList>

namespace activityfiles {

namespace {

// Each problem in the file's words and in plain words. %1, %2... are its args; the plain words
// also say %F, the field at fault ("the name in the menu", "the second answer"), %E, the kind's
// entry ("question"), %I, the item wanted ("a second answer") and %P, the items ("answers").
struct Words {
    Fault fault;
    const char* file;
    const char* plain;
};
constexpr Words kWords[] = {
    {Fault::TooLarge, "the file is larger than 256 KiB",
     "the file is larger than 256 KiB: make it smaller"},
    {Fault::Unreadable, "the file cannot be read",
     "the file cannot be read: check that it may be opened"},
    {Fault::NotFound, "the file cannot be found", "the file cannot be found"},
    {Fault::Utf16, "the file is saved as UTF-16 (\"Unicode\"): save it again as UTF-8",
     "the file is saved as Unicode (UTF-16): save it again as UTF-8"},
    {Fault::NoClosingQuote, "this text has no closing quote: end it with \" on the same line",
     "a text has no closing quotation mark: close it where the text ends"},
    {Fault::NoEquals,
     "a field's name must be followed by = and its value, such as topic = \"Rocks\"",
     "a setting's name must be followed by an equals sign and its value"},
    {Fault::ValueUnreadable,
     "this value cannot be read: put text in double quotes, such as \"Rocks\" (numbers, true and "
     "false take none)",
     "the value cannot be read: put text in double quotation marks (numbers, true and false take "
     "none)"},
    {Fault::HeadingUnclosed,
     "this heading is not closed: write it on one line with its brackets, such as [[label]]",
     "a heading is not closed: end it with its square brackets"},
    {Fault::LoneBackslash,
     "a backslash \\ in a text must be written twice, \\\\, or the text put in single quotes",
     "a backslash in a text must be written twice"},
    {Fault::ListUnclosed, "this list is not closed: end it with ], such as [\"First\", \"Second\"]",
     "a list is not closed: end it with a closing square bracket"},
    {Fault::WrittenTwice, "\"%1\" is written twice: keep only one",
     "%1 is written twice: keep only one"},
    {Fault::Unparsed, "%1", "the file cannot be read here: check its spelling and punctuation"},
    {Fault::UnknownField, "unknown field \"%1\"",
     "%1 is no setting the program knows: check its spelling, or take it out"},
    {Fault::UnknownFieldIn, "unknown field \"%1\" in %2",
     "%1 is no setting the program knows here: check its spelling, or take it out"},
    {Fault::OtherKindsField, "\"%1\" is not used in a %2 activity",
     "%1 is not used in this kind of activity: take it out"},
    {Fault::Missing, "missing field \"%1\"", "fill in %F"},
    {Fault::NotText, "\"%1\" must be text in quotes", "%F must be text, in quotation marks"},
    {Fault::Empty, "\"%1\" is empty", "fill in %F"},
    {Fault::TooLong, "\"%1\" is longer than %2 characters", "shorten %F to %2 characters at most"},
    {Fault::ListCount, "\"%1\" must be a list of %2 to %3 texts, such as [\"First\", \"Second\"]",
     "give %2 to %3 %P"},
    {Fault::ListItemEmpty,
     "\"%1\" must be a list of %2 to %3 texts, such as [\"First\", \"Second\"]",
     "type %I (each %E needs %2 to %3)"},
    {Fault::ListItemTooLong,
     "\"%1\" must be a list of %2 to %3 texts, such as [\"First\", \"Second\"]",
     "shorten %F to 400 characters at most"},
    {Fault::ListItemTwice, "\"%1\" holds \"%2\" twice",
     "%2 is given twice: make each of the %P different"},
    {Fault::Point, "\"%1\" must be two numbers of the picture's pixels, such as [412, 300]",
     "place it again on the picture"},
    {Fault::PictureFolder, "picture \"%1\" must be a plain file name, with no folder",
     "choose %F again: the file's name may not name a folder"},
    {Fault::PictureType, "picture \"%1\" must be a PNG or JPEG file",
     "%1 is not a PNG or JPEG picture: choose another"},
    {Fault::NoEntries, "no [[%1]]: this kind needs at least one",
     "add a %E: there must be one at least"},
    {Fault::NotEntries, "\"%1\" must be written [[%1]], once for each",
     "each %E must be written as an entry of its own"},
    {Fault::TooManyEntries, "more than %1 [[%2]]: at most %1 fit on the screen",
     "take some out: %1 at most fit on the screen"},
    {Fault::Colour, "\"%1\" must be a colour of three numbers from 0 to 255, such as [9, 63, 137]",
     "a colour must be three numbers from 0 to 255"},
    {Fault::Twips, "\"%1\" must be two or four numbers of twips, such as [120, 480, 3585, 945]",
     "a place on the screen must be two or four numbers"},
    {Fault::Font, "\"font\" must be \"Arial\", \"Times New Roman\" or \"Tahoma\"",
     "the font must be Arial, Times New Roman or Tahoma"},
    {Fault::Points, "\"points\" must be a size from 6 to 96",
     "the text's size must be from 6 to 96 points"},
    {Fault::Bold, "\"bold\" must be true or false",
     "write bold as true or false, without quotation marks"},
    {Fault::PlaceMissing, "missing field \"%1\": the file has a [layout], which places every word",
     "give %F: the screen is laid out by hand, so every word is placed"},
    {Fault::PlaceNeedsLayout, "\"%1\" places a word by hand: it needs a [layout]",
     "a word is placed by hand only on a screen laid out by hand: take its place out"},
    {Fault::PlaceNotPoint, "\"%1\" must be a left and a top, such as [840, 3360]",
     "%F must be two numbers, a left and a top"},
    {Fault::PlaceNotLine, "\"%1\" must be a line [x1, y1, x2, y2]",
     "the pointer must be four numbers, where it starts and ends"},
    {Fault::LayoutSize, "\"size\" must be a width and a height", "%F must be a width and a height"},
    {Fault::LayoutRole, "[layout] of a %1 activity places no \"%2\"",
     "the layout of this kind of activity cannot place %2: take it out"},
    {Fault::LayoutNotTable, "\"layout\" must be written [layout]",
     "the layout must be a heading of its own"},
    {Fault::Menu, "\"menu\" must be a whole number from 1 to 5", "choose a menu from 1 to 5"},
    {Fault::KindUnknown,
     "unknown kind \"%1\": it must be labelling, sorting, passage, questions or truefalse",
     "%1 is no kind of activity: it must be labelling, sorting, passage, questions or truefalse"},
    {Fault::DescribeNotTable, "\"describe\" must be a table of pictures and what each shows",
     "%F must give each picture's name and what it shows"},
    {Fault::DescribeName, "\"%1\" in \"describe\" is not a picture's file name",
     "%1 is not a picture's file name: say what a picture shows by its name"},
    {Fault::FlashNotTable,
     "\"flash\" must be a table such as { fill = [[0, 0, 255], [0, 0, 0]], every = 250 }",
     "%F must give its colours and how often they change"},
    {Fault::FlashColours,
     "\"flash\" needs either \"fill\" or \"text\": two colours, such as [[0, 0, 255], [0, 0, 0]]",
     "%F needs two colours, of its fill or of its text"},
    {Fault::FlashMs, "\"%1\" must be a whole number of milliseconds from 1 to 5000",
     "%F must be a whole number of milliseconds from 1 to 5000"},
    {Fault::FlashEvery, "\"flash\" needs \"every\"", "%F needs how often its colours change"},
    {Fault::ColumnNone, "column \"%1\" is none of the columns",
     "choose its column again: %1 is none of the headings"},
    {Fault::GapInGap, "a gap inside a gap: \"[\" before the \"]\" that ends the last",
     "a gap opens inside another: close each gap before the next opens"},
    {Fault::GapUnopened, "a \"]\" with no \"[\" before it",
     "a gap is closed that was never opened: open it with a square bracket"},
    {Fault::GapEmpty, "an empty gap \"[]\": put the word to drag between the brackets",
     "a gap is empty: put the word to drag between its square brackets"},
    {Fault::GapUnclosed, "a \"[\" with no \"]\" after it",
     "a gap is not closed: end it with a closing square bracket"},
    {Fault::NoGap, "a passage with no gap: put each word to drag in [brackets]",
     "there is no gap: put each word to drag between square brackets"},
    {Fault::TooManyGaps, "more than %1 gaps in a passage",
     "there are more than %1 gaps: take some out"},
    {Fault::OptionTwice, "two passages have the option \"%1\"",
     "another passage has the button name %1: give each its own"},
    {Fault::PlacedOnlyFirst, "\"%1\" places the first passage of a file with a [layout], no other",
     "only the first passage of a screen laid out by hand is placed: take %F out"},
    {Fault::PlacedMissing, "missing field \"%1\": [layout] places the first passage",
     "give %F: the screen is laid out by hand"},
    {Fault::BlanksCount, "\"blanks\" must give one number for each of the %1 gaps",
     "%F must give a width for each of the %1 gaps"},
    {Fault::BlanksNumber, "\"blanks\" must be whole numbers from 1 to 100",
     "%F must be whole numbers from 1 to 100"},
    {Fault::WordNotGap,
     "\"%1\" in \"words\" is no gap of the passage, or is given more often than it is",
     "%1 is placed more often than the passage has it as a gap"},
    {Fault::WordsEach,
     "\"words\" must place each gap's word once, such as [{ word = \"tobacco\", box = [3585, "
     "3090], start = [2520, 7200] }]",
     "%F must place each gap's word once"},
    {Fault::SayAnswersCount,
     "\"say_answers\" must give %1 spoken forms, one for each answer in the same order",
     "%F must give one for each of the %1 answers, in their order"},
    {Fault::RightNone, "the right answer \"%1\" is none of the answers",
     "choose the right answer again: %1 is none of the answers"},
    {Fault::PictureAtNeedsLayout,
     "\"picture_at\" places a picture of a screen with a [layout]: four numbers of twips",
     "a picture is placed by hand only on a screen laid out by hand, by four numbers"},
    {Fault::AfterNeedsBackdrop, "\"after\" takes the place of the backdrop: give \"backdrop\"",
     "%F takes the backdrop's place: give a backdrop picture"},
    {Fault::QuestionOutsideSection,
     "in an activity with sections, each [[section.question]] belongs to a section",
     "in an activity with sections, each question belongs to a section"},
    {Fault::SectionsCount, "\"section\" must be written [[section]], from 2 to %1 times",
     "give 2 to %1 sections, each as an entry of its own"},
    {Fault::SectionLayout, "a section's [layout] needs the activity's own",
     "a section is laid out by hand only when the activity is"},
    {Fault::NotTrueOrFalse, "\"true\" must be true or false",
     "write true or false, without quotation marks"},
    {Fault::MenuNoTopic,
     "menu %1 has no topic \"%2\": leave out \"menu\" to put it in Our Activities, or give the "
     "topic of a menu %1 entry",
     "menu %1 has no topic %2: choose one of its topics, or put it in Our Activities"},
    {Fault::TopicBuiltIn,
     "\"%1\" on menu %2 is one of the program's own activities: choose another topic, or leave out "
     "\"menu\" to put it in Our Activities",
     "%1 on menu %2 is one of the program's own activities: choose another topic, or put it in Our "
     "Activities"},
    {Fault::TopicTaken, "\"%1\" on menu %2 is taken by %3: give this file another topic",
     "%1 on menu %2 is taken by another activity: give this one another name in the menu"},
    {Fault::SmokingBuiltIn, "the Smoking passage of Healthy Living is built in",
     "the Smoking passage of Healthy Living comes with the program: give another button name"},
    {Fault::HealthyTwice, "the %1 passage of Healthy Living is given twice",
     "the %1 passage of Healthy Living is given twice: give another button name"},
    {Fault::HealthyNoOption, "Healthy Living has no option left for \"%1\"",
     "Healthy Living has no button left for %1"},
    {Fault::TooLongToFit, "%1 is too long to fit %2", "%F is too long to fit %2: make it shorter"},
    {Fault::GapTooLong, "%1 is too long to fit %2",
     "the word %3 in a gap is too long to fit its box: use a shorter word"},
    {Fault::TooMany, "more %1 than the screen has room for",
     "there are more %1 than the screen has room for: take some out"},
    {Fault::PointOutside, "a point of \"%1\" lies outside the picture (%2 by %3 pixels)",
     "it points outside the picture: place it again on the picture"},
    {Fault::BoxesOverlap, "the boxes of \"%1\" and \"%2\" overlap: move their points further apart",
     "its box overlaps the box of %1: move them further apart"},
    {Fault::NoHeadingPlace, "[layout] places no heading for the column \"%1\"",
     "the layout has no place for the heading %1"},
    {Fault::PassageTooLong, "the passage is too long to fit on the screen with its gaps",
     "the passage is too long to fit on the screen with its gaps: make it shorter"},
    {Fault::AnswerPlaces, "the [layout] places %1 answers, and this question has %2",
     "the layout has places for %1 answers, and this question has %2"},
    {Fault::NoPicturePlace,
     "the [layout] has no place for the picture: give \"picture\" there, or \"picture_at\" here",
     "the layout has no place for the picture: give it one"},
    {Fault::PictureNotFound, "picture \"%1\" is neither beside the file nor in Images",
     "the picture %1 cannot be found: choose it again"},
    {Fault::PictureUnusable, "%2", "%2: choose another picture"},
};

const Words* wordsOf(Fault fault) {
    for (const Words& w : kWords)
        if (w.fault == fault) return &w;
    return nullptr;
}

// Each %1 to %9 given its arg, and each %letter what `named` gives, in one pass: a teacher's
// text that holds "%1" is left as it is.
template <class Named>
QString fill(const char* words, const QStringList& args, Named named) {
    const QString in = QString::fromUtf8(words);
    QString out;
    for (int i = 0; i < in.size(); ++i) {
        const QChar next = i + 1 < in.size() ? in[i + 1] : QChar();
        if (in[i] == '%' && next.isDigit() && next != '0') {
            out += args.value(next.digitValue() - 1);
            ++i;
        } else if (in[i] == '%' && next.isUpper()) {
            out += named(next.toLatin1());
            ++i;
        } else {
            out += in[i];
        }
    }
    return out;
}

// A field by its key, as a form names it; "text" is the entry itself.
struct FieldName {
    const char* key;
    const char* name;
    const char* item = nullptr;  // one of a list's items
    const char* items = nullptr;
};
constexpr FieldName kFieldNames[] = {
    {"menu", "the menu"},
    {"topic", "the name in the menu"},
    {"kind", "the kind of activity"},
    {"title", "the window title"},
    {"instruction", "the instruction"},
    {"picture", "the picture"},
    {"word", "the label's word"},
    {"say", "how it is read aloud"},
    {"columns", "the column headings", "column heading", "column headings"},
    {"column", "its column"},
    {"option", "the button name"},
    {"answers", "the answers", "answer", "answers"},
    {"say_answers", "how the answers are read aloud", "answer read aloud", "answers read aloud"},
    {"right", "the right answer"},
    {"true", "true or false"},
    {"at", "its place on the picture"},
    {"line_to", "the point its pointer shows"},
    {"box", "its box's place"},
    {"start", "its starting place"},
    {"line", "its pointer"},
    {"describe", "what each picture shows"},
    {"backdrop", "the backdrop picture"},
    {"wrong", "what a wrong answer says"},
    {"flash", "how the right answer flashes"},
    {"every", "how often the right answer flashes"},
    {"first", "when the right answer first flashes"},
    {"layout", "the screen's layout"},
    {"size", "the screen's size"},
    {"blanks", "the gaps' widths"},
    {"words", "the places of the passage's words"},
    {"picture_at", "the picture's place"},
    {"answer_in_words", "the right answer in words"},
    {"after", "the picture shown after the answer"},
    {"section", "the sections"},
    {"button", "the section's button"},
};

const FieldName* fieldName(const QString& key) {
    for (const FieldName& f : kFieldNames)
        if (key == QLatin1String(f.key)) return &f;
    return nullptr;
}

QString ordinal(int item) {
    static const char* const kOrdinals[] = {"first", "second", "third", "fourth", "fifth"};
    return item < 5 ? kOrdinals[item] : QString("number %1").arg(item + 1);
}

}  // namespace

Problem fileProblem(Position at, Fault fault, Spot spot, QStringList args) {
    const Words* w = wordsOf(fault);
    QString message = w ? fill(w->file, args, [](char) { return QString(); }) : args.value(0);
    return {at, std::move(message), fault, std::move(spot), std::move(args)};
}

QString plainWords(const Problem& p, Kind kind, bool named) {
    const Words* w = wordsOf(p.fault);
    if (!w) return p.message;
    const QString entry = entryName(kind);
    const FieldName* field = fieldName(p.spot.field);
    const QString item = field && field->item ? field->item : "item";
    const QString text = fill(w->plain, p.args, [&](char c) -> QString {
        switch (c) {
            case 'F':
                if (p.spot.item >= 0) return "the " + ordinal(p.spot.item) + ' ' + item;
                if (p.spot.field == "text") return "the " + entry;
                return field ? field->name : "this setting";
            case 'E':
                return p.spot.entry >= 0 || p.spot.field == "text" ? entry : QString("activity");
            case 'I':
                return p.spot.item <= 0 ? (item.startsWith('a') ? "an " : "a ") + item
                                        : "a " + ordinal(p.spot.item) + ' ' + item;
            case 'P':
                return field && field->items ? field->items : "items";
        }
        return {};
    });
    QString out = named && p.spot.entry >= 0
                      ? QString("%1 %2: %3").arg(entry).arg(p.spot.entry + 1).arg(text)
                      : text;
    out[0] = out[0].toUpper();
    return out.endsWith('.') ? out : out + '.';
}

QString lineSays(const Problem& p, Kind kind, const QByteArray& fileText) {
    const QList<QByteArray> lines = fileText.split('\n');
    QString line = p.at.line >= 1 && p.at.line <= lines.size()
                       ? QString::fromUtf8(lines[p.at.line - 1]).trimmed()
                       : QString();
    // A line long enough to hide what it is about is cut short.
    constexpr int kShown = 80;
    if (line.size() > kShown) line = line.left(kShown - 1) + QChar(0x2026);
    const QString what = plainWords(p, kind, false);
    // A file too large or not UTF-8 has no line worth showing.
    if (line.isEmpty() || p.fault == Fault::Utf16 || p.fault == Fault::TooLarge) return what;
    return QString("Line %1 says %2. %3").arg(p.at.line).arg(line, what);
}

}  // namespace activityfiles
