#pragma once

#include <QObject>
#include <QTimer>
#include <deque>
#include <map>
#include <optional>

#include "launch/join_status_texts.h"
#include "launch/server_queries.h"

namespace quorvant {

class Form1;

// The join panel's live status: the server about to be joined on a line of the panel, and each
// address of the history beside it when the drop-down opens. Servers are asked only while the
// panel shows: at once, 500 ms after the address or port stops changing, and every 10 s. What
// they answer is kept in memory for the display alone: nothing of it is stored. The window
// owns it and ends it before its controls.
class JoinStatus : public QObject {
  public:
    explicit JoinStatus(Form1& form);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::optional<ServerAddress> targetOf(const QString& address) const;
    std::optional<ServerAddress> joined() const;
    void panelShown();
    void panelHidden();
    void edited();
    void askJoined();
    void askHistory();
    void askNextOfHistory();
    void finished(const QueryResult& result);
    void asking(const ServerAddress& server);
    void showJoined();
    const ServerStatus* statusOf(const std::optional<ServerAddress>& server) const;

    Form1& form_;
    ServerQueries queries_;
    QTimer settle_;
    QTimer repeat_;
    QTimer pace_;
    std::deque<ServerAddress> historyToAsk_;
    std::map<ServerAddress, ServerStatus> known_;
    QString wholeLine_;  // the status line unshortened, when it was shortened to fit
};

}  // namespace quorvant
