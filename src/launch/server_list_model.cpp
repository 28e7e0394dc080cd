#include "launch/server_list_model.h"

#include "launch/server_list.h"

namespace quorvant {
namespace {

const QString kStar = QStringLiteral("\u2605");
const QString kMark = QStringLiteral("\u25CF");
const QString kTick = QStringLiteral("\u2713");

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString Players(const ServerInfo& info) {
    QString text = QStringLiteral("%1/%2").arg(info.players).arg(info.maxPlayers);
    if (info.bots > 0) text += QStringLiteral(" (%1)").arg(info.bots);
    return text;
}

QString System(char system) {
    switch (system) {
        case 'l':
            return QStringLiteral("Linux");
        case 'w':
            return QStringLiteral("Windows");
        case 'm':
        case 'o':
            return QStringLiteral("macOS");
        default:
            return {};
    }
}

// What a column sorts on, of a server that answered: numbers as numbers.
QVariant SortKey(const BrowserRow& row, ServerColumn column, bool favourite) {
    if (column == ServerColumn::Favourite) return favourite ? 0 : 1;
    if (!row.answer) return {};
    const ServerInfo& info = row.answer->info;
    switch (column) {
        case ServerColumn::Password:
            return info.passwordNeeded ? 0 : 1;
        case ServerColumn::Name:
            return FromUtf8(info.name);
        case ServerColumn::Mod:
            return FromUtf8(info.folder);
        case ServerColumn::Map:
            return FromUtf8(info.map);
        case ServerColumn::Players:
            return info.players;
        case ServerColumn::Ping:
            return row.answer->roundTripMs;
        case ServerColumn::Secure:
            return info.secure ? 0 : 1;
        case ServerColumn::System:
            return int(info.system);
        case ServerColumn::Dedicated:
            return info.dedicated ? 0 : 1;
        default:
            return {};
    }
}

}  // namespace

ServerListModel::ServerListModel(QObject* parent) : QAbstractTableModel(parent) {
    batchTimer_.setSingleShot(true);
    batchTimer_.setInterval(kBatchMs);
    connect(&batchTimer_, &QTimer::timeout, this, &ServerListModel::flush);
}

void ServerListModel::setHeaders(const QStringList& headers) {
    headers_ = headers;
    emit headerDataChanged(Qt::Horizontal, 0, kServerColumnCount - 1);
}

void ServerListModel::setStateTexts(const QString& asking, const QString& noAnswer) {
    asking_ = asking;
    noAnswer_ = noAnswer;
    if (!rows_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, kServerColumnCount - 1));
}

void ServerListModel::setFavourites(std::set<ServerAddress> favourites) {
    favourites_ = std::move(favourites);
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
}

bool ServerListModel::isFavourite(const ServerAddress& server) const {
    return favourites_.contains(server);
}

void ServerListModel::clear() {
    beginResetModel();
    rows_.clear();
    batch_.clear();
    where_.clear();
    answered_ = 0;
    batchTimer_.stop();
    endResetModel();
}

void ServerListModel::addAsked(const ServerAddress& server) {
    if (!where_.contains(server)) add({server, std::nullopt, true});
}

void ServerListModel::answered(const ServerAddress& server, const ServerAnswer& answer) {
    const auto found = where_.find(server);
    if (found == where_.end()) {
        ++answered_;
        add({server, answer, false});
        return;
    }
    BrowserRow& row =
        found->second < rows_.size() ? rows_[found->second] : batch_[found->second - rows_.size()];
    if (!row.answer) ++answered_;
    row.answer = answer;
    row.asking = false;
    changed(int(found->second));
}

void ServerListModel::unanswered(const ServerAddress& server) {
    const auto found = where_.find(server);
    if (found == where_.end()) return;
    BrowserRow& row =
        found->second < rows_.size() ? rows_[found->second] : batch_[found->second - rows_.size()];
    row.asking = false;
    changed(int(found->second));
}

void ServerListModel::add(BrowserRow row) {
    where_.emplace(row.server, rows_.size() + batch_.size());
    batch_.push_back(std::move(row));
    if (!batchTimer_.isActive()) batchTimer_.start();
}

