#include "launch/join_status_texts.h"

#include <QFontMetrics>
#include <QStringDecoder>

namespace quorvant {
namespace {

struct StatusTexts {
    const char* asking;
    const char* noAnswer;
    const char* players;  // %1 of %2 players
    const char* bots;     // %1 bots
    const char* oneBot;
    const char* password;
};

constexpr StatusTexts kEnglish = {
    .asking = "Asking the server…",
    .noAnswer = "No answer",
    .players = "%1/%2 players",
    .bots = "(%1 bots)",
    .oneBot = "(1 bot)",
    .password = "password",
};

constexpr StatusTexts kFrench = {
    .asking = "Interrogation du serveur…",
    .noAnswer = "Pas de réponse",
    .players = "%1/%2 joueurs",
    .bots = "(%1 bots)",
    .oneBot = "(1 bot)",
    .password = "mot de passe",
};

constexpr char kSeparator[] = " · ";

const StatusTexts& TextsOf(Language language) {
    return language == Language::French ? kFrench : kEnglish;
}

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// A text as a server sent it: UTF-8 when it is, else one byte a character; control characters
// become blanks, so that the line stays one line.
QString ServerText(const std::string& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (utf8.hasError()) text = QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    for (QChar& character : text) {
        if (character.category() == QChar::Other_Control) character = QLatin1Char(' ');
    }
    return text.simplified();
}

QString Players(const ServerInfo& info, const StatusTexts& texts) {
    QString players = Utf8(texts.players).arg(info.players).arg(info.maxPlayers);
    if (info.bots == 1) players += QLatin1Char(' ') + Utf8(texts.oneBot);
    if (info.bots > 1) players += QLatin1Char(' ') + Utf8(texts.bots).arg(info.bots);
    return players;
}

QString RoundTrip(const ServerAnswer& answer) {
    return QStringLiteral("%1 ms").arg(answer.roundTripMs);
}

}  // namespace

QString StatusLine(const ServerStatus& status, Language language, const QFontMetrics& metrics,
                   int width) {
    const StatusTexts& texts = TextsOf(language);
    if (!status.answer) return Utf8(status.asking ? texts.asking : texts.noAnswer);
    const ServerInfo& info = status.answer->info;
    QStringList rest = {ServerText(info.map), Players(info, texts)};
    if (info.passwordNeeded) rest << Utf8(texts.password);
    rest << RoundTrip(*status.answer);
    rest.removeAll(QString());
    const QString name = ServerText(info.name);
    if (name.isEmpty()) return rest.join(Utf8(kSeparator));
    // The name gives way, down to a quarter of the line, so that the rest stays whole.
    const QString tail = Utf8(kSeparator) + rest.join(Utf8(kSeparator));
    const int room = std::max(width - metrics.horizontalAdvance(tail), width / 4);
    return metrics.elidedText(name, Qt::ElideRight, room) + tail;
}

QString ShortStatus(const ServerStatus& status, Language language) {
    const StatusTexts& texts = TextsOf(language);
    if (!status.answer) return status.asking ? QStringLiteral("…") : Utf8(texts.noAnswer);
    const ServerInfo& info = status.answer->info;
    QStringList parts = {ServerText(info.map),
                         QStringLiteral("%1/%2").arg(info.players).arg(info.maxPlayers)};
    if (info.passwordNeeded) parts << Utf8(texts.password);
    parts << RoundTrip(*status.answer);
    parts.removeAll(QString());
    return parts.join(Utf8(kSeparator));
}

}  // namespace quorvant
