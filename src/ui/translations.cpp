#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace rebanto::ui {

bool install_qt_translations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    // Every text of the program is Japanese, so Qt's are too, whatever the user's locale.
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    if (!translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace rebanto::ui
