#pragma once
// A made-up language for seeing whether every text has room: each text the program asks to
// have translated comes back about 40 % longer, its letters accented and in brackets
// ("Start Again" -> "[Šţàŕţ Àĝàîñ ~~~~]"), so that a clipped end or a text left in English
// shows at a glance. %1 arguments, '&' mnemonics, markup and the blanks at either end are
// kept as they are.
#include <QTranslator>

class PseudoTranslator : public QTranslator {
  public:
    using QTranslator::QTranslator;

    // Every text, in every context, whether or not a translation file holds it.
    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }

    // The made-up form of one text.
    static QString lengthen(const QString& text);
};
