#include "window/application_look.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    window::ApplyApplicationLook(app);
    window::Form1 form;
    form.show();
    return QApplication::exec();
}
