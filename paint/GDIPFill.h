#pragma once
// TGDIPFill: a persistent appearance record that paints one rectangle on a GDI+ surface
// (soft shadow, a one- or two-part body, border, glow, focus outline and two pictures). It
// owns no window; its owner hooks OnChange and repaints. TGDIPStatus is the small pill
// badge with a caption that items show. Both are plain values: every GDI+ object a paint
// makes is freed before the paint returns.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Event.h"
#include "framework/Graphics.h"
#include "framework/Persistent.h"
#include "framework/Types.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvGDIP.h"

namespace orv {

class TIniFile;
class TMemoryStream;

enum TOrvGradientType : int {
    gtSolid,
    gtRadial,
    gtVertical,
    gtHorizontal,
    gtForwardDiagonal,
    gtBackwardDiagonal,
    gtAngle,
    gtHatch,
    gtPath,
    gtTexture,
    gtNone
};
enum TFillRoundingType : int { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };
enum TGlowMode : int { gmNone, gmGradient, gmRadial, gmRadialGradient };
enum TFillPictureMode : int { pmInsideFill, pmOutsideFill };
enum TFillPicturePosition : int {
    ppTopLeft,
    ppTopCenter,
    ppTopRight,
    ppBottomLeft,
    ppBottomCenter,
    ppBottomRight,
    ppTiled,
    ppStretched,
    ppCenterLeft,
    ppCenterCenter,
    ppCenterRight,
    ppCustom
};
enum TFillPictureSize : int { psOriginal, psCustom };

// A closed path of r with the corners of type rounded by radius (alternate fill mode). A
// radius of 0 gives the rectangle's own corner points.
TGPGraphicsPath RoundedRectPath(const TGPRectF& r, float radius, TFillRoundingType type);

// Where a picture of size (width, height) goes in frame at position: false for ppTiled
// (nothing placed). ppStretched takes the whole frame; ppCustom sits at custom, in surface
// coordinates.
bool PlaceFillPicture(const TRect& frame, int width, int height, TFillPicturePosition position, TPoint custom,
                      TRect& placed);

class TGDIPFill : public TPersistent {
public:
    ORV_CLASS_NAME(TGDIPFill)
    TGDIPFill();
    ~TGDIPFill() override;
    TGDIPFill(const TGDIPFill&) = delete;
    TGDIPFill& operator=(const TGDIPFill&) = delete;

    // Copies every published value from another fill (pictures by their data), not Focus
    // or FocusColor, then notifies once. Other sources are ignored.
    void Assign(const TPersistent* source) override;

    // Paints into r; an opacity argument of 255 means "the property's". Returns the body
    // rectangle (r less the shadow). Without a surface nothing is painted.
    TGPRectF Fill(TGPGraphics* graphics, const TGPRectF& r, uint8_t borderOpacity = 255, uint8_t opacity = 255,
                  uint8_t opacityTo = 255, uint8_t opacityMirror = 255, uint8_t opacityMirrorTo = 255);
    // The glow alone, clipped to r.
    void DrawGlow(TGPGraphics* graphics, const TGPRectF& r);

    // OnChange is held back while the counter is above 0; EndUpdate fires nothing.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate() {
        if (FUpdateCount > 0) --FUpdateCount;
    }
    int UpdateCount() const { return FUpdateCount; }

    // The INI section (see the unit's source for the keys). Load keeps the current value of
    // a key that is missing, not a number or out of range; a picture value with a non-hex
    // character raises EConvertError "No Hex-Number" after notifying what was applied.
    void SaveToFile(const std::wstring& fileName, const std::wstring& section);
    void SaveToFile(TIniFile& ini, const std::wstring& section);
    void LoadFromFile(const std::wstring& fileName, const std::wstring& section);
    void LoadFromFile(const TIniFile& ini, const std::wstring& section);

    // Copy and paste of the whole fill under the clipboard format "GDI+ Fill". Paste does
    // nothing without that format; malformed data raises EReadError and leaves the fill
    // as it was.
    void SaveToClipBoard();
    void LoadFromClipBoard();

