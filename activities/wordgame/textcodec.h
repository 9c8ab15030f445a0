#pragma once
// The two character sets a word list may be saved in: UTF-8, which modern editors write,
// and the Windows code page 1252 of older ones.
#include <QByteArrayView>
#include <QString>

namespace wordgame {

// Checks bytes one at a time for strict UTF-8: no overlong forms, no encoded surrogates,
// nothing above U+10FFFF, no sequence cut short.
class Utf8Check {
  public:
    void feed(unsigned char byte);
    // Whether everything fed so far is UTF-8 and ends on a whole character.
    bool valid() const { return !broken_ && need_ == 0; }

  private:
    int need_ = 0;  // continuation bytes still due
    unsigned char low_ = 0x80, high_ = 0xBF;
    bool broken_ = false;
};

// Every byte is one character; the five bytes the code page leaves unassigned keep their
// C1 control code, as Windows maps them.
QString decodeWindows1252(QByteArrayView bytes);

}  // namespace wordgame
