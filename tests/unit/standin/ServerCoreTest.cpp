#include <array>

#include <gtest/gtest.h>

#include "link/ByteOrder.h"
#include "link/RequestBlock.h"
#include "standin/core/FlightModel.h"
#include "standin/core/ServerCore.h"

namespace wendox::standin {
namespace {

TEST(ServerCoreTest, RecordsEveryWriteWithItsTime) {
    ServerCore sim;
    std::array<std::uint8_t, kBlockSize> block{};
    PendingTable table;
    const std::uint8_t bits = 6;
    std::uint8_t* at = QueueWriteRecord(block.data(), table, simvar::ControlDisconnect.offset, 1, &bits);
    at = QueueReadRecord(at, table, simvar::ControlDisconnect.offset, 1, nullptr);
    PutEndMarker(at);

    EXPECT_EQ(sim.ProcessBlock(block.data(), kBlockSize, 1234), 1u);
    EXPECT_EQ(block[kWriteHeaderSize + 1 + kReadHeaderSize], 6);  // read back in the same block
    const auto writes = sim.WritesTo(simvar::ControlDisconnect);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].timeMs, 1234u);
    EXPECT_EQ(writes[0].Value(), 6u);
    EXPECT_EQ(sim.LastWriteTime(simvar::ControlDisconnect), 1234u);
}

TEST(ServerCoreTest, MalformedBlocksAreAnsweredWithZeroAndStayInside) {
    ServerCore sim;
    std::array<std::uint8_t, 64> block{};
    PutU32(block.data(), 2);
    PutU32(block.data() + 4, 0xFFF0);
    for (std::uint32_t size : {1000u, 50u}) {  // data, or the end marker, past the block
        PutU32(block.data() + 8, size);
        EXPECT_EQ(sim.ProcessBlock(block.data(), 64, 0), 0u) << size;
    }
    PutU32(block.data(), 9);  // unknown kind
    EXPECT_EQ(sim.ProcessBlock(block.data(), 64, 0), 0u);

    block.fill(0x11);  // a write that fits, running past the variable space
    PutU32(block.data(), 2);
    PutU32(block.data() + 4, 0xFFF0);
    PutU32(block.data() + 8, 20);
    PutU32(block.data() + 32, 0);
    EXPECT_EQ(sim.ProcessBlock(block.data(), 64, 0), 1u);
    EXPECT_EQ(sim.Value({0xFFFC, 4}), 0x11111111u);
}

TEST(FlightModelTest, TakeOffLandPauseAndResume) {
    ServerCore sim;
    StartFlight(sim);
    EXPECT_FALSE(IsAirborne(sim));
    EXPECT_GT(sim.SignedValue(simvar::GearControl), 0);
    TakeOff(sim);
    EXPECT_TRUE(IsAirborne(sim));
    EXPECT_EQ(sim.Value(simvar::GearControl) + sim.Value(simvar::FlapsControl), 0u);
    Pause(sim);
    EXPECT_TRUE(IsPaused(sim));
    Resume(sim);
    Land(sim);
    EXPECT_FALSE(IsPaused(sim) || IsAirborne(sim));
    EXPECT_EQ(sim.Value(simvar::GearControl), kGearDown);
}

void WriteThroughBlock(ServerCore& sim, SimVariable variable, const void* data, std::uint64_t nowMs) {
    std::array<std::uint8_t, kBlockSize> block{};
    PendingTable table;
    PutEndMarker(QueueWriteRecord(block.data(), table, variable.offset, variable.size, data));
    sim.ProcessBlock(block.data(), kBlockSize, nowMs);
}

TEST(FlightModelTest, DisconnectionEndsTenSecondsAfterItsLastWrite) {
    ServerCore sim;
    const std::uint8_t rudder = 4;
    WriteThroughBlock(sim, simvar::ControlDisconnect, &rudder, 1000);
    AdvanceFlight(sim, 10999);
    EXPECT_EQ(sim.Value(simvar::ControlDisconnect), 4u);
    AdvanceFlight(sim, 11000);
    EXPECT_EQ(sim.Value(simvar::ControlDisconnect), 0u);
}

TEST(FlightModelTest, MessageLineShowsForTheSecondsWrittenBesideIt) {
    ServerCore sim;
    std::array<char, 128> text{};
    std::snprintf(text.data(), text.size(), "Wendox:  Operational.");
    const std::uint16_t seconds = 5;
    WriteThroughBlock(sim, simvar::MessageText, text.data(), 2000);
    WriteThroughBlock(sim, simvar::MessageSeconds, &seconds, 2000);
    EXPECT_EQ(MessageLine(sim, 6999), "Wendox:  Operational.");
    EXPECT_EQ(MessageLine(sim, 7000), "");
}

}  // namespace
}  // namespace wendox::standin
