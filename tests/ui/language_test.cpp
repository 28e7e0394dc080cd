#include <gtest/gtest.h>

#include <QLabel>
#include <span>

#include "serverconfig/frm_mapcycle.h"
#include "serverconfig/frm_serveur.h"
#include "support/ui_fixture.h"

namespace quorvant {
namespace {

using ::quorvant::testing::WindowTest;

struct Expected {
    const char* control;
    bool caption;  // else the tooltip
    const char* english;
    const char* french;
};

// Every text of the main window in both languages, copied texts written out.
const Expected kTexts[] = {
    {"btn_go", true, "GO!", "GO!"},
    {"Label1", true, "Close", "Close"},
    {"Label18", true, "MULTIPLAYER", "MULTIJOUEUR"},
    {"Label17", true, "SINGLE PLAYER", "JEU SOLO"},
    {"Label16", true, "CONFIGURATION", "CONFIGURATION"},
    {"Label23", true, "CREATE", "CREER"},
    {"Label22", true, "JOIN", "JOINDRE"},
    {"Label2", true, "Mods:", "Mods :"},
    {"Label11", true, "Informations:", "Informations :"},
    {"Label14", true, "Dedicated server", "Serveur dédié"},
    {"Label15", true, "Max players:", "Nombre de joueurs :"},
    {"Label30", true, "Port:", "Port :"},
    {"Label13", true, "Map:", "Cartes :"},
    {"Label12", true, "Bots:", "Bots :"},
    {"Label28", true, "Mod's server options", "Options serveur du mod"},
    {"Label19", true, "Configure Mapcycle", "Définir les cartes"},
    {"Label29", true, "Edit motd.txt", "Editer motd.txt"},
    {"Label3", true, "Connect to a server :", "Se connecter au serveur :"},
    {"Label5", true, "IP:", "IP :"},
    {"Label27", true, "Port:", "Port :"},
    {"Label24", true, "Password:", "Mot de passe :"},
    {"Label33", true, "Mods:", "Mods :"},
    {"Label37", true, "Informations:", "Informations :"},
    {"Label31", true, "Start a new game", "Démarrer une partie"},
    {"Label32", true, "Start training map", "Lancer l'entraînement"},
    {"lbl_load", true, "Load saved game", "Charger une partie"},
    {"lbl_skip_intro", true, "Skip introduction", "Passer l'introduction"},
    {"Label35", true, "Difficulty level:", "Niveaux de difficulté:"},
    {"lbl_skill1", true, "Easy", "Facile"},
    {"lbl_skill2", true, "Normal", "Normal"},
    {"lbl_skill3", true, "Hard", "Difficile"},
    {"Label34", true, "Saved games:", "Parties sauvegardées :"},
    {"Label6", true, "Developer mode", "Mode développeur"},
    {"Label7", true, "Enable console", "Activer la console"},
    {"Label10", true, "Show numeric ping", "Afficher le ping en chiffres"},
    {"Label8", true, "Low memory mode", "Mode peu de mémoire"},
    {"Label9", true, "Specify used memory (ex: 64000)", "Réserver la mémoire (ex: 64000)"},
    {"Label26", true, "Half-Life path:", "Dossier d'Half-Life :"},
    {"Label25", true, "Half-Life EXE:", "Exe d'Half-Life :"},
    {"Label18", false, "Show the multiplayer functions", "Afficher les options multijoueurs"},
    {"Label17", false, "Show the single player functions", "Afficher les options du jeu solo"},
    {"Label16", false, "Configure Half-Life and Quorvant", "Configurer Half-Life et Quorvant"},
    {"Image1", false, "English text", "English text"},
    {"Image2", false, "Texte en Français", "Texte en Français"},
    {"btn_go", false, "Launch Half-Life", "Lance Half-Life"},
    {"Label1", false, "Exit", "Fermer"},
    {"Image3", false, "Minimize", "Réduire"},
    {"Label23", false, "Create a game server", "Créer un serveur Half-Life"},
    {"Label22", false, "Join a game", "Rejoindre une partie"},
    {"lst_mods", false, "Select Half-Life MOD to play", "Sélectionne le MOD d'Half-Life à jouer"},
    {"coche_dedicated", false, "Create server only. You can't play on this computeur",
     "Créer seulement un serveur. Vous ne pouvez pas jouer sur cet ordinateur"},
    {"Label14", false, "Create server only. You can't play on this computeur",
     "Créer seulement un serveur. Vous ne pouvez pas jouer sur cet ordinateur"},
    {"txt_max_players", false, "How many players can join the server",
     "Nombre maximum de joueurs pouvant rejoindre la partie"},
    {"txt_port_server", false, "The port the players use to join",
     "Le port que les joueurs devont utiliser pour rejoindre"},
    {"lst_maps", false, "Selected MOD's maps list", "La liste de cartes du MOD sélectionné"},
    {"lst_bots", false, "Select the DLL to playing with bots. (Only for CS & TFC)",
     "Sélectionnez le DLL pour jouer avec des bots. (Seulement pour CS & TFC)"},
    {"Label28", false, "Modify some server and client options",
     "Modifier quelques options client et serveur"},
    {"Label19", false, "Choose map cycle order", "Choisir la liste de cartes où jouer"},
    {"Label29", false, "Edit the Message Of The Day witch appear on the map enter",
     "Editer le Message Du Jour qui apparait à l'entrée d'une carte"},
    {"txt_ip", false, "Computer's IP to connect", "IP de l'ortinateur à rejoindre"},
    {"txt_port_join", false, "Port to use", "Port à utiliser"},
    {"txt_password", false, "Password to enter locked servers",
     "Mot de passe pour entrer dans les serveur vérrouillés"},
    {"lst_mods_solo", false, "Single player MOD to play", "MOD solo à jouer"},
    {"Label31", false, "Start a selected new game",
     "Démarrer une nouvelle partie du jeu sélectionné"},
    {"Label32", false, "Start the selected game training map",
     "Démarrer la carte d'entrainement du jeu sélectionné"},
    {"lbl_load", false, "Load a selected mod saved game", "Charger une partie du jeu sélectionné"},
    {"coche_skip_intro", false, "Skip new game intro movie. (Only for valve)",
     "Passer l'introduction d'un nouveau jeu. (Seulement pour valve)"},
    {"lbl_skip_intro", false, "Skip new game intro movie. (Only for valve)",
     "Passer l'introduction d'un nouveau jeu. (Seulement pour valve)"},
    {"Label35", false, "Game difficulty level", "Niveau de difficulté de la partie"},
    {"coche_skill1", false, "Easy difficulty level", "Niveau facile"},
    {"lbl_skill1", false, "Easy difficulty level", "Niveau facile"},
    {"coche_skill2", false, "Normal difficulty level", "Niveau normal"},
    {"lbl_skill2", false, "Normal difficulty level", "Niveau normal"},
    {"coche_skill3", false, "Hard difficulty level", "Niveau difficil"},
    {"lbl_skill3", false, "Hard difficulty level", "Niveau difficil"},
    {"lst_solo_save", false, "Choose the game you want to load", "Choisissez la partie à charger"},
    {"coche_dev", false, "Show all debug text", "Afficher tout le texte de débugage"},
    {"Label6", false, "Show all debug text", "Afficher tout le texte de débugage"},
    {"coche_console", false, "To be able to enter commands", "Pour pouvoir entrer des commandes"},
    {"Label7", false, "To be able to enter commands", "Pour pouvoir entrer des commandes"},
    {"coche_ping", false, "Better than the green points", "Mieux que les points verts"},
    {"Label10", false, "Better than the green points", "Mieux que les points verts"},
    {"coche_memoire", false, "Really disable IPX and Joystick",
     "Désactive vraiment l'IPX et le Joystick"},
    {"Label8", false, "Really disable IPX and Joystick", "Désactive vraiment l'IPX et le Joystick"},
    {"Label9", false, "Game reserved memory. Specify entire memory.",
     "Mémoire réservée pour le jeu. Entrez la totalité de votre memoire"},
    {"txt_memoire", false, "Game reserved memory. Specify entire memory.",
     "Mémoire réservée pour le jeu. Entrez la totalité de votre memoire"},
    {"txt_hl", false, "Half-Life path (without \\ at the end)",
     "Dossier d'Half-Life (sans \\ à la fin)"},
    {"txt_hlexe", false, "Half-Life executable", "Executable d'Half-Life"},
};

// The server options window once loaded: each caption label shows its box's help too.
const Expected kServerOptionsTexts[] = {
    {"Label1", true, "Time limit:", "Limite de temps :"},
    {"Label2", true, "Frag limit:", "Limite de morts :"},
    {"Label3", true, "Password:", "Mot de passe :"},
    {"Label6", true, "Server name:", "Nom du serveur :"},
    {"Label4", true, "SAVE", "SAUVER"},
    {"Label5", true, "CLOSE", "FERMER"},
    {"lbl_friendly_fire", true, "Friendly Fire", "Tir ami"},
    {"lbl_footsteps", true, "Foot Steps", "Bruits de pas"},
    {"lbl_weapons_stay", true, "Weapons Stay", "Armes disponibles"},
    {"lbl_force_respawn", true, "Force respawn", "Force régénération"},
    {"Label7", true, "Flashlight", "Lampe"},
    {"Label8", true, "Client:", "Client :"},
    {"lbl_log", true, "Write log", "Ecrire un journal"},
    {"lbl_upload", true, "Allow files upload", "Envoyer les fichiers"},
    {"Label34", true, "Allow files download", "Recevoir les fichiers"},
    {"lbl_lan", true, "Lan server", "Serveur local"},
    {"txt_timelimit", false, "Time before changing map",
     "Temps attendu avant le changement de carte"},
    {"txt_fraglimit", false, "Frag count before changing map",
     "Nombre de mort avant le changement de carte"},
    {"Text1", false, "Define a password to lock your server",
     "Definir un mot de passe pour verrouiller votre serveur"},
    {"txt_hostname", false, "Server name", "Nom du serveur"},
    {"coche_friendly_fire", false, "Define if your friends can hurt you",
     "Défini si vos amis peuvent vous tirer dessus"},
    {"lbl_friendly_fire", false, "Define if your friends can hurt you",
     "Défini si vos amis peuvent vous tirer dessus"},
    {"coche_footsteps", false, "To hear walking players", "Pour entendre les pas des joueurs"},
    {"lbl_footsteps", false, "To hear walking players", "Pour entendre les pas des joueurs"},
    {"coche_weapons_stay", false, "Weapons always stay on the ground",
     "Les armes restent toujours sur le sol"},
    {"lbl_weapons_stay", false, "Weapons always stay on the ground",
     "Les armes restent toujours sur le sol"},
    {"coche_force_respawn", false, "Force player respawning when he is dead",
     "Force la régénération des joueurs lors de leur mort"},
    {"lbl_force_respawn", false, "Force player respawning when he is dead",
     "Force la régénération des joueurs lors de leur mort"},
    {"coche_flashlight", false, "Allow flashlight", "Autoriser la lampe"},
    {"Label7", false, "Allow flashlight", "Autoriser la lampe"},
    {"coche_log", false, "Write a game log in the 'MOD\\logs' folder",
     "Ecrit un journal du jeu dans le dossier 'MOD\\logs'"},
    {"lbl_log", false, "Write a game log in the 'MOD\\logs' folder",
     "Ecrit un journal du jeu dans le dossier 'MOD\\logs'"},
    {"lbl_upload", false,
     "Client send files to other players (like spray logo). Desative it to have fast game",
     "Le client envoie des fichiers vers les autres joueurs (ex: graffiti). Désactivez-le pour "
     "avoir un jeu plus rapide"},
    {"coche_upload", false,
     "Client send files to other players (like spray logo). Desative it to have fast game",
     "Le client envoie des fichiers vers les autres joueurs (ex: graffiti). Désactivez-le pour "
     "avoir un jeu plus rapide"},
    {"Label34", false,
     "Client download files (like maps or spray logos). Desative it to have fast game",
     "Le client télécharge des fichiers (ex: cartes ou graffiti). Désactivez-le pour avoir un "
     "jeu plus rapide"},
    {"coche_download", false,
     "Client download files (like maps or spray logos). Desative it to have fast game",
     "Le client télécharge des fichiers (ex: cartes ou graffiti). Désactivez-le pour avoir un "
     "jeu plus rapide"},
    {"Label4", false, "Save settings", "Sauver les modifications"},
    {"Label5", false, "Close window without save settings",
     "Fermer la fenêtre sans sauver les modifications"},
    {"coche_lan", false, "The server doesn't try to contact WON",
     "Le serveur n'essaie pas de contacter WON"},
    {"lbl_lan", false, "The server doesn't try to contact WON",
     "Le serveur n'essaie pas de contacter WON"},
};

// The map cycle editor once loaded on a mod without a map cycle.
const Expected kMapCycleTexts[] = {
    {"Label1", true, "ADD", "AJOUTER"},
    {"Label2", true, "REMOVE", "EFFACER"},
    {"Label3", true, "SAVE", "SAUVER"},
    {"Label4", true, "CLOSE", "FERMER"},
    {"lbl_nbr_maps", true, "0 maps", "0 cartes"},
    {"txt_ajout", false, "Enter map name here", "Entrez ici le nom de la carte"},
    {"lst_maps", false, "Maps list", "Liste des cartes"},
    {"Label1", false, "To add the map you type", "Pour ajouter le nom de la carte saisie"},
    {"Label2", false, "Remove selected map", "Effacer la carte sélectionnée"},
    {"Image1", false, "Move selected map one step up",
     "Déplacer vers le haut la carte sélectionnée"},
    {"Image2", false, "Move selected map one step down",
     "Déplacer vers le bas la carte sélectionnée"},
    {"lbl_nbr_maps", false, "Maps count", "Nombre de cartes"},
    {"Label3", false, "Save settings", "Sauver les modifications"},
    {"Label4", false, "Close window without save settings",
     "Fermer la fenêtre sans sauver les modifications"},
};

void ExpectTexts(const QWidget& window, std::span<const Expected> rows, bool english) {
    for (const Expected& row : rows) {
        auto* control = window.findChild<QWidget*>(QLatin1String(row.control));
        ASSERT_NE(control, nullptr) << row.control;
        const QString expected = QString::fromUtf8(english ? row.english : row.french);
        if (row.caption) {
            auto* label = qobject_cast<QLabel*>(control);
            ASSERT_NE(label, nullptr) << row.control;
            EXPECT_EQ(label->text(), expected) << row.control;
        } else {
            EXPECT_EQ(control->toolTip(), expected) << row.control;
        }
    }
}

class LanguageTest : public WindowTest {
  protected:
    Form1* form = nullptr;

