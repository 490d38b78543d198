#include "paint/GDIPFill.h"

#include <cassert>
#include <cstddef>
#include <type_traits>
#include <utility>

#include "framework/Clipbrd.h"
#include "framework/IniFiles.h"
#include "framework/LayoutReader.h"
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

void TGDIPFill::Assign(const TPersistent* source) {
    auto* fill = dynamic_cast<const TGDIPFill*>(source);
    if (!fill || fill == this) return;
    ++FUpdateCount;  // the pictures' own change events are part of this one change
    try {
        FColor = fill->FColor;
        FColorTo = fill->FColorTo;
        FColorMirror = fill->FColorMirror;
        FColorMirrorTo = fill->FColorMirrorTo;
        FGradientType = fill->FGradientType;
        FGradientMirrorType = fill->FGradientMirrorType;
        FHatchStyle = fill->FHatchStyle;
        FHatchStyleMirror = fill->FHatchStyleMirror;
        FBackGroundPictureMode = fill->FBackGroundPictureMode;
        FBackGroundPicture.Assign(&fill->FBackGroundPicture);
        FBackGroundPicturePosition = fill->FBackGroundPicturePosition;
        FBackGroundPictureLeft = fill->FBackGroundPictureLeft;
        FBackGroundPictureTop = fill->FBackGroundPictureTop;
        FPicture.Assign(&fill->FPicture);
        FPicturePosition = fill->FPicturePosition;
        FPictureLeft = fill->FPictureLeft;
        FPictureTop = fill->FPictureTop;
        FPictureSize = fill->FPictureSize;
        FPictureWidth = fill->FPictureWidth;
        FPictureHeight = fill->FPictureHeight;
        FOpacity = fill->FOpacity;
        FOpacityTo = fill->FOpacityTo;
        FOpacityMirror = fill->FOpacityMirror;
        FOpacityMirrorTo = fill->FOpacityMirrorTo;
        FBorderColor = fill->FBorderColor;
        FBorderOpacity = fill->FBorderOpacity;
        FBorderWidth = fill->FBorderWidth;
        FRounding = fill->FRounding;
        FRoundingType = fill->FRoundingType;
        FShadowColor = fill->FShadowColor;
        FShadowOffset = fill->FShadowOffset;
        FAngle = fill->FAngle;
        FGlow = fill->FGlow;
        FGlowGradientColor = fill->FGlowGradientColor;
        FGlowRadialColor = fill->FGlowRadialColor;
    } catch (...) {
        --FUpdateCount;
        throw;
    }
    --FUpdateCount;
    Changed();
}

// --- INI section --------------------------------------------------------------------------

namespace {

constexpr int kGradientTypes = gtNone + 1;
constexpr int kHatchStyles = 54;  // HatchStyleHorizontal .. HatchStyleTotal
constexpr int kPictureModes = pmOutsideFill + 1;
constexpr int kPicturePositions = ppCustom + 1;
constexpr int kPictureSizes = psCustom + 1;
constexpr int kRoundingTypes = rtRight + 1;
constexpr int kGlowModes = gmRadialGradient + 1;

std::wstring PictureHex(const TOrvGDIPPicture& picture) {
    if (picture.Empty()) return {};
    std::vector<uint8_t> bytes = picture.GetData();
    return HexFromBytes(bytes.data(), bytes.size());
}

// The whole of a picture value, whatever its stored length says, up to the limit; false
// when the hint says there is none or the value is longer than the limit.
bool ReadPictureText(const TIniFile& ini, const std::wstring& section, const std::wstring& key, int lengthHint,
                     std::wstring& text) {
    size_t buffer = PictureTextBuffer(lengthHint);
    while (buffer) {
        text = ini.ReadString(section, key, L"", buffer);
        if (text.size() + 1 < buffer) return true;
        buffer = GrowPictureTextBuffer(buffer);
    }
    return false;
}

// Decodes a picture value into picture; false (picture untouched) when the text is not
// hex. An empty value leaves the picture as it is.
bool LoadPictureHex(const std::wstring& text, TOrvGDIPPicture& picture) {
    std::vector<uint8_t> bytes;
    if (!BytesFromHex(text, bytes)) return false;
    if (bytes.empty()) return true;
    TMemoryStream stream;
    stream.SetBytes(std::move(bytes));
    picture.LoadFromStream(&stream);
    return true;
}

}  // namespace

