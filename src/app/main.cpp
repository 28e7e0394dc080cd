#include <QApplication>

#include "app/frm_main.h"
#include "ui/dialogs.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quorvant::QtDialogs dialogs;
    quorvant::frm_main splash(dialogs, [] { QCoreApplication::exit(0); });
    quorvant::Main(splash);
    return application.exec();
}
