#pragma once
// TOrvPage: one page of the tabbed toolbar. Holds a row of toolbars that it places side
// by side (x from 3, 3 pixels apart, top 3, page height - 6 high) and makes room for
// them when its width changes: the ribbon passes of ToolBarResize.h shrink the glow
// buttons and compact the rightmost toolbars, and take that back when it grows.
// This is the page without its pager: tab data, key tips, glow and cloning come with it.
// The toolbars are its children (owned by whoever made them); the list only orders them.
#include <string>

#include "framework/WinControl.h"
#include "toolbar/DbgList.h"

namespace orv {

class TOrvCustomToolBar;
class TCustomOrvToolBarStyler;

class TOrvPage : public TCustomControl {
public:
    ORV_CLASS_NAME(TOrvPage)
    explicit TOrvPage(TComponent* owner);

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    // --- toolbar management -----------------------------------------------------------------
    // A new toolbar owned by the page's owner, caption "Untitled", added at the end.
    TOrvCustomToolBar* CreateOrvToolBar();
    void AddOrvToolBar(TOrvCustomToolBar* toolBar);
    void InsertOrvToolBar(int index, TOrvCustomToolBar* toolBar);
    void RemoveOrvToolBar(TOrvCustomToolBar* toolBar);
    int IndexOfOrvToolBar(const TOrvCustomToolBar* toolBar) const { return FToolBars.IndexOf(toolBar); }
    void MoveOrvToolBar(int fromIndex, int toIndex);
    int ToolBarCount() const { return FToolBars.Count(); }
    TOrvCustomToolBar* ToolBars(int index) const { return FToolBars.Items(index); }
    const TDbgList<TOrvCustomToolBar>& ToolBarList() const { return FToolBars; }
    // The update-all pass, then the arrangement.
    void UpdateAllToolBars();
    // Places the visible toolbars (AutoPosition, not while loading, not re-entrantly).
    void ArrangeToolBars();
    // A toolbar was shown (true) or hidden: shrink or grow, then arrange.
    void ToolBarVisibilityChanged(bool shown);

    bool GetAutoPosition() const { return FAutoPosition; }
    void SetAutoPosition(bool value);
    // The styler whose page appearance paints the background (the pager's, later).
    TCustomOrvToolBarStyler* GetToolBarStyler() const { return FToolBarStyler; }
    void SetToolBarStyler(TCustomOrvToolBarStyler* value);

protected:
    void Paint() override;
    void Resize() override;
    void WndProc(TMessage& message) override;

private:
    TDbgList<TOrvCustomToolBar> FToolBars;
    TCustomOrvToolBarStyler* FToolBarStyler = nullptr;
    bool FAutoPosition = true;
    bool FArranging = false;
    bool FRunningPass = false;
    int FLastWidth = -1;
};

}  // namespace orv
