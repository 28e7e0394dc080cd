// The server browser through its window, on a master server and game servers played by the
// test on this machine: the lists of each source, the filters, the sort, the players and
// rules of a server, the favourites kept between runs, and a choice that GO! then joins.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QKeyEvent>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "launch/frm_servers.h"
#include "launch/game_panels.h"
#include "launch/master_server.h"
#include "support/fake_game_server.h"
#include "support/server_replies.h"
#include "ui/check_box.h"

namespace quorvant {
namespace {

using namespace ::quorvant::testing;
using namespace std::string_literals;

constexpr std::uint32_t kLoopback = 0x7F000001;

StatusOptions QuickBrowser() {
    StatusOptions options = kTestStatusOptions;
    options.browser.replyWaitMs = 1000;  // long enough for a machine under sanitizers
    options.browser.pageWaitMs = 300;
    options.browser.pageRetries = 1;
    options.browser.pagePaceMs = 10;
    options.browser.lanWaitMs = 400;
    return options;
}

ServerInfo Info(int number, const std::string& mod = "cstrike") {
    ServerInfo info;
    info.name = "Server " + std::to_string(number);
    info.map = number % 2 ? "cs_office" : "de_dust2";
    info.folder = mod;
    info.game = "Counter-Strike";
    info.players = number % 17;
    info.maxPlayers = 16;
    info.bots = number % 3;
    info.passwordNeeded = number % 5 == 0;
    return info;
}

// A server that first asks for a challenge, then answers its requests with their challenge.
Replies Challenging(const ServerInfo& info, const Replies& details = {}) {
    return [info, details](const std::string& request) -> std::vector<std::string> {
        if (!request.ends_with("CHAL")) return {ChallengeReply("CHAL")};
        if (request[4] == 'T') return {CurrentReply(info)};
        return details ? details(request) : std::vector<std::string>{};
    };
}

// A master server on 127.0.0.1 listing `servers` a page at a time; a page in `dropOnce` is
// not answered the first time it is asked, as a master that throttles does.
class FakeMaster {
  public:
    FakeMaster(std::vector<quint16> ports, std::size_t pageSize, std::set<int> dropOnce = {})
        : ports_(std::move(ports)), pageSize_(pageSize), dropOnce_(std::move(dropOnce)) {
        EXPECT_TRUE(socket_.bind(QHostAddress::LocalHost, 0));
        QObject::connect(&socket_, &QUdpSocket::readyRead, [this] { answer(); });
    }
    std::string address() const { return "127.0.0.1:" + std::to_string(socket_.localPort()); }

    std::vector<std::string> requests;

  private:
    void answer() {
        while (socket_.hasPendingDatagrams()) {
            const QNetworkDatagram request = socket_.receiveDatagram();
            requests.push_back(request.data().toStdString());
            const std::string seed = requests.back().substr(2, requests.back().find('\0') - 2);
            std::size_t first = 0;
            for (std::size_t at = 0; at < ports_.size(); ++at) {
                if (seed == "127.0.0.1:" + std::to_string(ports_[at])) first = at + 1;
            }
            const int page = int(first / pageSize_);
            if (dropOnce_.erase(page)) continue;
            std::vector<std::pair<std::uint32_t, int>> records;
            for (std::size_t at = first; at < std::min(ports_.size(), first + pageSize_); ++at)
                records.emplace_back(kLoopback, ports_[at]);
            if (first + pageSize_ >= ports_.size()) records.emplace_back(0, 0);
            socket_.writeDatagram(
                request.makeReply(QByteArray::fromStdString(MasterPageReply(records))));
        }
    }

    std::vector<quint16> ports_;
    std::size_t pageSize_;
    std::set<int> dropOnce_;
    QUdpSocket socket_;
};

class ServerBrowserTest : public GamePanelsTest {
  protected:
    ServerBrowserTest() : GamePanelsTest(QuickBrowser()) { create("cstrike"); }

    std::unique_ptr<frm_servers> open() {
        auto window = std::make_unique<frm_servers>(*form, StoredBrowserOptions(statusOptions));
        window->Form_Load();
        window->show();
        return window;
    }
    static void waitFilled(frm_servers& window, int timeoutMs = 10000) {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return window.browser().progress().state != BrowserProgress::State::Filling; },
            timeoutMs));
    }
    static int rows(frm_servers& window) { return window.lst_servers->model()->rowCount(); }
    static QString cell(frm_servers& window, int row, ServerColumn column) {
        return window.lst_servers->model()->index(row, int(column)).data().toString();
    }
    static void choose(frm_servers& window, int row) {
        window.lst_servers->setFocus();
        window.lst_servers->selectRow(row);
    }
};

