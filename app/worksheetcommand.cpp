#include "app/worksheetcommand.h"

#include <QTime>
#include <cstdint>
#include <cstdio>

#include "ui/random.h"
#include "worksheets/source.h"

namespace {

constexpr const char* kUsage =
    "usage: brindlemark --worksheet NAME|FILE [--answers|--both] [--words N] -o OUT.pdf";

int fail(const QString& message, int status) {
    std::fprintf(stderr, "brindlemark: %s\n", qUtf8Printable(message));
    if (status == 2) std::fprintf(stderr, "%s\n", kUsage);
    return status;
}

}  // namespace

int runWorksheet(const QStringList& arguments) {
    QString name, out;
    auto which = worksheets::Sheets::Worksheet;
    int words = worksheets::kDefaultWords;
    bool chosen = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == "--answers" || a == "--both") {
            if (chosen) return fail("give --answers or --both, not both", 2);
            chosen = true;
            which = a == "--answers" ? worksheets::Sheets::Answers : worksheets::Sheets::Both;
        } else if (a == "-o") {
            if (!hasValue || !out.isEmpty()) return fail("-o needs one file to write", 2);
            out = arguments[++i];
        } else if (a == "--words") {
            bool number = false;
            words = hasValue ? arguments[++i].toInt(&number) : 0;
            if (!number || words < 1 || words > worksheets::kMaxWords)
                return fail(
                    QString("--words needs a number from 1 to %1").arg(worksheets::kMaxWords), 2);
        } else if (a.startsWith('-') || !name.isEmpty()) {
            return fail(QString("\"%1\" is not understood").arg(a), 2);
        } else {
            name = a;
        }
    }
    if (name.isEmpty()) return fail("name an activity or an activity file", 2);
    if (out.isEmpty()) return fail("name the PDF file to write with -o", 2);

    ui::RandomSource random;
    random.reseed(static_cast<std::uint64_t>(QTime::currentTime().msecsSinceStartOfDay()));
    const worksheets::Found found = worksheets::findSource(name, words, random);
    if (!found.source) {
        for (const QString& p : found.problems) std::fprintf(stderr, "%s\n", qUtf8Printable(p));
        return fail("no worksheet was made", 1);
    }
    QString error;
    if (!worksheets::writePdf(worksheets::prepare(*found.source, random), which, out, error))
        return fail(error, 1);
    return 0;
}
