#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "ui/language.h"

class QLabel;
class QWidget;

namespace quorvant {

// A line at the foot of the main window that says for a few seconds what GO! started: the
// command line shortened to fit, the whole of it in the tooltip. It covers the lines it is laid
// over while it shows.
class LaunchFeedback : public QObject {
    Q_OBJECT
  public:
    LaunchFeedback(QWidget* window, QRect area, std::initializer_list<QWidget*> covered);

    void showStarted(const QString& commandLine, Language language);
    bool isShowing() const;
    QLabel* line() const { return line_; }

    static constexpr int kShownMilliseconds = 6000;

  private:
    void hide();

    QLabel* line_;
    std::vector<QWidget*> covered_;
    QTimer timer_;
};

// The words of the launch feedback and of GO!'s menu, in the window's language.
QString StartedPrefix(Language language);
QString CopyCommandLineText(Language language);

}  // namespace quorvant