    // --- published ---
    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);
    TColor GetColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);
    TColor GetColorMirror() const { return FColorMirror; }
    void SetColorMirror(TColor value);
    TColor GetColorMirrorTo() const { return FColorMirrorTo; }
    void SetColorMirrorTo(TColor value);
    TOrvGradientType GetGradientType() const { return FGradientType; }
    void SetGradientType(TOrvGradientType value);
    TOrvGradientType GetGradientMirrorType() const { return FGradientMirrorType; }
    void SetGradientMirrorType(TOrvGradientType value);
    THatchStyle GetHatchStyle() const { return FHatchStyle; }
    void SetHatchStyle(THatchStyle value);
    THatchStyle GetHatchStyleMirror() const { return FHatchStyleMirror; }
    void SetHatchStyleMirror(THatchStyle value);
    TFillPictureMode GetBackGroundPictureMode() const { return FBackGroundPictureMode; }
    void SetBackGroundPictureMode(TFillPictureMode value);
    TOrvGDIPPicture* GetBackGroundPicture() { return &FBackGroundPicture; }
    const TOrvGDIPPicture* GetBackGroundPicture() const { return &FBackGroundPicture; }
    // Copies the picture's data (null empties).
    void SetBackGroundPicture(const TCustomGDIPPicture* value);
    TFillPicturePosition GetBackGroundPicturePosition() const { return FBackGroundPicturePosition; }
    void SetBackGroundPicturePosition(TFillPicturePosition value);
    int32_t GetBackGroundPictureLeft() const { return FBackGroundPictureLeft; }
    void SetBackGroundPictureLeft(int32_t value);
    int32_t GetBackGroundPictureTop() const { return FBackGroundPictureTop; }
    void SetBackGroundPictureTop(int32_t value);
    TOrvGDIPPicture* GetPicture() { return &FPicture; }
    const TOrvGDIPPicture* GetPicture() const { return &FPicture; }
    void SetPicture(const TCustomGDIPPicture* value);
    TFillPicturePosition GetPicturePosition() const { return FPicturePosition; }
    void SetPicturePosition(TFillPicturePosition value);
    int32_t GetPictureLeft() const { return FPictureLeft; }
    void SetPictureLeft(int32_t value);
    int32_t GetPictureTop() const { return FPictureTop; }
    void SetPictureTop(int32_t value);
    TFillPictureSize GetPictureSize() const { return FPictureSize; }
    void SetPictureSize(TFillPictureSize value);
    int32_t GetPictureWidth() const { return FPictureWidth; }
    void SetPictureWidth(int32_t value);
    int32_t GetPictureHeight() const { return FPictureHeight; }
    void SetPictureHeight(int32_t value);
    uint8_t GetOpacity() const { return FOpacity; }
    void SetOpacity(uint8_t value);
    uint8_t GetOpacityTo() const { return FOpacityTo; }
    void SetOpacityTo(uint8_t value);
    uint8_t GetOpacityMirror() const { return FOpacityMirror; }
    void SetOpacityMirror(uint8_t value);
    uint8_t GetOpacityMirrorTo() const { return FOpacityMirrorTo; }
    void SetOpacityMirrorTo(uint8_t value);
    TColor GetBorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    uint8_t GetBorderOpacity() const { return FBorderOpacity; }
    void SetBorderOpacity(uint8_t value);
    int32_t GetBorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int32_t value);
    int32_t GetRounding() const { return FRounding; }
    void SetRounding(int32_t value);
    TFillRoundingType GetRoundingType() const { return FRoundingType; }
    void SetRoundingType(TFillRoundingType value);
    TColor GetShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    int32_t GetShadowOffset() const { return FShadowOffset; }
    void SetShadowOffset(int32_t value);
    int32_t GetAngle() const { return FAngle; }
    void SetAngle(int32_t value);
    TGlowMode GetGlow() const { return FGlow; }
    void SetGlow(TGlowMode value);
    TColor GetGlowGradientColor() const { return FGlowGradientColor; }
    void SetGlowGradientColor(TColor value);
    TColor GetGlowRadialColor() const { return FGlowRadialColor; }
    void SetGlowRadialColor(TColor value);

    TNotifyEvent OnChange;

    // --- public, not stored ---
    bool GetFocus() const { return FFocus; }
    void SetFocus(bool value);
    TColor GetFocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value);
    // The body less the border, from the last Fill.
    const TGPRectF& GetFocusRect() const { return FFocusRect; }

protected:
    // OnChange, unless updates are held back.
    void Changed();

