#include "activities/files/problemwords.h"

#include <QCoreApplication>
#include <QList>

namespace activityfiles {

namespace {

// Each problem in the file's words and in plain words, which are translated where they are
// shown (the file's words never are). %1, %2... are its args; the plain words
// also say %F, the field at fault ("the name in the menu", "the second answer"), %E, the kind's
// entry ("question"), %I, the item wanted ("a second answer") and %P, the items ("answers").
struct Words {
    Fault fault;
    const char* file;
    const char* plain;
};
constexpr Words kWords[] = {
    {Fault::TooLarge, "the file is larger than 256 KiB",
     QT_TRANSLATE_NOOP("ProblemWords", "the file is larger than 256 KiB: make it smaller")},
    {Fault::Unreadable, "the file cannot be read",
     QT_TRANSLATE_NOOP("ProblemWords", "the file cannot be read: check that it may be opened")},
    {Fault::NotFound, "the file cannot be found",
     QT_TRANSLATE_NOOP("ProblemWords", "the file cannot be found")},
    {Fault::Utf16, "the file is saved as UTF-16 (\"Unicode\"): save it again as UTF-8",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "the file is saved as Unicode (UTF-16): save it again as UTF-8")},
    {Fault::NoClosingQuote, "this text has no closing quote: end it with \" on the same line",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "a text has no closing quotation mark: close it where the text ends")},
    {Fault::NoEquals,
     "a field's name must be followed by = and its value, such as topic = \"Rocks\"",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "a setting's name must be followed by an equals sign and its value")},
    {Fault::ValueUnreadable,
     "this value cannot be read: put text in double quotes, such as \"Rocks\" (numbers, true and "
     "false take none)",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "the value cannot be read: put text in double quotation marks (numbers, "
                       "true and false take "
                       "none)")},
    {Fault::HeadingUnclosed,
     "this heading is not closed: write it on one line with its brackets, such as [[label]]",
     QT_TRANSLATE_NOOP("ProblemWords", "a heading is not closed: end it with its square brackets")},
    {Fault::LoneBackslash,
     "a backslash \\ in a text must be written twice, \\\\, or the text put in single quotes",
     QT_TRANSLATE_NOOP("ProblemWords", "a backslash in a text must be written twice")},
    {Fault::ListUnclosed, "this list is not closed: end it with ], such as [\"First\", \"Second\"]",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "a list is not closed: end it with a closing square bracket")},
    {Fault::WrittenTwice, "\"%1\" is written twice: keep only one",
     QT_TRANSLATE_NOOP("ProblemWords", "%1 is written twice: keep only one")},
    {Fault::Unparsed, "%1",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "the file cannot be read here: check its spelling and punctuation")},
    {Fault::UnknownField, "unknown field \"%1\"",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "%1 is no setting the program knows: check its spelling, or take it out")},
    {Fault::UnknownFieldIn, "unknown field \"%1\" in %2",
     QT_TRANSLATE_NOOP(
         "ProblemWords",
         "%1 is no setting the program knows here: check its spelling, or take it out")},
    {Fault::OtherKindsField, "\"%1\" is not used in a %2 activity",
     QT_TRANSLATE_NOOP("ProblemWords", "%1 is not used in this kind of activity: take it out")},
    {Fault::Missing, "missing field \"%1\"", QT_TRANSLATE_NOOP("ProblemWords", "fill in %F")},
    {Fault::NotText, "\"%1\" must be text in quotes",
     QT_TRANSLATE_NOOP("ProblemWords", "%F must be text, in quotation marks")},
    {Fault::Empty, "\"%1\" is empty", QT_TRANSLATE_NOOP("ProblemWords", "fill in %F")},
    {Fault::TooLong, "\"%1\" is longer than %2 characters",
     QT_TRANSLATE_NOOP("ProblemWords", "shorten %F to %2 characters at most")},
    {Fault::ListCount, "\"%1\" must be a list of %2 to %3 texts, such as [\"First\", \"Second\"]",
     QT_TRANSLATE_NOOP("ProblemWords", "give %2 to %3 %P")},
    {Fault::ListItemEmpty,
     "\"%1\" must be a list of %2 to %3 texts, such as [\"First\", \"Second\"]",
     QT_TRANSLATE_NOOP("ProblemWords", "type %I (each %E needs %2 to %3)")},
    {Fault::ListItemTooLong,
     "\"%1\" must be a list of %2 to %3 texts, such as [\"First\", \"Second\"]",
     QT_TRANSLATE_NOOP("ProblemWords", "shorten %F to 400 characters at most")},
    {Fault::ListItemTwice, "\"%1\" holds \"%2\" twice",
     QT_TRANSLATE_NOOP("ProblemWords", "%2 is given twice: make each of the %P different")},
    {Fault::Point, "\"%1\" must be two numbers of the picture's pixels, such as [412, 300]",
     QT_TRANSLATE_NOOP("ProblemWords", "place it again on the picture")},
    {Fault::PictureFolder, "picture \"%1\" must be a plain file name, with no folder",
     QT_TRANSLATE_NOOP("ProblemWords", "choose %F again: the file's name may not name a folder")},
    {Fault::PictureType, "picture \"%1\" must be a PNG or JPEG file",
     QT_TRANSLATE_NOOP("ProblemWords", "%1 is not a PNG or JPEG picture: choose another")},
    {Fault::NoEntries, "no [[%1]]: this kind needs at least one",
     QT_TRANSLATE_NOOP("ProblemWords", "add a %E: there must be one at least")},
    {Fault::NotEntries, "\"%1\" must be written [[%1]], once for each",
     QT_TRANSLATE_NOOP("ProblemWords", "each %E must be written as an entry of its own")},
    {Fault::TooManyEntries, "more than %1 [[%2]]: at most %1 fit on the screen",
     QT_TRANSLATE_NOOP("ProblemWords", "take some out: %1 at most fit on the screen")},
    {Fault::Colour, "\"%1\" must be a colour of three numbers from 0 to 255, such as [9, 63, 137]",
     QT_TRANSLATE_NOOP("ProblemWords", "a colour must be three numbers from 0 to 255")},
    {Fault::Twips, "\"%1\" must be two or four numbers of twips, such as [120, 480, 3585, 945]",
     QT_TRANSLATE_NOOP("ProblemWords", "a place on the screen must be two or four numbers")},
    {Fault::Font, "\"font\" must be \"Arial\", \"Times New Roman\" or \"Tahoma\"",
     QT_TRANSLATE_NOOP("ProblemWords", "the font must be Arial, Times New Roman or Tahoma")},
    {Fault::Points, "\"points\" must be a size from 6 to 96",
     QT_TRANSLATE_NOOP("ProblemWords", "the text's size must be from 6 to 96 points")},
    {Fault::Bold, "\"bold\" must be true or false",
     QT_TRANSLATE_NOOP("ProblemWords", "write bold as true or false, without quotation marks")},
    {Fault::PlaceMissing, "missing field \"%1\": the file has a [layout], which places every word",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "give %F: the screen is laid out by hand, so every word is placed")},
    {Fault::PlaceNeedsLayout, "\"%1\" places a word by hand: it needs a [layout]",
     QT_TRANSLATE_NOOP(
         "ProblemWords",
         "a word is placed by hand only on a screen laid out by hand: take its place out")},
    {Fault::PlaceNotPoint, "\"%1\" must be a left and a top, such as [840, 3360]",
     QT_TRANSLATE_NOOP("ProblemWords", "%F must be two numbers, a left and a top")},
    {Fault::PlaceNotLine, "\"%1\" must be a line [x1, y1, x2, y2]",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "the pointer must be four numbers, where it starts and ends")},
    {Fault::LayoutSize, "\"size\" must be a width and a height",
     QT_TRANSLATE_NOOP("ProblemWords", "%F must be a width and a height")},
    {Fault::LayoutRole, "[layout] of a %1 activity places no \"%2\"",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "the layout of this kind of activity cannot place %2: take it out")},
    {Fault::LayoutNotTable, "\"layout\" must be written [layout]",
     QT_TRANSLATE_NOOP("ProblemWords", "the layout must be a heading of its own")},
    {Fault::Menu, "\"menu\" must be a whole number from 1 to 5",
     QT_TRANSLATE_NOOP("ProblemWords", "choose a menu from 1 to 5")},
    {Fault::KindUnknown,
     "unknown kind \"%1\": it must be labelling, sorting, passage, questions or truefalse",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "%1 is no kind of activity: it must be labelling, sorting, passage, "
                       "questions or truefalse")},
    {Fault::DescribeNotTable, "\"describe\" must be a table of pictures and what each shows",
     QT_TRANSLATE_NOOP("ProblemWords", "%F must give each picture's name and what it shows")},
    {Fault::DescribeName, "\"%1\" in \"describe\" is not a picture's file name",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "%1 is not a picture's file name: say what a picture shows by its name")},
    {Fault::FlashNotTable,
     "\"flash\" must be a table such as { fill = [[0, 0, 255], [0, 0, 0]], every = 250 }",
     QT_TRANSLATE_NOOP("ProblemWords", "%F must give its colours and how often they change")},
    {Fault::FlashColours,
     "\"flash\" needs either \"fill\" or \"text\": two colours, such as [[0, 0, 255], [0, 0, 0]]",
     QT_TRANSLATE_NOOP("ProblemWords", "%F needs two colours, of its fill or of its text")},
    {Fault::FlashMs, "\"%1\" must be a whole number of milliseconds from 1 to 5000",
     QT_TRANSLATE_NOOP("ProblemWords", "%F must be a whole number of milliseconds from 1 to 5000")},
    {Fault::FlashEvery, "\"flash\" needs \"every\"",
     QT_TRANSLATE_NOOP("ProblemWords", "%F needs how often its colours change")},
    {Fault::ColumnNone, "column \"%1\" is none of the columns",
     QT_TRANSLATE_NOOP("ProblemWords", "choose its column again: %1 is none of the headings")},
    {Fault::GapInGap, "a gap inside a gap: \"[\" before the \"]\" that ends the last",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "a gap opens inside another: close each gap before the next opens")},
    {Fault::GapUnopened, "a \"]\" with no \"[\" before it",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "a gap is closed that was never opened: open it with a square bracket")},
    {Fault::GapEmpty, "an empty gap \"[]\": put the word to drag between the brackets",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "a gap is empty: put the word to drag between its square brackets")},
    {Fault::GapUnclosed, "a \"[\" with no \"]\" after it",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "a gap is not closed: end it with a closing square bracket")},
    {Fault::NoGap, "a passage with no gap: put each word to drag in [brackets]",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "there is no gap: put each word to drag between square brackets")},
    {Fault::TooManyGaps, "more than %1 gaps in a passage",
     QT_TRANSLATE_NOOP("ProblemWords", "there are more than %1 gaps: take some out")},
    {Fault::OptionTwice, "two passages have the option \"%1\"",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "another passage has the button name %1: give each its own")},
    {Fault::PlacedOnlyFirst, "\"%1\" places the first passage of a file with a [layout], no other",
     QT_TRANSLATE_NOOP(
         "ProblemWords",
         "only the first passage of a screen laid out by hand is placed: take %F out")},
    {Fault::PlacedMissing, "missing field \"%1\": [layout] places the first passage",
     QT_TRANSLATE_NOOP("ProblemWords", "give %F: the screen is laid out by hand")},
    {Fault::BlanksCount, "\"blanks\" must give one number for each of the %1 gaps",
     QT_TRANSLATE_NOOP("ProblemWords", "%F must give a width for each of the %1 gaps")},
    {Fault::BlanksNumber, "\"blanks\" must be whole numbers from 1 to 100",
     QT_TRANSLATE_NOOP("ProblemWords", "%F must be whole numbers from 1 to 100")},
    {Fault::WordNotGap,
     "\"%1\" in \"words\" is no gap of the passage, or is given more often than it is",
     QT_TRANSLATE_NOOP("ProblemWords", "%1 is placed more often than the passage has it as a gap")},
    {Fault::WordsEach,
     "\"words\" must place each gap's word once, such as [{ word = \"tobacco\", box = [3585, "
     "3090], start = [2520, 7200] }]",
     QT_TRANSLATE_NOOP("ProblemWords", "%F must place each gap's word once")},
    {Fault::SayAnswersCount,
     "\"say_answers\" must give %1 spoken forms, one for each answer in the same order",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "%F must give one for each of the %1 answers, in their order")},
    {Fault::RightNone, "the right answer \"%1\" is none of the answers",
     QT_TRANSLATE_NOOP("ProblemWords", "choose the right answer again: %1 is none of the answers")},
    {Fault::PictureAtNeedsLayout,
     "\"picture_at\" places a picture of a screen with a [layout]: four numbers of twips",
     QT_TRANSLATE_NOOP(
         "ProblemWords",
         "a picture is placed by hand only on a screen laid out by hand, by four numbers")},
    {Fault::AfterNeedsBackdrop, "\"after\" takes the place of the backdrop: give \"backdrop\"",
     QT_TRANSLATE_NOOP("ProblemWords", "%F takes the backdrop's place: give a backdrop picture")},
    {Fault::QuestionOutsideSection,
     "in an activity with sections, each [[section.question]] belongs to a section",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "in an activity with sections, each question belongs to a section")},
    {Fault::SectionsCount, "\"section\" must be written [[section]], from 2 to %1 times",
     QT_TRANSLATE_NOOP("ProblemWords", "give 2 to %1 sections, each as an entry of its own")},
    {Fault::SectionLayout, "a section's [layout] needs the activity's own",
     QT_TRANSLATE_NOOP("ProblemWords", "a section is laid out by hand only when the activity is")},
    {Fault::NotTrueOrFalse, "\"true\" must be true or false",
     QT_TRANSLATE_NOOP("ProblemWords", "write true or false, without quotation marks")},
    {Fault::MenuNoTopic,
     "menu %1 has no topic \"%2\": leave out \"menu\" to put it in Our Activities, or give the "
     "topic of a menu %1 entry",
     QT_TRANSLATE_NOOP(
         "ProblemWords",
         "menu %1 has no topic %2: choose one of its topics, or put it in Our Activities")},
    {Fault::TopicBuiltIn,
     "\"%1\" on menu %2 is one of the program's own activities: choose another topic, or leave out "
     "\"menu\" to put it in Our Activities",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "%1 on menu %2 is one of the program's own activities: choose another "
                       "topic, or put it in Our "
                       "Activities")},
    {Fault::TopicTaken, "\"%1\" on menu %2 is taken by %3: give this file another topic",
     QT_TRANSLATE_NOOP(
         "ProblemWords",
         "%1 on menu %2 is taken by another activity: give this one another name in the menu")},
    {Fault::SmokingBuiltIn, "the Smoking passage of Healthy Living is built in",
     QT_TRANSLATE_NOOP(
         "ProblemWords",
         "the Smoking passage of Healthy Living comes with the program: give another button name")},
    {Fault::HealthyTwice, "the %1 passage of Healthy Living is given twice",
     QT_TRANSLATE_NOOP(
         "ProblemWords",
         "the %1 passage of Healthy Living is given twice: give another button name")},
    {Fault::HealthyNoOption, "Healthy Living has no option left for \"%1\"",
     QT_TRANSLATE_NOOP("ProblemWords", "Healthy Living has no button left for %1")},
    {Fault::TooLongToFit, "%1 is too long to fit %2",
     QT_TRANSLATE_NOOP("ProblemWords", "%F is too long to fit %2: make it shorter")},
    {Fault::GapTooLong, "%1 is too long to fit %2",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "the word %3 in a gap is too long to fit its box: use a shorter word")},
    {Fault::TooMany, "more %1 than the screen has room for",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "there are more %1 than the screen has room for: take some out")},
    {Fault::PointOutside, "a point of \"%1\" lies outside the picture (%2 by %3 pixels)",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "it points outside the picture: place it again on the picture")},
    {Fault::BoxesOverlap, "the boxes of \"%1\" and \"%2\" overlap: move their points further apart",
     QT_TRANSLATE_NOOP("ProblemWords", "its box overlaps the box of %1: move them further apart")},
    {Fault::NoHeadingPlace, "[layout] places no heading for the column \"%1\"",
     QT_TRANSLATE_NOOP("ProblemWords", "the layout has no place for the heading %1")},
    {Fault::PassageTooLong, "the passage is too long to fit on the screen with its gaps",
     QT_TRANSLATE_NOOP(
         "ProblemWords",
         "the passage is too long to fit on the screen with its gaps: make it shorter")},
    {Fault::AnswerPlaces, "the [layout] places %1 answers, and this question has %2",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "the layout has places for %1 answers, and this question has %2")},
    {Fault::NoPicturePlace,
     "the [layout] has no place for the picture: give \"picture\" there, or \"picture_at\" here",
     QT_TRANSLATE_NOOP("ProblemWords", "the layout has no place for the picture: give it one")},
    {Fault::PictureNotFound, "picture \"%1\" is neither beside the file nor in Images",
     QT_TRANSLATE_NOOP("ProblemWords", "the picture %1 cannot be found: choose it again")},
    {Fault::PictureUnusable, "%2", QT_TRANSLATE_NOOP("ProblemWords", "%2: choose another picture")},
    {Fault::TranslationEmpty, "the translation of \"%1\" is empty",
     QT_TRANSLATE_NOOP("ProblemWords", "the translation of %1 is empty: type it")},
    {Fault::TranslationTooLong, "the translation of \"%1\" is longer than %2 characters",
     QT_TRANSLATE_NOOP("ProblemWords", "shorten the translation of %1 to %2 characters at most")},
    {Fault::TranslationBracket, "a \"[\" or \"]\" without its partner in the translation",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "a square bracket in the translation has no partner: put each word to "
                       "drag between square brackets")},
    {Fault::TranslationGaps,
     "the passage has %1 gaps, its translation %2: put each word to drag in [brackets]",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "the passage has %1 gaps and its translation %2: put each word to drag "
                       "between square brackets")},
    {Fault::TranslationUnknown, "\"%1\" is no text of %2: write each text as the activity gives it",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "%1 is not a text of the activity now: its translation is not used")},
    {Fault::TranslationAlike, "\"%1\" and \"%2\" would both read \"%3\"",
     QT_TRANSLATE_NOOP("ProblemWords",
                       "%1 and %2 would both read %3: give each its own translation")},
};

