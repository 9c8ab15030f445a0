// The one place that parses TOML. The parser is compiled into this file alone, without
// exceptions: a teacher's mistake is a value with a line and column, never a throw.
#define TOML_HEADER_ONLY 1
#define TOML_EXCEPTIONS 0
// toml++ 3.3 asserts, and built by clang assumes, what a malformed table header such as
// "[[[label]]" or "[=]" breaks, although its own error path reports that input well: an
// abort in a debug build, undefined behaviour in a release. Its checks are left out here, and
// the fuzz corpus keeps such headers.
#ifdef NDEBUG
#define BRINDLEMARK_NDEBUG
#undef NDEBUG
#endif
#define TOML_ASSERT(expr) static_cast<void>(0)
#include <toml++/toml.h>
#ifdef BRINDLEMARK_NDEBUG
#define NDEBUG
#endif

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <set>

#include "activities/files/activity.h"
#include "activities/files/parserletters.h"
#include "activities/files/parsermessages.h"
#include "activities/files/problemwords.h"
#include "activities/files/translation.h"

namespace activityfiles {

namespace {

struct KindInfo {
    Kind kind;
    const char* name;
    std::initializer_list<std::string_view> fields;  // besides the common ones
    const char* instruction;                         // when the file gives none
    // The roles a fixed [layout] may place, besides its size.
    std::initializer_list<std::string_view> roles;
};
const KindInfo kKinds[] = {
    {Kind::Labelling,
     "labelling",
     {"picture", "label", "describe"},
     "Drag each label to its place on the picture.",
     {"instruction", "score", "word", "picture"}},
    {Kind::Sorting,
     "sorting",
     {"columns", "word"},
     "Drag each word into its column.",
     {"instruction", "score", "word", "headings", "lines"}},
    {Kind::Passage,
     "passage",
     {"passage"},
     "Drag and drop the words to complete the sentences below.",
     {"instruction", "score", "word", "passage", "options"}},
    {Kind::Questions,
     "questions",
     {"question", "backdrop", "wrong", "flash", "describe", "section"},
     "",
     {"instruction", "question", "picture", "answers", "feedback", "right_answer", "backdrop",
      "exit", "show_answer", "new_question", "section"}},
    {Kind::TrueFalse,
     "truefalse",
     {"picture", "statement", "flash", "describe"},
     "Is the statement below true or false? Click the correct button.",
     {"instruction", "statement", "picture", "answers", "feedback", "exit", "show_answer",
      "new_question"}},
};
constexpr std::string_view kCommonFields[] = {"menu",        "topic",      "kind",  "title",
                                              "instruction", "background", "layout"};

// The fonts a fixed layout may name: the ones the screens are designed in.
constexpr const char* kDesignFonts[] = {"Arial", "Times New Roman", "Tahoma"};

// Twips of a fixed layout: a screen is 12000 by 9000; a picture may stand a little outside.
constexpr double kMostTwips = 24000;

Position positionOf(const toml::source_region& s) {
    return {static_cast<int>(s.begin.line), static_cast<int>(s.begin.column)};
}

QString qs(std::string_view s) {
    return restoreLetters(s);
}

bool isPlainPictureName(const QString& name) {
    return !name.contains('/') && !name.contains('\\') && !name.contains(':') &&
           !name.startsWith('.');
}

// The program's own pictures are BMP files; a teacher's are PNG or JPEG.
bool isPictureSuffix(const QString& name) {
    const QString suffix = QFileInfo(name).suffix().toLower();
    return suffix == "png" || suffix == "jpg" || suffix == "jpeg" || suffix == "bmp";
}

class Reader {
  public:
    explicit Reader(QString fileName) { activity_.fileName = std::move(fileName); }

    ReadResult read(const QByteArray& bytes) {
        const QByteArray moved = moveLettersForParser(bytes);
        toml::parse_result parsed =
            toml::parse(std::string_view(moved.constData(), static_cast<size_t>(moved.size())));
        if (!parsed) {
            const toml::parse_error& error = parsed.error();
            problems_.push_back(parserProblem(positionOf(error.source()), qs(error.description())));
            return finish();
        }
        readRoot(parsed.table());
        return finish();
    }

  private:
    ReadResult finish() {
        ReadResult result;
        result.problems = std::move(problems_);
        result.menu = activity_.menu;
        result.topic = activity_.topic;
        result.kind = activity_.kind;
        if (result.problems.empty()) result.activity = std::move(activity_);
        return result;
    }

    void problem(Position at, Fault fault, Spot spot, QStringList args = {}) {
        problems_.push_back(fileProblem(at, fault, std::move(spot), std::move(args)));
    }
    // A field of the entry being read, or of the activity itself.
    Spot spot(std::string_view key, int item = -1) const { return {qs(key), entry_, item}; }

