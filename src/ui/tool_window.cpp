#include "ui/tool_window.h"

#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "ui/click_label.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/focus_ring.h"
#include "ui/pictures.h"
#include "ui/screen_placement.h"

namespace quorvant {

ToolWindow::ToolWindow(QWidget* owner, const char* name, const char* caption, QSize size)
    : owner_(owner), caption_(QString::fromUtf8(caption)) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption_);
    setWindowFlags(kDialogWindowFlags);
    setWindowIcon(pictures::AppIcon());
    setFixedSize(size);
    setWindowModality(Qt::ApplicationModal);
    if (owner) setFont(owner->font());
    setPalette(ControlsPalette());
    new FocusRing(this);
}

void ToolWindow::showModInTitle(const QString& mod) {
    setWindowTitle(mod.isEmpty() ? caption_ : caption_ + QStringLiteral(" \u2014 ") + mod);
}

bool ToolWindow::mayReplaceChangedFile(Dialogs& dialogs, const QString& file, Language language) {
    const QString question =
        TextIn({"%1 changed since this window opened. Replace it?",
                "%1 a changé depuis l'ouverture de cette fenêtre. Le remplacer ?"},
               language);
    return dialogs.confirm(this, question.arg(file));
}

void ToolWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient backdrop(0, 0, width() * 0.35, height());
    backdrop.setColorAt(0, QColor(0x23, 0x26, 0x2d));
    backdrop.setColorAt(1, QColor(0x0c, 0x0d, 0x10));
    painter.fillRect(rect(), backdrop);
    painter.fillRect(QRect(0, 0, width(), 2), kAccent);
}

void ToolWindow::showEvent(QShowEvent* event) {
    // Enter means the window's own action (adding a map, or nothing), whichever button has the
    // focus; Space clicks the focused button.
    for (ClickLabel* control : findChildren<ClickLabel*>()) control->setEnterClicks(false);
    if (owner_) {
        // Keeps the window manager treating it as the owner's dialog: above it, no task bar entry.
        winId();
        if (QWindow* ownerWindow = owner_->window()->windowHandle())
            windowHandle()->setTransientParent(ownerWindow);
        QRect placed(QPoint(), size());
        placed.moveCenter(owner_->window()->geometry().center());
        // A window larger than its owner would otherwise open partly off the screen.
        if (const QScreen* screen = owner_->window()->screen())
            placed.moveTopLeft(WithinArea(placed, screen->availableGeometry()));
        setGeometry(placed);
    }
    QDialog::showEvent(event);
}

}  // namespace quorvant
