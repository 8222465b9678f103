#include "config/StdioFileStore.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include <gtest/gtest.h>

namespace wendox::testing {
namespace {

namespace fs = std::filesystem;

class StdioFileStoreTest : public ::testing::Test {
protected:
    StdioFileStoreTest() {
        folder = fs::temp_directory_path() / ("wendox-files-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
    }
    ~StdioFileStoreTest() override { fs::remove_all(folder); }

    std::string PathOf(const char* name) { return (folder / name).string(); }
    std::vector<std::string> Listing() {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder;
    StdioFileStore store;
};

using Names = std::vector<std::string>;

TEST_F(StdioFileStoreTest, WritesReplaceTheWholeFileAndLeaveNothingElse) {
    const std::string path = PathOf("Trainer.wdp");
    EXPECT_FALSE(store.ReadAll(path));
    EXPECT_FALSE(store.ReadAll(folder.string()));  // opens, but cannot be read

    ASSERT_TRUE(store.WriteReplacing(path, std::string("1#1#100#1\r\n\0x", 13)));
    EXPECT_EQ(store.ReadAll(path), std::string("1#1#100#1\r\n\0x", 13));  // bytes as given
    ASSERT_TRUE(store.WriteReplacing(path, "short"));
    EXPECT_EQ(store.ReadAll(path), "short");
    ASSERT_TRUE(store.WriteReplacing(path, ""));
    EXPECT_EQ(store.ReadAll(path), "");
    EXPECT_EQ(Listing(), Names{"Trainer.wdp"});
}

TEST_F(StdioFileStoreTest, MissingFolderFailsAndCreatesNothing) {
    const std::string path = (folder / "gone" / "Trainer.wdp").string();
    EXPECT_FALSE(store.WriteReplacing(path, "1#1#100#1\r\n"));
    EXPECT_FALSE(store.ReadAll(path));
    EXPECT_EQ(Listing(), Names{});
}

TEST_F(StdioFileStoreTest, FailedReplaceKeepsTheOldAndRemovesTheTemporaryFile) {
    // A folder cannot be replaced by a file: the temporary file is written in
    // full, and then the replacing fails.
    const std::string path = PathOf("Trainer.wdp");
    fs::create_directory(path);
    std::ofstream(PathOf("Trainer.wdp/inside")) << "old";
    EXPECT_FALSE(store.WriteReplacing(path, "1#1#100#1\r\n"));
    EXPECT_EQ(Listing(), Names{"Trainer.wdp"});
    EXPECT_EQ(store.ReadAll(PathOf("Trainer.wdp/inside")), "old");
}

}  // namespace
}  // namespace wendox::testing
