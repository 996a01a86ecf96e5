// The streaming core as a process of its own: start-up output, a real stream
// from a null sink's monitor to a receiver on 127.0.0.1:10204,
// and the fatal paths with their text and exit code. Runs in a network
// namespace of its own.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/stat.h>

#include "child.h"
#include "pulse.h"
#include "receiver.h"

namespace {

const std::string sink = "ostrelle_out";

class stream_process : public ::testing::Test {
protected:
    pulse_server pulse;
    std::string config;

    void start_server(const std::vector<std::string>& sinks)
    {
        ASSERT_TRUE(start_pulse(pulse, sinks)) << sound_server() << " did not come up";
    }

    void SetUp() override
    {
        config = make_temp_dir("config");
        mkdir((config + "/ostrelle").c_str(), 0755);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        unsetenv("DISPLAY");  // no error box: the report goes straight on
    }

    void TearDown() override { stop_pulse(pulse); }

    std::string saved() const { return read_file(config + "/ostrelle/ip.txt"); }

    static child_result run_cli(const std::vector<std::string>& args, double timeout_s = 30)
    {
        std::vector<std::string> argv = {STREAM_CLI};
        argv.insert(argv.end(), args.begin(), args.end());
        child_process child = spawn_child(argv);
        return wait_child(child, timeout_s);
    }

