#pragma once
// TTextItem: an item with a caption and an optional description beneath it, each with
// its own margins, colour, opacity, size and placement inside the item rectangle.
#include <string>

#include "itemlist/GDIPCustomItem.h"

namespace orv {

class TTextItem : public TCustomItem {
public:
    ORV_CLASS_NAME(TTextItem)
    explicit TTextItem(TComponent* owner);

    // Copies the base values, then every text property listed here.
    void Assign(const TPersistent* source) override;

    const std::wstring& GetCaption() const { return FCaption; }
    void SetCaption(const std::wstring& value);
    TMargins& CaptionMargin() { return FCaptionMargin; }
    TColor GetCaptionColor() const { return FCaptionColor; }
    void SetCaptionColor(TColor value);
    uint8_t GetCaptionOpacity() const { return FCaptionOpacity; }
    void SetCaptionOpacity(uint8_t value);
    int32_t GetCaptionLeft() const { return FCaptionLeft; }
    void SetCaptionLeft(int32_t value);
    int32_t GetCaptionTop() const { return FCaptionTop; }
    void SetCaptionTop(int32_t value);
    TItemLocation GetCaptionLocation() const { return FCaptionLocation; }
    void SetCaptionLocation(TItemLocation value);
    // Points; -1 follows the state font.
    int32_t GetCaptionSize() const { return FCaptionSize; }
    void SetCaptionSize(int32_t value);
    const std::wstring& GetDescription() const { return FDescription; }
    void SetDescription(const std::wstring& value);
    TMargins& DescriptionMargin() { return FDescriptionMargin; }
    TColor GetDescriptionColor() const { return FDescriptionColor; }
    void SetDescriptionColor(TColor value);
    uint8_t GetDescriptionOpacity() const { return FDescriptionOpacity; }
    void SetDescriptionOpacity(uint8_t value);
    int32_t GetDescriptionSize() const { return FDescriptionSize; }
    void SetDescriptionSize(int32_t value);
    TItemLocation GetDescriptionLocation() const { return FDescriptionLocation; }
    void SetDescriptionLocation(TItemLocation value);
    int32_t GetDescriptionLeft() const { return FDescriptionLeft; }
    void SetDescriptionLeft(int32_t value);
    int32_t GetDescriptionTop() const { return FDescriptionTop; }
    void SetDescriptionTop(int32_t value);
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool GetEllipsis() const { return FEllipsis; }
    void SetEllipsis(bool value);

    // Lays out (and with doText draws) caption and description in r; returns the
    // caption's rectangle (r itself when both texts are empty, all zero when only the
    // caption is).
    virtual TGPRectF DrawText(TGPGraphics& g, const TGPRectF& r, const TItemAppearance& appearance, bool doText);

    TCustomItem* CreateNewItem(TComponent* owner) const override;
    std::wstring CustomClassName() const override { return L"Normal Text Item"; }
    bool Display() const override { return true; }
    void DrawInRect(TGPGraphics& g, const TItemAppearance& appearance, const TGPRectF& r) override;
    void UseCaption(const std::wstring& caption) override { SetCaption(caption); }

protected:
    uint32_t GetVersionNr() const override;

private:
    void MarginChanged(TObject*) { Changed(); }

    std::wstring FCaption;
    TMargins FCaptionMargin{3, 3, 3, 3};
    TColor FCaptionColor = clNone;
    uint8_t FCaptionOpacity = 255;
    int32_t FCaptionLeft = 0;
    int32_t FCaptionTop = 0;
    TItemLocation FCaptionLocation = tlCenterLeft;
    int32_t FCaptionSize = -1;
    std::wstring FDescription;
    TMargins FDescriptionMargin{3, 0, 3, 3};
    TColor FDescriptionColor = 0x808080;
    uint8_t FDescriptionOpacity = 255;
    int32_t FDescriptionSize = -1;
    TItemLocation FDescriptionLocation = tlTopLeft;
    int32_t FDescriptionLeft = 0;
    int32_t FDescriptionTop = 0;
    bool FWordWrap = true;
    bool FEllipsis = false;
};

}  // namespace orv
