// OrvRender: draws a library routine or control into a PNG file, so anyone can look
// at what the library draws.
//   OrvRender --list              names and what each picture shows
//   OrvRender <name> <out.png>    one picture
//   OrvRender --all <dir>         one PNG per name, <dir>\<name>.png
#include "appbutton/OrvShapeButton.h"
#include "buttons/OrvGlowButton.h"
#include "menus/MenusUnits.h"
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/Units.h"
#include "paint/OrvGDIP.h"
#include "tools/Render/PngWriter.h"
#include "tools/Render/RenderCatalog.h"

using namespace orvtools;

namespace {

void Print(const std::wstring& text) {
    std::string utf8(
        static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr)), 0);
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    std::fputs(utf8.c_str(), stdout);
}

bool Render(const TRenderItem& item, const std::wstring& fileName) {
    orv::TBitmap bitmap(item.Width, item.Height);
    item.Paint(bitmap);
    std::wstring error;
    if (!WritePng(bitmap, fileName, item.Zoom, error)) {
        Print(item.Name + L": " + error + L"\n");
        return false;
    }
    Print(L"wrote " + fileName + L"\n");
    return true;
}

int Usage() {
    Print(L"usage: OrvRender <name> <out.png> | OrvRender --list | OrvRender --all <dir>\n");
    return 2;
}

int Run(const std::vector<std::wstring>& args) {
    if (args.size() == 1 && args[0] == L"--list") {
        for (const TRenderItem& item : RenderCatalog()) Print(item.Name + L"  -  " + item.Description + L"\n");
        return 0;
    }
    if (args.size() == 2 && args[0] == L"--all") {
        std::wstring dir = args[1];
        CreateDirectoryW(dir.c_str(), nullptr);
        if (!dir.empty() && dir.back() != L'\\' && dir.back() != L'/') dir += L'\\';
        bool ok = true;
        for (const TRenderItem& item : RenderCatalog()) ok = Render(item, dir + item.Name + L".png") && ok;
        return ok ? 0 : 1;
    }
    if (args.size() == 2 && args[0].rfind(L"--", 0) != 0) {
        const TRenderItem* item = FindRenderItem(args[0]);
        if (!item) {
            Print(L"unknown name \"" + args[0] + L"\"; OrvRender --list shows the names\n");
            return 2;
        }
        return Render(*item, args[1]) ? 0 : 1;
    }
    return Usage();
}

}  // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    LocalFree(argv);

    orv::RegisterFrameworkUnits();
    orv::RegisterPaintUnits();
    orv::RegisterMenusUnits();
    orv::RegisterUnit(L"Buttons", orv::RegisterButtonsClasses, nullptr);
    orv::RegisterUnit(L"AppButton", orv::RegisterShapeButtonClasses, nullptr);
    orv::InitializeUnits();
    int result = 1;
    try {
        result = Run(args);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "OrvRender: %s\n", e.what());
    }
    orv::FinalizeUnits();
    return result;
}
