// Every save of both programs, with each step of the write failing in turn: the old file
// stays or the new one is complete, never anything in between, and the failure is reported.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>

#include "EverySave.h"
#include "support/ErrorText.h"
#include "support/TempDir.h"

using namespace lumetra;
using namespace lumetra::test;

namespace {

enum class Step { Write, Flush, Sync, Close, Rename };

// Fails the n-th call of one step; with maxWrite set, every write takes at most that many bytes.
class FaultyLayer : public FileWriteLayer {
public:
    FaultyLayer(Step step, int n, std::size_t maxWrite = 0) : step_(step), failAt_(n), maxWrite_(maxWrite) {}
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (hit(Step::Write)) return refuse(ENOSPC);
        return FileWriteLayer::write(fd, data, maxWrite_ ? std::min(size, maxWrite_) : size);
    }
    int flush(int fd) override { return hit(Step::Flush) ? refuse(ENOSPC) : FileWriteLayer::flush(fd); }
    int sync(int fd) override { return hit(Step::Sync) ? refuse(EIO) : FileWriteLayer::sync(fd); }
    int close(int fd) override {
        const int result = FileWriteLayer::close(fd);
        return hit(Step::Close) ? refuse(EIO) : result;
    }
    int rename(const char* from, const char* to) override {
        return hit(Step::Rename) ? refuse(EXDEV) : FileWriteLayer::rename(from, to);
    }

private:
    bool hit(Step step) { return step == step_ && ++calls_ == failAt_; }
    static int refuse(int error) {
        errno = error;
        return -1;
    }
    Step step_;
    int failAt_;
    std::size_t maxWrite_;
    int calls_ = 0;
};

struct LayerScope {
    explicit LayerScope(FileWriteLayer* layer) { setFileWriteLayer(layer); }
    ~LayerScope() { setFileWriteLayer(nullptr); }
};

class EverySave : public ::testing::Test {
protected:
    ~EverySave() override { Clock::reset(); }

    // The plant's files before and after a save that succeeds.
    struct Outcome {
        std::map<std::string, std::string> before, after;
    };
    static Outcome reference(const SaveCase& c) {
        TempDir t;
        Plant plant(t.path());
        Outcome out{plant.files(), {}};
        c.run(plant);
        out.after = plant.files();
        return out;
    }
};

TEST_F(EverySave, EachFailingStepKeepsOldOrNewFilesAndIsReported) {
    const std::pair<Step, const char*> steps[] = {{Step::Write, "write"},
                                                  {Step::Flush, "flush"},
                                                  {Step::Sync, "sync"},
                                                  {Step::Close, "close"},
                                                  {Step::Rename, "rename"}};
    for (const SaveCase& c : everySave()) {
        const Outcome ref = reference(c);
        ASSERT_NE(ref.before, ref.after) << c.name << " must write something";
        for (const auto& [step, stepName] : steps) {
            for (int n = 1;; ++n) {
                SCOPED_TRACE(std::string(c.name) + ", " + stepName + " #" + std::to_string(n));
                TempDir t;
                Plant plant(t.path());
                FaultyLayer layer(step, n);
                std::string error;
                {
                    LayerScope scope(&layer);
                    error = errorOf([&] { c.run(plant); });
                }
                if (error == "<no error>") {
                    EXPECT_GT(n, 1) << "the step was never taken";
                    EXPECT_EQ(differing(plant.files(), ref.after), "");
                    break;
                }
                std::vector<std::string> expected;
                for (const std::string& target : c.targets)
                    expected.push_back(failureMessage(plant, c, target));
                EXPECT_NE(std::find(expected.begin(), expected.end(), error), expected.end()) << error;
                const auto now = plant.files();
                if (n == 1) {
                    EXPECT_EQ(differing(now, ref.before), "");
                }
                for (const auto& [name, bytes] : now) {
                    EXPECT_TRUE(ref.before.count(name) || ref.after.count(name)) << name << " left behind";
                    // Settings files are written key by key: the keys before the failed one stay written.
                    if (c.profile) continue;
                    const bool old = ref.before.count(name) && ref.before.at(name) == bytes;
                    const bool whole = ref.after.count(name) && ref.after.at(name) == bytes;
                    EXPECT_TRUE(old || whole) << name << " is neither the old nor the new file";
                }
                ASSERT_LT(n, 50);
            }
        }
    }
}

TEST_F(EverySave, ShortWritesStillGiveWholeFiles) {
    for (const SaveCase& c : everySave()) {
        SCOPED_TRACE(c.name);
        const Outcome ref = reference(c);
        TempDir t;
        Plant plant(t.path());
        FaultyLayer layer(Step::Write, 0, 7);
        LayerScope scope(&layer);
        c.run(plant);
        EXPECT_EQ(differing(plant.files(), ref.after), "");
    }
}

// A link at a target (planted by another user, or left by an old copy) is replaced; the file
// it points to elsewhere is never written.
TEST_F(EverySave, NoSaveWritesThroughALink) {
    for (const SaveCase& c : everySave()) {
        SCOPED_TRACE(c.name);
        TempDir t;
        t.mkdir("plant");
        t.mkdir("elsewhere");
        Plant plant(Path(t.path()) / "plant");
        std::vector<Path> outside;
        for (const std::string& target : c.targets) {
            const Path link = plant.root / pathFromText(target);
            const Path victim = Path(t.path()) / "elsewhere" / link.filename();
            put(victim, "fremde Datei");
            ::unlink(link.c_str());
            ASSERT_EQ(::symlink(victim.c_str(), link.c_str()), 0);
            outside.push_back(victim);
        }
        EXPECT_EQ(errorOf([&] { c.run(plant); }), "<no error>");
        for (const Path& victim : outside) EXPECT_EQ(slurp(victim), "fremde Datei") << victim;
        for (const std::string& target : c.targets)
            EXPECT_FALSE(std::filesystem::is_symlink(plant.root / pathFromText(target))) << target;
    }
}

}  // namespace