void TGDIPFill::SaveToFile(const std::wstring& fileName, const std::wstring& section) {
    TIniFile ini(fileName);
    SaveToFile(ini, section);
}

void TGDIPFill::SaveToFile(TIniFile& ini, const std::wstring& section) {
    const std::wstring picture = PictureHex(FPicture);
    const std::wstring background = PictureHex(FBackGroundPicture);
    auto put = [&](const wchar_t* key, int value) { ini.WriteInteger(section, key, value); };
    put(L"Color", FColor);
    put(L"ColorTo", FColorTo);
    put(L"ColorMirror", FColorMirror);
    put(L"ColorMirrorTo", FColorMirrorTo);
    put(L"GradientType", FGradientType);
    put(L"GradientMirrorType", FGradientMirrorType);
    put(L"HatchStyle", FHatchStyle);
    put(L"HatchStyleMirror", FHatchStyleMirror);
    put(L"BackGroundPictureMode", FBackGroundPictureMode);
    put(L"BackGroundPicturePosition", FBackGroundPicturePosition);
    put(L"BackGroundPictureLeft", FBackGroundPictureLeft);
    put(L"BackGroundPictureTop", FBackGroundPictureTop);
    put(L"PicturePosition", FPicturePosition);
    put(L"PictureLeft", FPictureLeft);
    put(L"PictureTop", FPictureTop);
    put(L"PictureSize", static_cast<int>(picture.size()));
    put(L"PictureWidth", FPictureWidth);
    put(L"PictureHeight", FPictureHeight);
    put(L"Opacity", FOpacity);
    put(L"OpacityTo", FOpacityTo);
    put(L"OpacityMirror", FOpacityMirror);
    put(L"OpacityMirrorTo", FOpacityMirrorTo);
    put(L"BorderColor", FBorderColor);
    put(L"BorderOpacity", FBorderOpacity);
    put(L"BorderWidth", FBorderWidth);
    put(L"Rounding", FRounding);
    put(L"RoundingType", FRoundingType);
    put(L"ShadowOffset", FShadowOffset);
    put(L"ShadowColor", FShadowColor);
    put(L"Angle", FAngle);
    put(L"Glow", FGlow);
    put(L"GlowGradientColor", FGlowGradientColor);
    put(L"GlowRadialColor", FGlowRadialColor);
    ini.WriteString(section, L"Picture", picture);
    ini.WriteString(section, L"BackgroundPicture", background);
    put(L"BackgroundPictureSize", static_cast<int>(background.size()));
    // The size mode has no key of its own in the format; readers that do not know this
    // key ignore it.
    put(L"PictureSizeMode", FPictureSize);
}

void TGDIPFill::LoadFromFile(const std::wstring& fileName, const std::wstring& section) {
    TIniFile ini(fileName);
    LoadFromFile(ini, section);
}