    // A table's own place: the [[header]] line, or the top of the file.
    static Position tablePos(const toml::table& t) {
        const Position p = positionOf(t.source());
        return p.line > 0 ? p : Position{1, 1};
    }

    static Position keyPos(const toml::table& t, std::string_view key) {
        for (auto&& [k, v] : t)
            if (k.str() == key) return positionOf(k.source());
        return tablePos(t);
    }

    // Fields that the kind does not use, or that no kind knows, are named: a misspelt field
    // would otherwise be silently left out.
    void checkFields(const toml::table& t, std::initializer_list<std::string_view> known,
                     const char* where) {
        for (auto&& [k, v] : t) {
            bool ok = false;
            for (std::string_view f : known) ok = ok || k.str() == f;
            if (!ok)
                problem(positionOf(k.source()), Fault::UnknownFieldIn, spot(k.str()),
                        {qs(k.str()), where});
        }
    }

    std::optional<QString> text(const toml::table& t, std::string_view key, bool required) {
        const toml::node* node = t.get(key);
        const QString name = qs(key);
        if (!node) {
            if (required) problem(tablePos(t), Fault::Missing, spot(key), {name});
            return std::nullopt;
        }
        const Position at = keyPos(t, key);
        const auto value = node->value<std::string_view>();
        if (!value) {
            problem(at, Fault::NotText, spot(key), {name});
            return std::nullopt;
        }
        const QString s = qs(*value).trimmed();
        if (s.isEmpty()) {
            problem(at, Fault::Empty, spot(key), {name});
            return std::nullopt;
        }
        if (s.size() > kMaxTextLength) {
            problem(at, Fault::TooLong, spot(key), {name, QString::number(kMaxTextLength)});
            return std::nullopt;
        }
        return s.normalized(QString::NormalizationForm_C);
    }

    std::optional<QStringList> texts(const toml::table& t, std::string_view key, int least,
                                     int most) {
        const toml::node* node = t.get(key);
        const QString name = qs(key);
        if (!node) {
            problem(tablePos(t), Fault::Missing, spot(key), {name});
            return std::nullopt;
        }
        const Position at = keyPos(t, key);
        const toml::array* array = node->as_array();
        const QStringList wanted{name, QString::number(least), QString::number(most)};
        // A list too short says which item is wanted: the first missing.
        const int size = array ? static_cast<int>(array->size()) : 0;
        if (!array || size > most) {
            problem(at, Fault::ListCount, spot(key), wanted);
            return std::nullopt;
        }
        QStringList out;
        for (int i = 0; i < std::max(size, least); ++i) {
            const auto value = i < size ? (*array)[static_cast<size_t>(i)].value<std::string_view>()
                                        : std::nullopt;
            const QString s = value ? qs(*value).trimmed() : QString();
            if (s.isEmpty() || s.size() > kMaxTextLength) {
                problem(at, s.isEmpty() ? Fault::ListItemEmpty : Fault::ListItemTooLong,
                        spot(key, i), wanted);
                return std::nullopt;
            }
            if (out.contains(s, Qt::CaseInsensitive)) {
                problem(at, Fault::ListItemTwice, spot(key, i), {name, s});
                return std::nullopt;
            }
            out << s.normalized(QString::NormalizationForm_C);
        }
        return out;
    }

    std::optional<QPointF> point(const toml::table& t, std::string_view key, bool required) {
        const toml::node* node = t.get(key);
        if (!node) {
            if (required) problem(tablePos(t), Fault::Missing, spot(key), {qs(key)});
            return std::nullopt;
        }
        const toml::array* array = node->as_array();
        if (array && array->size() == 2) {
            const auto x = (*array)[0].value<double>();
            const auto y = (*array)[1].value<double>();
            if (x && y && std::isfinite(*x) && std::isfinite(*y) && *x >= 0 && *y >= 0 &&
                *x <= 100000 && *y <= 100000)
                return QPointF(*x, *y);
        }
        problem(keyPos(t, key), Fault::Point, spot(key), {qs(key)});
        return std::nullopt;
    }

    std::optional<QString> picture(const toml::table& t, bool required, Position& where,
                                   std::string_view key = "picture") {
        std::optional<QString> name = text(t, key, required);
        if (!name) return std::nullopt;
        where = keyPos(t, key);
        if (!isPlainPictureName(*name)) {
            problem(where, Fault::PictureFolder, spot(key), {*name});
            return std::nullopt;
        }
        if (!isPictureSuffix(*name)) {
            problem(where, Fault::PictureType, spot(key), {*name});
            return std::nullopt;
        }
        return name;
    }

