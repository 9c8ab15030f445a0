#include "worksheets/worksheet.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

#include "activities/files/startdeal.h"
#include "activities/wordgame/scramble.h"
#include "activities/wordgame/wordlistreader.h"
#include "ui/random.h"
#include "worksheets/sheets.h"
#include "worksheets/wordbank.h"

namespace worksheets {

using activityfiles::Kind;

namespace {

constexpr double kMarginMm = 15;  // inside what any printer can reach

QImage inInk(const QImage& picture) {
    // Each colour as the ink it needs: its darkest channel, so that a red pointer or a blue
    // line stays dark against pale greys (brightness alone would fade them into the picture).
    // Then lighter, so that a dark background costs less ink and the black lines drawn over
    // it stand out; white stays white.
    const QImage colour = picture.convertToFormat(QImage::Format_RGB32);
    QImage grey(colour.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < colour.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(colour.constScanLine(y));
        uchar* out = grey.scanLine(y);
        for (int x = 0; x < colour.width(); ++x) {
            const int ink = std::min({qRed(in[x]), qGreen(in[x]), qBlue(in[x])});
            out[x] = static_cast<uchar>(255 - (255 - ink) * 3 / 5);
        }
    }
    return grey;
}

}  // namespace

Prepared prepare(Source source, ui::RandomSource& random) {
    Prepared out{std::move(source), {}, {}};
    // Once for every sheet: a PDF then holds each picture once.
    for (auto& [path, picture] : out.source.pictures) picture = inInk(picture);
    if (out.source.wordGame) {
        for (const QString& w : out.source.words)
            out.scrambled << gameOrder(wordgame::letters(wordgame::asShown(w), out.source.alphabet),
                                       random)
                                 .join(' ');
        return out;
    }
    // Dealt as the board deals its start places.
    for (const auto& drag : out.source.planned.drags)
        out.banks.push_back(
            activityfiles::dealtWordBank(drag, [&random] { return random.next(); }));
    return out;
}

QPageSize pageSizeFor(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

void setUpPage(QPagedPaintDevice& device, const QLocale& locale) {
    device.setPageSize(pageSizeFor(locale));
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                          QPageLayout::Millimeter);
}

QImage greyPicture(const Prepared& prepared, const QString& path) {
    const auto found = prepared.source.pictures.find(path);
    return found == prepared.source.pictures.end() ? QImage() : found->second;
}

bool paintSheets(const Prepared& prepared, Sheets which, QPagedPaintDevice& device) {
    QPainter painter(&device);
    if (!painter.isActive()) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    PageFrame frame(painter, device);
    const auto& a = prepared.source.activity;
    for (const bool answers : {false, true}) {
        if ((answers && which == Sheets::Worksheet) || (!answers && which == Sheets::Answers))
            continue;
        frame.startSheet(a.title, a.instruction, answers);
        if (prepared.source.wordGame) {
            paintScrambled(frame, prepared, answers);
            continue;
        }
        switch (a.kind) {
            case Kind::Labelling:
                paintLabelling(frame, prepared, answers);
                break;
            case Kind::Sorting:
                paintSorting(frame, prepared, answers);
                break;
            case Kind::Passage:
                paintPassages(frame, prepared, answers);
                break;
            case Kind::Questions:
                paintQuestions(frame, prepared, answers);
                break;
            case Kind::TrueFalse:
                paintStatements(frame, prepared, answers);
                break;
        }
    }
    return painter.end();
}

bool writePdf(const Prepared& prepared, Sheets which, const QString& path, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QString("%1 cannot be written: %2").arg(path, file.errorString());
        return false;
    }
    {
        QPdfWriter pdf(&file);
        setUpPage(pdf);
        pdf.setResolution(600);
        pdf.setTitle(prepared.source.activity.title);
        pdf.setCreator("Brindlemark");
        if (!paintSheets(prepared, which, pdf)) {
            file.cancelWriting();
            error = QString("%1 cannot be written").arg(path);
            return false;
        }
    }
    if (!file.commit()) {
        error = QString("%1 cannot be written: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace worksheets
