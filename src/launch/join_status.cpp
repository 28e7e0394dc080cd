#include "launch/join_status.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolTip>

#include "launch/history_status_delegate.h"
#include "ui/form1.h"

namespace quorvant {
namespace {

constexpr int kSettleMs = 500;
constexpr int kRepeatMs = 10000;
constexpr int kHistoryPaceMs = 100;  // between two addresses of the history
constexpr std::size_t kKnownServers = 64;
constexpr int kHistoryWidth = 380;  // room for an address and its status

std::string Bytes(const QString& text) { return text.toStdString(); }

}  // namespace

JoinStatus::JoinStatus(Form1& form) : form_(form) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    repeat_.setInterval(kRepeatMs);
    repeat_.setTimerType(Qt::PreciseTimer);  // a coarse one drifts by up to half a second
    pace_.setInterval(kHistoryPaceMs);
    connect(&settle_, &QTimer::timeout, this, &JoinStatus::askJoined);
    connect(&repeat_, &QTimer::timeout, this, &JoinStatus::askJoined);
    connect(&pace_, &QTimer::timeout, this, &JoinStatus::askNextOfHistory);
    connect(&queries_, &ServerQueries::finished, this, &JoinStatus::finished);
    connect(form.txt_ip, &QComboBox::editTextChanged, this, &JoinStatus::edited);
    connect(form.txt_port_join, &QLineEdit::textChanged, this, &JoinStatus::edited);
    form.Frame_Join->installEventFilter(this);
    form.lbl_join_status->installEventFilter(this);
    QAbstractItemView* history = form.txt_ip->view();
    history->installEventFilter(this);
    history->setMinimumWidth(kHistoryWidth);
    form.txt_ip->setItemDelegate(new HistoryStatusDelegate(
        [this](const QString& address) {
            const ServerStatus* status = statusOf(targetOf(address));
            if (!status) return HistoryStatusDelegate::Texts();
            return HistoryStatusDelegate::Texts{ShortStatus(*status, form_.language()),
                                                FullStatusLine(*status, form_.language())};
        },
        form.txt_ip));
}

bool JoinStatus::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == form_.Frame_Join && type == QEvent::Show) panelShown();
    if (watched == form_.Frame_Join && type == QEvent::Hide) panelHidden();
    if (watched == form_.txt_ip->view() && type == QEvent::Show) askHistory();
    // The language tables give the line its tooltip: the line follows the language then.
    if (watched == form_.lbl_join_status && type == QEvent::ToolTipChange) showJoined();
    if (watched == form_.lbl_join_status && type == QEvent::ToolTip && !wholeLine_.isEmpty()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), wholeLine_,
                           form_.lbl_join_status);
        return true;
    }
    return false;
}

// The address as the launch would join it, with the port typed beside it.
std::optional<ServerAddress> JoinStatus::targetOf(const QString& address) const {
    return JoinTarget(Bytes(address), Bytes(form_.txt_port_join->text()));
}

std::optional<ServerAddress> JoinStatus::joined() const {
    return targetOf(form_.txt_ip->currentText());
}

void JoinStatus::panelShown() {
    askJoined();
    repeat_.start();
}

void JoinStatus::panelHidden() {
    settle_.stop();
    repeat_.stop();
    pace_.stop();
    historyToAsk_.clear();
    queries_.cancelAll();
    // A query cut short leaves nothing to wait for.
    std::erase_if(known_, [](const auto& entry) { return entry.second.asking; });
    showJoined();
}

void JoinStatus::edited() {
    showJoined();
    if (form_.Frame_Join->isVisible()) settle_.start();
}

void JoinStatus::askJoined() {
    const std::optional<ServerAddress> server = joined();
    if (server && form_.Frame_Join->isVisible()) {
        asking(*server);
        repeat_.start();  // the next one 10 s after this one
    }
    showJoined();
}

void JoinStatus::askHistory() {
    historyToAsk_.clear();
    for (int entry = 0; entry < form_.txt_ip->count(); ++entry) {
        const std::optional<ServerAddress> server = targetOf(form_.txt_ip->itemText(entry));
        if (server) historyToAsk_.push_back(*server);
    }
    askNextOfHistory();
    pace_.start();
}

void JoinStatus::askNextOfHistory() {
    if (historyToAsk_.empty() || !form_.Frame_Join->isVisible()) {
        pace_.stop();
        return;
    }
    asking(historyToAsk_.front());
    historyToAsk_.pop_front();
    form_.txt_ip->view()->viewport()->update();
}

void JoinStatus::asking(const ServerAddress& server) {
    if (!known_.contains(server) && known_.size() >= kKnownServers) known_.clear();
    known_.try_emplace(server);
    queries_.ask(server);
}

void JoinStatus::finished(const QueryResult& result) {
    known_[result.server] = ServerStatus{false, result.answer};
    if (result.server == joined()) showJoined();
    form_.txt_ip->view()->viewport()->update();
}

const ServerStatus* JoinStatus::statusOf(const std::optional<ServerAddress>& server) const {
    if (!server) return nullptr;
    const auto known = known_.find(*server);
    return known == known_.end() ? nullptr : &known->second;
}

void JoinStatus::showJoined() {
    QLabel* line = form_.lbl_join_status;
    const ServerStatus* status = statusOf(joined());
    line->setText(status ? StatusLine(*status, form_.language(), line->fontMetrics(), line->width())
                         : QString());
    // A shortened line shows whole in its tooltip.
    const QString whole = status ? FullStatusLine(*status, form_.language()) : QString();
    wholeLine_ = whole != line->text() ? whole : QString();
}

}  // namespace quorvant