const Words* wordsOf(Fault fault) {
    for (const Words& w : kWords)
        if (w.fault == fault) return &w;
    return nullptr;
}

// Each %1 to %9 given its arg, and each %letter what `named` gives, in one pass: a teacher's
// text that holds "%1" is left as it is.
template <class Named>
QString fill(const QString& in, const QStringList& args, Named named) {
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
    {"menu", QT_TRANSLATE_NOOP("ProblemWords", "the menu")},
    {"topic", QT_TRANSLATE_NOOP("ProblemWords", "the name in the menu")},
    {"kind", QT_TRANSLATE_NOOP("ProblemWords", "the kind of activity")},
    {"title", QT_TRANSLATE_NOOP("ProblemWords", "the window title")},
    {"instruction", QT_TRANSLATE_NOOP("ProblemWords", "the instruction")},
    {"picture", QT_TRANSLATE_NOOP("ProblemWords", "the picture")},
    {"word", QT_TRANSLATE_NOOP("ProblemWords", "the label's word")},
    {"say", QT_TRANSLATE_NOOP("ProblemWords", "how it is read aloud")},
    {"columns", QT_TRANSLATE_NOOP("ProblemWords", "the column headings"),
     QT_TRANSLATE_NOOP("ProblemWords", "column heading"),
     QT_TRANSLATE_NOOP("ProblemWords", "column headings")},
    {"column", QT_TRANSLATE_NOOP("ProblemWords", "its column")},
    {"option", QT_TRANSLATE_NOOP("ProblemWords", "the button name")},
    {"answers", QT_TRANSLATE_NOOP("ProblemWords", "the answers"),
     QT_TRANSLATE_NOOP("ProblemWords", "answer"), QT_TRANSLATE_NOOP("ProblemWords", "answers")},
    {"say_answers", QT_TRANSLATE_NOOP("ProblemWords", "how the answers are read aloud"),
     QT_TRANSLATE_NOOP("ProblemWords", "answer read aloud"),
     QT_TRANSLATE_NOOP("ProblemWords", "answers read aloud")},
    {"right", QT_TRANSLATE_NOOP("ProblemWords", "the right answer")},
    {"true", QT_TRANSLATE_NOOP("ProblemWords", "true or false")},
    {"at", QT_TRANSLATE_NOOP("ProblemWords", "its place on the picture")},
    {"line_to", QT_TRANSLATE_NOOP("ProblemWords", "the point its pointer shows")},
    {"box", QT_TRANSLATE_NOOP("ProblemWords", "its box's place")},
    {"start", QT_TRANSLATE_NOOP("ProblemWords", "its starting place")},
    {"line", QT_TRANSLATE_NOOP("ProblemWords", "its pointer")},
    {"describe", QT_TRANSLATE_NOOP("ProblemWords", "what each picture shows")},
    {"backdrop", QT_TRANSLATE_NOOP("ProblemWords", "the backdrop picture")},
    {"wrong", QT_TRANSLATE_NOOP("ProblemWords", "what a wrong answer says")},
    {"flash", QT_TRANSLATE_NOOP("ProblemWords", "how the right answer flashes")},
    {"every", QT_TRANSLATE_NOOP("ProblemWords", "how often the right answer flashes")},
    {"first", QT_TRANSLATE_NOOP("ProblemWords", "when the right answer first flashes")},
    {"layout", QT_TRANSLATE_NOOP("ProblemWords", "the screen's layout")},
    {"size", QT_TRANSLATE_NOOP("ProblemWords", "the screen's size")},
    {"blanks", QT_TRANSLATE_NOOP("ProblemWords", "the gaps' widths")},
    {"words", QT_TRANSLATE_NOOP("ProblemWords", "the places of the passage's words")},
    {"picture_at", QT_TRANSLATE_NOOP("ProblemWords", "the picture's place")},
    {"answer_in_words", QT_TRANSLATE_NOOP("ProblemWords", "the right answer in words")},
    {"after", QT_TRANSLATE_NOOP("ProblemWords", "the picture shown after the answer")},
    {"section", QT_TRANSLATE_NOOP("ProblemWords", "the sections")},
    {"button", QT_TRANSLATE_NOOP("ProblemWords", "the section's button")},
};

