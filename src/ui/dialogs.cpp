#include "ui/dialogs.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include "ui/controls.h"
#include "ui/folder_question.h"
#include "ui/pictures.h"

namespace quorvant {
namespace {

// Wide enough that no window manager shortens the title of a box with a short message.
constexpr int kMessageWidth = 300;

// A box in the program's look, wide enough for its title.
void Style(QMessageBox& box) {
    box.setWindowIcon(pictures::AppIcon());
    box.setWindowFlags(kDialogWindowFlags);
    box.setPalette(DialogPalette());  // a box is a window of its own: it takes no palette
    if (auto* layout = qobject_cast<QGridLayout*>(box.layout())) {
        layout->addItem(new QSpacerItem(kMessageWidth, 0, QSizePolicy::Minimum), layout->rowCount(),
                        0, 1, layout->columnCount());
    }
}

}  // namespace

void QtDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kApplicationTitle), text,
                    QMessageBox::Ok, parent);
    Style(box);
    box.exec();
}

bool QtDialogs::confirm(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(kApplicationTitle), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);  // keeping the file is the safe answer
    Style(box);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::ask(QWidget* parent, const QString& prompt, const QString& title,
                       const QString& defaultAnswer) {
    FolderQuestion question(parent, prompt, title, defaultAnswer);
    return question.exec() == QDialog::Accepted ? question.answer() : QString();
}

}  // namespace quorvant
