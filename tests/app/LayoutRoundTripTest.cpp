// The program's stored layouts, read through the class registry as the program reads
// them and written back: a layout written, read and written again is the same text, and
// stored tab orders keep their slots among the windows the controls make themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/ZemForm3.h"
#include "app/ZemFrame2.h"
#include "appbutton/OrvShapeButton.h"
#include "framework/Forms.h"
#include "framework/LayoutParser.h"
#include "framework/LayoutReader.h"
#include "framework/SysUtils.h"
#include "toolbar/OrvToolBarPager.h"

using namespace orv;

namespace {

// Serves text as the layout of one class; the others come from the executable as usual.
class TLayoutOverride {
public:
    TLayoutOverride(std::wstring className, std::wstring text) : FClass(std::move(className)), FText(std::move(text)) {
        FOld = SetLayoutSource([this](const std::wstring& cls, std::wstring& out) {
            if (cls == FClass) {
                out = FText;
                return true;
            }
            std::vector<uint8_t> bytes;
            if (!LoadEmbeddedResource(cls, bytes)) return false;
            out = LayoutTextFromUtf8(std::string(bytes.begin(), bytes.end()));
            return true;
        });
    }
    ~TLayoutOverride() { SetLayoutSource(FOld); }

private:
    std::wstring FClass;
    std::wstring FText;
    TLayoutSource FOld;
};

// The first line where a and b part, for the failure message.
std::string FirstDifference(const std::wstring& a, const std::wstring& b) {
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    size_t start = a.rfind(L'\n', i == 0 ? 0 : i - 1);
    start = start == std::wstring::npos ? 0 : start + 1;
    auto lineOf = [start](const std::wstring& s) { return s.substr(start, s.find(L'\n', start) - start); };
    return "line " + std::to_string(std::count(a.begin(), a.begin() + static_cast<long>(start), L'\n') + 1) +
           ":\n  first:  " + ToUtf8(lineOf(a)) + "\n  second: " + ToUtf8(lineOf(b));
}

template <class T>
std::wstring WriteAsRead(const wchar_t* className, const std::wstring* text) {
    std::unique_ptr<TLayoutOverride> source;
    if (text) source = std::make_unique<TLayoutOverride>(className, *text);
    TOwnedPtr<T> root(Make<T>(nullptr));
    return WriteComponentLayout(root.get());
}

int WindowedChildren(TWinControl* parent) {
    int n = 0;
    for (int i = 0; i < parent->ControlCount(); ++i) n += dynamic_cast<TWinControl*>(parent->Controls(i)) != nullptr;
    return n;
}

}  // namespace

TEST(ProgramLayouts, AWrittenLayoutReadAndWrittenAgainIsTheSameText) {
    orvtest::TScratchCurrentUser scratch;
    TShowMessageHook old = SetShowMessageHook([](const std::wstring&) {});
    const std::wstring form1 = WriteAsRead<TZemForm3>(L"TZemForm3", nullptr);
    const std::wstring form2 = WriteAsRead<TZemForm3>(L"TZemForm3", &form1);
    const std::wstring frame1 = WriteAsRead<TZemFrame2>(L"TZemFrame2", nullptr);
    const std::wstring frame2 = WriteAsRead<TZemFrame2>(L"TZemFrame2", &frame1);
    SetShowMessageHook(old);
    EXPECT_TRUE(form1 == form2) << FirstDifference(form1, form2);
    EXPECT_TRUE(frame1 == frame2) << FirstDifference(frame1, frame2);
    EXPECT_NE(form1.find(L"object OrvShapeButton1: TOrvShapeButton"), std::wstring::npos);
}

TEST(ProgramLayouts, StoredTabOrdersKeepTheirSlotsAmongTheOtherWindows) {
    orvtest::TScratchCurrentUser scratch;
    TShowMessageHook old = SetShowMessageHook([](const std::wstring&) {});
    TOwnedPtr<TZemForm3> form(Make<TZemForm3>(nullptr));
    SetShowMessageHook(old);
    // "File" is stored at 7, with the pager's own windows and the other stored children
    // taking the slots before it: it comes last, not first.
    TOrvToolBarPager* pager = form->OrvToolBarPager1;
    const int windows = WindowedChildren(pager);
    ASSERT_GE(windows, 7);
    EXPECT_EQ(form->OrvShapeButton1->GetTabOrder(), std::min(7, windows - 1));
    EXPECT_EQ(form->OrvShapeButton1->GetTabOrder(), windows - 1) << "last";
}
