// Library start-up and shut-down around the hints test run (the hint record holds a
// GDI+ picture).
#include "TestSupport.h"
#include "paint/OrvGDIP.h"

static ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new orvtest::TLibraryEnvironment([] { orv::RegisterPaintUnits(); }));
