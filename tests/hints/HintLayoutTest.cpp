// The hint record is stored in layouts through the hints unit's own class table, with no
// button unit registered.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/ClassRegistry.h"
#include "framework/LayoutReader.h"
#include "hints/HintsClasses.h"
#include "hints/OrvHintInfo.h"
#include "paint/GDIPPicture.h"

using namespace orv;

namespace {

// A component that publishes a hint record, as the library's controls do.
class THintHolder : public TComponent {
public:
    ORV_CLASS_NAME(THintHolder)
    explicit THintHolder(TComponent* owner) : TComponent(owner) {}
    TOrvHintInfo& OfficeHint() { return FOfficeHint; }

private:
    TOrvHintInfo FOfficeHint;
};

void RegisterHolder() {
    RegisterHintClasses();
    RegisterHintClasses();  // a second unit asking again changes nothing
    if (!TClassRegistry::Find(L"THintHolder"))
        TClassBuilder<THintHolder>(L"THintHolder", L"TComponent")
            .Object(L"OfficeHint", [](THintHolder* h) -> TOrvHintInfo& { return h->OfficeHint(); });
}

}  // namespace

TEST(HintLayout, TheHintRecordIsReadAndWrittenWithoutTheButtonUnit) {
    ASSERT_EQ(TClassRegistry::Find(L"TOrvGlowButton"), nullptr) << "this suite registers no button classes";
    RegisterHolder();
    const TClassInfo* info = TClassRegistry::Find(L"TOrvHintInfo");
    ASSERT_NE(info, nullptr);

    // 1 x 1 red BMP, inline.
    const std::wstring bmp =
        L"424D3A0000000000000036000000280000000100000001000000010018000000000004000000000000000000000000000000000000000"
        L"000FF00";
    THintHolder holder(nullptr);
    ReadLayoutText(&holder,
                   L"object Holder: THintHolder\n"
                   L"  OfficeHint.Title = 'Paste'\n"
                   L"  OfficeHint.Notes = ('Paste the clipboard.' 'Ctrl+V')\n"
                   L"  OfficeHint.ShowHelp = True\n"
                   L"  OfficeHint.Picture.Data = {" +
                       bmp + L"}\nend\n",
                   L"Hint");
    TOrvHintInfo& hint = holder.OfficeHint();
    EXPECT_EQ(hint.GetTitle(), L"Paste");
    EXPECT_EQ(hint.GetNotes(), (std::vector<std::wstring>{L"Paste the clipboard.", L"Ctrl+V"}));
    EXPECT_TRUE(hint.GetShowHelp());
    ASSERT_FALSE(hint.Picture().Empty());
    EXPECT_EQ(hint.Picture().GetData().size(), 58u);

    std::wstring written = WriteComponentLayout(&holder);
    THintHolder again(nullptr);
    ReadLayoutText(&again, written, L"Written");
    EXPECT_EQ(again.OfficeHint().GetTitle(), L"Paste");
    EXPECT_EQ(again.OfficeHint().GetNotes(), hint.GetNotes());
    EXPECT_TRUE(again.OfficeHint().GetShowHelp());
    EXPECT_EQ(again.OfficeHint().Picture().GetData(), hint.Picture().GetData());
}
