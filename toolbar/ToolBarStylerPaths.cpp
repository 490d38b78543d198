#include "toolbar/ToolBarStylerPaths.h"

#include "framework/Graphics.h"
#include "framework/SysUtils.h"
#include "toolbar/OrvToolBarStylers.h"

namespace orv {

bool FindStylerProperty(TCustomOrvToolBarStyler& styler, const std::wstring& path, TStylerProperty& out) {
    RegisterToolbarClasses();
    TObject* object = &styler;
    // The base class publishes nothing; its values are found through the preset styler's table.
    const TClassInfo* info = TClassRegistry::Find(L"TOrvToolBarOfficeStyler");
    size_t start = 0;
    for (;;) {
        size_t dot = path.find(L'.', start);
        std::wstring name = path.substr(start, dot == std::wstring::npos ? std::wstring::npos : dot - start);
        if (dot == std::wstring::npos) {
            if (auto* font = dynamic_cast<TFont*>(object); font && SameText(name, L"Size")) {
                out = {object, nullptr, font};
                return true;
            }
            const TPropInfo* prop = info ? info->FindProp(name) : nullptr;
            if (!prop) return false;
            out = {object, prop, nullptr};
            return true;
        }
        const TPropInfo* prop = info ? info->FindProp(name) : nullptr;
        if (!prop || prop->Kind != TPropKind::Object) return false;
        object = prop->GetNested(object);
        info = TClassRegistry::FindFor(object);
        start = dot + 1;
    }
}

namespace {

TStylerProperty NumericProperty(TCustomOrvToolBarStyler& styler, const std::wstring& path) {
    TStylerProperty p;
    if (!FindStylerProperty(styler, path, p) || (p.Prop && !p.Prop->GetInt))
        throw EInvalidOperation(L"No numeric styler value \"" + path + L"\"");
    return p;
}

}  // namespace

int64_t GetStylerValue(TCustomOrvToolBarStyler& styler, const std::wstring& path) {
    TStylerProperty p = NumericProperty(styler, path);
    return p.SizeOf ? p.SizeOf->GetSize() : p.Prop->GetInt(p.Object);
}

void SetStylerValue(TCustomOrvToolBarStyler& styler, const std::wstring& path, int64_t value) {
    TStylerProperty p = NumericProperty(styler, path);
    if (p.SizeOf)
        p.SizeOf->SetSize(static_cast<int>(value));
    else
        p.Prop->SetInt(p.Object, value);
}

}  // namespace orv
