#include "receiver.h"

#include <arpa/inet.h>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

bool open_receiver(udp_receiver& r, int port)
{
    r.fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (r.fd < 0) return false;
    int size = 8 << 20;
    setsockopt(r.fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(r.fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) return false;
    socklen_t len = sizeof addr;
    getsockname(r.fd, reinterpret_cast<sockaddr*>(&addr), &len);
    r.port = ntohs(addr.sin_port);
    return true;
}

void close_receiver(udp_receiver& r)
{
    if (r.fd >= 0) close(r.fd);
    r.fd = -1;
}

bool receive_raw(udp_receiver& r, std::vector<unsigned char>& bytes, int timeout_ms)
{
    pollfd p{r.fd, POLLIN, 0};
    if (poll(&p, 1, timeout_ms) <= 0) return false;
    bytes.resize(65536);
    ssize_t n = recv(r.fd, bytes.data(), bytes.size(), 0);
    if (n < 0) return false;
    bytes.resize(static_cast<std::size_t>(n));
    return true;
}

bool parse_datagram(const std::vector<unsigned char>& bytes, datagram& out)
{
    if (bytes.size() < 12) return false;
    std::memcpy(out.id, bytes.data(), 4);
    out.position = 0;
    for (int i = 7; i >= 0; --i) out.position = (out.position << 8) | bytes[4 + i];
    out.payload.assign(bytes.begin() + 12, bytes.end());
    return true;
}

std::vector<int16_t> left_channel(const std::vector<datagram>& stream)
{
    std::vector<int16_t> samples;
    for (const auto& d : stream)
        for (std::size_t i = 0; i + 3 < d.payload.size(); i += 4)
            samples.push_back(static_cast<int16_t>(d.payload[i] | (d.payload[i + 1] << 8)));
    return samples;
}

double tone_frequency(const std::vector<datagram>& stream)
{
    std::vector<int16_t> left = left_channel(stream);
    if (left.size() < 24000) return 0;
    int crossings = 0;
    for (std::size_t i = left.size() - 24000 + 1; i < left.size(); ++i)
        if ((left[i - 1] < 0) != (left[i] < 0)) ++crossings;
    return crossings / 2.0 / 0.5;
}
