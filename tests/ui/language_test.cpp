#include <gtest/gtest.h>

#include <QLabel>

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

class LanguageTest : public WindowTest {
  protected:
    Form1* form = nullptr;

    LanguageTest() {
        game.addExecutable();
        storeSetting("hl_path", game.str());
        form = &loadMainWindow();
    }

    void expectTexts(bool english) {
        for (const Expected& row : kTexts) {
            auto* control = form->findChild<QWidget*>(QLatin1String(row.control));
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
};

TEST_F(LanguageTest, FrenchThenEnglishSetsEveryCaptionAndTooltip) {
    expectTexts(true);
    form->Image2_Click();
    EXPECT_EQ(form->Image1->tag(), QStringLiteral("0"));
    expectTexts(false);
    form->Image1_Click();
    EXPECT_EQ(form->Image1->tag(), QStringLiteral("1"));
    expectTexts(true);
}

TEST_F(LanguageTest, TextsOutsideTheTablesStayAsTheyAre) {
    form->Image2_Click();
    EXPECT_EQ(form->Label4->text(), QStringLiteral("QUORVANT"));
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
