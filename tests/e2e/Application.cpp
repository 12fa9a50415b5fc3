// One application object for the whole-program tests (the offscreen platform).

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <memory>

namespace {

class ApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (QApplication::instance()) return;
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "test_e2e";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { application_.reset(); }

  private:
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace
