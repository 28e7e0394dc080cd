#include "serverconfig/frm_serveur_texts.h"

namespace quorvant {
namespace {

constexpr TextKind C = TextKind::Caption;
constexpr TextKind T = TextKind::Tooltip;

// Spelling, blanks and accents are the program's own and stay as they are.
constexpr LanguageRow kRows[] = {
    {"Label1", C, {"Time limit:", "Limite de temps :"}},
    {"Label2", C, {"Frag limit:", "Limite de morts :"}},
    {"Label3", C, {"Password:", "Mot de passe :"}},
    {"Label6", C, {"Server name:", "Nom du serveur :"}},
    {"Label4", C, {"SAVE", "SAUVER"}},
    {"Label5", C, {"CLOSE", "FERMER"}},
    {"lbl_friendly_fire", C, {"Friendly Fire", "Tir ami"}},
    {"lbl_footsteps", C, {"Foot Steps", "Bruits de pas"}},
    {"lbl_weapons_stay", C, {"Weapons Stay", "Armes disponibles"}},
    {"lbl_force_respawn", C, {"Force respawn", "Force régénération"}},
    {"Label7", C, {"Flashlight", "Lampe"}},
    {"Label8", C, {"Client:", "Client :"}},
    {"lbl_log", C, {"Write log", "Ecrire un journal"}},
    {"lbl_upload", C, {"Allow files upload", "Envoyer les fichiers"}},
    {"Label34", C, {"Allow files download", "Recevoir les fichiers"}},
    {"lbl_lan", C, {"Lan server", "Serveur local"}},

    {"txt_timelimit",
     T,
     {"Time before changing map", "Temps attendu avant le changement de carte"}},
    {"txt_fraglimit",
     T,
     {"Frag count before changing map", "Nombre de mort avant le changement de carte"}},
    {"Text1",
     T,
     {"Define a password to lock your server",
      "Definir un mot de passe pour verrouiller votre serveur"}},
    {"txt_hostname", T, {"Server name", "Nom du serveur"}},
    {"coche_friendly_fire",
     T,
     {"Define if your friends can hurt you", "Défini si vos amis peuvent vous tirer dessus"}},
    {"coche_footsteps", T, {"To hear walking players", "Pour entendre les pas des joueurs"}},
    {"coche_weapons_stay",
     T,
     {"Weapons always stay on the ground", "Les armes restent toujours sur le sol"}},
    {"coche_force_respawn",
     T,
     {"Force player respawning when he is dead",
      "Force la régénération des joueurs lors de leur mort"}},
    {"coche_flashlight", T, {"Allow flashlight", "Autoriser la lampe"}},
    {"coche_log",
     T,
     {"Write a game log in the 'MOD\\logs' folder",
      "Ecrit un journal du jeu dans le dossier 'MOD\\logs'"}},
    {"lbl_upload",
     T,
     {"Client send files to other players (like spray logo). Desative it to have fast game",
      "Le client envoie des fichiers vers les autres joueurs (ex: graffiti). Désactivez-le pour "
      "avoir un jeu plus rapide"}},
    {"Label34",
     T,
     {"Client download files (like maps or spray logos). Desative it to have fast game",
      "Le client télécharge des fichiers (ex: cartes ou graffiti). Désactivez-le pour avoir un jeu "
      "plus rapide"}},
    {"Label4", T, {"Save settings", "Sauver les modifications"}},
    {"Label5",
     T,
     {"Close window without save settings", "Fermer la fenêtre sans sauver les modifications"}},
    {"coche_lan",
     T,
     {"The server doesn't try to contact WON", "Le serveur n'essaie pas de contacter WON"}},
};

}  // namespace

std::span<const LanguageRow> ServerOptionsTexts() { return kRows; }

}  // namespace quorvant