    // The [[name]] tables, at least one and at most `most`.
    std::vector<const toml::table*> entries(const toml::table& root, std::string_view name,
                                            int most) {
        std::vector<const toml::table*> out;
        const toml::node* node = root.get(name);
        const QString n = qs(name);
        if (!node) {
            problem({1, 1}, Fault::NoEntries, {}, {n});
            return out;
        }
        const toml::array* array = node->as_array();
        if (!array || !array->is_array_of_tables()) {
            problem(keyPos(root, name), Fault::NotEntries, {}, {n});
            return out;
        }
        if (static_cast<int>(array->size()) > most) {
            problem(positionOf((*array)[static_cast<size_t>(most)].source()), Fault::TooManyEntries,
                    {}, {QString::number(most), n});
            return out;
        }
        for (const toml::node& element : *array) out.push_back(element.as_table());
        return out;
    }

    // `[r, g, b]`, each from 0 to 255.
    std::optional<Rgb> colour(const toml::node& node, Position at, const QString& name) {
        if (const toml::array* array = node.as_array(); array && array->size() == 3) {
            int rgb[3] = {};
            bool ok = true;
            for (size_t i = 0; i < 3; ++i) {
                const auto v = (*array)[i].value_exact<int64_t>();
                ok = ok && v && *v >= 0 && *v <= 255;
                if (ok) rgb[i] = static_cast<int>(*v);
            }
            if (ok) return static_cast<Rgb>(rgb[0] << 16 | rgb[1] << 8 | rgb[2]);
        }
        problem(at, Fault::Colour, Spot{name, entry_}, {name});
        return std::nullopt;
    }

    // `[a, b]` or `[a, b, c, d]` in twips.
    std::optional<std::vector<float>> twips(const toml::node& node, Position at,
                                            const QString& name) {
        if (const toml::array* array = node.as_array();
            array && (array->size() == 2 || array->size() == 4)) {
            std::vector<float> out;
            for (const toml::node& element : *array) {
                const auto v = element.value<double>();
                if (!v || !std::isfinite(*v) || std::abs(*v) > kMostTwips) break;
                out.push_back(static_cast<float>(*v));
            }
            if (out.size() == array->size()) return out;
        }
        problem(at, Fault::Twips, Spot{name, entry_}, {name});
        return std::nullopt;
    }

    std::optional<FixedPlace> fixedPlace(const toml::node& node, Position at, const QString& role) {
        FixedPlace place;
        place.where = at;
        const toml::table* t = node.as_table();
        if (!t) {
            auto numbers = twips(node, at, role);
            if (!numbers) return std::nullopt;
            place.at = std::move(*numbers);
            return place;
        }
        checkFields(*t, {"at", "font", "points", "bold", "colour"}, "a place of [layout]");
        if (const toml::node* n = t->get("at")) {
            auto numbers = twips(*n, keyPos(*t, "at"), "at");
            if (!numbers) return std::nullopt;
            place.at = std::move(*numbers);
        }
        if (const toml::node* n = t->get("font")) {
            const auto family = n->value<std::string_view>();
            for (const char* f : kDesignFonts)
                if (family && *family == f) place.font = f;
            if (!place.font) problem(keyPos(*t, "font"), Fault::Font, spot("layout"));
        }
        if (const toml::node* n = t->get("points")) {
            const auto v = n->value<double>();
            if (v && *v >= 6 && *v <= 96)
                place.points = static_cast<float>(*v);
            else
                problem(keyPos(*t, "points"), Fault::Points, spot("layout"));
        }
        if (const toml::node* n = t->get("bold")) {
            place.bold = n->value_exact<bool>();
            if (!place.bold) problem(keyPos(*t, "bold"), Fault::Bold, spot("layout"));
        }
        if (const toml::node* n = t->get("colour"))
            place.colour = colour(*n, keyPos(*t, "colour"), "colour");
        return place;
    }

    // An entry's place of a fixed layout: `count` numbers of twips, such as [3840, 1230].
    // Only a file with a [layout] places its entries; one with it must place every entry.
    std::optional<std::vector<float>> entryTwips(const toml::table& t, std::string_view key,
                                                 size_t count, bool required) {
        const toml::node* node = t.get(key);
        const QString name = qs(key);
        if (!node) {
            if (required && fixed_) problem(tablePos(t), Fault::PlaceMissing, spot(key), {name});
            return std::nullopt;
        }
        const Position at = keyPos(t, key);
        if (!fixed_) {
            problem(at, Fault::PlaceNeedsLayout, spot(key), {name});
            return std::nullopt;
        }
        auto numbers = twips(*node, at, name);
        if (numbers && numbers->size() != count) {
            problem(at, count == 2 ? Fault::PlaceNotPoint : Fault::PlaceNotLine, spot(key), {name});
            return std::nullopt;
        }
        return numbers;
    }

