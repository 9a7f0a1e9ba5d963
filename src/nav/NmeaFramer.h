#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

namespace hb::nmea {

// Cuts a raw GPS byte stream into packets as the capture hands them to the decoder: from "$"
// up to and including "*", at most MaxPacketLength characters. The checksum characters after
// "*" and anything else between packets are dropped.
//
// - A "$" always starts a new packet; a packet cut off by the next "$" is dropped, never glued
//   to the next sentence.
// - A packet that reaches MaxPacketLength characters without its "*" is dropped, and so is the
//   rest of it up to the next "$".
// - NMEA sentences are printable ASCII. Any other byte inside a packet (NUL, line ends of a
//   sentence that lost its "*", bytes above 0x7E from line noise or a wrong baud rate) drops
//   the packet; outside a packet such bytes are ignored like any other.
//
// The stream may arrive in pieces of any size; a packet split across feeds is joined.
class Framer
{
public:
    static constexpr int MaxPacketLength = 80;

    // The packets completed by these bytes, in order.
    QStringList feed(QByteArrayView bytes);
    // Forgets a packet in progress: the next packet starts at the next "$".
    void reset() { m_packet.clear(); }

private:
    QByteArray m_packet; // the packet so far, starting with "$"; empty between packets
};

} // namespace hb::nmea
