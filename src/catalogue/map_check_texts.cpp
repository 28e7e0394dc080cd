#include "catalogue/map_check_texts.h"

#include <QStringList>

namespace quorvant {
namespace {

QString Joined(const std::vector<std::string>& names) {
    QStringList texts;
    for (const std::string& name : names) texts << QString::fromLocal8Bit(name.c_str());
    return texts.join(QStringLiteral(", "));
}

}  // namespace

QString MapCheckLine(const QString& map, const MapCheck& check, Language language) {
    if (!check.readable)
        return TextIn(
                   {"%1: the map file does not read", "%1 : le fichier de la carte est illisible"},
                   language)
            .arg(map);
    if (!check.missing.empty()) {
        const bool one = check.missing.size() == 1;
        const Texts<> texts =
            one ? Texts<>{"%1: 1 file missing — %3", "%1 : 1 fichier manquant — %3"}
                : Texts<>{"%1: %2 files missing — %3", "%1 : %2 fichiers manquants — %3"};
        return TextIn(texts, language)
            .arg(map)
            .arg(check.missing.size())
            .arg(Joined(check.missing));
    }
    if (!check.missingTextures.empty()) {
        const bool one = check.missingTextures.size() == 1;
        const Texts<> texts = one ? Texts<>{"%1: 1 texture missing from its WADs — %3",
                                            "%1 : 1 texture absente de ses WAD — %3"}
                                  : Texts<>{"%1: %2 textures missing from its WADs — %3",
                                            "%1 : %2 textures absentes de ses WAD — %3"};
        return TextIn(texts, language)
            .arg(map)
            .arg(check.missingTextures.size())
            .arg(Joined(check.missingTextures));
    }
    return {};
}

}  // namespace quorvant
