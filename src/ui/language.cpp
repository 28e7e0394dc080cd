// The machinery of the languages, and the main window's switching between them; Image1's tag
// records the language, as earlier versions did: "1" for English, "0" for French.
#include "ui/language.h"

#include <QLabel>

#include "ui/form1.h"
#include "ui/language_texts.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

constexpr Texts<> kLanguageTags = {"1", "0"};

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

void ApplyText(QWidget& window, const char* control, TextKind kind, const char* text,
               const char* sameAs) {
    auto* target = window.findChild<QWidget*>(QLatin1String(control));
    if (!target) return;
    SetText(target, kind,
            sameAs ? TextOf(window.findChild<QWidget*>(QLatin1String(sameAs)), kind)
                   : QString::fromUtf8(text));
}

LanguageState::LanguageState(std::size_t count, QObject* parent) : QObject(parent), count_(count) {}

void LanguageState::choose(Language language) {
    if (std::size_t(language) >= count_) return;
    current_ = language;
    emit changed(language);
}

Language Form1::language() const { return languageState_.current(); }

void Form1::showLanguage(Language language) {
    Image1->setTag(QString::fromLatin1(kLanguageTags[std::size_t(language)]));
    PictureBox* const flags[] = {Image1, Image2};
    PictureBox* chosen = flags[std::size_t(language)];
    for (PictureBox* flag : flags) flag->setMarked(flag == chosen);
    Shape_language->move(chosen->x(), Shape_language->y());
    ApplyLanguageRows(*this, LanguageRows(), language);
    showMapCheck();
    markMaps();  // the marks' notes in the new language
}

void Form1::Image1_Click() { languageState_.choose(Language::English); }
void Form1::Image2_Click() { languageState_.choose(Language::French); }

}  // namespace quorvant
