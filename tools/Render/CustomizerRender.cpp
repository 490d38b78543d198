#include "tools/Render/CustomizerRender.h"

#include <algorithm>

#include <windows.h>

#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/ImageList.h"
#include "toolbar/CusBtnForm.h"
#include "toolbar/CustomizerForm.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarCustomizer.h"
#include "toolbar/OrvToolBarSeparator.h"

#include "tools/Render/RenderInput.h"

using namespace orv;

namespace orvtools {

namespace {

// A hidden form with a toolbar of coloured-square buttons, a separator and a customizer
// with three commands.
struct TCustomizerScene {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvToolBar* Bar;
    TOrvToolBarCustomizer* Cust;
    TCustomizerScene() {
        Form->SetBounds(600, 600, 300, 100);
        auto* images = new TImageList(Form.get());
        images->SetWidth(16);
        images->SetHeight(16);
        const TColor colors[] = {0x40C040, 0x40A0F0, 0xC06040, 0x4040E0};
        for (TColor color : colors) {
            TBitmap glyph(16, 16);
            glyph.Canvas().Brush().SetColor(color);
            glyph.Canvas().Pen().SetColor(clBlack);
            glyph.Canvas().Rectangle({1, 1, 15, 15});
            images->Add(glyph, nullptr);
        }
        Bar = new TOrvToolBar(Form.get());
        Bar->SetName(L"Bar");
        Bar->SetImages(images);
        Bar->SetParent(Form.get());
        Bar->SetCaption(L"Standard");
        const wchar_t* captions[] = {L"New", L"Open", nullptr, L"Save"};
        for (int i = 0; i < 4; ++i) {
            if (!captions[i]) {
                (new TOrvToolBarSeparator(Form.get()))->SetOrvToolBar(Bar);
                continue;
            }
            auto* b = new TOrvToolBarButton(Form.get());
            b->SetCaption(captions[i]);
            b->SetImageIndex(i);
            b->SetOrvToolBar(Bar);
        }
        Cust = new TOrvToolBarCustomizer(Form.get());
        Cust->SetName(L"Cust");
        Cust->SetOrvToolBar(Bar);
        const wchar_t* commands[] = {L"Print Preview", L"Find", L"Replace"};
        for (int i = 0; i < 3; ++i) {
            auto* c = Cust->Commands().Add();
            c->SetCaption(commands[i]);
            c->SetItemIndex(i == 1 ? 3 : -1);
        }
    }
};

void Capture(TForm& form, TBitmap& bmp) {
    form.SetLeft(0);
    form.SetTop(0);
    form.Show();
    SetForegroundWindow(form.Handle());
    Pump(150);
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(100);
    // The window alone: the screen beside it is not part of the picture.
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect(TRect{0, 0, bmp.Width(), bmp.Height()});
    HDC screen = GetDC(nullptr);
    BitBlt(bmp.Canvas().Handle(), 0, 0, std::min(bmp.Width(), form.Width()), std::min(bmp.Height(), form.Height()),
           screen, 0, 0, SRCCOPY);
    ReleaseDC(nullptr, screen);
}

void PaintCustomizerForm(TBitmap& bmp) {
    TCustomizerScene s;
    TOwnedPtr<TCustomizerForm> form(new TCustomizerForm(nullptr, *s.Cust));
    form->LoadLists();
    form->SelectEntry(1);
    Capture(*form, bmp);
}

void PaintCusBtnForm(TBitmap& bmp) {
    TCustomizerScene s;
    TOTBItemProp entry;
    entry.FOTBItem = s.Bar->ToolBarControls(1);
    entry.FHasProperties = true;
    entry.FCaption = entry.FText = L"Open";
    entry.FHint = L"Open a file";
    entry.FImageIndex = 1;
    s.Cust->ButtonProperties().SetVisible(true);
    TOwnedPtr<TCusBtnForm> form(new TCusBtnForm(nullptr, *s.Cust, entry));
    Capture(*form, bmp);
}

}  // namespace

std::vector<TRenderItem> CustomizerRenderItems() {
    return {
        {L"CustomizerForm",
         L"the toolbar customizer dialog: the toolbar's items with their icons (the second selected), the commands, "
         L"the tool buttons, the icon box, caption, glyph position, OK, Cancel and Reset",
         420, 420, 1, PaintCustomizerForm},
        {L"CusBtnForm", L"the customizer's button editor for a toolbar button with an icon", 280, 190, 2,
         PaintCusBtnForm},
    };
}

}  // namespace orvtools