void TGDIPFill::LoadFromFile(const TIniFile& ini, const std::wstring& section) {
    auto get = [&](const wchar_t* key, auto& field) {
        field = static_cast<std::remove_reference_t<decltype(field)>>(
            ini.ReadInteger(section, key, static_cast<int>(field)));
    };
    auto getChecked = [&](const wchar_t* key, auto& field, auto valid) {
        int value = ini.ReadInteger(section, key, static_cast<int>(field));
        if (valid(value)) field = static_cast<std::remove_reference_t<decltype(field)>>(value);
    };
    auto ordinal = [](int count) { return [count](int v) { return IniOrdinalValid(v, count); }; };
    auto opacity = [](int v) { return IniOpacityValid(v); };
    auto size = [](int v) { return IniSizeValid(v); };

    bool badHex = false;
    ++FUpdateCount;  // values are stored directly; one notification at the end
    try {
        get(L"Color", FColor);
        get(L"ColorTo", FColorTo);
        get(L"ColorMirror", FColorMirror);
        get(L"ColorMirrorTo", FColorMirrorTo);
        getChecked(L"GradientType", FGradientType, ordinal(kGradientTypes));
        getChecked(L"GradientMirrorType", FGradientMirrorType, ordinal(kGradientTypes));
        getChecked(L"HatchStyle", FHatchStyle, ordinal(kHatchStyles));
        getChecked(L"HatchStyleMirror", FHatchStyleMirror, ordinal(kHatchStyles));
        getChecked(L"BackGroundPictureMode", FBackGroundPictureMode, ordinal(kPictureModes));
        getChecked(L"BackGroundPicturePosition", FBackGroundPicturePosition, ordinal(kPicturePositions));
        get(L"BackGroundPictureLeft", FBackGroundPictureLeft);
        get(L"BackGroundPictureTop", FBackGroundPictureTop);
        getChecked(L"PicturePosition", FPicturePosition, ordinal(kPicturePositions));
        get(L"PictureLeft", FPictureLeft);
        get(L"PictureTop", FPictureTop);
        getChecked(L"PictureWidth", FPictureWidth, size);
        getChecked(L"PictureHeight", FPictureHeight, size);
        getChecked(L"Opacity", FOpacity, opacity);
        getChecked(L"OpacityTo", FOpacityTo, opacity);
        getChecked(L"OpacityMirror", FOpacityMirror, opacity);
        getChecked(L"OpacityMirrorTo", FOpacityMirrorTo, opacity);
        get(L"BorderColor", FBorderColor);
        getChecked(L"BorderOpacity", FBorderOpacity, opacity);
        get(L"BorderWidth", FBorderWidth);  // 0 or less: no border, still a valid value
        getChecked(L"Rounding", FRounding, size);
        getChecked(L"RoundingType", FRoundingType, ordinal(kRoundingTypes));
        getChecked(L"ShadowOffset", FShadowOffset, size);
        get(L"ShadowColor", FShadowColor);
        get(L"Angle", FAngle);
        getChecked(L"Glow", FGlow, ordinal(kGlowModes));
        get(L"GlowGradientColor", FGlowGradientColor);
        get(L"GlowRadialColor", FGlowRadialColor);
        getChecked(L"PictureSizeMode", FPictureSize, ordinal(kPictureSizes));

        std::wstring text;
        if (ReadPictureText(ini, section, L"Picture", ini.ReadInteger(section, L"PictureSize", 0), text))
            badHex = !LoadPictureHex(text, FPicture);
        if (!badHex && ReadPictureText(ini, section, L"BackgroundPicture",
                                       ini.ReadInteger(section, L"BackgroundPictureSize", 0), text))
            badHex = !LoadPictureHex(text, FBackGroundPicture);
    } catch (...) {
        --FUpdateCount;
        Changed();
        throw;
    }
    --FUpdateCount;
    // The owner repaints with what was applied, also when a picture value was not hex.
    Changed();
    if (badHex) throw EConvertError(L"No Hex-Number");
}

// --- clipboard ------------------------------------------------------------------------------

void TGDIPFill::SaveToClipBoard() {
    TMemoryStream stream;
    WriteFillToStream(this, stream);
    Clipboard().SetAsStream(FillClipboardFormat(), stream);
}

void TGDIPFill::LoadFromClipBoard() {
    ReadClipboardFill(this);
}

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

// --- stream routines ------------------------------------------------------------------------

namespace {

constexpr const wchar_t* kFillLayoutName = L"GDI+ Fill";
// More than any fill with two pictures of the INI limit needs.
constexpr size_t kMaxFillStreamSize = size_t(256) << 20;

// Whether a stored property is one of the fill's own values (its pictures' data
// included), given as a value rather than a reference, resource or handler name.
bool IsFillValue(const TLayoutProperty& p) {
    static const std::wstring kPrefix = L"SaveObject.";
    if (p.Path.size() <= kPrefix.size() || !SameText(p.Path.substr(0, kPrefix.size()), kPrefix)) return false;
    const std::wstring name = p.Path.substr(kPrefix.size());
    using K = TLayoutValue::TKind;
    if (SameText(name, L"Picture.Data") || SameText(name, L"BackGroundPicture.Data")) return p.Value.Kind == K::Binary;
    const TClassInfo* info = TClassRegistry::Find(L"TGDIPFill");
    const TPropInfo* prop = info ? info->FindProp(name) : nullptr;
    if (!prop || name.find(L'.') != std::wstring::npos) return false;
    switch (prop->Kind) {
        case TPropKind::Integer:
        case TPropKind::Color:
            return p.Value.Kind == K::Integer || p.Value.Kind == K::Ident;
        case TPropKind::Enum:
        case TPropKind::Bool:
            return p.Value.Kind == K::Ident;
        default:
            return false;
    }
}

}  // namespace

