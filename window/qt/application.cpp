#include "window/qt/application.h"

#include "window/qt/window_style.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace triangle {

void SetUpApplication(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("triangle-solver"));
    QApplication::setApplicationVersion(QStringLiteral(TRIANGLE_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("example.org"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.TriangleSolver"));
    application.setStyle(new WindowStyle);

    // The whole interface is Bulgarian, so the toolkit's own texts (context menus, the
    // message box's button) are too, whatever the system's language. Without the file the
    // program still runs, with those texts in English.
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_bg"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace triangle
