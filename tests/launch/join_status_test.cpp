// The join panel's status of each server, asked over real UDP sockets of game servers played by
// the test on 127.0.0.1.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QDeadlineTimer>
#include <QNetworkDatagram>
#include <QRegularExpression>
#include <QTest>
#include <QUdpSocket>
#include <filesystem>
#include <functional>
#include <map>

#include "launch/game_panels.h"
#include "launch/history_status_delegate.h"
#include "launch/join_status_texts.h"
#include "support/fake_game_server.h"
#include "support/server_replies.h"

namespace quorvant {
namespace {

using ::quorvant::testing::Always;
using ::quorvant::testing::ChallengeReply;
using ::quorvant::testing::CurrentReply;
using ::quorvant::testing::FakeServer;
using ::quorvant::testing::Now;
using namespace std::string_literals;

ServerInfo Info(std::string name, std::string map = "de_dust2", int bots = 0) {
    return {false,
            std::move(name),
            std::move(map),
            "cstrike",
            "Counter-Strike",
            12,
            16,
            bots,
            false,
            false,
            "",
            0,
            ""};
}

// Every file of the test's machine, with its bytes.
std::map<std::string, std::string> Files(const std::filesystem::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.is_regular_file())
            files[entry.path().string()] = ::quorvant::testing::ReadFile(entry.path());
    }
    return files;
}

// A status with its round trip written as N.
QString Shown(QString status) { return status.replace(QRegularExpression("\\d+ ms$"), "N ms"); }

// The join panel's timing shortened twentyfold, so that what takes seconds takes a fraction of one.
constexpr StatusTiming kQuick{.settleMs = 25, .repeatMs = 500, .paceMs = 20, .replyWaitMs = 75};

class JoinStatusTest : public ::quorvant::testing::GamePanelsTest {
  protected:
    JoinStatusTest() : GamePanelsTest(StatusOptions{kQuick, QueryScope::ThisMachineOnly}) {}

    QString line() const { return Shown(form->lbl_join_status->text()); }
    // Shows the join panel on `address`, which it asks at once.
    void joinOn(const QString& address, const QString& port = {}) {
        form->txt_port_join->setText(port);
        form->txt_ip->setEditText(address);
        form->Label22_Click();
    }
};

// One run for everything asked while the panel stays open: the address typed, the history's
// addresses with every kind of reply, and the joined server's repeat. The program's own timing:
// 500 ms after typing, every 10 s, the history's addresses 100 ms apart, a repeat after 1.5 s.
TEST_F(JoinStatusTest, ShowsEachServersStatusAndAsksTheJoinedOneEveryTenSeconds) {
    EXPECT_EQ(StatusTiming{}, (StatusTiming{500, 10000, 100, 1500}));
    ServerInfo joinedInfo = Info("<b>Caf\xE9</b>\r\n" + std::string(200, 'x'), "de_dust2", 3);
    joinedInfo.passwordNeeded = true;
    FakeServer joined(Always({CurrentReply(joinedInfo)}));
    const std::string challenge = "\x01\xFFz\0"s;
    const std::string whole = CurrentReply(Info("Caf\xC3\xA9 UTF-8"));
    FakeServer challenged([&](const std::string& request) {
        return std::vector{request == InfoRequest(challenge) ? whole : ChallengeReply(challenge)};
    });
    FakeServer oldFirst(Always({::quorvant::testing::OldReply(Info("Old", "oldmap")), whole}));
    FakeServer cut(Always({whole.substr(0, whole.size() - 1)}));
    FakeServer silent(Always({}));
    for (const FakeServer* server : {&silent, &challenged, &oldFirst, &cut})
        form->txt_ip->addItem(server->address());
    const auto* delegate =
        dynamic_cast<const HistoryStatusDelegate*>(form->txt_ip->view()->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    const auto beside = [&](const FakeServer& server) {
        return Shown(delegate->textsOf(server.address()).beside);
    };
    const auto files = Files(temp.path());

    // The history is asked when it opens, an address a pace after the other; the joined address
    // once typing has settled.
    joinOn(QString());
    EXPECT_EQ(beside(silent), QString());
    form->txt_ip->showPopup();
    form->txt_ip->setEditText("127.0.0.1:");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !oldFirst.requests.empty(); }, 3000));
    const qint64 typed = Now();
    form->txt_ip->setEditText(joined.address());
    ASSERT_TRUE(QTest::qWaitFor([&] { return line().endsWith("N ms"); }, 3000));
    EXPECT_GE(joined.times.at(0) - typed, kQuick.settleMs - 5);
    // Two paces from the first address asked to the third, less what a busy machine may add to
    // when a datagram arrives.
    EXPECT_GE(oldFirst.times.at(0) - silent.times.at(0), 2 * kQuick.paceMs - 10);
    EXPECT_TRUE(line().startsWith(QString::fromUtf8("<b>Café</b> xxx"))) << line().toStdString();
    EXPECT_TRUE(line().endsWith(
        QString::fromUtf8("… · de_dust2 · 12/16 players (3 bots) · password · N ms")))
        << line().toStdString();
    const QLabel* status = form->lbl_join_status;
    EXPECT_LE(status->fontMetrics().horizontalAdvance(status->text()), status->width());
    form->Image2_Click();
    EXPECT_TRUE(line().endsWith(
        QString::fromUtf8("… · de_dust2 · 12/16 joueurs (3 bots) · mot de passe · N ms")))
        << line().toStdString();

    EXPECT_TRUE(
        QTest::qWaitFor([&] { return beside(cut) == QString::fromUtf8("Pas de réponse"); }, 3000));
    EXPECT_EQ(beside(challenged), QString::fromUtf8("de_dust2 · 12/16 · N ms"));
    EXPECT_EQ(challenged.requests, (std::vector{InfoRequest(), InfoRequest(challenge)}));
    EXPECT_TRUE(delegate->textsOf(challenged.address())
                    .full.startsWith(QString::fromUtf8("Café UTF-8 · ")));
    EXPECT_EQ(beside(oldFirst), QString::fromUtf8("oldmap · 12/16 · N ms"));
    EXPECT_EQ(beside(silent), QString::fromUtf8("…"));
    EXPECT_EQ(form->txt_ip->itemText(3), cut.address());

    ASSERT_TRUE(QTest::qWaitFor([&] { return joined.requests.size() == 2; }, 2 * kQuick.repeatMs));
    EXPECT_NEAR(double(joined.times[1] - joined.times[0]), kQuick.repeatMs, 60);
    EXPECT_EQ(beside(silent), QString::fromUtf8("Pas de réponse"));
    ASSERT_EQ(silent.requests, (std::vector{InfoRequest(), InfoRequest()}));
    EXPECT_NEAR(double(silent.times[1] - silent.times[0]), kQuick.replyWaitMs, 30);
    for (const FakeServer* server : {&challenged, &oldFirst, &cut})
        EXPECT_EQ(server->requests.size(), server == &challenged ? 2u : 1u);
    form->txt_ip->hidePopup();

    // What servers say is shown, never stored, and changes nothing of the join.
    EXPECT_EQ(Files(temp.path()), files);
    form->btn_go_Click();
    EXPECT_EQ(desktop.onlyCommandLine(), JoinPath(game.str(), "hl.exe") + " -console +connect " +
                                             joined.address().toStdString());
}

