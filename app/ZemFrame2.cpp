#include "app/ZemFrame2.h"

#include "framework/ClassRegistry.h"
#include "itemlist/GDIPWedgeItem.h"
#include "itemlist/OrvPolyList.h"
#include "paint/GDIPPictureContainer.h"

using namespace orv;

TZemFrame2::TZemFrame2(TComponent* owner) : TFrame(owner) {}

void TZemFrame2::AfterConstruction() {
    TFrame::AfterConstruction();
    // The same path as a click: the item-select handler runs and shows list 1.
    if (AppMenu1) AppMenu1->SelectItem(4);
}

void TZemFrame2::OrvVerticalPolyList2ItemSelect(TObject*, TCustomItem* item, bool&) {
    if (item) ChangePage(item->GetTag());
}

void TZemFrame2::ChangePage(int pageId) {
    TOrvPolyList* list = nullptr;
    switch (pageId) {
        case 1:
            list = OrvPolyList1;
            break;
        case 2:
            list = OrvPolyList2;
            break;
        case 3:
            list = OrvPolyList3;
            break;
        default:
            return;
    }
    if (list) list->BringToFront();
}

void RegisterZemFrame2Class() {
    using F = TZemFrame2;
    TClassBuilder<F>(L"TZemFrame2", L"TFrame")
        .Factory()
        .Field(L"AppMenu1", &F::AppMenu1)
        .Field(L"ImageTextItem1", &F::ImageTextItem1)
        .Field(L"ImageTextItem3", &F::ImageTextItem3)
        .Field(L"ImageTextItem2", &F::ImageTextItem2)
        .Field(L"ImageTextItem4", &F::ImageTextItem4)
        .Field(L"WedgeItem7", &F::WedgeItem7)
        .Field(L"WedgeItem8", &F::WedgeItem8)
        .Field(L"WedgeItem9", &F::WedgeItem9)
        .Field(L"ImageTextItem5", &F::ImageTextItem5)
        .Field(L"ImageTextItem6", &F::ImageTextItem6)
        .Field(L"GDIPPictureContainer1", &F::GDIPPictureContainer1)
        .Field(L"OrvPolyList1", &F::OrvPolyList1)
        .Field(L"TextItem1", &F::TextItem1)
        .Field(L"TextItem2", &F::TextItem2)
        .Field(L"TextItem3", &F::TextItem3)
        .Field(L"OrvPolyList2", &F::OrvPolyList2)
        .Field(L"TextItem4", &F::TextItem4)
        .Field(L"TextItem5", &F::TextItem5)
        .Field(L"TextItem6", &F::TextItem6)
        .Field(L"OrvPolyList3", &F::OrvPolyList3)
        .Field(L"TextItem7", &F::TextItem7)
        .Field(L"TextItem8", &F::TextItem8)
        .Field(L"TextItem9", &F::TextItem9)
        .Method(L"OrvVerticalPolyList2ItemSelect", &F::OrvVerticalPolyList2ItemSelect);
}