void WriteFillToStream(TGDIPFill* fill, TMemoryStream& stream) {
    assert(fill && "WriteFillToStream needs a fill");
    RegisterFillClasses();
    TOwnedPtr<TSaver> saver(new TSaver(nullptr));
    saver->SetSaveObject(fill);
    TLayoutObject node;
    node.Name = L"Saver";
    node.ClassName = L"TSaver";
    // A paste assigns only what the data holds, so a copy holds every value, those at
    // their initial ones too, and an empty picture as empty data.
    for (TLayoutProperty& p : WriteObjectProperties(fill, nullptr, saver.get())) {
        p.Path = L"SaveObject." + p.Path;
        node.Properties.push_back(std::move(p));
    }
    const std::pair<const wchar_t*, TOrvGDIPPicture*> pictures[] = {
        {L"SaveObject.Picture.Data", fill->GetPicture()},
        {L"SaveObject.BackGroundPicture.Data", fill->GetBackGroundPicture()}};
    for (const auto& [path, picture] : pictures) {
        if (!picture->Empty()) continue;
        TLayoutProperty p;
        p.Path = path;
        p.Value.Kind = TLayoutValue::TKind::Binary;
        node.Properties.push_back(std::move(p));
    }
    const std::string text = LayoutTextToUtf8(WriteLayout(node));
    stream.SetBytes(std::vector<uint8_t>(text.begin(), text.end()));
}

void ReadFillFromStream(TMemoryStream& stream, TGDIPFill* fill) {
    assert(fill && "ReadFillFromStream needs a fill");
    RegisterFillClasses();
    const std::vector<uint8_t>& bytes = stream.Bytes();
    // Other writers pad their blocks: zero bytes after the object's end are no data.
    size_t size = bytes.size();
    while (size > 0 && bytes[size - 1] == 0) --size;
    if (size == 0 || size > kMaxFillStreamSize) throw EReadError(L"Stream read error: no fill data");
    TLayoutObject tree;
    try {
        tree = ParseLayout(LayoutTextFromUtf8(std::string(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(size))),
                           kFillLayoutName);
    } catch (const ELayoutError& e) {
        throw EReadError(L"Stream read error: " + e.Message());
    }
    if (tree.Inline || !SameText(tree.ClassName, L"TSaver") || !tree.Children.empty())
        throw EReadError(L"Stream read error: the data holds no fill");
    for (const TLayoutProperty& p : tree.Properties)
        if (!IsFillValue(p)) throw EReadError(L"Stream read error: " + p.Path + L" is not a value of a fill");

    // Read into a copy of the target: the data's values replace only their own, and a
    // fault part way leaves the target as it was.
    TGDIPFill scratch;
    scratch.Assign(fill);
    // Empty picture data is a picture cleared (reading empty data leaves one as it is).
    for (const TLayoutProperty& p : tree.Properties) {
        if (p.Value.Kind != TLayoutValue::TKind::Binary || !p.Value.Bytes.empty() || !p.Value.HexText.Empty()) continue;
        if (SameText(p.Path, L"SaveObject.Picture.Data")) scratch.GetPicture()->Assign(nullptr);
        if (SameText(p.Path, L"SaveObject.BackGroundPicture.Data")) scratch.GetBackGroundPicture()->Assign(nullptr);
    }
    TOwnedPtr<TSaver> saver(new TSaver(nullptr));
    saver->SetSaveObject(&scratch);
    TLayoutReader reader(kFillLayoutName, [](const std::wstring&, std::vector<uint8_t>&) { return false; });
    try {
        reader.ReadProperties(saver.get(), tree.Properties, saver.get());
    } catch (const Exception& e) {
        throw EReadError(L"Stream read error: " + e.Message());
    }
    fill->Assign(&scratch);
}

std::wstring StreamToHex(TMemoryStream& stream) {
    return HexFromBytes(stream.Memory(), stream.Bytes().size());
}

void HexToStream(const std::wstring& text, TMemoryStream& stream) {
    std::vector<uint8_t> bytes;
    if (!BytesFromHex(text, bytes)) throw EConvertError(L"No Hex-Number");
    stream.SetBytes(std::move(bytes));
}

unsigned FillClipboardFormat() {
    static const unsigned format = RegisterClipboardFormatName(L"GDI+ Fill");
    return format;
}

bool ReadClipboardFill(TGDIPFill* fill) {
    TMemoryStream stream;
    if (!Clipboard().GetAsStream(FillClipboardFormat(), stream)) return false;
    ReadFillFromStream(stream, fill);
    return true;
}

