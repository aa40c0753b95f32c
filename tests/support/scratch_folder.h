// A new, empty folder of one test's own under the temporary folder, removed
// again at the end. Its name is taken only when creating it succeeds, so
// tests of several builds or checkouts running side by side on one machine
// never share one.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace orv::testing {

class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& stem) {
        const std::filesystem::path base = ::testing::TempDir();
        const std::string name =
            stem + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_";
        for (int n = 1; path_.empty(); ++n) {
            std::filesystem::path candidate = base / (name + std::to_string(n));
            std::error_code error;
            if (std::filesystem::create_directory(candidate, error))
                path_ = candidate.string();
            else if (error)
                throw std::filesystem::filesystem_error("no scratch folder", candidate, error);
        }
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace orv::testing
