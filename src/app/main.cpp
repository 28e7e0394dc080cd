#include <QApplication>

#include "app/desktop.h"
#include "app/frm_main.h"
#include "ui/dialogs.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quorvant::QtDialogs dialogs;
    quorvant::SystemDesktop desktop;
    quorvant::frm_main splash(dialogs, desktop, [] { QCoreApplication::exit(0); });
    quorvant::Main(splash);
    return application.exec();
}
