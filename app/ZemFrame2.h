#pragma once
// The backstage frame the application button shows: a menu on the left and three
// lists, one per selectable menu entry, stacked in the rest of the frame.
#include "framework/Forms.h"

namespace orv {
class TCustomItem;
class TOrvPolyList;
class TOrvPolyMenu;
class TImageTextItem;
class TWedgeItem;
class TTextItem;
class TGDIPPictureContainer;
}  // namespace orv

// Built from its stored layout (resources/layouts/ZemFrame2.layout); its construction
// code then selects "Menu Item 1", which brings OrvPolyList1 to the front.
class TZemFrame2 : public orv::TFrame {
public:
    ORV_CLASS_NAME(TZemFrame2)
    explicit TZemFrame2(orv::TComponent* owner);
    void AfterConstruction() override;

    // AppMenu1's item select: shows the list of the item's tag.
    void OrvVerticalPolyList2ItemSelect(orv::TObject* sender, orv::TCustomItem* item, bool& allow);
    // 1, 2 and 3 bring OrvPolyList1, 2 and 3 to the front; any other page does nothing.
    void ChangePage(int pageId);

    // Published fields, bound by name when the layout is read.
    orv::TOrvPolyMenu* AppMenu1 = nullptr;
    orv::TImageTextItem* ImageTextItem1 = nullptr;
    orv::TImageTextItem* ImageTextItem3 = nullptr;
    orv::TImageTextItem* ImageTextItem2 = nullptr;
    orv::TImageTextItem* ImageTextItem4 = nullptr;
    orv::TWedgeItem* WedgeItem7 = nullptr;
    orv::TWedgeItem* WedgeItem8 = nullptr;
    orv::TWedgeItem* WedgeItem9 = nullptr;
    orv::TImageTextItem* ImageTextItem5 = nullptr;
    orv::TImageTextItem* ImageTextItem6 = nullptr;
    orv::TGDIPPictureContainer* GDIPPictureContainer1 = nullptr;
    orv::TOrvPolyList* OrvPolyList1 = nullptr;
    orv::TTextItem* TextItem1 = nullptr;
    orv::TTextItem* TextItem2 = nullptr;
    orv::TTextItem* TextItem3 = nullptr;
    orv::TOrvPolyList* OrvPolyList2 = nullptr;
    orv::TTextItem* TextItem4 = nullptr;
    orv::TTextItem* TextItem5 = nullptr;
    orv::TTextItem* TextItem6 = nullptr;
    orv::TOrvPolyList* OrvPolyList3 = nullptr;
    orv::TTextItem* TextItem7 = nullptr;
    orv::TTextItem* TextItem8 = nullptr;
    orv::TTextItem* TextItem9 = nullptr;
};

// Registers TZemFrame2 for the stored layouts.
void RegisterZemFrame2Class();
