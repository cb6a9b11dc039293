#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallGermanQtTranslations(QCoreApplication& app)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    const QStringList folders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                 QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    for (const QString& folder : folders) {
        // The translator lives as long as the application it serves.
        auto* translator = new QTranslator(&app);
        if (translator->load(german, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}
