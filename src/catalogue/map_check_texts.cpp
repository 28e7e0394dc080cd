#include "catalogue/map_check_texts.h"

#include <QStringList>

namespace quorvant {
namespace {

QString Joined(const std::vector<std::string>& names) {
    QStringList texts;
    for (const std::string& name : names) texts << QString::fromLocal8Bit(name.c_str());
    return texts.join(QStringLiteral(", "));
}

// The map, how many names and the names; one name has a text of its own, without its count.
QString CountedLine(const Texts<>& one, const Texts<>& many, const QString& map,
                    const std::vector<std::string>& names, Language language) {
    if (names.size() == 1) return TextIn(one, language).arg(map, Joined(names));
    return TextIn(many, language).arg(map, QString::number(names.size()), Joined(names));
}

}  // namespace

QString MapCheckLine(const QString& map, const MapCheck& check, Language language) {
    if (check.file.empty())
        return TextIn({"%1: the map file is missing", "%1 : le fichier de la carte est absent"},
                      language)
            .arg(map);
    if (!check.readable)
        return TextIn(
                   {"%1: the map file does not read", "%1 : le fichier de la carte est illisible"},
                   language)
            .arg(map);
    if (!check.missing.empty()) {
        return CountedLine({"%1: 1 file missing — %2", "%1 : 1 fichier manquant — %2"},
                           {"%1: %2 files missing — %3", "%1 : %2 fichiers manquants — %3"}, map,
                           check.missing, language);
    }
    if (!check.missingTextures.empty()) {
        return CountedLine(
            {"%1: 1 texture missing from its WADs — %2", "%1 : 1 texture absente de ses WAD — %2"},
            {"%1: %2 textures missing from its WADs — %3",
             "%1 : %2 textures absentes de ses WAD — %3"},
            map, check.missingTextures, language);
    }
    return TextIn({"%1: all content found", "%1 : tout son contenu est là"}, language).arg(map);
}

QString ResourceListTip(const QString& line, const QString& list, Language language) {
    return line + QLatin1Char('\n') +
           TextIn({"A click writes maps/%1: what clients download of the map.",
                   "Un clic écrit maps/%1 : ce que les clients téléchargent de la carte."},
                  language)
               .arg(list);
}

QString ResourceListMessage(ResourceListOutcome outcome, const QString& list, std::size_t files,
                            Language language) {
    switch (outcome) {
        case ResourceListOutcome::NothingToList:
            return TextIn({"The base game has all the map needs: clients download nothing, and "
                           "maps/%1 is not written.",
                           "Le jeu de base a tout ce dont la carte a besoin : les clients ne "
                           "téléchargent rien, et maps/%1 n'est pas écrit."},
                          language)
                .arg(list);
        case ResourceListOutcome::ReplaceQuestion:
            return TextIn({"maps/%1 exists. Replace it?", "maps/%1 existe. Le remplacer ?"},
                          language)
                .arg(list);
        case ResourceListOutcome::Written:
            if (files == 1)
                return TextIn({"maps/%1 written: 1 file for clients to download.",
                               "maps/%1 écrit : 1 fichier à télécharger pour les clients."},
                              language)
                    .arg(list);
            return TextIn({"maps/%1 written: %2 files for clients to download.",
                           "maps/%1 écrit : %2 fichiers à télécharger pour les clients."},
                          language)
                .arg(list, QString::number(files));
        case ResourceListOutcome::NotWritten:
            break;
    }
    return TextIn({"maps/%1 could not be written.", "maps/%1 n'a pas pu être écrit."}, language)
        .arg(list);
}

}  // namespace quorvant
