// Library start-up and shut-down around the whole program test run.
#include "TestSupport.h"
#include "app/ZemForm3.h"

static ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new orvtest::TLibraryEnvironment([] { orv::RegisterUnit(L"Program", RegisterAppClasses, nullptr); }));
