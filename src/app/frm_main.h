#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace quorvant {

class Desktop;
class Dialogs;
class Form1;

// The splash window: one picture, shown until its timer has loaded the main window.
class frm_main : public QWidget {
    Q_OBJECT
  public:
    // `endProgram` runs when the user gives up looking for the game.
    frm_main(Dialogs& dialogs, Desktop& desktop, std::function<void()> endProgram);
    ~frm_main() override;

    // Loads the main window once; ticks while it is loading (its boxes keep the event loop
    // running) or after it has loaded do nothing.
    void Timer1_Timer();

    Form1* mainWindow() const { return form1_.get(); }

    QTimer Timer1;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Dialogs& dialogs_;
    Desktop& desktop_;
    std::function<void()> endProgram_;
    std::unique_ptr<Form1> form1_;
};

// The program's entry: shows the splash; the event loop does the rest.
void Main(frm_main& splash);

}  // namespace quorvant
