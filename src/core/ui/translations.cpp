#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zeran::ui {

bool installTurkishTranslations(QCoreApplication &app)
{
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    QLocale::setDefault(turkish);
    // Owned by the application: it must live as long as any dialog can be shown.
    auto *translator = new QTranslator(&app);
    if (!translator->load(turkish, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace zeran::ui
