#include "config/StdioFileStore.h"

#include <filesystem>
#include <random>

#include <gtest/gtest.h>

namespace wendox::testing {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class StdioFileStoreTest : public ::testing::Test {
protected:
    StdioFileStoreTest() { fs::create_directories(folder); }
    ~StdioFileStoreTest() override { fs::remove_all(folder); }

    auto FilesInFolder() { return std::distance(fs::directory_iterator(folder), fs::directory_iterator()); }
    // How reading `path` ended, and the lines it handed over.
    std::pair<ReadOutcome, Names> Read(const std::string& path) {
        std::pair<ReadOutcome, Names> read;
        read.first = store.ReadLines(path, [&](std::string_view line) { return read.second.emplace_back(line), true; });
        return read;
    }

    fs::path folder = fs::temp_directory_path() / ("wendox-files-" + std::to_string(std::random_device{}()));
    const std::string path = (folder / "Trainer.wdp").string();
    StdioFileStore store;
};

TEST_F(StdioFileStoreTest, WritesReplaceTheWholeFileOrLeaveNoTraceAndReadBackLineByLineUpToTheLimit) {
    EXPECT_EQ(Read(path).first, ReadOutcome::CannotOpen);
    // Every line ending a file may have, a CR LF split across two reads of
    // the file (of 4096 bytes: the CR is the first read's last byte), and a
    // line as long as the limit.
    const std::string padding(4086, 'x'), longest(kMaxLineLength, '9');
    ASSERT_TRUE(store.WriteReplacing(path, "a\r\n\r\nb\nc\r" + padding + "\r\n" + longest + "\r\nlast"));
    EXPECT_EQ(Read(path), std::make_pair(ReadOutcome::Done, Names{"a", "", "b", "c", padding, longest, "last"}));

    ASSERT_TRUE(store.WriteReplacing(path, "short\r\n"));
    EXPECT_EQ(Read(path), std::make_pair(ReadOutcome::Done, Names{"short"}));

    // A line beyond the limit, or a folder, is a read failure.
    ASSERT_TRUE(store.WriteReplacing(path, "1#1#100#1\r\n" + std::string(kMaxLineLength + 1, '9')));
    EXPECT_EQ(Read(path), std::make_pair(ReadOutcome::Failed, Names{"1#1#100#1"}));
    EXPECT_EQ(Read(folder.string()).first, ReadOutcome::Failed);  // opens, but cannot be read
    EXPECT_EQ(store.ReadLines(path, [](std::string_view) { return false; }), ReadOutcome::Stopped);

    // No write, done or failed, leaves a temporary file. A folder cannot be replaced by a file: the temporary file is
    // written in full, and then the replacing fails.
    EXPECT_FALSE(store.WriteReplacing((folder / "gone" / "Trainer.wdp").string(), "1#1#100#1\r\n"));
    fs::remove(path);
    fs::create_directory(path);
    EXPECT_FALSE(store.WriteReplacing(path, "1#1#100#1\r\n"));
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST(TemporaryNameTest, IsNeverLongerThanTheTargetAndLiesInItsFolder) {
    for (const std::string path : {"C:\\Flights\\Trainer.wdp", "C:\\F\\a", "rel.x", "/tmp/abcd"}) {
        const std::string name = TemporaryNameBeside(path, 123456789u);
        const std::size_t folderEnd = path.find_last_of("\\/") + 1;
        EXPECT_TRUE(name.size() == path.size() && name.starts_with(path.substr(0, folderEnd)) && name != path) << name;
    }
}

}  // namespace
}  // namespace wendox::testing