const FieldName* fieldName(const QString& key) {
    for (const FieldName& f : kFieldNames)
        if (key == QLatin1String(f.key)) return &f;
    return nullptr;
}

// A text marked for translation in this file, in the language shown.
QString inPlainWords(const char* text) {
    return QCoreApplication::translate("ProblemWords", text);
}

QString ordinal(int item) {
    static const char* const kOrdinals[] = {
        QT_TRANSLATE_NOOP("ProblemWords", "first"), QT_TRANSLATE_NOOP("ProblemWords", "second"),
        QT_TRANSLATE_NOOP("ProblemWords", "third"), QT_TRANSLATE_NOOP("ProblemWords", "fourth"),
        QT_TRANSLATE_NOOP("ProblemWords", "fifth")};
    //: An item's place in a list, after the first five: "number 6"
    return item < 5 ? inPlainWords(kOrdinals[item])
                    : inPlainWords(QT_TRANSLATE_NOOP("ProblemWords", "number %1")).arg(item + 1);
}

// The entry of a kind as a teacher calls it ("question").
QString entryWord(Kind kind) {
    return inPlainWords(entryName(kind));
}

}  // namespace

Problem fileProblem(Position at, Fault fault, Spot spot, QStringList args) {
    const Words* w = wordsOf(fault);
    QString message =
        w ? fill(QString::fromUtf8(w->file), args, [](char) { return QString(); }) : args.value(0);
    return {at, std::move(message), fault, std::move(spot), std::move(args)};
}

