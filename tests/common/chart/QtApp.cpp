#include "common/chart/QtApp.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[11] = "chart_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
