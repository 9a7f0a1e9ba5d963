#include "nav/NmeaFramer.h"

namespace hb::nmea {

QStringList Framer::feed(QByteArrayView bytes)
{
    QStringList packets;
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (c == '$') {
            m_packet = QByteArrayLiteral("$");
        } else if (m_packet.isEmpty()) {
            continue;
        } else if (c < 0x20 || c > 0x7E) {
            m_packet.clear();
        } else {
            m_packet.append(byte);
            if (c == '*') {
                packets << QString::fromLatin1(m_packet);
                m_packet.clear();
            } else if (m_packet.size() >= MaxPacketLength) {
                m_packet.clear();
            }
        }
    }
    return packets;
}

} // namespace hb::nmea
