// A UDP receiver on 127.0.0.1 that collects datagrams for the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct datagram {
    unsigned char id[4];
    uint64_t position;
    std::vector<unsigned char> payload;
};

struct udp_receiver {
    int fd = -1;
    int port = 0;
};

// port 0 picks a free one.
bool open_receiver(udp_receiver& r, int port);
void close_receiver(udp_receiver& r);
// Receives one raw datagram, waiting at most timeout_ms; false on timeout.
bool receive_raw(udp_receiver& r, std::vector<unsigned char>& bytes, int timeout_ms);
// Splits a stream datagram into its fields; false when shorter than 12 bytes.
bool parse_datagram(const std::vector<unsigned char>& bytes, datagram& out);
// The left-channel samples of a stream's datagrams, in their order.
std::vector<int16_t> left_channel(const std::vector<datagram>& stream);
// The frequency of the tone in the stream's last half second, from the zero
// crossings of its left channel; 0 when the stream is shorter.
double tone_frequency(const std::vector<datagram>& stream);
