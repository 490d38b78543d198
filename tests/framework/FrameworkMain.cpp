// Library start-up and shut-down around the whole framework test run.
#include "TestSupport.h"

static ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new orvtest::TLibraryEnvironment());
