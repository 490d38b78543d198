#include "paint/GDIPFill.h"

#include "framework/Clipbrd.h"
#include "framework/IniFiles.h"
#include "framework/Streams.h"
#include "paint/FillValues.h"
#include "paint/OrvColors.h"

namespace orv {

namespace {
template <class T>
bool Store(T& field, T value) {
    if (field == value) return false;
    field = value;
    return true;
}
}  // namespace

// --- TGDIPFill ------------------------------------------------------------------------------

TGDIPFill::TGDIPFill() {
    FPicture.OnChange = TNotifyEvent::Bind(this, &TGDIPFill::PictureChanged);
    FBackGroundPicture.OnChange = TNotifyEvent::Bind(this, &TGDIPFill::PictureChanged);
}

TGDIPFill::~TGDIPFill() = default;

void TGDIPFill::Changed() {
    if (FUpdateCount == 0) OnChange(this);
}

void TGDIPFill::PictureChanged(TObject*) {
    Changed();
}

#define ORV_FILL_SETTER(Name, Type)           \
    void TGDIPFill::Set##Name(Type value) {   \
        if (Store(F##Name, value)) Changed(); \
    }
ORV_FILL_SETTER(Color, TColor)
ORV_FILL_SETTER(ColorTo, TColor)
ORV_FILL_SETTER(ColorMirror, TColor)
ORV_FILL_SETTER(ColorMirrorTo, TColor)
ORV_FILL_SETTER(GradientType, TOrvGradientType)
ORV_FILL_SETTER(GradientMirrorType, TOrvGradientType)
ORV_FILL_SETTER(HatchStyle, THatchStyle)
ORV_FILL_SETTER(HatchStyleMirror, THatchStyle)
ORV_FILL_SETTER(BackGroundPictureMode, TFillPictureMode)
ORV_FILL_SETTER(BackGroundPicturePosition, TFillPicturePosition)
ORV_FILL_SETTER(BackGroundPictureLeft, int32_t)
ORV_FILL_SETTER(BackGroundPictureTop, int32_t)
ORV_FILL_SETTER(PicturePosition, TFillPicturePosition)
ORV_FILL_SETTER(PictureLeft, int32_t)
ORV_FILL_SETTER(PictureTop, int32_t)
ORV_FILL_SETTER(PictureSize, TFillPictureSize)
ORV_FILL_SETTER(PictureWidth, int32_t)
ORV_FILL_SETTER(PictureHeight, int32_t)
ORV_FILL_SETTER(Opacity, uint8_t)
ORV_FILL_SETTER(OpacityTo, uint8_t)
ORV_FILL_SETTER(OpacityMirror, uint8_t)
ORV_FILL_SETTER(OpacityMirrorTo, uint8_t)
ORV_FILL_SETTER(BorderColor, TColor)
ORV_FILL_SETTER(BorderOpacity, uint8_t)
ORV_FILL_SETTER(BorderWidth, int32_t)
ORV_FILL_SETTER(Rounding, int32_t)
ORV_FILL_SETTER(RoundingType, TFillRoundingType)
ORV_FILL_SETTER(ShadowColor, TColor)
ORV_FILL_SETTER(ShadowOffset, int32_t)
ORV_FILL_SETTER(Angle, int32_t)
ORV_FILL_SETTER(Glow, TGlowMode)
ORV_FILL_SETTER(GlowGradientColor, TColor)
ORV_FILL_SETTER(GlowRadialColor, TColor)
ORV_FILL_SETTER(Focus, bool)
ORV_FILL_SETTER(FocusColor, TColor)
#undef ORV_FILL_SETTER

void TGDIPFill::SetPicture(const TCustomGDIPPicture* value) {
    FPicture.Assign(value);
}

void TGDIPFill::SetBackGroundPicture(const TCustomGDIPPicture* value) {
    FBackGroundPicture.Assign(value);
}

void TGDIPFill::Assign(const TPersistent*) {}

TGPRectF TGDIPFill::Fill(TGPGraphics*, const TGPRectF& r, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t) {
    return r;
}

void TGDIPFill::DrawGlow(TGPGraphics*, const TGPRectF&) {}

void TGDIPFill::SaveToFile(const std::wstring& fileName, const std::wstring& section) {
    TIniFile ini(fileName);
    SaveToFile(ini, section);
}

void TGDIPFill::SaveToFile(TIniFile&, const std::wstring&) {}

void TGDIPFill::LoadFromFile(const std::wstring& fileName, const std::wstring& section) {
    TIniFile ini(fileName);
    LoadFromFile(ini, section);
}

void TGDIPFill::LoadFromFile(const TIniFile&, const std::wstring&) {}

void TGDIPFill::SaveToClipBoard() {}
void TGDIPFill::LoadFromClipBoard() {}

// --- TGDIPStatus ----------------------------------------------------------------------------

TGDIPStatus::TGDIPStatus() {
    FFill.OnChange = [this](TObject*) { Changed(); };
    FFont.OnChange = [this](TObject*) { Changed(); };
}

void TGDIPStatus::Changed() {
    OnChange(this);
}

void TGDIPStatus::Assign(const TPersistent* source) {
    auto* status = dynamic_cast<const TGDIPStatus*>(source);
    if (!status) return;
    FFill.Assign(&status->FFill);
    FFont.Assign(&status->FFont);
    FGlow = status->FGlow;
    FSpacing = status->FSpacing;
    Changed();
}

void TGDIPStatus::SetSpacing(int32_t value) {
    if (Store(FSpacing, value)) Changed();
}

void TGDIPStatus::SetGlow(bool value) {
    if (Store(FGlow, value)) Changed();
}

void TGDIPStatus::CalculateSize(TGPGraphics*, const std::wstring&) {}
void TGDIPStatus::Draw(TGPGraphics*, int, int, int, int, bool, const std::wstring&) {}

// --- free routines --------------------------------------------------------------------------

TGPGraphicsPath RoundedRectPath(const TGPRectF&, float, TFillRoundingType) {
    return TGPGraphicsPath(FillModeAlternate);
}

bool PlaceFillPicture(const TRect&, int, int, TFillPicturePosition, TPoint, TRect&) {
    return false;
}

void WriteFillToStream(TGDIPFill*, TMemoryStream&) {}
void ReadFillFromStream(TMemoryStream&, TGDIPFill*) {}
std::wstring StreamToHex(TMemoryStream& stream) {
    return HexFromBytes(stream.Memory(), stream.Bytes().size());
}
void HexToStream(const std::wstring&, TMemoryStream&) {}
bool ReadClipboardFill(TGDIPFill*) {
    return false;
}
unsigned FillClipboardFormat() {
    static unsigned format = RegisterClipboardFormatName(L"GDI+ Fill");
    return format;
}
void RegisterFillClasses() {}

}  // namespace orv