// --- published properties -------------------------------------------------------------------

namespace {

const TEnumInfo kGradientTypeInfo{{L"gtSolid", L"gtRadial", L"gtVertical", L"gtHorizontal", L"gtForwardDiagonal",
                                   L"gtBackwardDiagonal", L"gtAngle", L"gtHatch", L"gtPath", L"gtTexture", L"gtNone"}};
const TEnumInfo kRoundingTypeInfo{{L"rtNone", L"rtTop", L"rtBottom", L"rtBoth", L"rtLeft", L"rtRight"}};
const TEnumInfo kGlowModeInfo{{L"gmNone", L"gmGradient", L"gmRadial", L"gmRadialGradient"}};
const TEnumInfo kPictureModeInfo{{L"pmInsideFill", L"pmOutsideFill"}};
const TEnumInfo kPicturePositionInfo{{L"ppTopLeft", L"ppTopCenter", L"ppTopRight", L"ppBottomLeft", L"ppBottomCenter",
                                      L"ppBottomRight", L"ppTiled", L"ppStretched", L"ppCenterLeft", L"ppCenterCenter",
                                      L"ppCenterRight", L"ppCustom"}};
const TEnumInfo kPictureSizeInfo{{L"psOriginal", L"psCustom"}};
// The platform's hatch styles by ordinal.
const TEnumInfo kHatchStyleInfo{{L"HatchStyleHorizontal",
                                 L"HatchStyleVertical",
                                 L"HatchStyleForwardDiagonal",
                                 L"HatchStyleBackwardDiagonal",
                                 L"HatchStyleCross",
                                 L"HatchStyleDiagonalCross",
                                 L"HatchStyle05Percent",
                                 L"HatchStyle10Percent",
                                 L"HatchStyle20Percent",
                                 L"HatchStyle25Percent",
                                 L"HatchStyle30Percent",
                                 L"HatchStyle40Percent",
                                 L"HatchStyle50Percent",
                                 L"HatchStyle60Percent",
                                 L"HatchStyle70Percent",
                                 L"HatchStyle75Percent",
                                 L"HatchStyle80Percent",
                                 L"HatchStyle90Percent",
                                 L"HatchStyleLightDownwardDiagonal",
                                 L"HatchStyleLightUpwardDiagonal",
                                 L"HatchStyleDarkDownwardDiagonal",
                                 L"HatchStyleDarkUpwardDiagonal",
                                 L"HatchStyleWideDownwardDiagonal",
                                 L"HatchStyleWideUpwardDiagonal",
                                 L"HatchStyleLightVertical",
                                 L"HatchStyleLightHorizontal",
                                 L"HatchStyleNarrowVertical",
                                 L"HatchStyleNarrowHorizontal",
                                 L"HatchStyleDarkVertical",
                                 L"HatchStyleDarkHorizontal",
                                 L"HatchStyleDashedDownwardDiagonal",
                                 L"HatchStyleDashedUpwardDiagonal",
                                 L"HatchStyleDashedHorizontal",
                                 L"HatchStyleDashedVertical",
                                 L"HatchStyleSmallConfetti",
                                 L"HatchStyleLargeConfetti",
                                 L"HatchStyleZigZag",
                                 L"HatchStyleWave",
                                 L"HatchStyleDiagonalBrick",
                                 L"HatchStyleHorizontalBrick",
                                 L"HatchStyleWeave",
                                 L"HatchStylePlaid",
                                 L"HatchStyleDivot",
                                 L"HatchStyleDottedGrid",
                                 L"HatchStyleDottedDiamond",
                                 L"HatchStyleShingle",
                                 L"HatchStyleTrellis",
                                 L"HatchStyleSphere",
                                 L"HatchStyleSmallGrid",
                                 L"HatchStyleSmallCheckerBoard",
                                 L"HatchStyleLargeCheckerBoard",
                                 L"HatchStyleOutlinedDiamond",
                                 L"HatchStyleSolidDiamond",
                                 L"HatchStyleTotal"}};

}  // namespace

