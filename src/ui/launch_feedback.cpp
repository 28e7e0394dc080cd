#include "ui/launch_feedback.h"

#include <QLabel>

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

void LaunchFeedback::showStarted(const QString& commandLine, Language language) {
    const QString text = StartedPrefix(language) + commandLine;
    line_->setToolTip(text);
    line_->setText(line_->fontMetrics().elidedText(text, Qt::ElideMiddle, line_->width()));
    for (QWidget* widget : covered_) widget->hide();
    line_->show();
    timer_.start();
}

bool LaunchFeedback::isShowing() const { return line_->isVisible(); }

void LaunchFeedback::hide() {
    line_->hide();
    for (QWidget* widget : covered_) widget->show();
}

QString StartedPrefix(Language language) {
    return language == Language::French ? QStringLiteral("Lancé : ") : QStringLiteral("Started: ");
}

QString CopyCommandLineText(Language language) {
    return language == Language::French ? QStringLiteral("Copier la ligne de commande")
                                        : QStringLiteral("Copy command line");
}

}  // namespace quorvant