QString plainWords(const Problem& p, Kind kind, bool named) {
    const Words* w = wordsOf(p.fault);
    if (!w) return p.message;
    const QString entry = entryWord(kind);
    const FieldName* field = fieldName(p.spot.field);
    const QString item = inPlainWords(
        field && field->item ? field->item : QT_TRANSLATE_NOOP("ProblemWords", "item"));
    const QString text = fill(inPlainWords(w->plain), p.args, [&](char c) -> QString {
        switch (c) {
            case 'F':
                //: "the second answer": %1 is the item's place, %2 the item
                if (p.spot.item >= 0)
                    return inPlainWords(QT_TRANSLATE_NOOP("ProblemWords", "the %1 %2"))
                        .arg(ordinal(p.spot.item), item);
                //: "the question": %1 is the kind's entry
                if (p.spot.field == "text")
                    return inPlainWords(QT_TRANSLATE_NOOP("ProblemWords", "the %1")).arg(entry);
                return inPlainWords(field ? field->name
                                          : QT_TRANSLATE_NOOP("ProblemWords", "this setting"));
            case 'E':
                return p.spot.entry >= 0 || p.spot.field == "text"
                           ? entry
                           : inPlainWords(QT_TRANSLATE_NOOP("ProblemWords", "activity"));
            case 'I':
                //: "a second answer": %1 is the item's place, %2 the item
                if (p.spot.item > 0)
                    return inPlainWords(QT_TRANSLATE_NOOP("ProblemWords", "a %1 %2"))
                        .arg(ordinal(p.spot.item), item);
                //: An item wanted, "an answer", "a column heading": %1 is the item
                return (item.startsWith('a')
                            ? inPlainWords(QT_TRANSLATE_NOOP("ProblemWords", "an %1"))
                            : inPlainWords(QT_TRANSLATE_NOOP("ProblemWords", "a %1")))
                    .arg(item);
            case 'P':
                return inPlainWords(field && field->items
                                        ? field->items
                                        : QT_TRANSLATE_NOOP("ProblemWords", "items"));
        }
        return {};
    });
    //: The entry a problem is in, its number and the problem: "Question 1: type..."
    QString out = named && p.spot.entry >= 0
                      ? inPlainWords(QT_TRANSLATE_NOOP("ProblemWords", "%1 %2: %3"))
                            .arg(entry, QString::number(p.spot.entry + 1), text)
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
    //: %1 is a line's number, %2 the line as the file has it, %3 what to do
    return inPlainWords(QT_TRANSLATE_NOOP("ProblemWords", "Line %1 says %2. %3"))
        .arg(QString::number(p.at.line), line, what);
}

}  // namespace activityfiles
