#include "LayoutBench.h"
#include "BenchTiming.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../Render/PngWriter.h"
#include "framework/Bitmap.h"
#include "framework/LayoutReader.h"
#include "paint/GDIPPictureContainer.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kRuns = 60;
constexpr int kPictures = 40;

// The layout of a container of kPictures named items, with a 32 x 32 PNG in each when
// withData (a different picture per item, so nothing could be shared).
std::wstring ContainerLayout(bool withData) {
    TOwnedPtr<TGDIPPictureContainer> container(Make<TGDIPPictureContainer>(nullptr));
    container->SetName(L"Pictures");
    std::wstring png =
        (std::filesystem::temp_directory_path() / (L"orvbench_" + std::to_wstring(GetCurrentProcessId()) + L".png"))
            .wstring();
    for (int i = 0; i < kPictures; ++i) {
        TPictureItem* item = container->GetItems().Add();
        item->SetName(L"Picture" + std::to_wstring(i));
        if (!withData) continue;
        TBitmap bitmap(32, 32);
        bitmap.Canvas().Brush().SetColor(static_cast<TColor>(0x102030 + i * 0x030507));
        bitmap.Canvas().FillRect(TRect{0, 0, 32, 32});
        bitmap.Canvas().Brush().SetColor(static_cast<TColor>(0xF0E0D0 - i * 0x020301));
        bitmap.Canvas().FillRect(TRect{4 + i % 8, 6, 26, 28 - i % 5});
        std::wstring error;
        if (!WritePng(bitmap, png, 1, error)) continue;
        item->GetPicture().LoadFromFile(png);
    }
    std::error_code ignored;
    std::filesystem::remove(png, ignored);
    return WriteComponentLayout(container.get());
}

}  // namespace

void RunPictureLayoutBench() {
    const std::wstring withPictures = ContainerLayout(true);
    const std::wstring withoutPictures = ContainerLayout(false);
    auto read = [](const std::wstring& text) {
        TOwnedPtr<TGDIPPictureContainer> container(Make<TGDIPPictureContainer>(nullptr));
        ReadLayoutText(container.get(), text, L"Bench");
    };
    double plain = MedianMicroseconds(kRuns, [&] { read(withoutPictures); });
    double pictures = MedianMicroseconds(kRuns, [&] { read(withPictures); });
    double firstSizes = MedianMicroseconds(kRuns, [&] {
        TOwnedPtr<TGDIPPictureContainer> container(Make<TGDIPPictureContainer>(nullptr));
        ReadLayoutText(container.get(), withPictures, L"Bench");
        for (int i = 0; i < container->GetItems().Count(); ++i) container->GetItems().Items(i)->GetPicture().Width();
    });
    auto parse = [](const std::wstring& text) { ParseLayout(text, L"Bench"); };
    double plainParse = MedianMicroseconds(kRuns, [&] { parse(withoutPictures); });
    double picturesParse = MedianMicroseconds(kRuns, [&] { parse(withPictures); });
    // The text handed over (as a layout resource's is): no copy for the values kept as text.
    const auto sharedPictures = std::make_shared<const std::wstring>(withPictures);
    double picturesParseShared = MedianMicroseconds(kRuns, [&] { ParseLayout(sharedPictures, L"Bench"); });
    const TLayoutObject plainTree = ParseLayout(withoutPictures, L"Bench");
    const TLayoutObject picturesTree = ParseLayout(withPictures, L"Bench");
    auto build = [](const TLayoutObject& tree) {
        TOwnedPtr<TGDIPPictureContainer> container(Make<TGDIPPictureContainer>(nullptr));
        TLayoutReader reader(L"Bench");
        reader.ReadRoot(container.get(), tree);
    };
    double plainBuild = MedianMicroseconds(kRuns, [&] { build(plainTree); });
    double picturesBuild = MedianMicroseconds(kRuns, [&] { build(picturesTree); });
    std::printf("\nlayout reading, %d items, median of %d reads; without pictures %.1f us (%zu characters)\n",
                kPictures, kRuns, plain, withoutPictures.size());
    std::printf("%-46s %12s %10s\n", "layout", "median us", "x plain");
    std::printf("%-46s %12.1f %10.2f\n", "40 pictures of 32 x 32, read", pictures, plain > 0 ? pictures / plain : 0.0);
    std::printf("%-46s %12.1f %10.2f\n", "40 pictures of 32 x 32, read and sized", firstSizes,
                plain > 0 ? firstSizes / plain : 0.0);
    std::printf("%-46s %12.1f %10.2f\n", "parse only, without pictures", plainParse,
                plain > 0 ? plainParse / plain : 0.0);
    std::printf("%-46s %12.1f %10.2f\n", "parse only, 40 pictures", picturesParse,
                plain > 0 ? picturesParse / plain : 0.0);
    std::printf("%-46s %12.1f %10.2f\n", "parse only, 40 pictures, text handed over", picturesParseShared,
                plain > 0 ? picturesParseShared / plain : 0.0);
    std::printf("%-46s %12.1f %10.2f\n", "parsed tree read, without pictures", plainBuild,
                plain > 0 ? plainBuild / plain : 0.0);
    std::printf("%-46s %12.1f %10.2f\n", "parsed tree read, 40 pictures", picturesBuild,
                plain > 0 ? picturesBuild / plain : 0.0);
    std::printf("%-46s %12zu\n", "characters with pictures", withPictures.size());
}

}  // namespace orvtools
