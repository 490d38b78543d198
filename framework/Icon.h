#pragma once
// TIcon: an icon read from an ICO file, a stream or an icon resource. It keeps the ICO
// file's bytes (so it writes back what it read) and one icon handle made from the image
// that best fits the requested size, owned by a TGdiIcon.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/GdiHandles.h"
#include "framework/Graphics.h"

struct HINSTANCE__;

namespace orv {

class TStream;

class TIcon : public TGraphic {
public:
    ORV_CLASS_NAME(TIcon)
    TIcon() = default;

    void Assign(const TPersistent* source) override;
    // Stretched to rect.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    bool Empty() const override { return !FHandle; }
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    HICON Handle() const { return FHandle.Get(); }

    // The size the handle is made at: the image of the file nearest to it (most colours
    // among equals), scaled when none has it. 0 (the default) is the system's icon size.
    int GetRequestedSize() const { return FRequestedSize; }
    void SetRequestedSize(int value);

    // ICO files. Reading starts at the stream's position and ends after the last image;
    // a damaged file raises EInvalidGraphic and leaves the icon as it was. An empty icon
    // writes nothing.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::wstring& fileName);
    void SaveToFile(const std::wstring& fileName) const;
    // An icon group resource (RT_GROUP_ICON) with its images; EResNotFound when absent.
    void LoadFromResourceName(HINSTANCE__* module, const std::wstring& name);
    void LoadFromResourceID(HINSTANCE__* module, int id);
    // The ICO file's bytes, for stored layouts ("Data").
    const std::vector<uint8_t>& GetData() const { return FData; }
    void SetData(const std::vector<uint8_t>& data);

private:
    void LoadResource(HINSTANCE__* module, const wchar_t* name, const std::wstring& shownName);
    // Makes the handle from bytes (already a whole ICO file) and only then takes them.
    void Load(std::vector<uint8_t> data);

    std::vector<uint8_t> FData;
    TGdiIcon FHandle;
    int FWidth = 0;
    int FHeight = 0;
    int FRequestedSize = 0;
};

}  // namespace orv
