#pragma once

#include <QTimer>
#include <optional>
#include <vector>

#include "launch/server_browser.h"
#include "launch/server_status.h"
#include "ui/click_label.h"
#include "ui/tool_window.h"

class QComboBox;
class QLineEdit;
class QTabBar;
class QTableView;
class QTreeWidget;

namespace quorvant {

class Dialogs;
class Form1;
class Shape;

// How the browser asks: the program's scope and timing, the addresses of the settings.
BrowserOptions StoredBrowserOptions(const StatusOptions& status);

// "Servers": finds a server to join on the Internet, on the local network, among the user's
// favourites and history, or in Steam's lists. Choosing one fills the join panel's address and
// port and closes the window; GO! then joins it.
class frm_servers : public ToolWindow {
    Q_OBJECT
  public:
    frm_servers(Form1& mainWindow, const BrowserOptions& options);
    ~frm_servers() override;

    // Texts in the main window's language, the stored filters, columns and source, and a first
    // list of that source.
    void Form_Load();

    void tab_sources_Change();
    void filters_Change();
    void coche_not_full_Click();
    void coche_not_empty_Click();
    void coche_no_password_Click();
    void lst_servers_Click();
    // Double click, Enter and CHOOSE: fills the join panel with the server and closes.
    void lst_servers_DblClick();
    void lst_servers_ContextMenu(QPoint at);
    void lbl_refresh_Click();
    void lbl_stop_Click();
    void lbl_favourite_Click();
    void lbl_close_Click();

    QTabBar* tab_sources;
    ClickLabel* lbl_filter_mod;
    QComboBox* txt_filter_mod;
    ClickLabel* lbl_filter_map;
    QLineEdit* txt_filter_map;
    ClickLabel* lbl_filter_name;
    QLineEdit* txt_filter_name;
    PictureBox* coche_not_full;
    ClickLabel* lbl_not_full;
    PictureBox* coche_not_empty;
    ClickLabel* lbl_not_empty;
    PictureBox* coche_no_password;
    ClickLabel* lbl_no_password;
    QTableView* lst_servers;
    ClickLabel* lbl_progress;
    ClickLabel* lbl_players;
    QTreeWidget* lst_players;
    ClickLabel* lbl_rules;
    QTreeWidget* lst_rules;
    ClickLabel* lbl_refresh;
    ClickLabel* lbl_stop;
    ClickLabel* lbl_favourite;
    ClickLabel* lbl_choose;
    ClickLabel* lbl_close;

    ServerBrowser& browser() { return browser_; }

  protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildSourcesAndFilters();
    void buildLists();
    void buildButtons();
    void connectHandlers();
    void describeControls();
    void showLanguage(Language language);
    void showProgress();
    void showDetails();
    void showFavouriteAction();
    void restoreLayout();
    void storeLayout();
    void toggle(PictureBox* box);
    ServerFilter shownFilter() const;
    std::vector<ServerAddress> listOf(ServerSource source) const;
    std::optional<ServerAddress> selectedServer() const;

    void restoreSelection();
    MasterFilter masterFilter() const;

    Form1& mainWindow_;
    ServerBrowser browser_;
    QTimer requery_;                         // a master's filter changed: the list is asked anew
    MasterFilter listedWith_;                // the master's filter of the list shown
    std::optional<ServerAddress> reselect_;  // selected before a refresh, asked again once back
};

}  // namespace quorvant
