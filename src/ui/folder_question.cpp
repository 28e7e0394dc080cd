#include "ui/folder_question.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/controls.h"
#include "ui/pictures.h"

namespace quorvant {

FolderQuestion::FolderQuestion(QWidget* parent, const QString& prompt, const QString& title,
                               const QString& defaultAnswer)
    : QDialog(parent, kDialogWindowFlags),
      field_(new QLineEdit(defaultAnswer, this)),
      browse_(new QPushButton(QStringLiteral("Browse..."), this)) {
    setWindowTitle(title);
    setWindowIcon(pictures::AppIcon());
    setPalette(DialogPalette());
    field_->setMinimumWidth(field_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 36);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse_, &QPushButton::clicked, this, &FolderQuestion::browse);

    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(field_, 1);
    fieldRow->addWidget(browse_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(prompt, this));
    layout->addLayout(fieldRow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString FolderQuestion::answer() const { return field_->text(); }

// The folder the field names, or the nearest one above it that exists.
QString FolderQuestion::startFolder() const {
    QString folder = QDir::cleanPath(QDir::fromNativeSeparators(field_->text()));
    while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        const QString above = QFileInfo(folder).path();
        if (above == folder) break;
        folder = above;
    }
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void FolderQuestion::browse() {
    QFileDialog picker(this, windowTitle(), startFolder());
    picker.setFileMode(QFileDialog::Directory);
    picker.setOption(QFileDialog::ShowDirsOnly);
#ifndef Q_OS_WIN
    // Qt's own picker, in the windows' dark look; Windows' own picker follows Windows' look.
    picker.setOption(QFileDialog::DontUseNativeDialog);
    picker.setPalette(DialogPalette());
#endif
    if (picker.exec() != QDialog::Accepted || picker.selectedFiles().isEmpty()) return;
    field_->setText(QDir::toNativeSeparators(picker.selectedFiles().constFirst()));
}

}  // namespace quorvant
