#include <QApplication>
#include <QStyleFactory>

#include "app/desktop.h"
#include "app/frm_main.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The desktop entry it is installed with: desktops find its name and icon through it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvant.Quorvant"));
    // One look on every system: the windows' palettes are made for this style.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    quorvant::LoadCarriedFonts();
    quorvant::QtDialogs dialogs;
    quorvant::SystemDesktop desktop;
    quorvant::frm_main splash(dialogs, desktop, quorvant::StatusOptions{},
                              [] { QCoreApplication::exit(0); });
    quorvant::Main(splash);
    return QApplication::exec();
}