// Hundreds of servers from a master that pages and throttles, some answering garbage or
// nothing; the filters and the sort through the window's own controls.
TEST_F(ServerBrowserTest, TheInternetListFillsFromTheMasterAndTheFiltersAndSortKeepWhatTheyShow) {
    std::vector<std::unique_ptr<FakeServer>> servers;
    std::vector<quint16> ports;
    for (int number = 0; number < 290; ++number) {
        Replies replies = Challenging(Info(number, number < 250 ? "cstrike" : "tfc"));
        if (number >= 270) replies = Always({"\xFF\xFF\xFF\xFFIgarbage"s});
        if (number >= 280) replies = Always({});
        servers.push_back(std::make_unique<FakeServer>(replies));
        ports.push_back(servers.back()->port());
    }
    FakeMaster master(ports, 100, {1});
    storeSetting("Master_Server", master.address());
    const auto window = open();
    waitFilled(*window);
    EXPECT_EQ(window->lbl_progress->text(), "250 servers");  // those of the selected mod
    // The second page was asked again after it went unanswered; each page after the last
    // server of the one before, with the filter of the selected mod.
    const auto seed = [](const std::string& request) {
        return request.substr(2, request.find('\0') - 2);
    };
    std::vector<std::string> seeds;
    for (const std::string& request : master.requests) {
        EXPECT_TRUE(request.ends_with("\\appid\\70\\gamedir\\cstrike\0"s));
        if (seeds.empty() || seeds.back() != seed(request)) seeds.push_back(seed(request));
    }
    EXPECT_EQ(seeds,
              (std::vector<std::string>{"0.0.0.0:0", "127.0.0.1:" + std::to_string(ports[99]),
                                        "127.0.0.1:" + std::to_string(ports[199])}));
    EXPECT_GE(std::count_if(master.requests.begin(), master.requests.end(),
                            [&](const std::string& r) { return seed(r) == seeds[1]; }),
              2);
    EXPECT_EQ(servers[0]->requests, (std::vector{InfoRequest(), InfoRequest("CHAL")}));
    EXPECT_EQ(servers[285]->requests.size(), 2U);  // asked once more, then given up

    // The mod filter starts as the selected mod.
    EXPECT_EQ(window->txt_filter_mod->currentText(), "cstrike");
    EXPECT_EQ(rows(*window), 250);
    const auto expected = [](auto keeps) {
        int count = 0;
        for (int number = 0; number < 250; ++number) count += keeps(Info(number)) ? 1 : 0;
        return count;
    };
    QTest::keyClicks(window->txt_filter_name, "server 1");
    EXPECT_EQ(rows(*window),
              expected([](const ServerInfo& info) { return info.name.starts_with("Server 1"); }));
    window->txt_filter_name->clear();
    window->coche_not_full_Click();
    QTest::mouseClick(window->lbl_no_password, Qt::LeftButton);
    EXPECT_EQ(rows(*window), expected([](const ServerInfo& info) {
                  return info.players < 16 && !info.passwordNeeded;
              }));
    window->coche_not_full_Click();
    window->coche_no_password_Click();
    window->txt_filter_mod->setCurrentText("TFC");
    EXPECT_EQ(rows(*window), 20);
    window->txt_filter_mod->setCurrentText("");
    EXPECT_EQ(rows(*window), 270);
    EXPECT_EQ(window->lbl_progress->text(), "270 servers");
    // A server the filters hide is no longer the one chosen, and none takes its place.
    choose(*window, 5);
    QTest::keyClicks(window->txt_filter_name, "no such name");
    EXPECT_TRUE(window->lst_servers->selectionModel()->selectedRows().isEmpty());
    EXPECT_EQ(window->lbl_progress->text(), "No server found.");
    window->txt_filter_name->clear();

    // A click on a column's header sorts on it, numbers as numbers; a second reverses it.
    QHeaderView* header = window->lst_servers->horizontalHeader();
    const QPoint players(header->sectionViewportPosition(int(ServerColumn::Players)) + 5, 5);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, players);
    if (header->sortIndicatorOrder() == Qt::AscendingOrder)
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, players);
    EXPECT_EQ(header->sortIndicatorSection(), int(ServerColumn::Players));
    EXPECT_TRUE(cell(*window, 0, ServerColumn::Players).startsWith("16/16"));
    EXPECT_TRUE(cell(*window, 269, ServerColumn::Players).startsWith("0/16"));
}

