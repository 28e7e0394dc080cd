#pragma once

#include <QDialog>

namespace quorvant {

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

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* owner_;
    QString caption_;
};

}  // namespace quorvant
