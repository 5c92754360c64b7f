#include "window/application.h"

#include "window/ui_texts.h"

#include <QApplication>
#include <QStyleFactory>

namespace triangle {

void SetUpApplication(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("triangle-solver"));
    QApplication::setApplicationVersion(QStringLiteral(TRIANGLE_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("example.org"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.TriangleSolver"));
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

} // namespace triangle
