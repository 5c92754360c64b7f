#include "window/qt/application.h"
#include "window/qt/solver_form.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    triangle::SetUpApplication(application);

    triangle::SolverForm form;
    form.Form_Load();
    form.show();
    return application.exec();
}
