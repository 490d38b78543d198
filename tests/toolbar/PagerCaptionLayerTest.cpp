// The caption layer on a real form: presses and releases reach the host in its own
// coordinates, and the top 6 pixels drag the form's top edge on a sizeable form.
#include <gtest/gtest.h>

#include <vector>

#include "buttons/GlowButtonTestSupport.h"
#include "toolbar/PagerCaptionLayer.h"

using namespace orv;
using namespace glowtest;

namespace {

struct TRecordingHost : ICaptionLayerHost {
    std::vector<TPoint> Downs, Ups;
    void CaptionLayerMouseDown(TMouseButton, TShiftState, int x, int y) override { Downs.push_back({x, y}); }
    void CaptionLayerMouseUp(TMouseButton, TShiftState, int x, int y) override { Ups.push_back({x, y}); }
    void CaptionLayerDblClick(int, int) override {}
};

}  // namespace

TEST(PagerCaptionLayer, PressesGoToTheHostAndTheTopEdgeResizesASizeableForm) {
    TFixture f;
    f.Form->SetBorderStyle(TFormBorderStyle::bsSizeable);
    auto* layer = new TCaptionLayer(f.Form.get());
    layer->SetBounds(20, 10, 300, 28);
    layer->SetParent(f.Form.get());
    TRecordingHost host;
    layer->SetHost(&host, f.Form.get());
    orvtest::PumpFor(50);

    ClickAt(layer, 50, 15);
    ASSERT_EQ(host.Downs.size(), 1u);
    ASSERT_EQ(host.Ups.size(), 1u);
    EXPECT_EQ(host.Downs[0].X, 70) << "host coordinates: the layer sits at (20, 10)";
    EXPECT_EQ(host.Downs[0].Y, 25);
    EXPECT_EQ(host.Ups[0].X, 70);

    const int top = f.Form->Top(), height = f.Form->Height();
    PointAt(layer, 100, 2);
    LeftDown();
    EXPECT_TRUE(layer->Resizing());
    PointAt(layer, 100, -18);
    LeftUp();
    EXPECT_EQ(f.Form->Top(), top - 20) << "the top follows the pointer";
    EXPECT_EQ(f.Form->Height(), height + 20) << "by the opposite amount";
    EXPECT_EQ(host.Downs.size(), 1u) << "the drag is not the host's";
    EXPECT_FALSE(layer->Resizing());

    // Only sizeable, non-maximized forms give the layer a top edge to drag.
    EXPECT_TRUE(CaptionLayerCanResizeTop(f.Form.get()));
    for (TFormBorderStyle b :
         {TFormBorderStyle::bsSingle, TFormBorderStyle::bsDialog, TFormBorderStyle::bsToolWindow}) {
        f.Form->SetBorderStyle(b);
        EXPECT_FALSE(CaptionLayerCanResizeTop(f.Form.get())) << static_cast<int>(b);
    }
}
