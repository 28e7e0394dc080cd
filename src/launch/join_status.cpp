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

constexpr int kHistoryWidth = 380;  // room for an address and its status

std::string Bytes(const QString& text) { return text.toStdString(); }

}  // namespace

JoinStatus::JoinStatus(Form1& form, const StatusOptions& options) : form_(form), model_(options) {
    connect(&model_, &ServerStatusModel::changed, this, &JoinStatus::changed);
    connect(&form.languageState(), &LanguageState::changed, this, &JoinStatus::showJoined);
    connect(form.txt_ip, &QComboBox::editTextChanged, this, &JoinStatus::edited);
    connect(form.txt_port_join, &QLineEdit::textChanged, this, &JoinStatus::edited);
    form.Frame_Join->installEventFilter(this);
    form.lbl_join_status->installEventFilter(this);
    QAbstractItemView* history = form.txt_ip->view();
    history->installEventFilter(this);
    history->setMinimumWidth(kHistoryWidth);
    form.txt_ip->setItemDelegate(new HistoryStatusDelegate(
        [this](const QString& address) {
            const ServerStatus* status = model_.statusOf(targetOf(address));
            if (!status) return HistoryStatusDelegate::Texts();
            return HistoryStatusDelegate::Texts{ShortStatus(*status, form_.language()),
                                                FullStatusLine(*status, form_.language())};
        },
        form.txt_ip));
}

bool JoinStatus::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == form_.Frame_Join && (type == QEvent::Show || type == QEvent::Hide)) {
        model_.setJoined(targetOf(form_.txt_ip->currentText()));
        model_.watch(type == QEvent::Show);
        showJoined();
    }
    if (watched == form_.txt_ip->view() && type == QEvent::Show) askHistory();
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

void JoinStatus::edited() {
    model_.setJoined(targetOf(form_.txt_ip->currentText()));
    showJoined();
}

void JoinStatus::askHistory() {
    std::vector<ServerAddress> servers;
    for (int entry = 0; entry < form_.txt_ip->count(); ++entry) {
        if (auto server = targetOf(form_.txt_ip->itemText(entry))) servers.push_back(*server);
    }
    model_.askEach(std::move(servers));
}

void JoinStatus::changed(const ServerAddress& server) {
    if (server == model_.joined()) showJoined();
    form_.txt_ip->view()->viewport()->update();
}

void JoinStatus::showJoined() {
    QLabel* line = form_.lbl_join_status;
    const ServerStatus* status = model_.statusOf(model_.joined());
    line->setText(status ? StatusLine(*status, form_.language(), line->fontMetrics(), line->width())
                         : QString());
    // A shortened line shows whole in its tooltip.
    const QString whole = status ? FullStatusLine(*status, form_.language()) : QString();
    wholeLine_ = whole != line->text() ? whole : QString();
}

}  // namespace quorvant