    std::optional<QPointF> entryPoint(const toml::table& t, std::string_view key) {
        const auto xy = entryTwips(t, key, 2, true);
        return xy ? std::optional<QPointF>(QPointF((*xy)[0], (*xy)[1])) : std::nullopt;
    }

    void readLayout(const toml::table& root, const KindInfo& info) {
        Activity& a = activity_;
        if (const toml::node* n = root.get("background"))
            a.background = colour(*n, keyPos(root, "background"), "background");
        a.layout = fixedLayout(root, info, true);
        fixed_ = root.get("layout") != nullptr;
    }

    // The [layout] of `owner`; a section's may leave out the size, which is the activity's.
    std::optional<FixedLayout> fixedLayout(const toml::table& owner, const KindInfo& info,
                                           bool needsSize) {
        const toml::node* node = owner.get("layout");
        if (!node) return std::nullopt;
        const toml::table* t = node->as_table();
        if (!t) {
            problem(keyPos(owner, "layout"), Fault::LayoutNotTable, spot("layout"));
            return std::nullopt;
        }
        FixedLayout layout;
        layout.where = tablePos(*t);
        if (const toml::node* size = t->get("size")) {
            const auto wh = twips(*size, keyPos(*t, "size"), "size");
            if (wh && wh->size() == 2 && (*wh)[0] > 0 && (*wh)[1] > 0)
                layout.size = QSizeF((*wh)[0], (*wh)[1]);
            else if (wh)
                problem(keyPos(*t, "size"), Fault::LayoutSize, spot("size"));
        } else if (needsSize) {
            problem(layout.where, Fault::Missing, spot("size"), {"size"});
        }
        for (auto&& [k, v] : *t) {
            if (k.str() == "size") continue;
            const QString role = qs(k.str());
            const Position at = positionOf(k.source());
            bool known = false;
            for (std::string_view r : info.roles) known = known || k.str() == r;
            if (!known) {
                problem(at, Fault::LayoutRole, spot("layout"), {info.name, role});
                continue;
            }
            std::vector<FixedPlace>& places = layout.places[role];
            const toml::array* many = v.as_array();
            if (many && !many->empty() && ((*many)[0].is_array() || (*many)[0].is_table())) {
                for (const toml::node& element : *many)
                    if (auto p = fixedPlace(element, at, role)) places.push_back(std::move(*p));
            } else if (auto p = fixedPlace(v, at, role)) {
                places.push_back(std::move(*p));
            }
        }
        return layout;
    }

    void readRoot(const toml::table& root) {
        Activity& a = activity_;
        // menu
        if (const toml::node* menu = root.get("menu")) {
            a.menuPos = keyPos(root, "menu");
            const auto n = menu->value_exact<int64_t>();
            if (n && *n >= 1 && *n <= 5)
                a.menu = static_cast<int>(*n);
            else
                problem(a.menuPos, Fault::Menu, spot("menu"));
        }
        a.topicPos = keyPos(root, "topic");
        a.topic = text(root, "topic", true).value_or(QString());
        const KindInfo* info = nullptr;
        if (std::optional<QString> kind = text(root, "kind", true)) {
            for (const KindInfo& k : kKinds)
                if (*kind == QLatin1String(k.name)) info = &k;
            if (!info) problem(keyPos(root, "kind"), Fault::KindUnknown, spot("kind"), {*kind});
        }
        a.title = text(root, "title", false).value_or(a.topic);
        a.instruction = text(root, "instruction", false).value_or(QString());
        if (!info) return;
        a.kind = info->kind;
        if (a.instruction.isEmpty()) a.instruction = QString::fromUtf8(info->instruction);
        readLayout(root, *info);

        for (auto&& [k, v] : root) {
            bool known = false;
            for (std::string_view f : kCommonFields) known = known || k.str() == f;
            for (std::string_view f : info->fields) known = known || k.str() == f;
            if (known) continue;
            bool otherKind = false;
            for (const KindInfo& other : kKinds)
                for (std::string_view f : other.fields) otherKind = otherKind || k.str() == f;
            problem(positionOf(k.source()),
                    otherKind ? Fault::OtherKindsField : Fault::UnknownField, spot(k.str()),
                    {qs(k.str()), info->name});
        }

        switch (a.kind) {
            case Kind::Labelling:
                a.picture = picture(root, true, a.picturePos).value_or(QString());
                readDescriptions(root);
                readLabels(root);
                break;
            case Kind::Sorting:
                readSorting(root);
                break;
            case Kind::Passage:
                readPassages(root);
                break;
            case Kind::Questions:
                readQuestionsExtras(root, *info);
                readDescriptions(root);
                readFlash(root);
                break;
            case Kind::TrueFalse:
                a.picture = picture(root, false, a.picturePos).value_or(QString());
                readStatements(root);
                readDescriptions(root);
                readFlash(root);
                break;
        }
    }

