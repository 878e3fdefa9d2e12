// A fresh temporary folder per test, and small helpers to look at the store
// file from outside the store.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "registry_store.h"

namespace velmora::testing {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-reg-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string pathOf(const std::string& name) const { return (folder_ / name).string(); }

    std::unique_ptr<RegistryStore> openStore(const std::string& name = "store.db")
    {
        std::string error;
        auto store = RegistryStore::open(pathOf(name), error);
        EXPECT_NE(store, nullptr) << error;
        return store;
    }

    static std::vector<char> readFile(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    static void writeFile(const std::string& path, const std::vector<char>& bytes)
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    static RegistryKey create(Registry& registry, const std::string& path, bool* created = nullptr)
    {
        RegistryKey key = 0;
        bool wasCreated = false;
        EXPECT_EQ(registry.createKey(path, kAppDataClass, key, wasCreated), RegistryStatus::ok);
        if (created) *created = wasCreated;
        return key;
    }

    std::filesystem::path folder_;
};

}  // namespace velmora::testing
