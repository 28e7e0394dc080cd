#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QRegularExpression>
#include <QTest>
#include <QUdpSocket>
#include <filesystem>
#include <functional>
#include <map>

#include "app/file_system.h"
#include "launch/history_status_delegate.h"
#include "support/server_replies.h"
#include "support/ui_fixture.h"

namespace quorvant {
namespace {

using ::quorvant::testing::Bytes;
using ::quorvant::testing::ChallengeReply;
using ::quorvant::testing::CurrentReply;
using ::quorvant::testing::OldReply;
using ::quorvant::testing::WindowTest;

using Replies = std::function<std::vector<std::string>(const std::string& request)>;

ServerInfo Info(const char* name, const char* map = "de_dust2") {
    ServerInfo info;
    info.name = name;
    info.map = map;
    info.folder = "cstrike";
    info.game = "Counter-Strike";
    info.players = 12;
    info.maxPlayers = 16;
    return info;
}

// The same replies to every request.
Replies Always(std::vector<std::string> replies) {
    return [replies](const std::string&) { return replies; };
}

Replies Answers(const ServerInfo& info) { return Always({CurrentReply(info)}); }

// A game server on 127.0.0.1 that answers each request as its test says, and notes them.
class FakeServer {
  public:
    explicit FakeServer(Replies replies) : replies_(std::move(replies)) {
        EXPECT_TRUE(socket_.bind(QHostAddress::LocalHost, 0));
        QObject::connect(&socket_, &QUdpSocket::readyRead, [this] { answer(); });
    }

    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(socket_.localPort()); }
    QString port() const { return QString::number(socket_.localPort()); }

    std::vector<std::string> requests;
    std::vector<qint64> requestTimes;  // in ms of one clock for all servers

  private:
    void answer() {
        while (socket_.hasPendingDatagrams()) {
            const QNetworkDatagram request = socket_.receiveDatagram();
            requests.push_back(request.data().toStdString());
            requestTimes.push_back(QDeadlineTimer::current().deadline());
            for (const std::string& reply : replies_(requests.back()))
                socket_.writeDatagram(request.makeReply(QByteArray::fromStdString(reply)));
        }
    }

    Replies replies_;
    QUdpSocket socket_;
};

bool WaitFor(const std::function<bool()>& done, int ms) {
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) QTest::qWait(5);
    return done();
}

// Every file the test's machine holds, with its bytes.
std::map<std::string, std::string> Files(const std::filesystem::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.is_regular_file())
            files[entry.path().string()] = ::quorvant::testing::ReadFile(entry.path());
    }
    return files;
}

class JoinStatusTest : public WindowTest {
  protected:
    Form1* form = nullptr;
    const QString asking = QStringLiteral("Asking the server…");

    JoinStatusTest() {
        game.addExecutable();
        storeSetting("hl_path", game.str());
        form = &loadMainWindow();
    }

    // The status line with its round trip written as N.
    QString line() const {
        return form->lbl_join_status->text().replace(QRegularExpression("\\d+ ms$"), "N ms");
    }
    bool lineBecomes(const QString& text, int ms = 3000) {
        return WaitFor([&] { return line() == text; }, ms);
    }
    // Shows the join panel on `address`, which it asks at once.
    void joinOn(const QString& address, const QString& port = {}) {
        form->txt_port_join->setText(port);
        form->txt_ip->setEditText(address);
        form->Label22_Click();
    }
};