    // ---- what a screen laid out by hand adds ----

    // The text as written, blanks at its ends included, on a screen laid out by hand (the
    // program's own keep their texts exactly); elsewhere as `text` gives it.
    std::optional<QString> shownText(const toml::table& t, std::string_view key) {
        std::optional<QString> trimmed = text(t, key, true);
        if (!trimmed || !activity_.layout) return trimmed;
        return qs(*t.get(key)->value<std::string_view>()).normalized(QString::NormalizationForm_C);
    }

    void readQuestionsExtras(const toml::table& root, const KindInfo& info) {
        Activity& a = activity_;
        a.backdrop = picture(root, false, a.backdropPos, "backdrop").value_or(QString());
        a.wrong = text(root, "wrong", false).value_or(QString());
        const toml::node* node = root.get("section");
        if (!node) return readQuestions(root, 0);
        if (root.get("question"))
            problem(keyPos(root, "question"), Fault::QuestionOutsideSection, {});
        const toml::array* array = node->as_array();
        if (!array || !array->is_array_of_tables() || array->size() < 2 ||
            array->size() > kMaxSections) {
            problem(keyPos(root, "section"), Fault::SectionsCount, spot("section"),
                    {QString::number(kMaxSections)});
            return;
        }
        for (const toml::node& element : *array) {
            const toml::table& t = *element.as_table();
            entry_ = -1;  // a section is no entry: its questions are
            checkFields(t, {"button", "layout", "question"}, "[[section]]");
            Section section;
            section.where = tablePos(t);
            section.button = text(t, "button", true).value_or(QString());
            section.layout = fixedLayout(t, info, false);
            if (section.layout && !a.layout)
                problem(section.layout->where, Fault::SectionLayout, spot("layout"));
            a.sections.push_back(std::move(section));
            readQuestions(t, static_cast<int>(a.sections.size()) - 1);
        }
    }

    // `describe = { "flower.jpg" = "A flower cut in half to show its parts" }`
    void readDescriptions(const toml::table& root) {
        const toml::node* node = root.get("describe");
        if (!node) return;
        const toml::table* t = node->as_table();
        if (!t) {
            problem(keyPos(root, "describe"), Fault::DescribeNotTable, spot("describe"));
            return;
        }
        for (auto&& [k, v] : *t) {
            const QString name = qs(k.str());
            if (!isPlainPictureName(name) || !isPictureSuffix(name)) {
                problem(positionOf(k.source()), Fault::DescribeName, spot("describe"), {name});
                continue;
            }
            if (auto said = text(*t, k.str(), true)) activity_.describe[name] = *said;
        }
    }

    // `flash = { fill = [[0, 0, 255], [0, 0, 0]], every = 250, first = 1 }`, or `text = ...`
    void readFlash(const toml::table& root) {
        const toml::node* node = root.get("flash");
        if (!node) return;
        const Position at = keyPos(root, "flash");
        const toml::table* t = node->as_table();
        if (!t) {
            problem(at, Fault::FlashNotTable, spot("flash"));
            return;
        }
        checkFields(*t, {"fill", "text", "every", "first"}, "\"flash\"");
        Flash flash;
        flash.where = at;
        flash.fill = t->get("fill") != nullptr;
        const toml::array* colours = t->get(flash.fill ? "fill" : "text")
                                         ? t->get(flash.fill ? "fill" : "text")->as_array()
                                         : nullptr;
        if (!colours || colours->size() != 2 || (t->get("fill") && t->get("text"))) {
            problem(at, Fault::FlashColours, spot("flash"));
            return;
        }
        for (size_t i = 0; i < 2; ++i) {
            const auto c = colour((*colours)[i], at, flash.fill ? "fill" : "text");
            if (!c) return;
            flash.colours[i] = *c;
        }
        const auto ms = [&](std::string_view key, int fallback) -> std::optional<int> {
            const toml::node* n = t->get(key);
            if (!n) return fallback;
            const auto v = n->value_exact<int64_t>();
            if (v && *v >= 1 && *v <= 5000) return static_cast<int>(*v);
            problem(keyPos(*t, key), Fault::FlashMs, spot(key), {qs(key)});
            return std::nullopt;
        };
        const auto every = ms("every", 0);
        if (every && *every == 0) problem(at, Fault::FlashEvery, spot("flash"));
        const auto first = ms("first", every.value_or(0));
        if (!every || *every == 0 || !first) return;
        flash.every = *every;
        flash.first = *first;
        activity_.flash = flash;
    }

