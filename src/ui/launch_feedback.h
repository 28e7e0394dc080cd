#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "ui/language.h"

class QFontMetrics;
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

    // The program started and its arguments, as they may be shown.
    void showStarted(const QString& program, const QString& arguments, Language language);
    bool isShowing() const;
    QLabel* line() const { return line_; }

    static constexpr int kShownMilliseconds = 6000;

  private:
    void hide();

    QLabel* line_;
    std::vector<QWidget*> covered_;
    QTimer timer_;
};

// The line that says what started, shortened to fit `width` where it must: the program's folder,
// then the middle of the arguments, give way to an ellipsis.
QString StartedLine(const QString& prefix, const QString& program, const QString& arguments,
                    const QFontMetrics& metrics, int width);

// The words of the launch feedback and of GO!'s menu, in the window's language.
QString StartedPrefix(Language language);
QString CopyCommandLineText(Language language);

}  // namespace quorvant