TEST_F(JoinStatusTest, AnAnsweringServerShowsItsNameMapPlayersPasswordAndRoundTrip) {
    ServerInfo info = Info("<b>Dust</b>\r\n2");
    info.bots = 3;
    info.passwordNeeded = true;
    FakeServer server(Answers(info));
    joinOn(QStringLiteral("localhost:") + server.port());
    EXPECT_EQ(line(), asking);
    EXPECT_TRUE(lineBecomes(
        QString::fromUtf8("<b>Dust</b> 2 · de_dust2 · 12/16 players (3 bots) · password · N ms")))
        << line().toStdString();
    form->Image2_Click();
    EXPECT_EQ(line(),
              QString::fromUtf8(
                  "<b>Dust</b> 2 · de_dust2 · 12/16 joueurs (3 bots) · mot de passe · N ms"));
    EXPECT_EQ(server.requests, std::vector{InfoRequest()});

    // A long name in one byte a character, shortened to fit the line.
    info.name = "Caf\xE9 " + std::string(200, 'x');
    FakeServer longer(Answers(info));
    joinOn(QStringLiteral("127.0.0.1"), longer.port());
    EXPECT_TRUE(WaitFor([&] { return line().contains(QChar(0x2026)); }, 3000));
    EXPECT_TRUE(line().startsWith(QString::fromUtf8("Café xxx"))) << line().toStdString();
    const QLabel* status = form->lbl_join_status;
    EXPECT_LE(status->fontMetrics().horizontalAdvance(status->text()), status->width());
}

TEST_F(JoinStatusTest, AChallengeIsAnsweredTheFirstReplyCountsAndABrokenOneIsNoAnswer) {
    const std::string challenge = Bytes({0x01, 0xFF, 'z', 0x00});
    const std::string whole = CurrentReply(Info("Current engine"));
    const struct {
        Replies replies;
        const char* line;
        std::size_t requests;
    } cases[] = {
        {[&](const std::string& request) {
             return std::vector{request == InfoRequest(challenge) ? whole
                                                                  : ChallengeReply(challenge)};
         },
         "Current engine · de_dust2 · 12/16 players · N ms", 2},
        {Always({OldReply(Info("First engine")), whole}),
         "First engine · de_dust2 · 12/16 players · N ms", 1},
        {Always({whole.substr(0, whole.size() - 1)}), "No answer", 1},
        {Always({whole + std::string(kMaxReplySize, 'x')}), "No answer", 1},
        {Always({whole.substr(0, 7) + std::string(99, 'A')}), "No answer", 1},
    };
    for (const auto& test : cases) {
        FakeServer server(test.replies);
        joinOn(server.address());
        EXPECT_TRUE(lineBecomes(QString::fromUtf8(test.line), 500)) << test.line;
        QTest::qWait(50);
        EXPECT_EQ(line(), QString::fromUtf8(test.line));
        EXPECT_EQ(server.requests.size(), test.requests) << test.line;
        EXPECT_EQ(server.requests.back(), InfoRequest(test.requests == 2 ? challenge : ""));
        form->Label23_Click();
    }
}

TEST_F(JoinStatusTest, ASilentServerIsAskedTwiceAndShowsNoAnswerAfterBothWaits) {
    FakeServer server(Always({}));
    QElapsedTimer clock;
    clock.start();
    joinOn(server.address());
    EXPECT_TRUE(lineBecomes(QStringLiteral("No answer"), 4000));
    EXPECT_GE(clock.elapsed(), 2900);
    ASSERT_EQ(server.requests, (std::vector{InfoRequest(), InfoRequest()}));
    EXPECT_NEAR(double(server.requestTimes[1] - server.requestTimes[0]), 1500, 200);
    form->Image2_Click();
    EXPECT_EQ(line(), QString::fromUtf8("Pas de réponse"));
}

TEST_F(JoinStatusTest, AsksWhileShownAfterTypingStopsAndNeverForAnEmptyAddress) {
    FakeServer server(Answers(Info("Typed")));
    joinOn(QString());
    QTest::qWait(600);
    EXPECT_EQ(line(), QString());

    form->txt_ip->setEditText(QStringLiteral("127.0.0.1:"));
    QTest::qWait(100);
    form->txt_ip->setEditText(server.address());
    QTest::qWait(250);
    EXPECT_TRUE(server.requests.empty());
    EXPECT_TRUE(lineBecomes(QString::fromUtf8("Typed · de_dust2 · 12/16 players · N ms")));
    EXPECT_EQ(server.requests.size(), 1u);

    form->Label23_Click();  // hidden: no query however the address changes
    form->txt_port_join->setText(server.port());
    form->txt_ip->setEditText(QStringLiteral("127.0.0.1"));
    QTest::qWait(700);
    EXPECT_EQ(server.requests.size(), 1u);
    form->txt_ip->setEditText(QString());
    EXPECT_EQ(line(), QString());

    // Hiding the panel ends the query under way; showing it asks again.
    FakeServer silent(Always({}));
    joinOn(silent.address());
    ASSERT_TRUE(WaitFor([&] { return silent.requests.size() == 1; }, 200));
    form->Label17_Click();
    QTest::qWait(1700);  // the repeat would have gone after 1.5 s
    EXPECT_EQ(silent.requests.size(), 1u);
    EXPECT_EQ(line(), QString());
    form->Label18_Click();
    EXPECT_TRUE(WaitFor([&] { return silent.requests.size() == 2; }, 200));

    // The tests' own guard: an address beyond this machine ends unanswered, unasked.
    form->Label23_Click();
    joinOn(QStringLiteral("192.0.2.7"));
    EXPECT_TRUE(lineBecomes(QStringLiteral("No answer"), 500));
}

