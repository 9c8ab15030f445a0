#include "activities/wordgame/wordlistreader.h"

#include <QBuffer>
#include <QByteArray>
#include <QIODevice>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "activities/wordgame/textcodec.h"

namespace wordgame {

namespace {

// A field longer than this cannot be a word of 16 characters, even written decomposed; the
// rest of it is read past without being kept.
constexpr qsizetype kMaxFieldBytes = 1024;
constexpr qint64 kChunkBytes = 64 * 1024;

// The bytes of a file, pulled in chunks and checked as UTF-8 as they are taken.
class ByteSource {
  public:
    explicit ByteSource(QIODevice& in) : in_(in) {}

    int peek() {
        if (pos_ == chunk_.size() && !fill()) return -1;
        return static_cast<unsigned char>(chunk_[pos_]);
    }
    int take() {
        const int c = peek();
        if (c >= 0) {
            ++pos_;
            utf8_.feed(static_cast<unsigned char>(c));
            if (c == '\n') ++line_;
        }
        return c;
    }
    int line() const { return line_; }
    // The byte order mark is no part of the count.
    void skipByteOrderMark() {
        if (peek() >= 0 && chunk_.startsWith("\xEF\xBB\xBF")) pos_ = 3;
    }
    bool isUtf8() const { return utf8_.valid(); }

  private:
    bool fill() {
        const qint64 room = std::min(kChunkBytes, kMaxFileBytes - total_);
        if (room <= 0) return false;
        chunk_ = in_.read(room);
        pos_ = 0;
        total_ += chunk_.size();
        return !chunk_.isEmpty();
    }

    QIODevice& in_;
    QByteArray chunk_;
    qsizetype pos_ = 0;
    qint64 total_ = 0;
    int line_ = 1;
    Utf8Check utf8_;
};

struct Field {
    QByteArray bytes;
    bool overlong = false;
    int line = 0;
};

bool isBlank(int c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(int c) {
    return c == '\r' || c == '\n';
}

// One field: spaces and blank lines before it are skipped; it ends at a comma or a line end
// (the count also at a space); in double quotes it may hold commas. Nothing at end of file.
std::optional<Field> readField(ByteSource& in, bool endsAtSpace) {
    while (isBlank(in.peek()) || isLineEnd(in.peek())) in.take();
    if (in.peek() < 0) return std::nullopt;

    Field f;
    f.line = in.line();
    const auto keep = [&f](int c) {
        if (f.bytes.size() < kMaxFieldBytes)
            f.bytes.append(static_cast<char>(c));
        else
            f.overlong = true;
    };
    const auto ends = [endsAtSpace](int c) {
        return c < 0 || c == ',' || isLineEnd(c) || (endsAtSpace && isBlank(c));
    };
    if (in.peek() == '"') {
        in.take();
        // A closing quote that never comes ends at the line end, not at the end of the file.
        while (in.peek() >= 0 && in.peek() != '"' && !isLineEnd(in.peek())) keep(in.take());
        if (in.peek() == '"') in.take();
        while (!ends(in.peek())) in.take();  // after the closing quote: not part of the word
    } else {
        while (!ends(in.peek())) keep(in.take());
        // Spaces left at the end of a line by an editor would show as empty tiles.
        while (!f.bytes.isEmpty() && isBlank(f.bytes.back())) f.bytes.chop(1);
    }
    while (isBlank(in.peek())) in.take();
    if (in.peek() == ',') in.take();
    return f;
}

// A whole decimal number; anything else, or less than 1, is 0. However large the number,
// it asks for no more than the words present: every field takes at least one byte, so
// capping it at the byte limit changes nothing but keeps it from overflowing.
int parseCount(const std::optional<Field>& field) {
    if (!field || field->overlong || field->bytes.isEmpty()) return 0;
    std::int64_t n = 0;
    for (char c : field->bytes) {
        if (c < '0' || c > '9') return 0;
        n = std::min(n * 10 + (c - '0'), kMaxFileBytes);
    }
    return static_cast<int>(n);
}

// A list saved as UTF-16 (Windows Notepad's "Unicode") is read as the same text in UTF-8.
std::optional<QByteArray> fromUtf16(QIODevice& in) {
    const QByteArray head = in.peek(2);
    const bool little = head == "\xFF\xFE", big = head == "\xFE\xFF";
    if (!little && !big) return std::nullopt;
    const QByteArray bytes = in.read(kMaxFileBytes).mid(2);
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto a = static_cast<unsigned char>(bytes[2 * i]);
        const auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
        text[i] = QChar(static_cast<char16_t>(little ? a | b << 8 : b | a << 8));
    }
    return text.toUtf8();
}

CategoryWords readUtf8OrCodePage(QIODevice& in) {
    ByteSource source(in);
    source.skipByteOrderMark();
    CategoryWords out;
    out.announced = parseCount(readField(source, true));

    // The character set is known only once every field has been read, so the words are
    // decoded afterwards. The byte limit bounds how many there can be.
    std::vector<Field> raw;
    for (int i = 0; i < out.announced; ++i) {
        std::optional<Field> f = readField(source, false);
        if (!f) break;  // the file ends early: the words read so far count
        raw.push_back(std::move(*f));
    }
    // The words past the count are not read, only counted for the teacher.
    out.present = static_cast<int>(raw.size());
    while (readField(source, false)) ++out.present;

    const bool utf8 = source.isUtf8();
    for (const Field& f : raw) {
        const QString word = (utf8 ? QString::fromUtf8(f.bytes) : decodeWindows1252(f.bytes))
                                 .normalized(QString::NormalizationForm_C);
        // A word of nothing but spaces (written in quotes) would show only empty tiles.
        const qsizetype letters = f.overlong ? kMaxFieldBytes : characters(word).size();
        if (word.trimmed().isEmpty())
            out.leftOut.push_back({f.line, "an empty word is left out"});
        else if (letters > kMaxLetters)
            out.leftOut.push_back({f.line, QString("\"%1\" has more than %2 letters: it is left "
                                                   "out")
                                               .arg(word.left(40))
                                               .arg(kMaxLetters)});
        else if (out.count == kMaxWords)
            out.leftOut.push_back({f.line, QString("more than %1 words: \"%2\" and the words "
                                                   "after it are left out")
                                               .arg(kMaxWords)
                                               .arg(word)});
        else
            out.words[out.count++] = word;
        if (out.count == kMaxWords && !out.leftOut.empty() &&
            out.leftOut.back().why.startsWith("more than"))
            break;
    }
    return out;
}

}  // namespace

CategoryWords readWordList(QIODevice& in) {
    if (std::optional<QByteArray> utf8 = fromUtf16(in)) {
        QBuffer buffer(&*utf8);
        buffer.open(QIODevice::ReadOnly);
        return readUtf8OrCodePage(buffer);
    }
    return readUtf8OrCodePage(in);
}

QStringList characters(const QString& word) {
    QStringList out;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const qsizetype n =
            word[i].isHighSurrogate() && i + 1 < word.size() && word[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        out.append(word.mid(i, n));
        i += n - 1;
    }
    return out;
}

}  // namespace wordgame
