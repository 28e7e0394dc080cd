// The server browser's window: its controls, their wiring, and what it shows of the browser.
#include "launch/frm_servers.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTabBar>
#include <QTableView>
#include <QTreeWidget>

#include "app/settings.h"
#include "app/stored_choices.h"
#include "launch/frm_servers_texts.h"
#include "launch/steam_servers.h"
#include "ui/check_box.h"
#include "ui/controls.h"
#include "ui/form1.h"
#include "ui/selection.h"
#include "ui/shape.h"
#include "ui/text_conversion.h"

namespace quorvant {
namespace {

constexpr QSize kWindowSize(780, 560);
constexpr int kRequeryMs = 800;  // after the last change of a filter the master applies

Shape* MakeButtonFrame(QWidget* parent, QRect geometry) {
    return MakeShape(parent, nullptr, geometry, kAccent, kHighlight);
}

QTreeWidget* MakeDetailsList(QWidget* parent, const char* name, QRect geometry, int columns) {
    auto* list = MakeControl<QTreeWidget>(parent, name, geometry);
    list->setColumnCount(columns);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setSortingEnabled(true);
    return list;
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// What is compared with the servers' own words, which come as UTF-8.
std::string Utf8(const QString& text) { return text.trimmed().toUtf8().toStdString(); }

QString Seconds(float seconds) {
    const int whole = int(seconds);
    return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

frm_servers::frm_servers(Form1& mainWindow, const BrowserOptions& options)
    : ToolWindow(&mainWindow, "frm_servers", "Servers", kWindowSize),
      mainWindow_(mainWindow),
      browser_(options) {
    buildSourcesAndFilters();
    buildLists();
    buildButtons();
    requery_.setSingleShot(true);
    requery_.setInterval(kRequeryMs);
    connectHandlers();
    describeControls();
    showLanguage(Language::English);
}

frm_servers::~frm_servers() { browser_.stop(); }

void frm_servers::buildSourcesAndFilters() {
    tab_sources = MakeControl<QTabBar>(this, "tab_sources", QRect(12, 12, 520, 28));
    tab_sources->setDrawBase(false);
    tab_sources->setExpanding(false);
    for (int source = 0; source < kServerSourceCount; ++source) tab_sources->addTab(QString());
    lbl_filter_mod = MakeLabel(this, "lbl_filter_mod", QRect(12, 50, 44, 22), "");
    txt_filter_mod = MakeControl<QComboBox>(this, "txt_filter_mod", QRect(58, 50, 120, 22));
    txt_filter_mod->setEditable(true);
    txt_filter_mod->setInsertPolicy(QComboBox::NoInsert);
    lbl_filter_map = MakeLabel(this, "lbl_filter_map", QRect(192, 50, 52, 22), "");
    txt_filter_map = MakeField(this, "txt_filter_map", QRect(246, 50, 120, 22));
    lbl_filter_name = MakeLabel(this, "lbl_filter_name", QRect(380, 50, 48, 22), "");
    txt_filter_name = MakeField(this, "txt_filter_name", QRect(430, 50, 190, 22));
    const auto box = [this](const char* box, const char* caption, int x, PictureBox*& made,
                            ClickLabel*& label) {
        made = MakeBox(this, box, QPoint(x, 80));
        made->setPicture(mainWindow_.HLCoche0->picture());
        made->setTag(QStringLiteral("0"));
        label = MakeLabel(this, caption, QRect(x + 24, 80, 150, 19), "");
    };
    box("coche_not_full", "lbl_not_full", 12, coche_not_full, lbl_not_full);
    box("coche_not_empty", "lbl_not_empty", 192, coche_not_empty, lbl_not_empty);
    box("coche_no_password", "lbl_no_password", 380, coche_no_password, lbl_no_password);
}

void frm_servers::buildLists() {
    lst_servers = MakeControl<QTableView>(this, "lst_servers", QRect(12, 108, 756, 250));
    lst_servers->setModel(&browser_.proxy());
    lst_servers->setSelectionBehavior(QAbstractItemView::SelectRows);
    lst_servers->setSelectionMode(QAbstractItemView::SingleSelection);
    lst_servers->setSortingEnabled(true);
    lst_servers->setWordWrap(false);
    lst_servers->setShowGrid(false);
    lst_servers->setContextMenuPolicy(Qt::CustomContextMenu);
    lst_servers->setTabKeyNavigation(false);  // Tab leaves the list, arrows move in it
    lst_servers->verticalHeader()->hide();
    lst_servers->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    lst_servers->horizontalHeader()->setHighlightSections(false);
    lst_servers->horizontalHeader()->setStretchLastSection(true);
    lst_servers->installEventFilter(this);
    // Words from the network: shown as they are, never read as markup.
    lbl_progress = MakeLabel(this, "lbl_progress", QRect(12, 362, 756, 20), "");
    lbl_progress->setTextFormat(Qt::PlainText);
    lbl_players = MakeLabel(this, "lbl_players", QRect(12, 386, 372, 18), "");
    lst_players = MakeDetailsList(this, "lst_players", QRect(12, 406, 372, 108), 3);
    lbl_rules = MakeLabel(this, "lbl_rules", QRect(396, 386, 372, 18), "");
    lst_rules = MakeDetailsList(this, "lst_rules", QRect(396, 406, 372, 108), 2);
}

void frm_servers::buildButtons() {
    const auto button = [this](const char* name, QRect geometry) {
        MakeButtonFrame(this, geometry);
        ClickLabel* label = MakeButtonLabel(this, name, geometry, "");
        // A button that does nothing now says so by its colour.
        QPalette palette = label->palette();
        palette.setColor(QPalette::Disabled, QPalette::WindowText, kQuietText);
        label->setPalette(palette);
        return label;
    };
    lbl_refresh = button("lbl_refresh", QRect(560, 14, 100, 24));
    lbl_stop = button("lbl_stop", QRect(668, 14, 100, 24));
    lbl_favourite = button("lbl_favourite", QRect(12, 524, 220, 24));
    lbl_choose = button("lbl_choose", QRect(560, 524, 100, 24));
    lbl_close = button("lbl_close", QRect(668, 524, 100, 24));
}

void frm_servers::connectHandlers() {
    connect(tab_sources, &QTabBar::currentChanged, this, &frm_servers::tab_sources_Change);
    connect(txt_filter_mod, &QComboBox::editTextChanged, this, &frm_servers::filters_Change);
    for (QLineEdit* field : {txt_filter_map, txt_filter_name})
        connect(field, &QLineEdit::textChanged, this, &frm_servers::filters_Change);
    using Handler = void (frm_servers::*)();
    // Each click of a double click on a box or its caption toggles it once, as elsewhere.
    const std::pair<ClickLabel*, Handler> toggles[] = {
        {coche_not_full, &frm_servers::coche_not_full_Click},
        {lbl_not_full, &frm_servers::coche_not_full_Click},
        {coche_not_empty, &frm_servers::coche_not_empty_Click},
        {lbl_not_empty, &frm_servers::coche_not_empty_Click},
        {coche_no_password, &frm_servers::coche_no_password_Click},
        {lbl_no_password, &frm_servers::coche_no_password_Click},
    };
    for (const auto& [control, handler] : toggles) {
        connect(control, &ClickLabel::clicked, this, handler);
        connect(control, &ClickLabel::doubleClicked, this, handler);
    }
    const std::pair<ClickLabel*, Handler> buttons[] = {
        {lbl_refresh, &frm_servers::lbl_refresh_Click},
        {lbl_stop, &frm_servers::lbl_stop_Click},
        {lbl_favourite, &frm_servers::lbl_favourite_Click},
        {lbl_choose, &frm_servers::lst_servers_DblClick},
        {lbl_close, &frm_servers::lbl_close_Click},
    };
    for (const auto& [control, handler] : buttons)
        connect(control, &ClickLabel::clicked, this, handler);
    connect(lst_servers, &QTableView::doubleClicked, this, &frm_servers::lst_servers_DblClick);
    connect(lst_servers->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frm_servers::lst_servers_Click);
    connect(lst_servers, &QWidget::customContextMenuRequested, this,
            &frm_servers::lst_servers_ContextMenu);
    connect(&browser_, &ServerBrowser::progressChanged, this, &frm_servers::showProgress);
    connect(&requery_, &QTimer::timeout, this, &frm_servers::tab_sources_Change);
    connect(&browser_.proxy(), &QAbstractItemModel::rowsInserted, this,
            &frm_servers::restoreSelection);
    for (auto rowsChanged : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&browser_.proxy(), rowsChanged, this, &frm_servers::showProgress);
    connect(&browser_.proxy(), &QAbstractItemModel::modelReset, this, &frm_servers::showProgress);
    connect(lst_servers, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (ServerColumn(index.column()) == ServerColumn::Favourite) lbl_favourite_Click();
    });
    connect(&browser_, &ServerBrowser::detailsChanged, this, [this](const ServerAddress& server) {
        if (selectedServer() == server) showDetails();
    });
    connect(&browser_, &ServerBrowser::favouritesChanged, this, [this] {
        StoreFavourites(browser_.favourites());
        showFavouriteAction();
    });
    connect(&mainWindow_.languageState(), &LanguageState::changed, this,
            &frm_servers::showLanguage);
}

void frm_servers::describeControls() {
    for (auto [box, caption] :
         {std::pair{coche_not_full, lbl_not_full}, std::pair{coche_not_empty, lbl_not_empty},
          std::pair{coche_no_password, lbl_no_password}}) {
        box->setRole(ControlRole::CheckBox);
        box->setCaption(caption);
    }
    for (ClickLabel* button : {lbl_refresh, lbl_stop, lbl_favourite, lbl_choose, lbl_close})
        button->setRole(ControlRole::Button);
    for (ClickLabel* caption : {lbl_filter_mod, lbl_filter_map, lbl_filter_name})
        caption->setFocusPolicy(Qt::NoFocus);
    lbl_filter_mod->setBuddy(txt_filter_mod);
    lbl_filter_map->setBuddy(txt_filter_map);
    lbl_filter_name->setBuddy(txt_filter_name);
    ChainFocus({tab_sources, lbl_refresh, lbl_stop, txt_filter_mod, txt_filter_map, txt_filter_name,
                coche_not_full, coche_not_empty, coche_no_password, lst_servers, lst_players,
                lst_rules, lbl_favourite, lbl_choose, lbl_close});
}

void frm_servers::Form_Load() {
    const BrowserChoices stored = ReadBrowserChoices();
    browser_.setFavourites(stored.favourites);
    for (int row = 0; row < mainWindow_.lst_mods->count(); ++row)
        txt_filter_mod->addItem(mainWindow_.lst_mods->item(row)->text());
    txt_filter_mod->insertItem(0, QString());
    txt_filter_mod->setCurrentText(SelectedText(mainWindow_.lst_mods));
    showLanguage(mainWindow_.language());
    restoreLayout();
    const QSignalBlocker quiet(tab_sources);
    tab_sources->setCurrentIndex(std::clamp(stored.source, 0, kServerSourceCount - 1));
    tab_sources_Change();
}

void frm_servers::showLanguage(Language language) {
    ApplyLanguageRows(*this, ServerBrowserTexts(), language);
    setWindowTitle(TextIn({"Servers", "Serveurs"}, language));
    const QStringList sources = SourceNames(language);
    for (int source = 0; source < kServerSourceCount; ++source)
        tab_sources->setTabText(source, sources[source]);
    browser_.model().setHeaders(ServerColumnNames(language));
    browser_.model().setStateTexts(AskingText(language), NoAnswerText(language));
    lst_players->setHeaderLabels(PlayerColumnNames(language));
    lst_rules->setHeaderLabels(RuleColumnNames(language));
    showProgress();
    showFavouriteAction();
    showDetails();
}

void frm_servers::tab_sources_Change() {
    const auto source = ServerSource(tab_sources->currentIndex());
    lst_players->clear();
    lst_rules->clear();
    requery_.stop();
    listedWith_ = masterFilter();
    browser_.list(source, listOf(source), listedWith_);
    StoreBrowserSource(int(source));
    showFavouriteAction();
}

void frm_servers::filters_Change() {
    const auto selected = selectedServer();
    browser_.proxy().setFilter(shownFilter());
    // A server the filters hide is no longer chosen, and no other is chosen in its place.
    if (selectedServer() != selected) {
        lst_servers->selectionModel()->clear();
        showDetails();
        showFavouriteAction();
    }
    showProgress();
    const MasterFilter master = masterFilter();
    const bool changed = master.mod != listedWith_.mod || master.map != listedWith_.map ||
                         master.notFull != listedWith_.notFull ||
                         master.notEmpty != listedWith_.notEmpty ||
                         master.noPassword != listedWith_.noPassword;
    if (ServerSource(tab_sources->currentIndex()) == ServerSource::Internet && changed)
        requery_.start();
}

MasterFilter frm_servers::masterFilter() const {
    const ServerFilter filter = shownFilter();
    return {filter.mod, filter.map, filter.notFull, filter.notEmpty, filter.noPassword};
}

void frm_servers::toggle(PictureBox* box) {
    ToggleCheckBox(*box, *mainWindow_.HLCoche0, *mainWindow_.HLCoche1);
    filters_Change();
}

void frm_servers::coche_not_full_Click() { toggle(coche_not_full); }
void frm_servers::coche_not_empty_Click() { toggle(coche_not_empty); }
void frm_servers::coche_no_password_Click() { toggle(coche_no_password); }

void frm_servers::lst_servers_Click() {
    showFavouriteAction();
    if (const auto server = selectedServer()) browser_.detailsOf(*server);
    showDetails();
}

void frm_servers::lst_servers_DblClick() {
    const auto server = selectedServer();
    if (!server) return;
    mainWindow_.txt_ip->setCurrentText(QString::fromStdString(server->host));
    mainWindow_.txt_port_join->setText(QString::number(server->port));
    accept();
}

void frm_servers::lst_servers_ContextMenu(QPoint at) {
    if (!selectedServer()) return;
    QMenu menu(this);
    menu.addAction(lbl_favourite->text(), this, &frm_servers::lbl_favourite_Click);
    menu.addAction(lbl_choose->text(), this, &frm_servers::lst_servers_DblClick);
    menu.exec(lst_servers->viewport()->mapToGlobal(at));
}

void frm_servers::lbl_refresh_Click() {
    reselect_ = selectedServer();
    tab_sources_Change();
}

// The server selected before a refresh, selected again once it is back, and asked again.
void frm_servers::restoreSelection() {
    if (!reselect_) return;
    const int row = browser_.model().rowOf(*reselect_);
    if (row < 0) return;
    const QModelIndex shown = browser_.proxy().mapFromSource(browser_.model().index(row, 0));
    if (!shown.isValid()) return;
    const ServerAddress server = *reselect_;
    reselect_.reset();
    lst_servers->selectRow(shown.row());
    browser_.detailsOf(server, true);
}

void frm_servers::lbl_stop_Click() { browser_.stop(); }

void frm_servers::lbl_favourite_Click() {
    if (const auto server = selectedServer()) browser_.toggleFavourite(*server);
}

void frm_servers::lbl_close_Click() { reject(); }

void frm_servers::done(int result) {
    storeLayout();
    ToolWindow::done(result);
}

bool frm_servers::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lst_servers && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            lst_servers_DblClick();
            return true;
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

void frm_servers::showProgress() {
    BrowserProgress shown = browser_.progress();
    shown.servers = browser_.proxy().rowCount();  // what the list shows, as the filters keep it
    lbl_progress->setText(ProgressText(shown, mainWindow_.language()));
    const bool filling = browser_.progress().state == BrowserProgress::State::Filling;
    lbl_stop->setEnabled(filling);
}

void frm_servers::showFavouriteAction() {
    const auto server = selectedServer();
    lbl_favourite->setText(FavouriteActionText(server && browser_.model().isFavourite(*server),
                                               mainWindow_.language()));
    lbl_favourite->setEnabled(server.has_value());
    lbl_choose->setEnabled(server.has_value());
}

void frm_servers::showDetails() {
    lst_players->clear();
    lst_rules->clear();
    const auto server = selectedServer();
    const ServerDetails* details = server ? browser_.knownDetails(*server) : nullptr;
    if (!details) return;
    const Language language = mainWindow_.language();
    const auto placeholder = [&](QTreeWidget* list, bool asking) {
        new QTreeWidgetItem(list, {asking ? AskingText(language) : NoAnswerText(language)});
    };
    if (details->players) {
        for (const PlayerEntry& player : *details->players) {
            auto* item = new QTreeWidgetItem(lst_players);
            item->setText(0, FromUtf8(player.name));
            item->setData(1, Qt::DisplayRole, player.score);  // a number, to sort as one
            item->setText(2, Seconds(player.seconds));
        }
        lst_players->sortItems(1, Qt::DescendingOrder);  // the best score first
    } else {
        placeholder(lst_players, details->askingPlayers);
    }
    if (details->rules) {
        for (const RuleEntry& rule : *details->rules)
            new QTreeWidgetItem(lst_rules, {FromUtf8(rule.name), FromUtf8(rule.value)});
        lst_rules->sortItems(0, Qt::AscendingOrder);
    } else {
        placeholder(lst_rules, details->askingRules);
    }
}

std::optional<ServerAddress> frm_servers::selectedServer() const {
    const QModelIndex current = lst_servers->selectionModel()->currentIndex();
    if (!current.isValid() || !lst_servers->selectionModel()->isRowSelected(current.row(), {}))
        return std::nullopt;
    const QModelIndex source = browser_.proxy().mapToSource(current);
    return browser_.proxy().servers().row(source.row()).server;
}

ServerFilter frm_servers::shownFilter() const {
    return {Utf8(txt_filter_mod->currentText()), Utf8(txt_filter_map->text()),
            Utf8(txt_filter_name->text()),       IsChecked(*coche_not_full),
            IsChecked(*coche_not_empty),         IsChecked(*coche_no_password)};
}

std::vector<ServerAddress> frm_servers::listOf(ServerSource source) const {
    std::vector<ServerAddress> servers;
    const auto add = [&servers](const std::vector<ServerAddress>& more) {
        for (const ServerAddress& server : more) {
            if (std::ranges::find(servers, server) == servers.end()) servers.push_back(server);
        }
    };
    switch (source) {
        case ServerSource::Favourites:
            add(browser_.favourites());
            break;
        case ServerSource::History:
            for (const QString& address : mainWindow_.addressHistory) {
                const std::string port = ToBytes(mainWindow_.txt_port_join->text());
                if (const auto server = ListedTarget(ToBytes(address), port)) add({*server});
            }
            break;
        case ServerSource::Steam: {
            const SteamServerLists steam = SteamServerListsOf(ReadSteamFolders());
            add(steam.favourites);
            add(steam.history);
            break;
        }
        default:
            break;
    }
    return servers;
}

void frm_servers::restoreLayout() {
    const BrowserChoices stored = ReadBrowserChoices();
    QHeaderView* header = lst_servers->horizontalHeader();
    const QList<QByteArray> widths = QByteArray::fromStdString(stored.columnWidths).split(',');
    for (int column = 0; column < kServerColumnCount; ++column) {
        const int width = column < widths.size() ? widths[column].toInt() : 0;
        constexpr int kDefaultWidths[] = {24, 40, 200, 70, 100, 80, 50, 40, 70, 60};
        header->resizeSection(column, width > 0 ? width : kDefaultWidths[column]);
    }
    const int column = std::clamp(stored.sortColumn, 0, kServerColumnCount - 1);
    lst_servers->sortByColumn(column,
                              stored.sortDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void frm_servers::storeLayout() {
    QHeaderView* header = lst_servers->horizontalHeader();
    QStringList widths;
    for (int column = 0; column < kServerColumnCount; ++column)
        widths << QString::number(header->sectionSize(column));
    StoreBrowserLayout(widths.join(',').toStdString(), header->sortIndicatorSection(),
                       header->sortIndicatorOrder() == Qt::DescendingOrder);
}

}  // namespace quorvant
