// Items in stored layouts: written beneath their container, read back through the
// container's IGDIPBase, with the values that differ from a new item's.
#include <gtest/gtest.h>

#include "framework/LayoutReader.h"
#include "framework/WinControl.h"
#include "itemlist/GDIPWedgeItem.h"
#include "paint/GDIPFill.h"

using namespace orv;

namespace {

class TLayoutItemHost : public TCustomControl, public IGDIPBase {
public:
    ORV_CLASS_NAME(TLayoutItemHost)
    using TCustomControl::TCustomControl;
    void ReadItem(TComponent* item) override { OfferItemToContainer(this, item); }
    void ReadItem(TLayoutReader* reader, TCustomItem* item) override {
        EXPECT_NE(reader, nullptr) << "taken while the layout is read";
        item->SetItemOwner(this);
        Items.push_back(item);
    }
    void AttachItem(TComponent*, TCustomItem* item) override { Items.push_back(item); }
    std::vector<TCustomItem*> Items;
};

void RegisterHost() {
    if (!TClassRegistry::Find(L"TLayoutItemHost"))
        TClassBuilder<TLayoutItemHost>(L"TLayoutItemHost", L"TCustomControl").Factory();
}

std::wstring Layout(TComponent* root) {
    return WriteComponentLayout(root);
}

}  // namespace

TEST(ItemLayout, ItemClassesAreFoundByTheirBase) {
    std::vector<std::wstring> names;
    for (const TClassInfo* info : TClassRegistry::DerivedFrom(L"TCustomItem")) names.push_back(info->Name);
    EXPECT_NE(std::find(names.begin(), names.end(), L"TTextItem"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), L"TImageTextItem"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), L"TWedgeItem"), names.end());
}

TEST(ItemLayout, StoredValuesDifferingFromANewItemComeBack) {
    RegisterHost();
    TOwnedPtr<TLayoutItemHost> host(Make<TLayoutItemHost>(nullptr));
    host->SetName(L"Host");
    auto* wedge = Make<TWedgeItem>(host.get());
    wedge->SetName(L"Page1");
    wedge->SetWidth(75);  // the old stored default: must still be written
    wedge->Status().SetOffsetLeft(0);
    wedge->Status().SetOffsetTop(0);
    wedge->DescriptionMargin().SetTop(3);
    wedge->SetCaption(L"Menu &Item 1");
    wedge->SetDescription(L"first page");
    wedge->CaptionMargin().SetLeft(40);
    wedge->SetCaptionColor(clNone);
    wedge->SetDescriptionColor(clBtnShadow);
    wedge->SetWedgeStates(ItemStateBit(isSelected));
    wedge->SetWedgePositions(WedgeBit(wpRight) | WedgeBit(wpTop));
    wedge->SetShortCutHintPos(ishpBelowBottomRight);
    wedge->SetImageName(L"pic");
    wedge->SetTag(2);
    wedge->Status().SetCaption(L"3");
    wedge->Status().Appearance().GetFill()->SetRounding(0);
    wedge->Image().SetData({0x42, 0x4D, 0x01, 0x02});
    auto* text = Make<TTextItem>(host.get());
    text->SetName(L"Plain");
    text->SetSelectable(false);
    text->SetCaptionSize(12);

    std::wstring written = Layout(host.get());
    EXPECT_NE(written.find(L"Width = 75"), std::wstring::npos) << written;
    EXPECT_NE(written.find(L"Status.OffsetLeft = 0"), std::wstring::npos) << written;
    EXPECT_NE(written.find(L"Status.OffsetTop = 0"), std::wstring::npos) << written;
    EXPECT_NE(written.find(L"DescriptionMargin.Top = 3"), std::wstring::npos) << written;
    EXPECT_EQ(written.find(L"Version"), std::wstring::npos) << "the version is not stored";

    TOwnedPtr<TLayoutItemHost> copy(Make<TLayoutItemHost>(nullptr));
    ReadLayoutText(copy.get(), written, L"items");
    ASSERT_EQ(copy->Items.size(), 2u) << "each item was offered to the container";
    auto* w = dynamic_cast<TWedgeItem*>(copy->Items[0]);
    auto* t = dynamic_cast<TTextItem*>(copy->Items[1]);
    ASSERT_NE(w, nullptr);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(w->ItemOwner(), copy.get());
    EXPECT_EQ(w->GetWidth(), 75);
    EXPECT_EQ(w->Status().GetOffsetLeft(), 0);
    EXPECT_EQ(w->Status().GetOffsetTop(), 0);
    EXPECT_EQ(w->DescriptionMargin().GetTop(), 3);
    EXPECT_EQ(w->GetCaption(), L"Menu &Item 1");
    EXPECT_EQ(w->GetDescription(), L"first page");
    EXPECT_EQ(w->CaptionMargin().GetLeft(), 40);
    EXPECT_EQ(w->GetCaptionColor(), clNone);
    EXPECT_EQ(w->GetDescriptionColor(), clBtnShadow);
    EXPECT_EQ(w->GetWedgeStates(), ItemStateBit(isSelected));
    EXPECT_EQ(w->GetWedgePositions(), WedgeBit(wpRight) | WedgeBit(wpTop));
    EXPECT_EQ(w->GetShortCutHintPos(), ishpBelowBottomRight);
    EXPECT_EQ(w->GetImageName(), L"pic");
    EXPECT_EQ(w->GetTag(), 2);
    EXPECT_EQ(w->Status().GetCaption(), L"3");
    EXPECT_EQ(w->Image().GetData(), (std::vector<uint8_t>{0x42, 0x4D, 0x01, 0x02}));
    EXPECT_FALSE(t->GetSelectable());
    EXPECT_EQ(t->GetCaptionSize(), 12);
    EXPECT_EQ(t->GetWidth(), 125) << "an item stored without Width is 125 wide";
    EXPECT_EQ(t->Status().GetOffsetLeft(), 14);
}

TEST(ItemLayout, PlaceholderPictureIsAResourceOfTheProgram) {
    TOrvGDIPPicture picture;
    LoadPictureFromResource(L"PLACEHOLDER", picture);
    ASSERT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 64);
    EXPECT_EQ(picture.Height(), 64);
    TOwnedPtr<TImageTextItem> item(Make<TImageTextItem>(nullptr));
    item->InitDesignTime();
    EXPECT_EQ(item->Image().GetData(), picture.GetData());
    TOrvGDIPPicture missing;
    LoadPictureFromResource(L"NO_SUCH_PICTURE", missing);
    EXPECT_TRUE(missing.Empty());
}
