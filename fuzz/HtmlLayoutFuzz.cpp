// Fuzzes the rich-text markup and its line layout with a fake measurer: any text must lay
// out without a fault (the sanitizers watch), the tokens must cover the text, every line
// must stay inside the count the text allows, and a hit must name an anchor of the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/FakeHtmlMeasurer.h"
#include "statusbar/HtmlLayout.h"
#include "statusbar/HtmlMarkup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    // The first bytes choose the options; the rest is UTF-16 text.
    orv::THtmlLayoutInput in;
    in.Rect = {data[0] % 16, 0, 8 + data[1] * 2, 2 + data[2] * 4};
    in.WordWrap = (data[3] & 1) != 0;
    in.HitTest = (data[3] & 2) != 0;
    in.Draw = (data[3] & 4) != 0;
    in.HoverAnchors = (data[3] & 8) != 0;
    in.KeepColors = (data[3] & 16) != 0;
    in.FocusAnchor = (data[3] >> 5) - 1;
    in.HitPoint = {data[1], data[2] % 64};
    in.ImageCount = 3;
    in.BaseFont = {L"Tahoma", -11, 0, 0};
    for (size_t i = 4; i + 1 < size; i += 2) in.Text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));

    std::wstring prepared = orv::PrepareHtmlText(in.Text);
    // Only a carriage return grows, into "<BR>" (entities are decoded later, in the tokens).
    if (prepared.size() > in.Text.size() * 4) std::abort();
    size_t covered = 0;
    for (const orv::THtmlToken& t : orv::TokenizeHtml(prepared)) {
        if (!t.IsTag && t.Text.empty()) std::abort();  // every token advances
        covered += t.Text.size();
    }
    if (covered > prepared.size()) std::abort();

    orvtest::TFakeHtmlMeasurer measurer;
    orv::THtmlLayoutResult r = orv::LayoutHtml(in, measurer);
    if (r.LineCount > static_cast<int>(prepared.size()) + 1) std::abort();
    if (r.AnchorHit && (r.AnchorIndex < 0 || r.AnchorIndex >= r.AnchorCount)) std::abort();
    if (r.Height < 0 || r.Width < 2) std::abort();
    return 0;
}
