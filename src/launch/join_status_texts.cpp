#include "launch/join_status_texts.h"

#include <QFontMetrics>
#include <QStringDecoder>
#include <array>

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

// One column a language.
constexpr std::array<StatusTexts, kLanguageCount> kTexts = {{
    {
        .asking = "Asking the server…",
        .noAnswer = "No answer",
        .players = "%1/%2 players",
        .bots = "(%1 bots)",
        .oneBot = "(1 bot)",
        .password = "password",
    },
    {
        .asking = "Interrogation du serveur…",
        .noAnswer = "Pas de réponse",
        .players = "%1/%2 joueurs",
        .bots = "(%1 bots)",
        .oneBot = "(1 bot)",
        .password = "mot de passe",
    },
}};

constexpr char kSeparator[] = " · ";

const StatusTexts& TextsOf(Language language) { return kTexts[std::size_t(language)]; }

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

QString FullStatusLine(const ServerStatus& status, Language language) {
    const StatusTexts& texts = TextsOf(language);
    if (!status.answer) return Utf8(status.asking ? texts.asking : texts.noAnswer);
    const ServerInfo& info = status.answer->info;
    QStringList parts = {ServerText(info.name), ServerText(info.map), Players(info, texts)};
    if (info.passwordNeeded) parts << Utf8(texts.password);
    parts << RoundTrip(*status.answer);
    parts.removeAll(QString());
    return parts.join(Utf8(kSeparator));
}

QString StatusLine(const ServerStatus& status, Language language, const QFontMetrics& metrics,
                   int width) {
    QString whole = FullStatusLine(status, language);
    if (!status.answer || metrics.horizontalAdvance(whole) <= width) return whole;
    // The players, the password and the round trip stay whole; the name, then the map, give way.
    const StatusTexts& texts = TextsOf(language);
    const ServerInfo& info = status.answer->info;
    QStringList kept = {Players(info, texts)};
    if (info.passwordNeeded) kept << Utf8(texts.password);
    kept << RoundTrip(*status.answer);
    const QString separator = Utf8(kSeparator);
    const QString tail = kept.join(separator);
    const QString name = ServerText(info.name), map = ServerText(info.map);
    const int separators = int(!name.isEmpty()) + int(!map.isEmpty());
    const int room =
        width - metrics.horizontalAdvance(tail) - separators * metrics.horizontalAdvance(separator);
    const int mapRoom = name.isEmpty() ? room : std::min(metrics.horizontalAdvance(map), room / 2);
    const auto fitted = [&metrics](const QString& text, int roomFor) {
        if (metrics.horizontalAdvance(text) <= roomFor) return text;
        return roomFor < metrics.horizontalAdvance(QStringLiteral("…x"))
                   ? QString()
                   : metrics.elidedText(text, Qt::ElideRight, roomFor);
    };
    QStringList shortened = {fitted(name, room - mapRoom), fitted(map, mapRoom), tail};
    shortened.removeAll(QString());
    const QString line = shortened.join(separator);
    // Too narrow even for what stays whole: its end, the round trip, still shows.
    return metrics.horizontalAdvance(line) <= width
               ? line
               : metrics.elidedText(line, Qt::ElideLeft, width);
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
