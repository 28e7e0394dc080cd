// "Find a server…" on the join panel: the server browser, asking where the settings say.
#include "app/stored_choices.h"
#include "launch/frm_servers.h"
#include "ui/form1.h"

namespace quorvant {

BrowserOptions StoredBrowserOptions(const StatusOptions& status) {
    BrowserOptions options = status.browser;
    options.scope = status.scope;
    const BrowserChoices stored = ReadBrowserChoices();
    options.masterServer = stored.masterServer;
    options.lanBroadcast = stored.lanBroadcast;
    return options;
}

void Form1::lbl_find_server_Click() {
    frm_servers servers(*this, StoredBrowserOptions(statusOptions_));
    servers.Form_Load();
    servers.exec();
}

}  // namespace quorvant
