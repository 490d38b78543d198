// Library start-up and shut-down around the whole framework test run.
#include "TestSupport.h"
#include "framework/Hooks.h"

namespace {
// Fails the run when a thread hook is still installed once every test is done.
class THookLeakCheck : public ::testing::Environment {
public:
    void TearDown() override { EXPECT_EQ(orv::ThreadHookLiveCount(), 0) << "a thread hook outlived the tests"; }
};
}  // namespace

static ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new orvtest::TLibraryEnvironment());
static ::testing::Environment* const gHookLeakCheck = ::testing::AddGlobalTestEnvironment(new THookLeakCheck());
