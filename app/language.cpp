#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>
#include <array>
#include <memory>
#include <vector>

#include "ui/files.h"

QLocale chosenLanguage() {
    const QSettings settings(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            "/brindlemark/brindlemark.conf",
        QSettings::IniFormat);
    const QString chosen = settings.value("language").toString();
    return chosen.isEmpty() ? QLocale::system() : QLocale(chosen);
}

namespace {

// The rooms that keep translations (translations/<room>_<language>.ts in the source).
constexpr std::array kBooks{"ui",      "speech",     "labelling", "questions", "wordgame", "files",
                            "sharing", "worksheets", "menus",     "maker",     "jotter",   "app"};

}  // namespace

bool useLanguage(const QLocale& language) {
    QLocale::setDefault(language);
    // Translators live as long as the program, replaced on a new choice.
    static std::vector<std::unique_ptr<QTranslator>> installed;
    for (const auto& t : installed) QCoreApplication::removeTranslator(t.get());
    installed.clear();
    const auto install = [](std::unique_ptr<QTranslator> t) {
        if (QCoreApplication::installTranslator(t.get())) installed.push_back(std::move(t));
    };
    const QString code = QLocale::languageToCode(language.language());
    bool found = false;
    for (const char* book : kBooks) {
        const auto file = ui::resolveFile(QStringLiteral("translations/%1_%2.qm").arg(book, code));
        auto own = std::make_unique<QTranslator>();
        if (!file || !own->load(*file)) continue;
        found = true;
        install(std::move(own));
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(language, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        install(std::move(qt));
    return found;
}
