#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <QTimer>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "launch/server_list.h"
#include "launch/server_queries.h"

namespace quorvant {

// The columns of the server list, in their order.
enum class ServerColumn : int {
    Favourite,
    Password,
    Name,
    Mod,
    Map,
    Players,
    Ping,
    Secure,
    System,
    Dedicated
};
inline constexpr int kServerColumnCount = 10;

// A server of the list: asked, answered, or given up.
struct BrowserRow {
    ServerAddress server;
    std::optional<ServerAnswer> answer;
    bool asking = true;
};

// The servers of one list, in the order they came. Answers are added in batches, so that a
// list filling with thousands of servers keeps the views and the event loop quick.
class ServerListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int kBatchMs = 40;
    static constexpr int kSortRole = Qt::UserRole + 1;

    explicit ServerListModel(QObject* parent = nullptr);

    void setHeaders(const QStringList& headers);
    // Texts that stand in for missing values: a server being asked, and one that did not answer.
    void setStateTexts(const QString& asking, const QString& noAnswer);
    void setFavourites(std::set<ServerAddress> favourites);
    bool isFavourite(const ServerAddress& server) const;

    // Empties the list.
    void clear();
    // A server to be shown before it answers: one of the user's lists.
    void addAsked(const ServerAddress& server);
    void answered(const ServerAddress& server, const ServerAnswer& answer);
    void unanswered(const ServerAddress& server);
    // Adds what is waiting for the next batch now.
    void flush();
    // No server is being asked any more: those still waiting show as unanswered.
    void settle();
    // The row of a server, or -1.
    int rowOf(const ServerAddress& server) const;

    const BrowserRow& row(int index) const { return rows_[std::size_t(index)]; }
    int answeredCount() const { return answered_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QVariant display(const BrowserRow& row, ServerColumn column) const;
    void add(BrowserRow row);
    void changed(int index);

    std::vector<BrowserRow> rows_;
    std::vector<BrowserRow> batch_;
    std::map<ServerAddress, std::size_t> where_;  // in rows_, or past its end in batch_
    std::set<ServerAddress> favourites_;
    QStringList headers_;
    QString asking_;
    QString noAnswer_;
    QTimer batchTimer_;
    int answered_ = 0;
};

// The list as the filters keep it, sorted on the rows' own values.
class ServerListProxy : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    explicit ServerListProxy(ServerListModel& model, QObject* parent = nullptr);

    void setFilter(ServerFilter filter);
    const ServerListModel& servers() const { return model_; }

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    ServerListModel& model_;
    ServerFilter filter_;
};

}  // namespace quorvant
