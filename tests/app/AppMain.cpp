// Library start-up and shut-down around the whole program test run.
#include "TestSupport.h"

static ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new orvtest::TLibraryEnvironment());
