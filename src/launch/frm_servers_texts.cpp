#include "launch/frm_servers_texts.h"

namespace quorvant {
namespace {

constexpr TextKind C = TextKind::Caption;
constexpr TextKind T = TextKind::Tooltip;

constexpr LanguageRow kRows[] = {
    {"lbl_filter_mod", C, {"Mod:", "Mod :"}},
    {"lbl_filter_map", C, {"Map:", "Carte :"}},
    {"lbl_filter_name", C, {"Name:", "Nom :"}},
    {"lbl_not_full", C, {"Not full", "Pas plein"}},
    {"lbl_not_empty", C, {"Not empty", "Pas vide"}},
    {"lbl_no_password", C, {"No password", "Sans mot de passe"}},
    {"lbl_players", C, {"Players:", "Joueurs :"}},
    {"lbl_rules", C, {"Rules:", "Règles :"}},
    {"lbl_refresh", C, {"REFRESH", "ACTUALISER"}},
    {"lbl_stop", C, {"STOP", "ARRÊTER"}},
    {"lbl_choose", C, {"CHOOSE", "CHOISIR"}},
    {"lbl_close", C, {"CLOSE", "FERMER"}},

    {"tab_sources", T, {"Where the servers come from", "D'où viennent les serveurs"}},
    {"txt_filter_mod",
     T,
     {"The mod's folder; empty for any", "Le dossier du mod ; vide pour tous"}},
    {"lbl_filter_mod", T, {}, "txt_filter_mod"},
    {"txt_filter_map", T, {"The map's whole name", "Le nom complet de la carte"}},
    {"lbl_filter_map", T, {}, "txt_filter_map"},
    {"txt_filter_name", T, {"Part of the server's name", "Une partie du nom du serveur"}},
    {"lbl_filter_name", T, {}, "txt_filter_name"},
    {"coche_not_full",
     T,
     {"Only servers with a free slot", "Seulement les serveurs avec une place libre"}},
    {"lbl_not_full", T, {}, "coche_not_full"},
    {"coche_not_empty",
     T,
     {"Only servers with players", "Seulement les serveurs avec des joueurs"}},
    {"lbl_not_empty", T, {}, "coche_not_empty"},
    {"coche_no_password",
     T,
     {"Only servers without a password", "Seulement les serveurs sans mot de passe"}},
    {"lbl_no_password", T, {}, "coche_no_password"},
    {"lst_servers",
     T,
     {"Double click or Enter: put this server in the join panel",
      "Double clic ou Entrée : mettre ce serveur dans le panneau Joindre"}},
    {"lst_players", T, {"The players of the selected server", "Les joueurs du serveur choisi"}},
    {"lst_rules", T, {"The rules of the selected server", "Les règles du serveur choisi"}},
    {"lbl_refresh", T, {"Ask for the list again", "Redemander la liste"}},
    {"lbl_stop", T, {"Stop asking", "Arrêter de demander"}},
    {"lbl_favourite",
     T,
     {"Keep this server among the favourites", "Garder ce serveur dans les favoris"}},
    {"lbl_choose",
     T,
     {"Put this server in the join panel", "Mettre ce serveur dans le panneau Joindre"}},
    {"lbl_close", T, {"Close without choosing", "Fermer sans choisir"}},
};

constexpr Texts<> kSources[] = {
    {"Internet", "Internet"},  {"LAN", "Réseau local"}, {"Favourites", "Favoris"},
    {"History", "Historique"}, {"Steam", "Steam"},
};

constexpr Texts<> kServerColumns[] = {
    {"\u2605", "\u2605"}, {"Pass", "MdP"},        {"Name", "Nom"},  {"Mod", "Mod"},
    {"Map", "Carte"},     {"Players", "Joueurs"}, {"Ping", "Ping"}, {"VAC", "VAC"},
    {"OS", "OS"},         {"Dedicated", "Dédié"},
};

constexpr Texts<> kPlayerColumns[] = {{"Name", "Nom"}, {"Score", "Score"}, {"Time", "Temps"}};
constexpr Texts<> kRuleColumns[] = {{"Name", "Nom"}, {"Value", "Valeur"}};

template <std::size_t N>
QStringList Column(const Texts<> (&table)[N], Language language) {
    QStringList texts;
    for (const Texts<>& row : table) texts << TextIn(row, language);
    return texts;
}

}  // namespace

std::span<const LanguageRow> ServerBrowserTexts() { return kRows; }

QStringList SourceNames(Language language) { return Column(kSources, language); }
QStringList ServerColumnNames(Language language) { return Column(kServerColumns, language); }
QStringList PlayerColumnNames(Language language) { return Column(kPlayerColumns, language); }
QStringList RuleColumnNames(Language language) { return Column(kRuleColumns, language); }

QString AskingText(Language language) { return TextIn({"asking…", "demande…"}, language); }

QString NoAnswerText(Language language) {
    return TextIn({"no answer", "pas de réponse"}, language);
}

QString FavouriteActionText(bool isFavourite, Language language) {
    return isFavourite ? TextIn({"REMOVE FROM FAVOURITES", "RETIRER DES FAVORIS"}, language)
                       : TextIn({"ADD TO FAVOURITES", "AJOUTER AUX FAVORIS"}, language);
}

QString ProgressText(const BrowserProgress& progress, Language language) {
    using State = BrowserProgress::State;
    // English says "1 server", French "0 serveur" and "1 serveur".
    const bool one =
        progress.servers == 1 || (language == Language::French && progress.servers == 0);
    const QString servers =
        TextIn(one ? Texts<>{"%1 server", "%1 serveur"} : Texts<>{"%1 servers", "%1 serveurs"},
               language)
            .arg(progress.servers);
    switch (progress.state) {
        case State::Idle:
            return {};
        case State::Filling:
            if (progress.askingMaster && progress.servers == 0 && progress.waiting == 0)
                return TextIn({"Asking the master server…", "Demande au serveur maître…"},
                              language);
            return servers +
                   TextIn({", %1 waiting", ", %1 en attente"}, language).arg(progress.waiting);
        case State::Done:
            return progress.servers == 0
                       ? TextIn({"No server found.", "Aucun serveur trouvé."}, language)
                       : servers;
        case State::MasterNoAnswer:
            return TextIn(
                {"The master server did not answer.", "Le serveur maître n'a pas répondu."},
                language);
        case State::MasterThrottled:
            return servers + TextIn({". The master server stopped answering: the list is "
                                     "incomplete.",
                                     ". Le serveur maître a cessé de répondre : la liste est "
                                     "incomplète."},
                                    language);
        case State::MasterTimeLimit:
            return servers + TextIn({". The master server took too long: the list is incomplete.",
                                     ". Le serveur maître a pris trop de temps : la liste est "
                                     "incomplète."},
                                    language);
        case State::NothingOnNetwork:
            return TextIn({"No server found on the local network.",
                           "Aucun serveur trouvé sur le réseau local."},
                          language);
        case State::Stopped:
            return servers + TextIn({". Stopped.", ". Arrêté."}, language);
    }
    return {};
}

}  // namespace quorvant
