#include "paint/PaintClasses.h"

#include "framework/ClassRegistry.h"
#include "paint/GDIPPicture.h"
#include "paint/GDIPPictureContainer.h"

namespace orv {

void RegisterPaintClasses() {
    TClassBuilder<TGraphic>(L"TGraphic", L"TPersistent");
    TClassBuilder<TCustomGDIPPicture>(L"TCustomGDIPPicture", L"TGraphic")
        .Binary(L"Data", &TCustomGDIPPicture::GetData, &TCustomGDIPPicture::SetData)
        .KeepsHexText(&TCustomGDIPPicture::SetDataText)
        .StoredIf(&TCustomGDIPPicture::IsDataStored);
    TClassBuilder<TOrvGDIPPicture>(L"TOrvGDIPPicture", L"TCustomGDIPPicture");
    TClassBuilder<TGDIPPicture>(L"TGDIPPicture", L"TCustomGDIPPicture");
    TClassBuilder<TPictureItem>(L"TPictureItem", L"TPersistent")
        .Object(L"Picture", &TPictureItem::GetPicture)
        .String(L"Name", &TPictureItem::GetName, &TPictureItem::SetName)
        .Int(L"Tag", &TPictureItem::GetTag, &TPictureItem::SetTag);
    TClassBuilder<TGDIPPictureContainer>(L"TGDIPPictureContainer", L"TComponent")
        .Factory()
        .Collection(L"Items", &TGDIPPictureContainer::GetItems);
}

}  // namespace orv
