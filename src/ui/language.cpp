// Switching the main window between English and French; Image1's tag records the language.
#include "ui/language.h"

#include <QLabel>

#include "ui/form1.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

QString TextOf(const QWidget* control, TextKind kind) {
    if (!control) return QString();
    if (kind == TextKind::Tooltip) return control->toolTip();
    const auto* label = qobject_cast<const QLabel*>(control);
    return label ? label->text() : QString();
}

void SetText(QWidget* control, TextKind kind, const QString& text) {
    if (kind == TextKind::Tooltip) {
        control->setToolTip(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    }
}

}  // namespace

void ApplyLanguageRows(QWidget& window, std::span<const LanguageRow> rows, Language language) {
    for (const LanguageRow& row : rows) {
        QWidget* control = window.findChild<QWidget*>(QLatin1String(row.control));
        if (!control) continue;
        const QString text =
            row.sameAs
                ? TextOf(window.findChild<QWidget*>(QLatin1String(row.sameAs)), row.kind)
                : QString::fromUtf8(language == Language::English ? row.english : row.french);
        SetText(control, row.kind, text);
    }
}

Language Form1::language() const {
    return Image1->tag() == QLatin1String(kFrenchTag) ? Language::French : Language::English;
}

void Form1::markLanguage(PictureBox* flag) {
    Image1->setMarked(flag == Image1);
    Image2->setMarked(flag == Image2);
    Shape_language->move(flag->x(), Shape_language->y());
}

void Form1::Image1_Click() {
    Image1->setTag(QStringLiteral("1"));
    markLanguage(Image1);
    ApplyLanguageRows(*this, LanguageRows(), Language::English);
}

void Form1::Image2_Click() {
    Image1->setTag(QString::fromLatin1(kFrenchTag));
    markLanguage(Image2);
    ApplyLanguageRows(*this, LanguageRows(), Language::French);
}

}  // namespace quorvant
