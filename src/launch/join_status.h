#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "launch/server_status.h"

namespace quorvant {

class Form1;

// Shows the server status model on the join panel: the server about to be joined on a line of
// the panel, and each address of the history beside it when the drop-down opens. The model
// watches while the panel shows. The window owns it and ends it before its controls.
class JoinStatus : public QObject {
  public:
    JoinStatus(Form1& form, const StatusOptions& options);

    const ServerStatusModel& model() const { return model_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::optional<ServerAddress> targetOf(const QString& address) const;
    void edited();
    void askHistory();
    void changed(const ServerAddress& server);
    void showJoined();

    Form1& form_;
    ServerStatusModel model_;
    QString wholeLine_;  // the status line unshortened, when it was shortened to fit
};

}  // namespace quorvant
