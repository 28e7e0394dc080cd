#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace quorvant {

// The question for the game folder: its prompt over a field wide enough for a path, a Browse
// button that fills the field from a folder picker, OK and Cancel; in the program's look.
class FolderQuestion : public QDialog {
    Q_OBJECT
  public:
    FolderQuestion(QWidget* parent, const QString& prompt, const QString& title,
                   const QString& defaultAnswer);

    QString answer() const;
    QLineEdit* field() const { return field_; }
    QPushButton* browseButton() const { return browse_; }

    // Where Browse... opens: the folder the field names, or the nearest existing one above it.
    QString startFolder() const;

  private:
    void browse();

    QLineEdit* field_;
    QPushButton* browse_;
};

}  // namespace quorvant
