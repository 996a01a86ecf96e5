// The capture callback's datagrams, received on a real UDP socket on 127.0.0.1.
#include <gtest/gtest.h>
#include <netdb.h>
#include <unistd.h>
#include <vector>

#include "receiver.h"
#include "stream.h"

namespace {

class datagrams : public ::testing::Test {
protected:
    udp_receiver receiver;

    void SetUp() override
    {
        ASSERT_TRUE(open_receiver(receiver, 0));
        udp_socket = socket(AF_INET, SOCK_DGRAM, 0);
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_DGRAM;
        ASSERT_EQ(getaddrinfo("127.0.0.1", std::to_string(receiver.port).c_str(), &hints, &destination), 0);
        const unsigned char id[4] = {7, 0, 254, 31};
        std::copy(id, id + 4, stream_id);
    }

    void TearDown() override
    {
        close(udp_socket);
        freeaddrinfo(destination);
        destination = nullptr;
        close_receiver(receiver);
    }

    // Input whose every byte tells where it came from.
    static std::vector<unsigned char> pattern(ma_uint32 frames, unsigned seed)
    {
        std::vector<unsigned char> bytes(frames * 4);
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 7 + seed);
        return bytes;
    }

    std::vector<datagram> send_and_receive(ma_uint32 frames, const std::vector<unsigned char>& input,
                                           std::vector<std::size_t>* sizes = nullptr)
    {
        on_capture_data(nullptr, nullptr, input.empty() ? nullptr : input.data(), frames);
        std::vector<datagram> got;
        std::vector<unsigned char> raw;
        while (receive_raw(receiver, raw, 200)) {
            datagram d;
            EXPECT_TRUE(parse_datagram(raw, d));
            if (sizes) sizes->push_back(raw.size());
            got.push_back(d);
        }
        return got;
    }
};

TEST_F(datagrams, each_call_is_cut_into_datagrams_of_at_most_1308_bytes)
{
    struct expectation {
        ma_uint32 frames;
        std::vector<std::size_t> sizes;
    };
    const expectation cases[] = {
        {0, {}},
        {1, {16}},
        {324, {1308}},
        {325, {1308, 16}},
        {480, {1308, 636}},
        {648, {1308, 1308}},
        {1024, {1308, 1308, 1308, 220}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frames);
        const uint64_t start = 0x1122334455667700ull;
        stream_position = start;
        auto input = pattern(c.frames, c.frames);
        std::vector<std::size_t> sizes;
        auto got = send_and_receive(c.frames, input, &sizes);
        EXPECT_EQ(sizes, c.sizes);
        std::size_t offset = 0;
        for (const auto& d : got) {
            EXPECT_EQ(std::vector<unsigned char>(d.id, d.id + 4), (std::vector<unsigned char>{7, 0, 254, 31}));
            EXPECT_EQ(d.position, start + offset);
            EXPECT_EQ(d.position % 4, 0u);
            ASSERT_LE(offset + d.payload.size(), input.size());
            EXPECT_TRUE(std::equal(d.payload.begin(), d.payload.end(), input.begin() + offset));
            offset += d.payload.size();
        }
        EXPECT_EQ(offset, input.size());
        EXPECT_EQ(stream_position, start + c.frames * 4ull);
    }
}

TEST_F(datagrams, position_is_little_endian_on_the_wire)
{
    stream_position = 0x0102030405060708ull - 8;
    on_capture_data(nullptr, nullptr, pattern(1, 0).data(), 1);
    std::vector<unsigned char> raw;
    ASSERT_TRUE(receive_raw(receiver, raw, 1000));
    ASSERT_EQ(raw.size(), 16u);
    const unsigned char expected[8] = {0x00, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01};
    EXPECT_TRUE(std::equal(expected, expected + 8, raw.begin() + 4));
}

TEST_F(datagrams, positions_run_on_across_calls_without_gap_or_overlap)
{
    stream_position = 0;
    uint64_t expected = 0;
    for (ma_uint32 frames : {1200u, 7u, 324u, 0u, 1000u}) {
        auto input = pattern(frames, frames);
        for (const auto& d : send_and_receive(frames, input)) {
            EXPECT_EQ(d.position, expected);
            expected += d.payload.size();
        }
    }
    EXPECT_EQ(expected, 1200u * 4 + 7 * 4 + 324 * 4 + 1000 * 4);
    EXPECT_EQ(stream_position, expected);
}

TEST(stream_identifier, bytes_are_never_255_and_counts_below_one_write_nothing)
{
    unsigned char bytes[4096];
    for (int round = 0; round < 64; ++round) {
        fill_random_bytes(bytes, sizeof bytes);
        for (unsigned char b : bytes) ASSERT_NE(b, 255);
    }
    unsigned char untouched[4] = {255, 255, 255, 255};
    fill_random_bytes(untouched, 0);
    fill_random_bytes(untouched, -3);
    EXPECT_EQ(untouched[0], 255);
    EXPECT_EQ(untouched[3], 255);
}

} // namespace
