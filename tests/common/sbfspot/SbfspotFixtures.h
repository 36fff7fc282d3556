#pragma once
#include <QFile>
#include <string>

namespace lumetra::test {

inline std::string sbfspotPath(const std::string& name) {
    return std::string(LUMETRA_TEST_DATA) + "/sbfspot/" + name;
}

inline std::string sbfspotFixture(const std::string& name) {
    QFile f(QString::fromStdString(sbfspotPath(name)));
    f.open(QIODevice::ReadOnly);
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

// PAC of slot s in Plant-20240715.csv: inverter A's two lines 0.010 kW × their five-minute
// index 2s and 2s+1, inverter B 500 W, both in daylight (slots 36 to 119) only.
inline double plantPac(int s) { return s >= 36 && s < 120 ? 20.0 * s + 505.0 : 0.0; }

}  // namespace lumetra::test
