#pragma once
// Drawing tools as persistent values: TFont, TPen and TBrush describe what to draw with;
// a canvas turns them into GDI objects when it draws. TGraphic is the abstract picture.
#include <cstdint>
#include <string>

#include "framework/Event.h"
#include "framework/Persistent.h"
#include "framework/Types.h"

namespace orv {

class TCanvas;

// Resolves a system colour through the system colour table; others pass through
// (clNone included).
TColor ColorToRGB(TColor color);
int ScreenPixelsPerInch();
// Colour names: the standard and system colours ("clWhite", "clBtnFace", "clNone").
bool ColorToIdent(TColor color, std::wstring& ident);
bool IdentToColor(const std::wstring& ident, TColor& color);
// A name when the colour has one, else "$" and eight lowercase hex digits.
std::wstring ColorToString(TColor color);
// Names or numbers ("$00BBGGRR", decimal); raises EConvertError otherwise.
TColor StringToColor(const std::wstring& text);

enum TFontStyleFlag : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;

class TFont : public TPersistent {
public:
    ORV_CLASS_NAME(TFont)
    TFont();

    void Assign(const TPersistent* source) override;
    bool SameAs(const TFont& other) const;

    const std::wstring& GetName() const { return FName; }
    void SetName(const std::wstring& value);
    // Negative: character height in pixels; positive: cell height.
    int GetHeight() const { return FHeight; }
    void SetHeight(int value);
    // Points at the screen's pixels per inch, rounded (height -11 at 96 PPI is 8).
    int GetSize() const;
    void SetSize(int points);
    TFontStyles GetStyle() const { return FStyle; }
    void SetStyle(TFontStyles value);
    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);
    uint8_t GetCharset() const { return FCharset; }
    void SetCharset(uint8_t value);
    // Escapement in tenths of a degree.
    int GetOrientation() const { return FOrientation; }
    void SetOrientation(int value);

    TNotifyEvent OnChange;

private:
    void Changed();

    std::wstring FName = L"Tahoma";
    int FHeight = -11;
    TFontStyles FStyle = 0;
    TColor FColor = clWindowText;
    uint8_t FCharset = 1;  // DEFAULT_CHARSET
    int FOrientation = 0;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen : public TPersistent {
public:
    ORV_CLASS_NAME(TPen)
    void Assign(const TPersistent* source) override;

    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);
    int GetWidth() const { return FWidth; }
    void SetWidth(int value);
    TPenStyle GetStyle() const { return FStyle; }
    void SetStyle(TPenStyle value);

    TNotifyEvent OnChange;

private:
    void Changed();
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = TPenStyle::psSolid;
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush : public TPersistent {
public:
    ORV_CLASS_NAME(TBrush)
    void Assign(const TPersistent* source) override;

    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);
    TBrushStyle GetStyle() const { return FStyle; }
    void SetStyle(TBrushStyle value);

    TNotifyEvent OnChange;

private:
    void Changed();
    TColor FColor = clWhite;
    TBrushStyle FStyle = TBrushStyle::bsSolid;
};

// A picture that can draw itself onto a canvas.
class TGraphic : public TPersistent {
public:
    ORV_CLASS_NAME(TGraphic)
    virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool GetTransparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);

    TNotifyEvent OnChange;

protected:
    void Changed();
    bool FTransparent = false;
};

}  // namespace orv