    void readLabels(const toml::table& root) {
        for (const toml::table* t : entries(root, "label", kMaxWords)) {
            nextEntry();
            checkFields(*t, {"word", "say", "at", "line_to", "box", "start", "line"}, "[[label]]");
            LabelEntry e;
            e.where = keyPos(*t, "word");
            const auto word = text(*t, "word", true);
            // A label placed by hand needs no point on the picture.
            const auto at = point(*t, "at", !fixed_);
            e.lineTo = point(*t, "line_to", false);
            e.say = text(*t, "say", false).value_or(QString());
            e.box = entryPoint(*t, "box");
            e.start = entryPoint(*t, "start");
            e.line = entryTwips(*t, "line", 4, false).value_or(std::vector<float>());
            if (!word || (!at && !fixed_) || (fixed_ && (!e.box || !e.start))) continue;
            e.word = *word;
            e.at = at.value_or(QPointF());
            activity_.labels.push_back(std::move(e));
        }
        entry_ = -1;
    }

    void readSorting(const toml::table& root) {
        const auto columns = texts(root, "columns", kMinColumns, kMaxColumns);
        if (columns) activity_.columns = *columns;
        for (const toml::table* t : entries(root, "word", kMaxWords)) {
            nextEntry();
            checkFields(*t, {"text", "say", "column", "box", "start"}, "[[word]]");
            SortWord w;
            w.where = keyPos(*t, "text");
            const auto word = text(*t, "text", true);
            const auto column = text(*t, "column", true);
            w.say = text(*t, "say", false).value_or(QString());
            w.box = entryPoint(*t, "box");
            w.start = entryPoint(*t, "start");
            if (!word || !column || !columns || (fixed_ && (!w.box || !w.start))) continue;
            w.text = *word;
            w.column = static_cast<int>(columns->indexOf(*column));
            if (w.column < 0) {
                problem(keyPos(*t, "column"), Fault::ColumnNone, spot("column"), {*column});
                continue;
            }
            activity_.words.push_back(std::move(w));
        }
        entry_ = -1;
    }

    // Splits "made from [tobacco]." into its pieces and gaps.
    bool splitPassage(const QString& text, Passage& p, Position at) {
        if (const std::optional<Fault> fault = splitGaps(text, p)) {
            problem(at, *fault, spot("text"));
            return false;
        }
        if (p.gaps.isEmpty()) {
            problem(at, Fault::NoGap, spot("text"));
            return false;
        }
        if (p.gaps.size() > kMaxWords) {
            problem(at, Fault::TooManyGaps, spot("text"), {QString::number(kMaxWords)});
            return false;
        }
        return true;
    }

    void readPassages(const toml::table& root) {
        const auto tables = entries(root, "passage", kMaxPassages);
        for (const toml::table* t : tables) {
            nextEntry();
            checkFields(*t, {"option", "text", "blanks", "words"}, "[[passage]]");
            Passage p;
            p.where = tablePos(*t);
            const auto option = text(*t, "option", tables.size() > 1);
            const auto body = text(*t, "text", true);
            if (option) {
                for (const Passage& earlier : activity_.passages)
                    if (earlier.option.compare(*option, Qt::CaseInsensitive) == 0)
                        problem(keyPos(*t, "option"), Fault::OptionTwice, spot("option"),
                                {*option});
                p.option = *option;
            }
            if (!body || !splitPassage(*body, p, keyPos(*t, "text"))) continue;
            if (!placePassage(*t, p, t == tables.front())) continue;
            activity_.passages.push_back(std::move(p));
        }
        entry_ = -1;
    }

