#include "ConnectionState.h"

#include <QHostAddress>
#include <QNetworkInterface>

namespace lumetra {

bool isLoopbackHost(const std::string& rawHost) {
    std::string host = rawHost;
    if (host.size() > 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
    if (QString::fromStdString(host).compare("localhost", Qt::CaseInsensitive) == 0) return true;
    QHostAddress address;
    return address.setAddress(QString::fromStdString(host)) && address.isLoopback();
}

ConnectionState SystemConnectionProbe::query(const std::string& host) const {
    ConnectionState state;
    if (isLoopbackHost(host)) {
        state.connected = true;
        state.flags |= ConnectionFlag::Lan;
    }
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
        const auto f = iface.flags();
        if (!f.testFlag(QNetworkInterface::IsUp) || !f.testFlag(QNetworkInterface::IsRunning) ||
            f.testFlag(QNetworkInterface::IsLoopBack) || iface.addressEntries().isEmpty())
            continue;
        state.connected = true;
        switch (iface.type()) {
            case QNetworkInterface::Ethernet:
            case QNetworkInterface::Wifi:
                state.flags |= ConnectionFlag::Lan;
                break;
            case QNetworkInterface::Ppp:
            case QNetworkInterface::Slip:
            case QNetworkInterface::Phonet:
            case QNetworkInterface::Ieee80216:
                state.flags |= ConnectionFlag::Modem;
                break;
            default:
                break;
        }
    }
    return state;
}

std::string connectionKind(int flags) {
    std::string kind;
    if (flags & ConnectionFlag::Modem) kind = "Modem";
    if (flags & ConnectionFlag::Lan) kind = "LAN";
    if (flags & ConnectionFlag::Proxy) kind = "Proxy";
    if (flags & ConnectionFlag::ModemBusy) kind = "Modem Busy";
    return kind;
}

std::string connectedStatusText(int flags) {
    return " Internetverbindung : " + connectionKind(flags) + "  " + "Internetverbindung besteht";
}

std::string notConnectedStatusText() {
    return " Es besteht keine Verbindung ins Internet. Bitte Verbindung herstellen.";
}

}  // namespace lumetra
