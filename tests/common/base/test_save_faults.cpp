// A save that runs out of room, or a process killed in the middle of a save, must leave
// either the old or the new file, never a mixture or a truncated one.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "base/DelimitedLineList.h"
#include "base/Errors.h"
#include "support/TempDir.h"

using namespace lumetra;

namespace {

DelimitedLineList bigList(char fill, int lines) {
    DelimitedLineList list(DelimitedLineList::Order::Unsorted);
    for (int i = 0; i < lines; ++i)
        list.appendLine(std::to_string(20000000 + i) + ";" + std::string(40, fill));
    return list;
}

}  // namespace

TEST(SaveFaults, RunningOutOfRoomKeepsTheOldFile) {
    test::TempDir dir;
    const DelimitedLineList old = bigList('o', 100);
    old.saveToFile(dir.file("DATEN.DAT"));
    const std::string before = dir.read("DATEN.DAT");

    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails instead of killing us
        rlimit limit{64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            bigList('n', 100000).saveToFile(dir.file("DATEN.DAT"));
        } catch (const LumetraError&) {
            _exit(3);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3) << "the save must report its failure";
    EXPECT_EQ(dir.read("DATEN.DAT"), before);
}

TEST(SaveFaults, KilledInTheMiddleOfASaveLeavesOldOrNew) {
    test::TempDir dir;
    const DelimitedLineList a = bigList('a', 60000), b = bigList('b', 60000);
    a.saveToFile(dir.file("DATEN.DAT"));
    const std::string contentA = dir.read("DATEN.DAT");
    b.saveToFile(dir.file("DATEN.DAT"));
    const std::string contentB = dir.read("DATEN.DAT");

    for (int round = 0; round < 8; ++round) {
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (int i = 0;; ++i) (i % 2 ? a : b).saveToFile(dir.file("DATEN.DAT"));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + 13 * round));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const std::string now = dir.read("DATEN.DAT");
        EXPECT_TRUE(now == contentA || now == contentB)
            << "round " << round << ": " << now.size() << " bytes";
    }
}
