#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// Entry points of the NMEA fuzz targets, kept free of libFuzzer so that the normal test build
// can replay the saved corpus through them. Each returns an empty text when every property
// held, otherwise what went wrong.
namespace hb::fuzz {

// The first byte is the UTC offset (a signed byte, so far outside -12..13 as well); the rest
// is UTF-8 text, one packet per line.
QString checkDecode(const std::uint8_t* data, std::size_t size);

// The bytes as a raw stream, framed whole and in pieces cut by the bytes' own values; the
// packets are then decoded in bursts of 20.
QString checkFramer(const std::uint8_t* data, std::size_t size);

} // namespace hb::fuzz
