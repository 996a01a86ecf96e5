// The capture callback: each captured buffer goes out as stream datagrams of
// a 4-byte stream identifier, an 8-byte little-endian byte position and at
// most 1,296 bytes of PCM.
#include <cstring>

#include "stream.h"

namespace {
constexpr ma_uint32 header_size = 12;
constexpr ma_uint32 max_payload = 1296;
constexpr ma_uint32 bytes_per_frame = 4;
} // namespace

void on_capture_data(ma_device*, void*, const void* pInput, ma_uint32 frameCount)
{
    const auto* input = static_cast<const unsigned char*>(pInput);
    const ma_uint32 total = frameCount * bytes_per_frame;
    unsigned char packet[header_size + max_payload];

    for (ma_uint32 offset = 0; offset < total; offset += max_payload) {
        const ma_uint32 end = total - offset > max_payload ? offset + max_payload : total;
        const ma_uint32 length = end - offset;
        std::memset(packet, 0, sizeof packet);
        std::memcpy(packet, stream_id, 4);
        const uint64_t position = stream_position + offset;
        for (int i = 0; i < 8; ++i) packet[4 + i] = static_cast<unsigned char>(position >> (8 * i));
        std::memcpy(packet + header_size, input + offset, length);

        const long long sent = sendto(udp_socket, reinterpret_cast<const char*>(packet), header_size + length, 0,
                                 destination->ai_addr, static_cast<int>(destination->ai_addrlen));
        if (sent != static_cast<long long>(header_size + length)) fatal_error("sendto error");
    }
    stream_position += total;
}
