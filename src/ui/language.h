#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstddef>
#include <span>

class QWidget;

// The languages of the windows. A language is a column of every text table and a flag of the
// main window; the first is the one the windows are built in. The current one is one value with
// one signal, which every window and the join status follow.
namespace quorvant {

enum class Language : int { English, French };
inline constexpr std::size_t kLanguageCount = 2;

// One text a language: a table that lacks a language's text does not compile.
template <std::size_t N = kLanguageCount>
using Texts = std::array<const char*, N>;

// The text in `language`, from UTF-8.
inline QString TextIn(const Texts<>& texts, Language language) {
    return QString::fromUtf8(texts[std::size_t(language)]);
}

enum class TextKind { Caption, Tooltip };

// A caption or tooltip of a window's control in each language, or one copied from another
// control of the window (`sameAs`) once that one has its text.
template <std::size_t N>
struct TextRow {
    const char* control;
    TextKind kind;
    Texts<N> texts;
    const char* sameAs = nullptr;
};
using LanguageRow = TextRow<kLanguageCount>;

// Sets one text of a window's control; a control the window lacks is passed over.
void ApplyText(QWidget& window, const char* control, TextKind kind, const char* text,
               const char* sameAs);

// Sets the texts of a window's controls in the language of that column, row by row in the rows'
// order.
template <std::size_t N>
void ApplyTextRows(QWidget& window, std::span<const TextRow<N>> rows, std::size_t language) {
    for (const TextRow<N>& row : rows)
        ApplyText(window, row.control, row.kind, row.texts[language], row.sameAs);
}

inline void ApplyLanguageRows(QWidget& window, std::span<const LanguageRow> rows,
                              Language language) {
    ApplyTextRows(window, rows, std::size_t(language));
}

// The language the windows show, and its change.
class LanguageState : public QObject {
    Q_OBJECT
  public:
    explicit LanguageState(std::size_t count = kLanguageCount, QObject* parent = nullptr);

    Language current() const { return current_; }
    std::size_t count() const { return count_; }
    // Chooses a language: every follower shows it again, even when it was the one shown.
    void choose(Language language);

  signals:
    void changed(Language language);

  private:
    std::size_t count_;
    Language current_ = Language::English;
};

}  // namespace quorvant
