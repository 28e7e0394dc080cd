#include "ui/dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace quorvant {

void QtDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

QString QtDialogs::ask(QWidget* parent, const QString& prompt, const QString& title,
                       const QString& defaultAnswer) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultAnswer, &accepted);
    return accepted ? answer : QString();
}

}  // namespace quorvant