    // The first passage of a file with a [layout] is placed by hand: the blanks of each gap,
    // and its words in the order they are dragged, each with its box and start.
    bool placePassage(const toml::table& t, Passage& p, bool first) {
        const bool placed = fixed_ && first;
        for (const char* key : {"blanks", "words"}) {
            if (t.get(key) && !placed) {
                problem(keyPos(t, key), Fault::PlacedOnlyFirst, spot(key), {key});
                return false;
            }
            if (!t.get(key) && placed) {
                problem(tablePos(t), Fault::PlacedMissing, spot(key), {key});
                return false;
            }
        }
        if (!placed) return true;
        const toml::array* blanks = t.get("blanks")->as_array();
        const Position blanksAt = keyPos(t, "blanks");
        if (!blanks || static_cast<int>(blanks->size()) != p.gaps.size()) {
            problem(blanksAt, Fault::BlanksCount, spot("blanks"), {QString::number(p.gaps.size())});
            return false;
        }
        for (const toml::node& n : *blanks) {
            const auto v = n.value_exact<int64_t>();
            if (!v || *v < 1 || *v > 100) {
                problem(blanksAt, Fault::BlanksNumber, spot("blanks"));
                return false;
            }
            p.blanks.push_back(static_cast<int>(*v));
        }
        const toml::array* words = t.get("words")->as_array();
        const Position wordsAt = keyPos(t, "words");
        QStringList left = p.gaps;
        for (size_t i = 0; words && i < words->size(); ++i) {
            const toml::table* w = (*words)[i].as_table();
            if (!w) break;
            checkFields(*w, {"word", "box", "start"}, "a word of \"words\"");
            const auto word = text(*w, "word", true);
            const auto box = entryPoint(*w, "box");
            const auto start = entryPoint(*w, "start");
            if (!word || !box || !start) return false;
            if (!left.removeOne(*word)) {
                problem(wordsAt, Fault::WordNotGap, spot("words"), {*word});
                return false;
            }
            p.placed.push_back({*word, *box, *start});
        }
        if (!words || !left.isEmpty() || static_cast<int>(p.placed.size()) != p.gaps.size()) {
            problem(wordsAt, Fault::WordsEach, spot("words"));
            return false;
        }
        return true;
    }

    void readQuestions(const toml::table& root, int section) {
        for (const toml::table* t : entries(root, "question", kMaxQuestions)) {
            nextEntry();
            checkFields(*t,
                        {"text", "say", "picture", "answers", "say_answers", "right", "picture_at",
                         "answer_in_words", "after"},
                        "[[question]]");
            Question q;
            q.where = tablePos(*t);
            q.section = section;
            const auto body = shownText(*t, "text");
            q.picture = picture(*t, false, q.picturePos).value_or(QString());
            const auto answers = texts(*t, "answers", kMinAnswers, kMaxAnswers);
            const auto right = text(*t, "right", true);
            q.say = text(*t, "say", false).value_or(QString());
            if (!body || !answers || !right) continue;
            q.text = *body;
            q.answers = *answers;
            if (t->get("say_answers")) {
                const auto said = texts(*t, "say_answers", kMinAnswers, kMaxAnswers);
                if (!said) continue;
                if (said->size() != answers->size()) {
                    problem(keyPos(*t, "say_answers"), Fault::SayAnswersCount, spot("say_answers"),
                            {QString::number(answers->size())});
                    continue;
                }
                q.answersSay = *said;
            }
            q.right = static_cast<int>(answers->indexOf(*right));
            if (q.right < 0) {
                problem(keyPos(*t, "right"), Fault::RightNone, spot("right"), {*right});
                continue;
            }
            if (!questionExtras(*t, q)) continue;
            activity_.questions.push_back(std::move(q));
        }
        entry_ = -1;
    }

    // Where a question's picture goes on a screen laid out by hand, its answer in words, and
    // the picture shown in the backdrop's place once it is answered.
    bool questionExtras(const toml::table& t, Question& q) {
        if (const toml::node* n = t.get("picture_at")) {
            const Position at = keyPos(t, "picture_at");
            auto numbers = twips(*n, at, "picture_at");
            if (!numbers) return false;
            if (numbers->size() != 4 || !activity_.layout) {
                problem(at, Fault::PictureAtNeedsLayout, spot("picture_at"));
                return false;
            }
            q.pictureAt = std::move(*numbers);
        }
        q.answerInWords = text(t, "answer_in_words", false).value_or(QString());
        q.after = picture(t, false, q.afterPos, "after").value_or(QString());
        if (!q.after.isEmpty() && activity_.backdrop.isEmpty()) {
            problem(q.afterPos, Fault::AfterNeedsBackdrop, spot("after"));
            return false;
        }
        return true;
    }

    void readStatements(const toml::table& root) {
        for (const toml::table* t : entries(root, "statement", kMaxQuestions)) {
            nextEntry();
            checkFields(*t, {"text", "say", "true"}, "[[statement]]");
            Statement s;
            s.where = tablePos(*t);
            const auto body = shownText(*t, "text");
            s.say = text(*t, "say", false).value_or(QString());
            const toml::node* truth = t->get("true");
            if (!truth) problem(s.where, Fault::Missing, spot("true"), {"true"});
            const auto value = truth ? truth->value_exact<bool>() : std::nullopt;
            if (truth && !value) problem(keyPos(*t, "true"), Fault::NotTrueOrFalse, spot("true"));
            if (!body || !value) continue;
            s.text = *body;
            s.isTrue = *value;
            activity_.statements.push_back(std::move(s));
        }
        entry_ = -1;
    }

    // The entry being read, counted through the file as a form counts them; -1: none.
    void nextEntry() { entry_ = entries_++; }