void RegisterFillClasses() {
    if (TClassRegistry::Find(L"TGDIPFill")) return;
    using F = TGDIPFill;
    TClassBuilder<F>(L"TGDIPFill", L"TPersistent")
        .Color(L"Color", &F::GetColor, &F::SetColor)
        .Color(L"ColorTo", &F::GetColorTo, &F::SetColorTo)
        .Color(L"ColorMirror", &F::GetColorMirror, &F::SetColorMirror)
        .Color(L"ColorMirrorTo", &F::GetColorMirrorTo, &F::SetColorMirrorTo)
        .Enum(L"GradientType", &F::GetGradientType, &F::SetGradientType, kGradientTypeInfo)
        .Enum(L"GradientMirrorType", &F::GetGradientMirrorType, &F::SetGradientMirrorType, kGradientTypeInfo)
        .Enum(L"HatchStyle", &F::GetHatchStyle, &F::SetHatchStyle, kHatchStyleInfo)
        .Enum(L"HatchStyleMirror", &F::GetHatchStyleMirror, &F::SetHatchStyleMirror, kHatchStyleInfo)
        .Enum(L"BackGroundPictureMode", &F::GetBackGroundPictureMode, &F::SetBackGroundPictureMode, kPictureModeInfo)
        .Object(L"BackGroundPicture", [](F* f) { return f->GetBackGroundPicture(); })
        .Enum(L"BackGroundPicturePosition", &F::GetBackGroundPicturePosition, &F::SetBackGroundPicturePosition,
              kPicturePositionInfo)
        .Int(L"BackGroundPictureLeft", &F::GetBackGroundPictureLeft, &F::SetBackGroundPictureLeft)
        .Int(L"BackGroundPictureTop", &F::GetBackGroundPictureTop, &F::SetBackGroundPictureTop)
        .Object(L"Picture", [](F* f) { return f->GetPicture(); })
        .Enum(L"PicturePosition", &F::GetPicturePosition, &F::SetPicturePosition, kPicturePositionInfo)
        .Int(L"PictureLeft", &F::GetPictureLeft, &F::SetPictureLeft)
        .Int(L"PictureTop", &F::GetPictureTop, &F::SetPictureTop)
        .Enum(L"PictureSize", &F::GetPictureSize, &F::SetPictureSize, kPictureSizeInfo)
        .Int(L"PictureWidth", &F::GetPictureWidth, &F::SetPictureWidth)
        .Int(L"PictureHeight", &F::GetPictureHeight, &F::SetPictureHeight)
        .Int(L"Opacity", &F::GetOpacity, &F::SetOpacity)
        .Int(L"OpacityTo", &F::GetOpacityTo, &F::SetOpacityTo)
        .Int(L"OpacityMirror", &F::GetOpacityMirror, &F::SetOpacityMirror)
        .Int(L"OpacityMirrorTo", &F::GetOpacityMirrorTo, &F::SetOpacityMirrorTo)
        .Color(L"BorderColor", &F::GetBorderColor, &F::SetBorderColor)
        .Int(L"BorderOpacity", &F::GetBorderOpacity, &F::SetBorderOpacity)
        .Int(L"BorderWidth", &F::GetBorderWidth, &F::SetBorderWidth)
        .Int(L"Rounding", &F::GetRounding, &F::SetRounding)
        .Enum(L"RoundingType", &F::GetRoundingType, &F::SetRoundingType, kRoundingTypeInfo)
        .Color(L"ShadowColor", &F::GetShadowColor, &F::SetShadowColor)
        .Int(L"ShadowOffset", &F::GetShadowOffset, &F::SetShadowOffset)
        .Int(L"Angle", &F::GetAngle, &F::SetAngle)
        .Event(L"OnChange", &F::OnChange)
        .Enum(L"Glow", &F::GetGlow, &F::SetGlow, kGlowModeInfo)
        .Color(L"GlowGradientColor", &F::GetGlowGradientColor, &F::SetGlowGradientColor)
        .Color(L"GlowRadialColor", &F::GetGlowRadialColor, &F::SetGlowRadialColor);
    using S = TGDIPStatus;
    TClassBuilder<S>(L"TGDIPStatus", L"TPersistent")
        .Object(L"Fill", &S::GetFill)
        .Object(L"Font", &S::GetFont)
        .Event(L"OnChange", &S::OnChange)
        .Int(L"Spacing", &S::GetSpacing, &S::SetSpacing)
        .Bool(L"Glow", &S::GetGlow, &S::SetGlow);
    // Not creatable by name: a saver only exists with the object it carries.
    TClassBuilder<TSaver>(L"TSaver", L"TComponent").Object(L"SaveObject", &TSaver::GetSaveObject);
}

}  // namespace orv
