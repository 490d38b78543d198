// The program's run: an error while the main window is made ends in an error box and an
// orderly shut-down, not in a terminated process.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/Program.h"
#include "app/ZemForm3.h"
#include "framework/LayoutReader.h"
#include "framework/SysUtils.h"
#include "framework/Units.h"

using namespace orv;

namespace {
bool gProbeFinalized = false;
}

TEST(ProgramEntry, AnErrorMakingTheMainWindowIsShownAndTheShutDownStillRuns) {
    std::vector<std::wstring> boxes;
    TErrorBoxHook oldHook = SetErrorBoxHook([&boxes](const std::wstring& m) { boxes.push_back(m); });
    TLayoutSource oldSource = SetLayoutSource([](const std::wstring& cls, std::wstring& text) {
        if (cls != L"TZemForm3") return false;
        text = L"object ZemForm3: TZemForm3\n  Width = x\nend\n";
        return true;
    });
    // The last step registered is shut down first; it tells whether shut-down ran.
    gProbeFinalized = false;
    RegisterUnit(L"ProgramTestProbe", nullptr, [] { gProbeFinalized = true; });
    int exitCode = RunProgram([] { Application->CreateForm<TZemForm3>(); });
    SetLayoutSource(oldSource);
    SetErrorBoxHook(oldHook);
    bool appGone = Application == nullptr;
    InitializeUnits();  // the remaining tests run on a started library again

    EXPECT_NE(exitCode, 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], L"TZemForm3(2:11): Property Width expects an integer but found an identifier");
    EXPECT_TRUE(gProbeFinalized) << "the shut-down steps ran";
    EXPECT_TRUE(appGone) << "the application and its forms were freed";
}
