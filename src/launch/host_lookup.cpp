#include "launch/host_lookup.h"

#include <QHostInfo>
#include <QTimer>

namespace quorvant {
namespace {

constexpr char kLocalHostName[] = "localhost";

QHostAddress Allowed(const QHostAddress& address, QueryScope scope) {
    const bool v4 = address.protocol() == QAbstractSocket::IPv4Protocol;
    if (!v4 || (scope == QueryScope::ThisMachineOnly && !address.isLoopback())) return {};
    return address;
}

}  // namespace

void LookUpHost(QObject* context, const std::string& host, QueryScope scope,
                const std::function<void(const QHostAddress&)>& found) {
    const QString name = QString::fromStdString(host);
    QHostAddress literal;
    if (name.compare(QLatin1String(kLocalHostName), Qt::CaseInsensitive) == 0)
        literal = QHostAddress(QHostAddress::LocalHost);
    if (!literal.isNull() || literal.setAddress(name) || scope == QueryScope::ThisMachineOnly) {
        // A name other than this machine's is never looked up for a test.
        QTimer::singleShot(0, context,
                           [found, address = Allowed(literal, scope)] { found(address); });
        return;
    }
    QHostInfo::lookupHost(name, context, [found, scope](const QHostInfo& info) {
        QHostAddress address;
        for (const QHostAddress& candidate : info.addresses()) {
            if (candidate.protocol() == QAbstractSocket::IPv4Protocol) address = candidate;
        }
        found(Allowed(address, scope));
    });
}

}  // namespace quorvant
