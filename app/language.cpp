#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>
#include <array>
#include <memory>
#include <vector>

#include "app/pseudolanguage.h"
#include "ui/files.h"

namespace {

// For translators, not offered to teachers: every text longer and accented, to see that a
// translation will have room.
constexpr auto kPseudo = "pseudo";

QString chosenSetting() {
    const QSettings settings(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            "/brindlemark/brindlemark.conf",
        QSettings::IniFormat);
    return settings.value("language").toString();
}

// Translators live as long as the program, replaced on a new choice.
std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void install(std::unique_ptr<QTranslator> t) {
    if (QCoreApplication::installTranslator(t.get())) installed().push_back(std::move(t));
}

// The rooms that keep translations (translations/<room>_<language>.ts in the source).
constexpr std::array kBooks{"ui",      "speech",     "labelling", "questions", "wordgame", "files",
                            "sharing", "worksheets", "menus",     "maker",     "jotter",   "app"};

}  // namespace

QLocale chosenLanguage() {
    const QString chosen = chosenSetting();
    return chosen.isEmpty() || chosen == kPseudo ? QLocale::system() : QLocale(chosen);
}

bool useChosenLanguage() {
    const bool found = useLanguage(chosenLanguage());
    if (chosenSetting() != kPseudo) return found;
    // Installed last, so asked first: it answers for every text.
    install(std::make_unique<PseudoTranslator>());
    return true;
}

bool useLanguage(const QLocale& language) {
    QLocale::setDefault(language);
    for (const auto& t : installed()) QCoreApplication::removeTranslator(t.get());
    installed().clear();
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
