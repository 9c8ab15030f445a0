#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

#include "ui/files.h"

QLocale chosenLanguage() {
    const QSettings settings(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            "/brindlemark/brindlemark.conf",
        QSettings::IniFormat);
    const QString chosen = settings.value("language").toString();
    return chosen.isEmpty() ? QLocale::system() : QLocale(chosen);
}

bool useLanguage(const QLocale& language) {
    QLocale::setDefault(language);
    // Translators live as long as the program: one each, replaced on a new choice.
    static QTranslator* own = nullptr;
    static QTranslator* qt = nullptr;
    for (QTranslator** t : {&own, &qt}) {
        if (*t) QCoreApplication::removeTranslator(*t);
        delete *t;
        *t = nullptr;
    }
    const QString code = QLocale::languageToCode(language.language());
    bool found = false;
    if (const auto file = ui::resolveFile("translations/brindlemark_" + code + ".qm")) {
        own = new QTranslator;
        found = own->load(*file) && QCoreApplication::installTranslator(own);
    }
    qt = new QTranslator;
    if (!qt->load(language, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(qt)) {
        delete qt;
        qt = nullptr;
    }
    return found;
}
