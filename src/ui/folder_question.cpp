#include "ui/folder_question.h"

#include <QDialogButtonBox>
#include <QFileDialog>
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

void FolderQuestion::browse() {
    const QString folder = QFileDialog::getExistingDirectory(this, windowTitle(), field_->text());
    if (!folder.isEmpty()) field_->setText(QDir::toNativeSeparators(folder));
}

}  // namespace quorvant