// A server's players, and its rules in split replies that come backwards and twice.
TEST_F(ServerBrowserTest, ASelectedServerShowsItsPlayersAndRules) {
    const std::vector<RuleEntry> rules = ManyRules(150);
    const std::vector<PlayerEntry> players{{"Gordon", 12, 61.5F}, {"Ad\xC3\xA8le", 3, 5.0F}};
    std::vector<std::string> split = SplitAsThisEngine(RulesReply(rules), 42, 1300);
    std::reverse(split.begin(), split.end());
    split.push_back(split.front());
    FakeServer server(Challenging(Info(1), [&](const std::string& request) {
        return request[4] == 'U' ? std::vector{PlayersReply(players)} : split;
    }));
    storeSetting("Browser_Favourites", server.address().toStdString());
    storeSetting("Browser_Source", "2");
    const auto window = open();
    EXPECT_EQ(window->tab_sources->currentIndex(), int(ServerSource::Favourites));
    waitFilled(*window);
    choose(*window, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->lst_rules->topLevelItemCount() == 150; }));
    ASSERT_EQ(window->lst_players->topLevelItemCount(), 2);
    window->lst_players->sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(window->lst_players->topLevelItem(0)->text(0), QString::fromUtf8("Ad\xC3\xA8le"));
    EXPECT_EQ(window->lst_players->topLevelItem(1)->text(2), "1:01");
    // Scores sort as numbers: 3 before 12.
    window->lst_players->sortByColumn(1, Qt::AscendingOrder);
    EXPECT_EQ(window->lst_players->topLevelItem(0)->text(1), "3");
    // Asked once: choosing it again asks nothing more; a refresh asks again, and selects it again.
    const std::size_t asked = server.requests.size();
    window->lst_servers->clearSelection();
    EXPECT_EQ(window->lst_rules->topLevelItemCount(), 0);
    choose(*window, 0);
    QTest::qWait(50);
    EXPECT_EQ(server.requests.size(), asked);
    EXPECT_EQ(window->lst_rules->topLevelItemCount(), 150);
    window->lbl_refresh_Click();
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return server.requests.size() >= asked + 6 && window->lst_rules->topLevelItemCount() == 150;
    }));
    EXPECT_TRUE(window->lst_servers->selectionModel()->isRowSelected(0, {}));
}

// Favourites, column widths and sort order stay when the window and the program close.
TEST_F(ServerBrowserTest, FavouritesAndTheListsLayoutAreKeptBetweenRuns) {
    FakeServer server(Challenging(Info(3)));
    // The history keeps addresses as typed: one without a port is the join panel's port's.
    form->addressHistory = {"127.0.0.1", "", "", "", ""};
    form->txt_port_join->setText(QString::number(server.port()));
    {
        const auto window = open();
        window->tab_sources->setCurrentIndex(int(ServerSource::History));
        waitFilled(*window);
        ASSERT_EQ(rows(*window), 1);
        EXPECT_EQ(window->lbl_progress->text(), "1 server");
        choose(*window, 0);
        EXPECT_EQ(window->lbl_favourite->text(), "ADD TO FAVOURITES");
        window->lbl_favourite_Click();
        EXPECT_EQ(cell(*window, 0, ServerColumn::Favourite), QString::fromUtf8("\u2605"));
        EXPECT_EQ(window->lbl_favourite->text(), "REMOVE FROM FAVOURITES");
        window->lst_servers->horizontalHeader()->resizeSection(int(ServerColumn::Name), 301);
        window->lst_servers->sortByColumn(int(ServerColumn::Map), Qt::DescendingOrder);
        window->lbl_close_Click();
    }
    EXPECT_EQ(storedSetting("Browser_Favourites"), server.address().toStdString());
    const auto again = open();
    EXPECT_EQ(again->tab_sources->currentIndex(), int(ServerSource::History));
    EXPECT_EQ(again->lst_servers->horizontalHeader()->sectionSize(int(ServerColumn::Name)), 301);
    EXPECT_EQ(again->lst_servers->horizontalHeader()->sortIndicatorSection(),
              int(ServerColumn::Map));
    again->tab_sources->setCurrentIndex(int(ServerSource::Favourites));
    waitFilled(*again);
    ASSERT_EQ(rows(*again), 1);
    EXPECT_EQ(cell(*again, 0, ServerColumn::Name), "Server 3");
}

