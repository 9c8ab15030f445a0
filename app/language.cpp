#include "app/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "app/pseudolanguage.h"
#include "ui/files.h"

namespace {

QString settingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/brindlemark/brindlemark.conf";
}

// For translators, not offered to teachers: every text longer and accented, to see that a
// translation will have room.
constexpr auto kPseudo = "pseudo";

QString chosenSetting() {
    return QSettings(settingsFile(), QSettings::IniFormat).value("language").toString();
}

// The language whose translation is loaded; English, the program's own, when none is.
QString shown = QStringLiteral("en");

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
    shown = found ? code : QStringLiteral("en");
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(language, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        install(std::move(qt));
    return found;
}

QStringList languagesToChoose() {
    // A room's book in one language, named as useLanguage looks for it: ui_cy.qm.
    static const QRegularExpression bookFile(QStringLiteral("^([a-z]+)_([a-z]{2,3})\\.qm$"));
    QStringList codes;
    for (const QString& folder : ui::dataFolders()) {
        const QString books = ui::subfolderIn(folder, "translations");
        if (books.isEmpty()) continue;
        for (const QString& file : QDir(books).entryList({"*.qm"}, QDir::Files)) {
            const QRegularExpressionMatch m = bookFile.match(file.toLower());
            if (!m.hasMatch() ||
                std::find(kBooks.begin(), kBooks.end(), m.captured(1)) == kBooks.end())
                continue;
            const QString code = m.captured(2);
            const QLocale::Language language = QLocale(code).language();
            if (language != QLocale::C && language != QLocale::English &&
                QLocale::languageToCode(language) == code && !codes.contains(code))
                codes << code;
        }
    }
    codes.sort();
    codes.prepend(QStringLiteral("en"));
    return codes;
}

QString shownLanguage() {
    return shown;
}

QString languageName(const QString& code) {
    // Qt names English after a country ("American English"); the teacher chooses the language.
    if (code == "en") return QStringLiteral("English");
    const QString name = QLocale(code).nativeLanguageName();
    return name.isEmpty() ? code : name.left(1).toUpper() + name.mid(1);
}

void chooseLanguage(const QString& code) {
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.setValue("language", code);
    settings.sync();
    useLanguage(QLocale(code));
}
