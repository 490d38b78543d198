#pragma once
// TImageTextItem: a text item with an image at its left, from its own picture, from the
// list's image list by index or from the list's picture container by name (each drawn
// over the one before). The text moves right by the image width and spacing.
#include <string>

#include "itemlist/GDIPTextItem.h"

namespace orv {

class TImageTextItem : public TTextItem {
public:
    ORV_CLASS_NAME(TImageTextItem)
    explicit TImageTextItem(TComponent* owner);

    void Assign(const TPersistent* source) override;

    TBasicAction* GetActionProp() const { return GetAction(); }
    void SetAction(TBasicAction* value) { SetActionValue(value); }
    TOrvGDIPPicture& Image() { return FImage; }
    void SetImage(const TCustomGDIPPicture* value) { FImage.Assign(value); }
    int32_t GetImageHeight() const { return FImageHeight; }
    void SetImageHeight(int32_t value);
    int32_t GetImageWidth() const { return FImageWidth; }
    void SetImageWidth(int32_t value);
    bool GetImageVisible() const { return FImageVisible; }
    void SetImageVisible(bool value);
    int32_t GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t value);
    const std::wstring& GetImageName() const { return FImageName; }
    void SetImageName(const std::wstring& value);
    int32_t GetSpacing() const { return FSpacing; }
    void SetSpacing(int32_t value);

    // An image from any of the three sources, and ImageVisible.
    bool IsImageVisible(const TItemAppearance& appearance);

    TGPRectF DrawText(TGPGraphics& g, const TGPRectF& r, const TItemAppearance& appearance, bool doText) override;
    virtual bool DrawImageListImage(TGPGraphics& g, const TGPRectF& r, int index, const TItemAppearance& appearance);
    virtual bool DrawContainerImage(TGPGraphics& g, const TGPRectF& r, const std::wstring& name,
                                    const TItemAppearance& appearance);
    virtual void DrawImage(TGPGraphics& g, const TGPRectF& r, const TItemAppearance& appearance);

    TCustomItem* CreateNewItem(TComponent* owner) const override;
    std::wstring CustomClassName() const override { return L"Normal Text and Image Item"; }
    // The image is painted over fill, text, focus outline and badge.
    void DrawInRect(TGPGraphics& g, const TItemAppearance& appearance, const TGPRectF& r) override;
    void InitDesignTime() override;

    bool IsImageIndexLinked(TCustomAction* action) override;
    void SetActionImageIndex(int value) override { SetImageIndex(value); }

protected:
    uint32_t GetVersionNr() const override;
    void ActionChange(TObject* sender, bool checkDefaults) override;

private:
    void ImageChanged(TObject*) { Changed(); }

    TOrvGDIPPicture FImage;
    int32_t FImageHeight = 18;
    int32_t FImageWidth = 18;
    bool FImageVisible = true;
    int32_t FImageIndex = -1;
    std::wstring FImageName;
    int32_t FSpacing = 3;
};

}  // namespace orv
