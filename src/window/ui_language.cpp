#include "ui_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Both live as long as the program: the application reads them on every text.
QTranslator& programTranslator() {
    static QTranslator translator;
    return translator;
}

QTranslator& qtTranslator() {
    static QTranslator translator;
    return translator;
}

// "en-US" as the file names write it: "pet_en_US". QTranslator tries the name
// and then shorter ones ("pet_en"), so one file serves every country.
QString fileStem(const QString& prefix, const QString& language) {
    return prefix + QString(language).replace(QLatin1Char('-'), QLatin1Char('_'));
}

} // namespace

void chooseUiLanguage() {
    for (const QString& language : QLocale::system().uiLanguages()) {
        const QLocale::Language spoken = QLocale(language).language();
        if (spoken == QLocale::C || spoken == QLocale::Russian)
            return;
        if (programTranslator().load(fileStem(QStringLiteral("pet_"), language),
                                     QStringLiteral(":/i18n"))) {
            // Qt's own texts, where Debian's translations of Qt are installed.
            (void)qtTranslator().load(fileStem(QStringLiteral("qtbase_"), language),
                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}

void installUiLanguage(QCoreApplication& application) {
    for (QTranslator* translator : {&qtTranslator(), &programTranslator()})
        if (!translator->isEmpty())
            application.installTranslator(translator);
}

QString uiText(const char* context, const char* source) {
    const QString translated = programTranslator().translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}
