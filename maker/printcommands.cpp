#include "maker/printcommands.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTime>
#include <QVBoxLayout>

#include "maker/dialogs.h"
#include "maker/editsession.h"
#include "maker/problemcheck.h"
#include "ui/random.h"
#include "worksheets/source.h"

namespace maker {

using worksheets::Sheets;

namespace {

enum class Then { Cancel, Preview, Go };

// Which sheets, and whether to look first: a small dialog of three choices.
std::pair<Then, Sheets> chooseSheets(QWidget* parent, const QString& title, const QString& go,
                                     bool preview) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    QButtonGroup group(&dialog);
    const std::pair<const char*, Sheets> choices[] = {
        {QT_TRANSLATE_NOOP("PrintCommands", "The &worksheet, for pupils"), Sheets::Worksheet},
        {QT_TRANSLATE_NOOP("PrintCommands", "The &answer sheet"), Sheets::Answers},
        {QT_TRANSLATE_NOOP("PrintCommands", "&Both: the worksheet, then the answer sheet"),
         Sheets::Both}};
    for (const auto& [caption, sheets] : choices) {
        auto* option = new QRadioButton(PrintCommands::tr(caption));
        group.addButton(option, static_cast<int>(sheets));
        layout->addWidget(option);
    }
    group.button(static_cast<int>(Sheets::Worksheet))->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    Then then = Then::Cancel;
    if (preview)
        QObject::connect(
            buttons->addButton(PrintCommands::tr("Pre&view…"), QDialogButtonBox::ActionRole),
            &QPushButton::clicked, &dialog, [&] {
                then = Then::Preview;
                dialog.accept();
            });
    QObject::connect(buttons->addButton(go, QDialogButtonBox::AcceptRole), &QPushButton::clicked,
                     &dialog, [&] {
                         then = Then::Go;
                         dialog.accept();
                     });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) then = Then::Cancel;
    return {then, static_cast<Sheets>(group.checkedId())};
}

}  // namespace

std::optional<worksheets::Prepared> PrintCommands::prepared(const QString& cannot) {
    if (!context_.session.isOpen()) return std::nullopt;
    context_.check.runNow();
    const auto& playable = context_.check.playable();
    QString why;
    if (!playable) {
        for (const FieldProblem& p : context_.check.problems()) why += "\n" + p.message;
    } else {
        const worksheets::Found found =
            worksheets::sourceOf(*playable, context_.session.displayName());
        if (found.source) {
            ui::RandomSource random;
            random.reseed(static_cast<std::uint64_t>(QTime::currentTime().msecsSinceStartOfDay()));
            return worksheets::prepare(*found.source, random);
        }
        for (const QString& p : found.problems) why += "\n" + p;
    }
    context_.dialogs.tell(&window_, cannot.arg(why));
    return std::nullopt;
}

void PrintCommands::print() {
    const auto ready = prepared(tr("The activity cannot be printed until these are mended:%1"));
    if (!ready) return;
    const auto [then, sheets] = chooseSheets(&window_, tr("Print"), tr("&Print…"), true);
    if (then == Then::Cancel) return;
    const Sheets chosen = sheets;
    QPrinter printer(QPrinter::HighResolution);
    worksheets::setUpPage(printer);
    printer.setDocName(ready->source.activity.title);
    if (then == Then::Preview) {
        QPrintPreviewDialog preview(&printer, &window_);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [&](QPrinter* p) { worksheets::paintSheets(*ready, chosen, *p); });
        preview.exec();
        return;
    }
    QPrintDialog dialog(&printer, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!worksheets::paintSheets(*ready, chosen, printer))
        context_.dialogs.tell(&window_, tr("The printer could not be reached."));
}

void PrintCommands::exportPdf() {
    const auto ready = prepared(tr("The activity cannot be exported until these are mended:%1"));
    if (!ready) return;
    const auto [then, sheets] = chooseSheets(&window_, tr("Export as PDF"), tr("&Export…"), false);
    if (then == Then::Cancel) return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString title = QString(ready->source.activity.title).replace('/', '-');
    //: A PDF file's suggested name; %1 is the activity's title
    const QString suggested =
        (sheets == Sheets::Answers ? tr("%1 answers.pdf") : tr("%1 worksheet.pdf")).arg(title);
    const QString path = QFileDialog::getSaveFileName(&window_, tr("Export as PDF"),
                                                      folder + "/" + suggested, tr("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    QString error;
    if (!worksheets::writePdf(*ready, sheets, path, error)) context_.dialogs.tell(&window_, error);
}

}  // namespace maker
