// Windows-side probe: sends one capture callback's worth of stream datagrams
// through Winsock to 127.0.0.1:<port>, so a receiver on the host can check them.
//   datagram_probe <port> <frames>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "stream.h"

int main(int argc, char** argv)
{
    if (argc != 3) return 2;
    plat_net_startup();
    udp_socket = socket(AF_INET, SOCK_DGRAM, 0);
    addrinfo hints = {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    if (getaddrinfo("127.0.0.1", argv[1], &hints, &destination) != 0) return 3;
    const unsigned char id[4] = {1, 2, 3, 254};
    std::memcpy(stream_id, id, 4);
    stream_position = 0;
    const ma_uint32 frames = static_cast<ma_uint32>(std::atoi(argv[2]));
    std::vector<unsigned char> input(frames * 4);
    for (std::size_t i = 0; i < input.size(); ++i) input[i] = static_cast<unsigned char>(i * 7);
    on_capture_data(nullptr, nullptr, input.data(), frames);
    on_capture_data(nullptr, nullptr, input.data(), frames);
    plat_close_socket(udp_socket);
    freeaddrinfo(destination);
    plat_net_cleanup();
    std::printf("sent\n");
    return 0;
}
