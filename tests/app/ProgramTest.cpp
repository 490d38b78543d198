// The program's run: an error while the main window is made ends in an error box and an
// orderly shut-down, not in a terminated process.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/Program.h"
#include "app/ZemForm3.h"
#include "framework/GdiHandles.h"
#include "framework/LayoutReader.h"
#include "framework/SysUtils.h"
#include "framework/Units.h"
#include "paint/FaceCache.h"
#include "paint/OrvGDIP.h"

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

TEST(ProgramEntry, TheRunEndsWithEveryHandleCounterAtZero) {
    orvtest::TScratchCurrentUser scratch;
    TShowMessageHook oldMessages = SetShowMessageHook([](const std::wstring&) {});  // the probe's box
    size_t faces = 0;
    int exitCode = RunProgram([&faces] {
        TZemForm3* form = Application->CreateForm<TZemForm3>();
        form->Show();
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        faces = SharedFaceCache().Count();
        PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
    });
    SetShowMessageHook(oldMessages);
    InitializeUnits();  // the remaining tests run on a started library again

    EXPECT_EQ(exitCode, 0);
    EXPECT_GT(faces, 0u) << "the window painted from kept faces";
    const char* const kinds[] = {"pen", "brush", "font", "bitmap", "region", "memory DC", "window DC", "icon"};
    for (int k = 0; k < static_cast<int>(TGdiKind::Count); ++k)
        EXPECT_EQ(GdiLiveCount(static_cast<TGdiKind>(k)), 0) << kinds[k];
    EXPECT_EQ(GdipLiveTotal(), 0);
}