void ServerListModel::flush() {
    batchTimer_.stop();
    if (batch_.empty()) return;
    const int first = int(rows_.size());
    beginInsertRows({}, first, first + int(batch_.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(batch_.begin()),
                 std::make_move_iterator(batch_.end()));
    batch_.clear();
    endInsertRows();
}

void ServerListModel::settle() {
    bool any = false;
    for (BrowserRow& row : rows_) {
        any = any || row.asking;
        row.asking = false;
    }
    if (any) emit dataChanged(index(0, 0), index(rowCount() - 1, kServerColumnCount - 1));
}

int ServerListModel::rowOf(const ServerAddress& server) const {
    const auto found = where_.find(server);
    return found == where_.end() || found->second >= rows_.size() ? -1 : int(found->second);
}

void ServerListModel::changed(int index) {
    if (index < int(rows_.size()))
        emit dataChanged(this->index(index, 0), this->index(index, kServerColumnCount - 1));
}

int ServerListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int ServerListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kServerColumnCount;
}

QVariant ServerListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const BrowserRow& row = rows_[std::size_t(index.row())];
    const auto column = ServerColumn(index.column());
    if (role == kSortRole) return SortKey(row, column, isFavourite(row.server));
    if (role == Qt::DisplayRole) return display(row, column);
    if (role == Qt::ToolTipRole && column == ServerColumn::Name)
        return QString::fromStdString(AddressText(row.server));
    if (role == Qt::TextAlignmentRole && column >= ServerColumn::Players)
        return int(Qt::AlignCenter);
    return {};
}

QVariant ServerListModel::display(const BrowserRow& row, ServerColumn column) const {
    if (column == ServerColumn::Favourite) return isFavourite(row.server) ? kStar : QString();
    if (!row.answer) {
        if (column == ServerColumn::Name) return QString::fromStdString(AddressText(row.server));
        if (column == ServerColumn::Map) return row.asking ? asking_ : noAnswer_;
        return {};
    }
    const ServerInfo& info = row.answer->info;
    switch (column) {
        case ServerColumn::Password:
            return info.passwordNeeded ? kMark : QString();
        case ServerColumn::Name:
            return FromUtf8(info.name);
        case ServerColumn::Mod:
            return FromUtf8(info.folder);
        case ServerColumn::Map:
            return FromUtf8(info.map);
        case ServerColumn::Players:
            return Players(info);
        case ServerColumn::Ping:
            return row.answer->roundTripMs;
        case ServerColumn::Secure:
            return info.secure ? kTick : QString();
        case ServerColumn::System:
            return System(info.system);
        case ServerColumn::Dedicated:
            return info.dedicated ? kTick : QString();
        default:
            return {};
    }
}

QVariant ServerListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= headers_.size()) return {};
    if (role == Qt::DisplayRole) return headers_[section];
    return {};
}

ServerListProxy::ServerListProxy(ServerListModel& model, QObject* parent)
    : QSortFilterProxyModel(parent), model_(model) {
    setSourceModel(&model);
    setSortRole(ServerListModel::kSortRole);
    setDynamicSortFilter(true);
}

void ServerListProxy::setFilter(ServerFilter filter) {
    filter_ = std::move(filter);
    invalidateRowsFilter();
}

bool ServerListProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const BrowserRow& row = model_.row(sourceRow);
    // A server of the user's own lists that has not answered stays in sight.
    return !row.answer || Keeps(filter_, row.answer->info);
}

bool ServerListProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const auto column = ServerColumn(left.column());
    const BrowserRow& a = model_.row(left.row());
    const BrowserRow& b = model_.row(right.row());
    // Servers that answered before those that did not, whatever the column, in either order.
    if (column != ServerColumn::Favourite && a.answer.has_value() != b.answer.has_value())
        return (sortOrder() == Qt::AscendingOrder) == a.answer.has_value();
    if (column != ServerColumn::Favourite && !a.answer)
        return QString::fromStdString(a.server.host) < QString::fromStdString(b.server.host);
    if (column == ServerColumn::Name)
        return QString::compare(FromUtf8(a.answer->info.name), FromUtf8(b.answer->info.name),
                                Qt::CaseInsensitive) < 0;
    const QVariant keyA = SortKey(a, column, model_.isFavourite(a.server));
    const QVariant keyB = SortKey(b, column, model_.isFavourite(b.server));
    return QVariant::compare(keyA, keyB) == QPartialOrdering::Less;
}

}  // namespace quorvant
