// Every save on a real file system that has no room left. The test runs itself again in a
// mount namespace of its own (unshare), mounts a small tmpfs there and fills it.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "EverySave.h"
#include "support/ErrorText.h"
#include "support/TempDir.h"

using namespace lumetra;
using namespace lumetra::test;

namespace {

constexpr const char* kMountPointVariable = "LUMETRA_FULL_DISK_AT";

std::string runCaptured(const std::string& command, int& status) {
    std::string output;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        status = -1;
        return "popen failed";
    }
    char chunk[4096];
    while (const std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) output.append(chunk, n);
    status = ::pclose(pipe);
    return output;
}

// Writes until the file system refuses; true when not even one more byte fits.
bool fillUp(const Path& dir) {
    std::FILE* filler = std::fopen((dir / "filler").c_str(), "wb");
    if (!filler) return false;
    std::setvbuf(filler, nullptr, _IONBF, 0);
    const std::string chunk(4096, 'x');
    while (std::fwrite(chunk.data(), 1, chunk.size(), filler) == chunk.size()) {
    }
    while (std::fwrite("x", 1, 1, filler) == 1) {
    }
    std::fclose(filler);
    std::FILE* probe = std::fopen((dir / "probe").c_str(), "wb");
    std::setvbuf(probe, nullptr, _IONBF, 0);
    const bool full = std::fwrite("x", 1, 1, probe) != 1;
    std::fclose(probe);
    ::unlink((dir / "probe").c_str());
    return full;
}

void everySaveOnAFullDisk(const Path& mountPoint) {
    if (::mount("lumetra-test", mountPoint.c_str(), "tmpfs", 0, "size=1m,mode=0755") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    ::mkdir((mountPoint / "plant").c_str(), 0777);
    Plant plant(mountPoint / "plant");
    const auto before = plant.files();
    ASSERT_TRUE(fillUp(mountPoint));

    for (const SaveCase& c : everySave()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(errorOf([&] { c.run(plant); }), failureMessage(plant, c, c.targets.front()));
    }
    Clock::reset();
    EXPECT_EQ(differing(plant.files(), before), "") << "every file must stay byte for byte as it was";
}

TEST(FullDisk, EverySaveKeepsEveryFileAndSaysSo) {
    if (const char* mountPoint = std::getenv(kMountPointVariable)) {
        everySaveOnAFullDisk(mountPoint);
        return;
    }
    TempDir mountPoint;
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").native();
    int status = 0;
    const std::string output = runCaptured(
        std::string(kMountPointVariable) + "='" + mountPoint.path() + "' unshare -m --propagation private '" +
            self + "' --gtest_filter=FullDisk.EverySaveKeepsEveryFileAndSaysSo 2>&1",
        status);
    if (output.find("[  SKIPPED ]") != std::string::npos || output.find("unshare:") != std::string::npos ||
        (WIFEXITED(status) && WEXITSTATUS(status) == 127))
        GTEST_SKIP() << "no tmpfs in a mount namespace of our own (needs root and unshare): " << output;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
}

}  // namespace