TEST_F(JoinStatusTest, AsksOnlyWhileThePanelShowsAndNothingBeyondThisMachine) {
    FakeServer silent(Always({}));
    joinOn(silent.address());
    EXPECT_EQ(line(), QStringLiteral("Asking the server…"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return silent.requests.size() == 1; }, 200));
    form->Label17_Click();  // hidden: the query under way ends, and typing asks nothing
    EXPECT_EQ(line(), QString());
    form->txt_port_join->setText(silent.address().section(':', 1));
    form->txt_ip->setEditText("127.0.0.1");
    QTest::qWait(kQuick.replyWaitMs + 100);  // the repeat would have gone by now
    EXPECT_EQ(silent.requests.size(), 1u);
    form->Label18_Click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return silent.requests.size() == 2; }, 200));

    // The tests' own guard: an address outside the loopback range ends unanswered, unasked.
    form->Label23_Click();
    joinOn(QStringLiteral("192.0.2.7"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return line() == QStringLiteral("No answer"); }, 500));
}

// A line too long for its place gives way with an ellipsis, the name first, then the map; the
// players, the password and the round trip stay whole. The whole line shows in the tooltip.
TEST_F(JoinStatusTest, ALongStatusLineIsShortenedKeepingPlayersAndRoundTrip) {
    ServerInfo info;
    info.name = "A very long server name that never ends, with a long motto after it";
    info.map = "de_a_map_with_a_rather_long_name";
    info.players = 12;
    info.maxPlayers = 16;
    info.passwordNeeded = true;
    const ServerStatus status{false, ServerAnswer{info, 38}};
    const QFontMetrics metrics = form->lbl_join_status->fontMetrics();
    for (const Language language : {Language::English, Language::French}) {
        const QString whole = FullStatusLine(status, language);
        const QString tail = language == Language::French
                                 ? QStringLiteral("12/16 joueurs · mot de passe · 38 ms")
                                 : QStringLiteral("12/16 players · password · 38 ms");
        EXPECT_TRUE(whole.startsWith(QString::fromStdString(info.name)) && whole.endsWith(tail));
        for (const int width : {1000, 300, 220, 120}) {
            const QString line = StatusLine(status, language, metrics, width);
            EXPECT_LE(metrics.horizontalAdvance(line), width) << line.toStdString();
            EXPECT_EQ(line == whole, width >= 1000) << line.toStdString();
            const bool tailFits = metrics.horizontalAdvance(tail) <= width;
            EXPECT_TRUE(line.endsWith(tailFits ? tail : QStringLiteral("38 ms")))
                << line.toStdString();
        }
    }
}

}  // namespace
}  // namespace quorvant
