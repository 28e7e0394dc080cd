#include "ui/launch_feedback.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>

#include "ui/controls.h"

namespace quorvant {

LaunchFeedback::LaunchFeedback(QWidget* window, QRect area, std::initializer_list<QWidget*> covered)
    : QObject(window), line_(MakeLabel(window, "lbl_started", area, "")), covered_(covered) {
    SetTextColour(line_, kAccent);
    line_->setTextFormat(Qt::PlainText);
    line_->hide();
    timer_.setSingleShot(true);
    timer_.setInterval(kShownMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &LaunchFeedback::hide);
}

QString StartedLine(const QString& prefix, const QString& program, const QString& arguments,
                    const QFontMetrics& metrics, int width) {
    QString whole = prefix + program + arguments;
    if (metrics.horizontalAdvance(whole) <= width) return whole;
    // The folder of the program gives way first, then the middle of the arguments: the start of
    // the line, the program's name and the end of the arguments stay.
    const qsizetype slash = program.lastIndexOf(QRegularExpression(QStringLiteral("[\\\\/]")));
    const QString folder = program.left(slash + 1), name = program.mid(slash + 1);
    const int folderRoom = width - metrics.horizontalAdvance(prefix + name + arguments);
    if (folderRoom >= metrics.horizontalAdvance(QStringLiteral("…/"))) {
        return prefix + metrics.elidedText(folder, Qt::ElideMiddle, folderRoom) + name + arguments;
    }
    const QString head = prefix + QStringLiteral("…") + name;
    return head +
           metrics.elidedText(arguments, Qt::ElideMiddle, width - metrics.horizontalAdvance(head));
}

void LaunchFeedback::showStarted(const QString& program, const QString& arguments,
                                 Language language) {
    const QString prefix = StartedPrefix(language);
    line_->setToolTip(prefix + program + arguments);
    line_->setText(StartedLine(prefix, program, arguments, line_->fontMetrics(), line_->width()));
    for (QWidget* widget : covered_) widget->hide();
    line_->show();
    timer_.start();
}

bool LaunchFeedback::isShowing() const { return line_->isVisible(); }

void LaunchFeedback::hide() {
    line_->hide();
    for (QWidget* widget : covered_) widget->show();
}

QString StartedPrefix(Language language) { return TextIn({"Started: ", "Lancé : "}, language); }

QString CopyCommandLineText(Language language) {
    return TextIn({"Copy command line", "Copier la ligne de commande"}, language);
}

}  // namespace quorvant
