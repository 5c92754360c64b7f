// The toolkit's floor: the least a Qt Widgets program does to show a window.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Геометрия"));
    label.show();
    return application.exec();
}
