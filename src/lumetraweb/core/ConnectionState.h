#pragma once
// Whether the machine is online, and how: the kernel's interfaces stand in for the
// platform query the viewer was made for. Only the LAN and modem flags occur here.
#include <string>

namespace lumetra {

namespace ConnectionFlag {
inline constexpr int Modem = 1;
inline constexpr int Lan = 2;
inline constexpr int Proxy = 4;
inline constexpr int ModemBusy = 8;
}  // namespace ConnectionFlag

struct ConnectionState {
    bool connected = false;
    int flags = 0;
};

class ConnectionProbe {
public:
    virtual ~ConnectionProbe() = default;
    // `host`: the base URL's host; a loopback host counts as connected over LAN.
    virtual ConnectionState query(const std::string& host) const = 0;
};

class SystemConnectionProbe : public ConnectionProbe {
public:
    ConnectionState query(const std::string& host) const override;
};

bool isLoopbackHost(const std::string& host);

// "Modem", "LAN", "Proxy", "Modem Busy", tested in this order, a later match replacing
// an earlier one; "" when none is set.
std::string connectionKind(int flags);

// The two status texts of the main window.
std::string connectedStatusText(int flags);
std::string notConnectedStatusText();

}  // namespace lumetra
