#include "activities/wordgame/textcodec.h"

namespace wordgame {

void Utf8Check::feed(unsigned char b) {
    if (broken_) return;
    if (need_ > 0) {
        if (b < low_ || b > high_) {
            broken_ = true;
            return;
        }
        low_ = 0x80;
        high_ = 0xBF;
        --need_;
        return;
    }
    if (b < 0x80) return;
    // The ranges of the second byte rule out overlong forms, surrogates and values past U+10FFFF.
    if (b >= 0xC2 && b <= 0xDF) {
        need_ = 1;
    } else if (b >= 0xE0 && b <= 0xEF) {
        need_ = 2;
        if (b == 0xE0) low_ = 0xA0;
        if (b == 0xED) high_ = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        need_ = 3;
        if (b == 0xF0) low_ = 0x90;
        if (b == 0xF4) high_ = 0x8F;
    } else {
        broken_ = true;
    }
}

QString decodeWindows1252(QByteArrayView bytes) {
    static constexpr char16_t k80to9F[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.append(QChar(b >= 0x80 && b <= 0x9F ? k80to9F[b - 0x80] : char16_t(b)));
    }
    return out;
}

}  // namespace wordgame