TEST_F(JoinStatusTest, AsksAgainEveryTenSecondsWhileShown) {
    FakeServer server(Answers(Info("Steady")));
    joinOn(server.address());
    ASSERT_TRUE(WaitFor([&] { return server.requests.size() == 2; }, 11000));
    EXPECT_NEAR(double(server.requestTimes[1] - server.requestTimes[0]), 10000, 600);
}

TEST_F(JoinStatusTest, TheHistoryShowsEachAddressesStatusAskedAtAPace) {
    FakeServer crossfire(Answers(Info("One", "crossfire")));
    FakeServer silent(Always({}));
    ServerInfo locked = Info("Three", "bounce");
    locked.passwordNeeded = true;
    FakeServer bounce(Answers(locked));
    for (const FakeServer* server : {&crossfire, &silent, &bounce})
        form->txt_ip->addItem(server->address());
    joinOn(QString());
    const auto* delegate =
        dynamic_cast<const HistoryStatusDelegate*>(form->txt_ip->view()->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    auto beside = [&](const FakeServer& server) {
        return delegate->textsOf(server.address())
            .beside.replace(QRegularExpression("\\d+ ms$"), "N ms");
    };
    EXPECT_EQ(beside(crossfire), QString());

    form->txt_ip->showPopup();
    EXPECT_TRUE(WaitFor([&] { return !bounce.requests.empty(); }, 3000));
    // Two paces of 100 ms from the first question to the last, less what a busy machine may
    // add to when a datagram arrives.
    EXPECT_GE(bounce.requestTimes.at(0) - crossfire.requestTimes.at(0), 120);
    EXPECT_LE(crossfire.requestTimes.at(0), silent.requestTimes.at(0));
    EXPECT_LE(silent.requestTimes.at(0), bounce.requestTimes.at(0));
    EXPECT_TRUE(WaitFor(
        [&] { return beside(bounce) == QString::fromUtf8("bounce · 12/16 · password · N ms"); },
        500));
    EXPECT_EQ(beside(crossfire), QString::fromUtf8("crossfire · 12/16 · N ms"));
    EXPECT_EQ(beside(silent), QString::fromUtf8("…"));
    EXPECT_TRUE(delegate->textsOf(bounce.address()).full.startsWith(QStringLiteral("Three · ")));
    EXPECT_EQ(form->txt_ip->itemText(2), bounce.address());
    form->txt_ip->hidePopup();
}

TEST_F(JoinStatusTest, NothingIsStoredAndTheJoinIsUnchanged) {
    FakeServer server(Answers(Info("Kept nowhere")));
    form->txt_ip->addItem(server.address());
    const auto before = Files(temp.path());
    joinOn(server.address());
    form->txt_ip->showPopup();
    ASSERT_TRUE(lineBecomes(QString::fromUtf8("Kept nowhere · de_dust2 · 12/16 players · N ms")));
    form->txt_ip->hidePopup();
    form->Label23_Click();
    EXPECT_EQ(Files(temp.path()), before);
    EXPECT_EQ(form->txt_ip->currentText(), server.address());

    form->Label22_Click();
    form->btn_go_Click();
    EXPECT_EQ(desktop.onlyCommandLine(),
              JoinPath(game.str(), "hl.exe") + " +connect " + server.address().toStdString());
}

}  // namespace
}  // namespace quorvant
