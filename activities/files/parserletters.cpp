#include "activities/files/parserletters.h"

#include <QList>

namespace activityfiles {

namespace {

// Where the letters are moved to: plane 15, which the parser takes for a letter at once.
constexpr char32_t kShift = 0xF0000;

constexpr bool isUnsafe(char32_t c) {
    return (c > 0xA0 && c < 0x49A) || (c >= 0x2C5E && c < 0x3058 && c != 0x3000) ||
           (c >= 0xFB26 && c < 0xFEFF);
}

// The code point of a well-formed two- or three-byte sequence at `at`, and its length.
bool decodeShort(const QByteArray& b, qsizetype at, char32_t& c, int& length) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(b[i]); };
    const auto follows = [&](qsizetype i) { return i < b.size() && (byte(i) & 0xC0) == 0x80; };
    const unsigned char lead = byte(at);
    if (lead >= 0xC2 && lead <= 0xDF && follows(at + 1)) {
        c = (char32_t(lead & 0x1F) << 6) | (byte(at + 1) & 0x3F);
        length = 2;
        return true;
    }
    if (lead >= 0xE0 && lead <= 0xEF && follows(at + 1) && follows(at + 2)) {
        c = (char32_t(lead & 0x0F) << 12) | (char32_t(byte(at + 1) & 0x3F) << 6) |
            (byte(at + 2) & 0x3F);
        length = 3;
        return c >= 0x800 && (c < 0xD800 || c > 0xDFFF);
    }
    return false;
}

}  // namespace

QByteArray moveLettersForParser(const QByteArray& bytes) {
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t c = 0;
        int length = 0;
        if (decodeShort(bytes, i, c, length) && isUnsafe(c)) {
            const char32_t moved = c + kShift;
            out += char(0xF0 | (moved >> 18));
            out += char(0x80 | ((moved >> 12) & 0x3F));
            out += char(0x80 | ((moved >> 6) & 0x3F));
            out += char(0x80 | (moved & 0x3F));
            i += length;
        } else {
            out += bytes[i++];
        }
    }
    return out;
}

QString restoreLetters(std::string_view text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (text.find('\xF3') == std::string_view::npos) return s;  // no letter of plane 15
    QString out;
    out.reserve(s.size());
    for (const char32_t c : s.toUcs4()) {
        const char32_t back = c - kShift;
        const char32_t letter = c >= kShift && isUnsafe(back) ? back : c;
        out += QString::fromUcs4(&letter, 1);
    }
    return out;
}

}  // namespace activityfiles