#ifndef _WIN32  // on Windows, Steam says where it is in the registry, as start-up's tests show
// Steam's own favourites and history, from the home folder's Steam, each server once.
TEST_F(ServerBrowserTest, TheSteamTabListsSteamsOwnFavouritesAndHistory) {
    FakeServer favourite(Challenging(Info(5))), played(Challenging(Info(6)));
    const auto entry = [](const FakeServer& server) {
        return "\"0\" { \"address\" \"" + server.address().toStdString() + "\" }";
    };
    WriteFile(temp / "home/.local/share/Steam/userdata/4242/7/remote/serverbrowser_hist.vdf",
              "\"Filters\" { \"favorites\" { " + entry(favourite) + " } \"history\" { " +
                  entry(played) + " \"1\" { \"address\" \"" + favourite.address().toStdString() +
                  "\" } } }");
    storeSetting("Browser_Source", "4");
    const auto window = open();
    waitFilled(*window);
    ASSERT_EQ(rows(*window), 2);
    window->lst_servers->sortByColumn(int(ServerColumn::Name), Qt::AscendingOrder);
    EXPECT_EQ(cell(*window, 0, ServerColumn::Name) + ", " + cell(*window, 1, ServerColumn::Name),
              "Server 5, Server 6");
}
#endif

// How a list ends when nobody answers, in both languages; the local network asked by its
// broadcast address (here this machine's), its servers' challenges answered to each.
TEST_F(ServerBrowserTest, SaysWhenNothingAnswersAndFindsServersOnTheLocalNetwork) {
    FakeServer silentMaster(Always({})), nobody(Always({}));
    storeSetting("Master_Server", silentMaster.address().toStdString());
    storeSetting("Lan_Broadcast", "127.0.0.1");
    StatusOptions quiet = QuickBrowser();
    quiet.browser.lanPorts = {nobody.port()};
    const auto window = std::make_unique<frm_servers>(*form, StoredBrowserOptions(quiet));
    window->Form_Load();
    waitFilled(*window);
    EXPECT_EQ(window->lbl_progress->text(), "The master server did not answer.");
    EXPECT_EQ(silentMaster.requests.size(), 2U);
    form->Image2_Click();
    EXPECT_EQ(window->lbl_progress->text(), "Le serveur maître n'a pas répondu.");
    EXPECT_EQ(window->windowTitle(), "Serveurs");
    EXPECT_EQ(window->tab_sources->tabText(int(ServerSource::Lan)),
              QString::fromUtf8("Réseau local"));
    form->Image1_Click();
    window->tab_sources->setCurrentIndex(int(ServerSource::Lan));
    waitFilled(*window);
    EXPECT_EQ(window->lbl_progress->text(), "No server found on the local network.");
    EXPECT_EQ(nobody.requests, std::vector{InfoRequest()});

    FakeServer lanServer(Challenging(Info(7)));
    StatusOptions options = QuickBrowser();
    options.browser.lanPorts = {lanServer.port()};
    frm_servers lan(*form, StoredBrowserOptions(options));
    lan.Form_Load();
    waitFilled(lan);
    ASSERT_EQ(rows(lan), 1);
    EXPECT_EQ(cell(lan, 0, ServerColumn::Name), "Server 7");
    EXPECT_EQ(lanServer.requests, (std::vector{InfoRequest(), InfoRequest("CHAL")}));
}

// From the join panel's label to GO!: Enter on a server fills the address and port.
TEST_F(ServerBrowserTest, AChosenServerIsTheOneGoJoins) {
    FakeServer server(Challenging(Info(4)));
    storeSetting("Browser_Favourites", "127.0.0.1:1 " + server.address().toStdString());
    storeSetting("Browser_Source", "2");
    join("", "", "");
    bool chose = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<frm_servers*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        QTimer::singleShot(8000, window, &QDialog::reject);  // a failure below ends it too
        // Sorted by ping: the server that answers first, the one that does not after it.
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return cell(*window, 0, ServerColumn::Name) == "Server 4" &&
                   cell(*window, 1, ServerColumn::Map) == "no answer";
        }));
        EXPECT_EQ(cell(*window, 1, ServerColumn::Name), "127.0.0.1:1");
        choose(*window, 0);
        QTest::keyClick(window->lst_servers, Qt::Key_Return);
        chose = true;
    });
    form->lbl_find_server_Click();
    EXPECT_TRUE(chose);
    EXPECT_EQ(form->txt_ip->currentText(), "127.0.0.1");
    EXPECT_EQ(form->txt_port_join->text(), QString::number(server.port()));
    go("hl.exe -console +connect 127.0.0.1:" + std::to_string(server.port()));
}

}  // namespace
}  // namespace quorvant
