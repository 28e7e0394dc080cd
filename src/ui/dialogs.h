#pragma once

#include <QString>

class QWidget;

namespace quorvant {

inline constexpr char kApplicationTitle[] = "Quorvant";

// The modal boxes the windows show, behind an interface so that tests can answer them.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A message with an OK button, titled with the program's name.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // A question with Yes and No buttons, titled with the program's name: whether Yes was chosen.
    virtual bool confirm(QWidget* parent, const QString& question) = 0;
    // The user's answer; the empty text when the box was cancelled.
    virtual QString ask(QWidget* parent, const QString& prompt, const QString& title,
                        const QString& defaultAnswer) = 0;
};

class QtDialogs : public Dialogs {
  public:
    void message(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& question) override;
    QString ask(QWidget* parent, const QString& prompt, const QString& title,
                const QString& defaultAnswer) override;
};

}  // namespace quorvant
