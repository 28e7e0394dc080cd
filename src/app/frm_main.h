#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "launch/server_status.h"

namespace quorvant {

class Desktop;
class Dialogs;
class Form1;

// The splash window: one picture, shown until its timer has loaded the main window.
class frm_main : public QWidget {
    Q_OBJECT
  public:
    // `endProgram` runs when the user gives up looking for the game; `status`: how the main
    // window's join panel asks servers for their status.
    frm_main(Dialogs& dialogs, Desktop& desktop, const StatusOptions& status,
             std::function<void()> endProgram);
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
    const StatusOptions status_;
    std::function<void()> endProgram_;
    std::unique_ptr<Form1> form1_;
};

// The program's entry: shows the splash; the event loop does the rest.
void Main(frm_main& splash);

}  // namespace quorvant