    LanguageTest() {
        game.addExecutable();
        storeSetting("hl_path", game.str());
        form = &loadMainWindow();
    }
};

TEST_F(LanguageTest, FrenchThenEnglishSetsEveryCaptionAndTooltip) {
    ExpectTexts(*form, kTexts, true);
    form->Image2_Click();
    EXPECT_EQ(form->Image1->tag(), QStringLiteral("0"));
    ExpectTexts(*form, kTexts, false);
    form->Image1_Click();
    EXPECT_EQ(form->Image1->tag(), QStringLiteral("1"));
    ExpectTexts(*form, kTexts, true);
}

TEST_F(LanguageTest, TheToolWindowsOpenInTheMainWindowsLanguage) {
    for (const bool english : {true, false}) {
        SCOPED_TRACE(english ? "English" : "French");
        if (!english) form->Image2_Click();
        frm_serveur serverOptions(*form, dialogs);
        serverOptions.Form_Load();
        EXPECT_EQ(serverOptions.windowTitle(), QStringLiteral("Advanced Options"));
        ExpectTexts(serverOptions, kServerOptionsTexts, english);
        frm_mapcycle mapCycle(*form, dialogs);
        mapCycle.Form_Load();
        EXPECT_EQ(mapCycle.windowTitle(), QStringLiteral("Mapcycle"));
        ExpectTexts(mapCycle, kMapCycleTexts, english);
    }
}

TEST_F(LanguageTest, TextsOutsideTheTablesStayAsTheyAre) {
    form->Image2_Click();
    EXPECT_EQ(form->Label4->text(), QStringLiteral("Quorvant"));
    EXPECT_EQ(form->Label20->text(), QStringLiteral("version beta 1.0"));
    EXPECT_EQ(form->lbl_titre->text(), QStringLiteral("Map title"));
    EXPECT_EQ(form->Image4->toolTip(), QString());
    form->Image1_Click();
    EXPECT_EQ(form->Image4->toolTip(), QString());
}

TEST_F(LanguageTest, MessagesStayInEnglish) {
    form->Image2_Click();
    form->SetGameDll("missing", "mp.dll");
    EXPECT_EQ(dialogs.messages, QStringList({"Can't write DLL!"}));
}

}  // namespace
}  // namespace quorvant
