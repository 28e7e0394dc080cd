#include "serverconfig/frm_mapcycle_texts.h"

namespace quorvant {
namespace {

constexpr TextKind C = TextKind::Caption;
constexpr TextKind T = TextKind::Tooltip;

constexpr LanguageRow kRows[] = {
    {"Label1", C, {"ADD", "AJOUTER"}},
    {"Label2", C, {"REMOVE", "EFFACER"}},
    {"Label3", C, {"SAVE", "SAUVER"}},
    {"Label4", C, {"CLOSE", "FERMER"}},
    {"Label5", C, {"CHECK", "VÉRIFIER"}},

    {"txt_ajout", T, {"Enter map name here", "Entrez ici le nom de la carte"}},
    {"lst_maps", T, {"Maps list", "Liste des cartes"}},
    {"Label1", T, {"To add the map you type", "Pour ajouter le nom de la carte saisie"}},
    {"Label2", T, {"Remove selected map", "Effacer la carte sélectionnée"}},
    {"Image1", T, {"Move selected map one step up", "Déplacer vers le haut la carte sélectionnée"}},
    {"Image2",
     T,
     {"Move selected map one step down", "Déplacer vers le bas la carte sélectionnée"}},
    {"lbl_nbr_maps", T, {"Maps count", "Nombre de cartes"}},
    {"Label3", T, {"Save settings", "Sauver les modifications"}},
    {"Label4",
     T,
     {"Close window without save settings", "Fermer la fenêtre sans sauver les modifications"}},
    {"Label5",
     T,
     {"Check what each map of the cycle needs and the game would not find",
      "Vérifier ce dont chaque carte du cycle a besoin et que le jeu ne trouverait pas"}},
    {"lst_check", T, {"Each map's missing content", "Le contenu manquant de chaque carte"}},
    {"img_map", T, {"The selected map seen from above", "La carte sélectionnée vue de dessus"}},
};

}  // namespace

std::span<const LanguageRow> MapCycleTexts() { return kRows; }

}  // namespace quorvant
