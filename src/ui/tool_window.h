#pragma once

#include <QDialog>

#include "ui/language.h"

namespace quorvant {

class Dialogs;

// A window the main window opens over itself to edit something of the selected mod: fixed
// size without a maximise button, the program's dark look and icon, modal and centred on its
// owner. It is a top-level window of
// its own, not a child widget, so the owner's style rules (which name controls such as
// "Label4" that tool windows reuse) do not reach its controls.
class ToolWindow : public QDialog {
    Q_OBJECT
  public:
    ToolWindow(QWidget* owner, const char* name, const char* caption, QSize size);

    // The window's title: its caption, then the mod it edits.
    void showModInTitle(const QString& mod);

    // Whether a file another program changed since the window read it may be replaced: asks the
    // user in the window's language.
    bool mayReplaceChangedFile(Dialogs& dialogs, const QString& file, Language language);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* owner_;
    QString caption_;
};

}  // namespace quorvant
