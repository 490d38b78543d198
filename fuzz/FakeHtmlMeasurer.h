#pragma once
// A text measurer without a device: every character is half the font's pixel height wide
// (one more when bold, four times as wide for a tab) and a line is the pixel height + 3
// high. Pictures named "pic<N>" (and "IDX:" images) are N x N (16 for "IDX:"); every other
// reference resolves to nothing. Tests and the fuzzer lay text out against it with exact
// numbers.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "statusbar/HtmlLayout.h"

namespace orvtest {

class TFakeHtmlMeasurer : public orv::THtmlMeasurer {
public:
    static int CharWidth(const orv::THtmlFont& font) {
        const int pixels = std::abs(font.Height);
        return std::max(1, pixels / 2) + ((font.Style & 1) ? 1 : 0);
    }
    orv::THtmlExtent TextExtent(const orv::THtmlFont& font, const std::wstring& text) override {
        ++Calls;
        int width = 0;
        for (wchar_t c : text) width += c == L'\t' ? 4 * CharWidth(font) : CharWidth(font);
        return {width, std::abs(font.Height) + 3};
    }
    orv::THtmlExtent PictureSize(const orv::THtmlPictureRef& ref) override {
        if (ref.Kind == orv::THtmlPictureKind::ImageIndex) return {16, 16};
        if (ref.Kind == orv::THtmlPictureKind::Named && ref.Name.rfind(L"pic", 0) == 0) {
            int n = 0;
            for (size_t i = 3; i < ref.Name.size() && i < 7 && ref.Name[i] >= L'0' && ref.Name[i] <= L'9'; ++i)
                n = n * 10 + (ref.Name[i] - L'0');
            return {n, n};
        }
        return {};
    }
    long Calls = 0;
};

}  // namespace orvtest
