// Cost of one capture callback of 1,200 frames (four datagrams) on loopback,
// against a bare loop of the same four sendto calls. Prints the ratio; the
// target is at most 1.10.
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>
#include <vector>

#include "stream.h"

namespace {

constexpr ma_uint32 frames = 1200;
int receiver_fd = -1;

void open_stream()
{
    receiver_fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(receiver_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    getsockname(receiver_fd, reinterpret_cast<sockaddr*>(&addr), &len);
    udp_socket = socket(AF_INET, SOCK_DGRAM, 0);
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    getaddrinfo("127.0.0.1", std::to_string(ntohs(addr.sin_port)).c_str(), &hints, &destination);
}

// Keeps the receiving queue short, so neither loop measures a full buffer.
void drain()
{
    char buf[2048];
    while (recv(receiver_fd, buf, sizeof buf, MSG_DONTWAIT) > 0) {
    }
}

void capture_callback(benchmark::State& state)
{
    std::vector<unsigned char> input(frames * 4, 0x5a);
    for (auto _ : state) {
        on_capture_data(nullptr, nullptr, input.data(), frames);
        state.PauseTiming();
        drain();
        state.ResumeTiming();
    }
}

void bare_sendto(benchmark::State& state)
{
    std::vector<unsigned char> input(frames * 4, 0x5a);
    unsigned char packet[1308] = {};
    for (auto _ : state) {
        for (ma_uint32 offset = 0; offset < frames * 4; offset += 1296) {
            ma_uint32 length = frames * 4 - offset < 1296 ? frames * 4 - offset : 1296;
            sendto(udp_socket, packet, 12 + length, 0, destination->ai_addr, destination->ai_addrlen);
        }
        state.PauseTiming();
        drain();
        state.ResumeTiming();
    }
}

// Loopback sends are noisy: the ratio is taken between medians of repetitions.
BENCHMARK(capture_callback)->MinTime(0.3)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(bare_sendto)->MinTime(0.3)->Repetitions(9)->ReportAggregatesOnly(true);

class ratio_reporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> times;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                times[run.run_name.function_name] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    open_stream();
    ratio_reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double callback = reporter.times["capture_callback"];
    double bare = reporter.times["bare_sendto"];
    if (callback > 0 && bare > 0)
        std::printf("capture callback / bare sendto loop, medians: %.3f (target <= 1.10)\n", callback / bare);
    return 0;
}