    Activity activity_;
    std::vector<Problem> problems_;
    bool fixed_ = false;  // the file has a [layout]
    int entry_ = -1, entries_ = 0;
};

}  // namespace

QRectF FixedPlace::rect() const {
    if (at.size() < 2) return {};
    return at.size() == 4 ? QRectF(at[0], at[1], at[2], at[3]) : QRectF(at[0], at[1], 0, 0);
}

const FixedPlace* FixedLayout::place(const QString& role) const {
    const auto found = places.find(role);
    return found == places.end() || found->second.empty() ? nullptr : &found->second.front();
}

std::optional<FixedLayout> Activity::layoutOf(int section) const {
    if (!layout || section < 0 || section >= static_cast<int>(sections.size()) ||
        !sections[section].layout)
        return layout;
    FixedLayout merged = *layout;
    for (const auto& [role, places] : sections[section].layout->places)
        merged.places[role] = places;
    return merged;
}

const char* kindName(Kind kind) {
    for (const KindInfo& k : kKinds)
        if (k.kind == kind) return k.name;
    return "";
}

std::optional<Fault> splitGaps(const QString& text, Passage& p) {
    QString piece;
    int open = -1;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '[') {
            if (open >= 0) return Fault::GapInGap;
            open = i;
        } else if (c == ']') {
            if (open < 0) return Fault::GapUnopened;
            const QString gap = text.mid(open + 1, i - open - 1).trimmed();
            if (gap.isEmpty()) return Fault::GapEmpty;
            p.pieces << piece;
            p.gaps << gap;
            piece.clear();
            open = -1;
        } else if (open < 0) {
            piece += c;
        }
    }
    if (open >= 0) return Fault::GapUnclosed;
    p.pieces << piece;
    return std::nullopt;
}

const char* entryName(Kind kind) {
    switch (kind) {
        case Kind::Labelling:
            return QT_TRANSLATE_NOOP("ProblemWords", "label");
        case Kind::Sorting:
            return QT_TRANSLATE_NOOP("ProblemWords", "word");
        case Kind::Passage:
            return QT_TRANSLATE_NOOP("ProblemWords", "passage");
        case Kind::Questions:
            return QT_TRANSLATE_NOOP("ProblemWords", "question");
        case Kind::TrueFalse:
            return QT_TRANSLATE_NOOP("ProblemWords", "statement");
    }
    return "";
}

ReadResult readActivity(const QByteArray& bytes, const QString& fileName) {
    if (bytes.size() > kMaxFileBytes) {
        ReadResult result;
        result.problems.push_back(fileProblem({1, 1}, Fault::TooLarge, {}));
        return result;
    }
    if (std::optional<Problem> encoding = encodingProblem(bytes)) {
        ReadResult result;
        result.problems.push_back(std::move(*encoding));
        return result;
    }
    return Reader(fileName).read(bytes);
}

Translation readTranslation(const QByteArray& bytes) {
    Translation out;
    if (bytes.size() > kMaxFileBytes) {
        out.problems.push_back(fileProblem({1, 1}, Fault::TooLarge, {}));
        return out;
    }
    if (std::optional<Problem> encoding = encodingProblem(bytes)) {
        out.problems.push_back(std::move(*encoding));
        return out;
    }
    const QByteArray moved = moveLettersForParser(bytes);
    toml::parse_result parsed =
        toml::parse(std::string_view(moved.constData(), static_cast<size_t>(moved.size())));
    if (!parsed) {
        out.problems.push_back(
            parserProblem(positionOf(parsed.error().source()), qs(parsed.error().description())));
        return out;
    }
    for (auto&& [key, value] : parsed.table()) {
        const Position at = positionOf(key.source());
        if (const auto text = value.value_exact<std::string_view>())
            out.pairs.push_back({qs(key.str()), qs(*text), at});
        else
            out.problems.push_back(
                {at, QString("\"%1\" must be given its translation in quotation marks, such as "
                             "\"%1\" = \"...\"")
                         .arg(qs(key.str()))});
    }
    const auto byPlace = [](const auto& x, const auto& y) {
        return x.at.line != y.at.line ? x.at.line < y.at.line : x.at.column < y.at.column;
    };
    std::sort(out.pairs.begin(), out.pairs.end(), byPlace);
    std::sort(out.problems.begin(), out.problems.end(), byPlace);
    return out;
}

ReadResult readActivityFile(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        ReadResult result;
        result.problems.push_back(fileProblem({1, 1}, Fault::Unreadable, {}));
        return result;
    }
    // One byte more than allowed tells a huge file, even one still growing, from a full one.
    ReadResult result = readActivity(file.read(kMaxFileBytes + 1), info.fileName());
    if (result.activity) result.activity->folder = info.absolutePath();
    return result;
}

}  // namespace activityfiles