private:
    struct TPartColors;
    // The colour set of the upper or mirror part, with the kind its colours leave.
    TPartColors PartColors(bool mirror) const;
    // One part of the body; twoParts picks the part's own rounding type.
    void PaintFillPart(TGPGraphics& g, const TGPRectF& part, bool mirror, bool twoParts, uint8_t a1, uint8_t a2);
    void PaintRadialPart(TGPGraphics& g, const TGPRectF& part, TColor first, TColor second, TFillRoundingType type,
                         bool upper, uint8_t a1, uint8_t a2);
    void DrawPictureIn(TGPGraphics& g, TOrvGDIPPicture& picture, const TRect& frame, TFillPicturePosition position,
                       TPoint custom, bool customSize);
    void PictureChanged(TObject* sender);

    TColor FColor = 0xC0C0C0;
    TColor FColorTo = 0x808080;
    TColor FColorMirror = clNone;
    TColor FColorMirrorTo = clNone;
    TOrvGradientType FGradientType = gtVertical;
    TOrvGradientType FGradientMirrorType = gtSolid;
    THatchStyle FHatchStyle = HatchStyleHorizontal;
    THatchStyle FHatchStyleMirror = HatchStyleHorizontal;
    TFillPictureMode FBackGroundPictureMode = pmOutsideFill;
    TOrvGDIPPicture FBackGroundPicture;
    TFillPicturePosition FBackGroundPicturePosition = ppTopLeft;
    int32_t FBackGroundPictureLeft = 0;
    int32_t FBackGroundPictureTop = 0;
    TOrvGDIPPicture FPicture;
    TFillPicturePosition FPicturePosition = ppTopLeft;
    int32_t FPictureLeft = 0;
    int32_t FPictureTop = 0;
    TFillPictureSize FPictureSize = psOriginal;
    int32_t FPictureWidth = 50;
    int32_t FPictureHeight = 50;
    uint8_t FOpacity = 255;
    uint8_t FOpacityTo = 255;
    uint8_t FOpacityMirror = 255;
    uint8_t FOpacityMirrorTo = 255;
    TColor FBorderColor = clNone;
    uint8_t FBorderOpacity = 255;
    int32_t FBorderWidth = 1;
    int32_t FRounding = 0;
    TFillRoundingType FRoundingType = rtBoth;
    TColor FShadowColor = 0x808080;
    int32_t FShadowOffset = 0;
    int32_t FAngle = 0;
    TGlowMode FGlow = gmNone;
    TColor FGlowGradientColor = 0xFFFFFF;
    TColor FGlowRadialColor = 0xFFFFFF;

    bool FFocus = false;
    TColor FFocusColor = clBlack;
    TGPRectF FFocusRect;
    int FUpdateCount = 0;
};

// The status badge: a pill of Fill with a centred caption and an optional white shine.
class TGDIPStatus : public TPersistent {
public:
    ORV_CLASS_NAME(TGDIPStatus)
    TGDIPStatus();
    TGDIPStatus(const TGDIPStatus&) = delete;
    TGDIPStatus& operator=(const TGDIPStatus&) = delete;

    // Copies Fill, Font, Glow and Spacing from another status, then fires OnChange.
    void Assign(const TPersistent* source) override;

    // Measures caption (an empty caption keeps the previous size); a picture of the fill
    // enlarges the size to at least its own.
    void CalculateSize(TGPGraphics* graphics, const std::wstring& caption);
    // Paints the badge at (x, y): with autoSize in the size of the last CalculateSize,
    // else width x height. Sets Fill.Rounding to half the box height (a pill) without a
    // change event.
    void Draw(TGPGraphics* graphics, int x, int y, int width, int height, bool autoSize, const std::wstring& caption);
    int GetWidth() const { return FWidth; }
    int GetHeight() const { return FHeight; }

    TGDIPFill* GetFill() { return &FFill; }
    void SetFill(const TGDIPFill* value) { FFill.Assign(value); }
    TFont* GetFont() { return &FFont; }
    void SetFont(const TFont* value) { FFont.Assign(value); }
    int32_t GetSpacing() const { return FSpacing; }
    void SetSpacing(int32_t value);
    bool GetGlow() const { return FGlow; }
    void SetGlow(bool value);

    TNotifyEvent OnChange;

private:
    void Changed();

    TGDIPFill FFill;
    TFont FFont;
    int32_t FSpacing = 0;
    bool FGlow = true;
    int FWidth = 0;
    int FHeight = 0;
    bool FAutoSize = true;
};

// Carries one persistent object through the component streaming (its properties are
// written as "SaveObject.Name"). The object is not owned.
class TSaver : public TComponent {
public:
    ORV_CLASS_NAME(TSaver)
    explicit TSaver(TComponent* owner) : TComponent(owner) {}
    TPersistent* GetSaveObject() const { return FSaveObject; }
    void SetSaveObject(TPersistent* value) { FSaveObject = value; }

private:
    TPersistent* FSaveObject = nullptr;
};

// The stream routines of the clipboard form. WriteFillToStream replaces stream's content
// with the fill as a TSaver layout; ReadFillFromStream reads it back into fill, accepting
// only the fill's own properties (EReadError otherwise, fill unchanged).
void WriteFillToStream(TGDIPFill* fill, TMemoryStream& stream);
void ReadFillFromStream(TMemoryStream& stream, TGDIPFill* fill);
std::wstring StreamToHex(TMemoryStream& stream);
// Raises EConvertError "No Hex-Number" on a character other than a hex digit.
void HexToStream(const std::wstring& text, TMemoryStream& stream);
// Reads the clipboard's "GDI+ Fill" data into fill; false when there is none.
bool ReadClipboardFill(TGDIPFill* fill);
// The registered clipboard format "GDI+ Fill".
unsigned FillClipboardFormat();

// Registers TGDIPFill, TGDIPStatus and TSaver with the class registry (idempotent).
void RegisterFillClasses();

}  // namespace orv