    static std::vector<int> first_identifiers(int n)
    {
        std::vector<int> values;
        std::istringstream in(run_cli({"--rand", std::to_string(n)}).out);
        for (int v; in >> v;) values.push_back(v);
        return values;
    }
};

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST_F(stream_process, start_up_lists_every_output_device_then_loads_the_address)
{
    start_server({"alpha", "beta", "gamma"});
    write_file(config + "/ostrelle/ip.txt", "127.0.0.1");
    child_result r = run_cli({"--shutdown"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(lines_of(r.out), (std::vector<std::string>{"capture device alpha", "capture device beta",
                                                          "capture device gamma", "ip 127.0.0.1"}));
}

TEST_F(stream_process, no_output_device_is_fatal)
{
    if (sound_server() == "pipewire") GTEST_SKIP() << "PipeWire offers a Dummy Output when there is no device";
    start_server({});
    child_result r = run_cli({"--shutdown"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "Error: no capture device found\n");
}

TEST_F(stream_process, an_address_that_does_not_resolve_is_fatal_and_not_saved)
{
    start_server({sink});
    write_file(config + "/ostrelle/ip.txt", "127.0.0.1");
    for (const char* bad : {"1.2.3.4.5", ""}) {
        SCOPED_TRACE(bad);
        child_result r = run_cli({"--ip", bad, "--start"});
        EXPECT_EQ(r.exit_code, 1);
        std::string prefix = std::string("Error: Bad ip address: ") + bad + "\n\ngetaddrinfo 2 error: ";
        ASSERT_EQ(r.out.find(prefix), r.out.find("Error: "));
        std::string reason = r.out.substr(r.out.find(prefix) + prefix.size());
        EXPECT_GT(reason.size(), 1u);
        EXPECT_EQ(reason.back(), '\n');
        EXPECT_EQ(r.out.find("started"), std::string::npos);
        EXPECT_EQ(saved(), "127.0.0.1");
    }
}

TEST_F(stream_process, a_send_that_fails_is_fatal_on_the_audio_thread)
{
    // Inside this namespace 127.0.0.2 is unreachable, so the send fails
    // without anything leaving the loopback range.
    run_shell("ip route add unreachable 127.0.0.2/32 table local 2>/dev/null");
    start_server({sink});
    child_process tone = play_tone(sink, 440, 0.3);
    child_result r = run_cli({"--ip", "127.0.0.2", "--device-id", sink, "--start", "--sleep", "15000"});
    kill_child(tone);
    EXPECT_EQ(r.exit_code, 1) << r.err;
    EXPECT_NE(r.out.find("started\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("\nError: sendto error\n")) << r.out;
    EXPECT_EQ(saved(), "127.0.0.2") << "the address resolved, so it was saved";
}

struct stream_capture {
    std::vector<unsigned char> id;
    std::vector<datagram> datagrams;
};

TEST_F(stream_process, a_real_stream_carries_the_tone_played_into_the_output)
{
    start_server({"other", sink});
    write_file(config + "/ostrelle/ip.txt", "127.0.0.1");
    udp_receiver receiver;
    ASSERT_TRUE(open_receiver(receiver, 10204));
    child_process tone = play_tone(sink, 1000, 0.5);

    std::vector<std::string> args = {"--ip", "127.0.0.1", "--device-id", sink, "--start", "--start", "--sleep",
                                      "4000", "--stop", "--stop", "--start", "--sleep", "4000", "--stop",
                                      "--shutdown"};
    std::vector<std::string> argv = {STREAM_CLI};
    argv.insert(argv.end(), args.begin(), args.end());
    child_process cli = spawn_child(argv);
    std::vector<stream_capture> streams;
    child_result r;
    std::vector<unsigned char> raw;
    for (int waited = 0; !try_wait_child(cli, r); ) {
        if (receive_raw(receiver, raw, 50)) {
            datagram d;
            ASSERT_TRUE(parse_datagram(raw, d));
            std::vector<unsigned char> id(d.id, d.id + 4);
            if (streams.empty() || streams.back().id != id) streams.push_back({id, {}});
            streams.back().datagrams.push_back(d);
        } else if (++waited > 600) {
            kill_child(cli);
            FAIL() << "the program did not end";
        }
    }
    bool late = receive_raw(receiver, raw, 500);
    kill_child(tone);
    close_receiver(receiver);
    ASSERT_EQ(r.exit_code, 0) << r.out << r.err;
    EXPECT_FALSE(late) << "a datagram arrived after Stop";
    EXPECT_EQ(saved(), "127.0.0.1");

    // Two streams, one per effective Start, with the first two identifiers a
    // fresh process draws: the repeated Start drew nothing.
    ASSERT_EQ(streams.size(), 2u);
    std::vector<int> ids = first_identifiers(8);
    ASSERT_EQ(ids.size(), 8u);
    for (int s = 0; s < 2; ++s) {
        SCOPED_TRACE(s);
        const auto& st = streams[s];
        for (int i = 0; i < 4; ++i) EXPECT_EQ(st.id[i], ids[4 * s + i]);
        ASSERT_GT(st.datagrams.size(), 100u);
        uint64_t expected = 0;
        for (const auto& d : st.datagrams) {
            ASSERT_EQ(d.position, expected) << "gap or overlap";
            ASSERT_GE(d.payload.size(), 4u);
            ASSERT_LE(d.payload.size(), 1296u);
            ASSERT_EQ(d.payload.size() % 4, 0u);
            expected += d.payload.size();
        }
        // The first period of every stream is silence.
        EXPECT_TRUE(std::all_of(st.datagrams[0].payload.begin(), st.datagrams[0].payload.end(),
                                [](unsigned char b) { return b == 0; }));

        // The last half second of the stream: a 1 kHz tone at half scale. The
        // capture may begin late on a busy machine; half a second after the
        // silent first period is all this needs.
        std::vector<int16_t> left = left_channel(st.datagrams);
        ASSERT_GT(left.size(), 30000u);
        EXPECT_NEAR(tone_frequency(st.datagrams), 1000.0, 30.0);
        int peak = 0;
        for (auto sample = left.end() - 24000; sample != left.end(); ++sample)
            peak = std::max(peak, std::abs(static_cast<int>(*sample)));
        EXPECT_NEAR(peak, 16384, 2000);
        // Both channels carry it.
        const auto& last = st.datagrams.back().payload;
        for (std::size_t i = 0; i + 3 < last.size(); i += 4) {
            ASSERT_EQ(last[i], last[i + 2]);
            ASSERT_EQ(last[i + 1], last[i + 3]);
        }
    }
}

} // namespace
