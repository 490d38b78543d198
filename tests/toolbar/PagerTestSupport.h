#pragma once
// What the pager tests share: the process-wide look flags held for one test, and a shown
// form in the foreground with a pager of pages, driven by real input.
#include <initializer_list>
#include <vector>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvStyleIF.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarPager.h"

namespace pagertest {

using namespace orv;

// Holds a process-wide flag at a value for one test.
struct TFlagScope {
    bool& Flag;
    bool Saved;
    TFlagScope(bool& flag, bool value) : Flag(flag), Saved(flag) { Flag = value; }
    ~TFlagScope() { Flag = Saved; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;
};

struct TScenicScope : TFlagScope {
    explicit TScenicScope(bool value) : TFlagScope(ScenicRibbonMode, value) {}
};

// A shown form in the foreground with a pager of pages.
struct TPagerFixture {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvToolBarPager* Pager;
    std::vector<TOrvPage*> Pages;

    explicit TPagerFixture(std::initializer_list<const wchar_t*> captions = {L"Home", L"Insert", L"View"},
                           int width = 600) {
        SetCursorPos(20, 20);
        Form->SetBounds(60, 60, width + 40, 300);
        Pager = new TOrvToolBarPager(Form.get());
        Pager->SetAlign(TAlign::alNone);
        Pager->SetBounds(0, 0, width, 149);
        Pager->SetParent(Form.get());
        for (const wchar_t* c : captions) Pages.push_back(Pager->AddOrvPage(c));
        Form->Show();
        SetForegroundWindow(Form->Handle());
        orvtest::PumpFor(60);
    }
    ~TPagerFixture() { SetCursorPos(20, 20); }
    // The middle of a tab.
    void ClickTab(int index) {
        TRect r = Pager->GetTabRect(index);
        glowtest::ClickAt(Pager, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    TOrvToolBar* AddToolBar(TOrvPage* page, int width) {
        auto* tb = new TOrvToolBar(Form.get());
        tb->SetAutoSize(false);
        tb->SetWidth(width);
        page->AddOrvToolBar(tb);
        return tb;
    }
};

}  // namespace pagertest
