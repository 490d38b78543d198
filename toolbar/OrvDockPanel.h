#pragma once
// TOrvDockPanel: a windowed control aligned to one edge of its parent that holds classic
// toolbars in rows. It sizes itself to its rows, shares each row's length among the
// toolbars in it, rewrites the bounds a docked toolbar is given (drags, Left/Top/Width/
// Height) so that they follow the rows, and paints the dock colour of its styler.
// Owns its rows, its internal styler and its persistence record; the toolbars are
// children (owned by their owners), the linked styler and pop-up menu are links.
#include <functional>
#include <string>

#include "framework/Collection.h"
#include "framework/WinControl.h"
#include "toolbar/DbgList.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarStyler.h"

namespace orv {

class TOrvDockPanel;
class TRowCollection;

// One row of a dock panel: its toolbars in order along the row and its rectangle in
// panel coordinates.
class TRowCollectionItem : public TCollectionItem {
public:
    ORV_CLASS_NAME(TRowCollectionItem)
    explicit TRowCollectionItem(TCollection* collection);

    const TDbgList<TOrvCustomToolBar>& ToolBarList() const { return FToolBarList; }
    int ToolBarCount() const { return FToolBarList.Count(); }
    TRect RowRect() const { return FRowRect; }

    // The row takes the toolbar: its first toolbar is not FullSize, and a FullSize
    // toolbar only goes into an empty row.
    bool IsAllowed(const TOrvCustomToolBar* toolBar) const;
    // Appends and places the toolbar; -1 when it is in the row already or not allowed.
    int AddToolBar(TOrvCustomToolBar* toolBar);
    // Inserts by the toolbar's start along the row (before the first that starts later).
    void InsertToolBar(TOrvCustomToolBar* toolBar);
    void RemoveToolBar(TOrvCustomToolBar* toolBar, bool deleteIfEmpty);
    // Shares the row among its toolbars (grows into free room, moves and shrinks on
    // overlap), then closes nothing: gaps stay where the toolbars leave them.
    void Arrange();
    // The first toolbar is FullSize but not at its full-size place, or the gaps are all
    // non-negative, some positive, and some toolbar could still grow.
    bool NeedsArrange() const;
    // Rewrites an along-row request (start and length along the row) of one of the
    // row's toolbars and moves its neighbours; raises "Invalid ToolBar Index".
    void AlongRowRequest(TOrvCustomToolBar* toolBar, int& start, int& length);

private:
    friend class TRowCollection;
    friend class TOrvDockPanel;
    TOrvDockPanel* Panel() const;
    int RowStart() const;
    int RowEnd() const;
    int Index() const { return GetIndex(); }
    // Lays the toolbar's along-row start and length, with its bound change allowed.
    void Place(TOrvCustomToolBar* toolBar, int start, int length) const;

    TDbgList<TOrvCustomToolBar> FToolBarList;
    TRect FRowRect;
};

// The rows of a dock panel, first row at the docked edge.
class TRowCollection : public TTypedCollection<TRowCollectionItem> {
public:
    ORV_CLASS_NAME(TRowCollection)
    explicit TRowCollection(TOrvDockPanel* owner);

    // Create a row and re-compute all rows.
    TRowCollectionItem* Add();
    TRowCollectionItem* Insert(int index);
    // Deletes a row (FOnDeleteItem hears its index) and re-computes the rows.
    void DeleteRow(int index);
    // Raises "Invalid Row Index"; moves when the row differs and accepts the toolbar.
    void MoveToolBarToRow(TOrvCustomToolBar* toolBar, int rowIndex);
    // The row holding the toolbar, or -1.
    int IsToolBarAlreadyAdded(const TOrvCustomToolBar* toolBar) const;
    // Rewrites the cross-row coordinate (start, thickness) of a request, moving the
    // toolbar to another or a new row when the request asks for it.
    void CrossRowRequest(TOrvCustomToolBar* toolBar, int& start, int& thickness);

    int OffSetX() const { return FOffSetX; }
    int OffSetY() const { return FOffSetY; }
    TNotifyEvent FOnChange;
    std::function<void(int)> FOnDeleteItem;

private:
    // Takes the toolbar out of its row and into a new row made at index.
    void MoveToNewRow(TOrvCustomToolBar* toolBar, int index);
    TOrvDockPanel* FOwner;
    int FOffSetY = 1;  // above the first row and below every row
    int FOffSetX = 2;  // before the first toolbar of a row and between toolbars
};

class TOrvDockPanel : public TCustomControl, public IToolBarStylerClient {
public:
    ORV_CLASS_NAME(TOrvDockPanel)
    explicit TOrvDockPanel(TComponent* owner);

    void SetParent(TWinControl* parent) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    // --- published ----------------------------------------------------------------------
    TDockAlign GetAlign() const { return FDockAlign; }
    void SetAlign(TDockAlign value);
    int GetMinimumSize() const { return FMinimumSize; }
    void SetMinimumSize(int value);
    bool GetLockHeight() const { return FLockHeight; }
    void SetLockHeight(bool value) { FLockHeight = value; }
    bool GetUseRunTimeHeight() const { return FUseRunTimeHeight; }
    void SetUseRunTimeHeight(bool value);
    TCustomOrvToolBarStyler* GetToolBarStyler() const { return FToolBarStyler; }
    void SetToolBarStyler(TCustomOrvToolBarStyler* value);
    TPersistence& Persistence() { return FPersistence; }
    std::wstring GetVersion() const;
    // Read-only: a stored value is ignored.
    void SetVersion(const std::wstring&) {}

    // The linked styler, else the internal one; never null.
    TCustomOrvToolBarStyler* CurrentToolBarStyler() const { return FCurrentToolBarStyler; }
    void ApplyStylerChange(int code) override;
    void ToolBarStylerDestroying(TCustomOrvToolBarStyler* styler) override;

    // --- toolbars and rows ----------------------------------------------------------------
    int OrvToolBarCount() const { return FToolBars.Count(); }
    TOrvCustomToolBar* OrvToolBars(int index) const { return FToolBars.Items(index); }
    int HiddenToolBarCount() const { return FHiddenToolBars.Count(); }
    int RowCount() const { return FRows.Count(); }
    TRowCollection& Rows() { return FRows; }
    // Arranges every row, then closes the gaps (2 pixels before each visible toolbar).
    void ArrangeToolBars();
    // Arranges the rows that need it (a docked toolbar was updated).
    void ArrangeRowsIfNeeded();
    // Sets the row rectangles, arranges each row and sizes the panel to the rows.
    void UpdateRows();
    // At run time after loading with LockHeight: no rows made or removed, no resizing.
    bool HeightLocked() const { return FLockHeight && FPropertiesLoaded; }
    bool IsHorizontal() const { return IsHorizontalAlign(FDockAlign); }
    // Whether the toolbar could join (a height-locked panel needs an accepting row).
    bool CanJoin(const TOrvCustomToolBar* toolBar) const;

    // --- called by docked toolbars ----------------------------------------------------------
    // Rewrites requested bounds of a docked toolbar (through the rows).
    void FilterBounds(TOrvCustomToolBar* toolBar, int& left, int& top, int& width, int& height);
    void ToolBarFullSizeChanged(TOrvCustomToolBar* toolBar);
    // The toolbar changed its own size (its controls): the rows follow.
    void ToolBarResized(TOrvCustomToolBar* toolBar);

    // --- stored arrangement (ToolBarPersistence.cpp) -------------------------------------
    // Writes every row's toolbars, then the hidden ones, to the Persistence store. Runs
    // at destruction by itself; nothing while Enabled is off, Key or Section is empty.
    // Store errors raise (the destruction-time save skips itself on one).
    void SaveToolBarsPosition();
    // Rebuilds the rows from the store (toolbars named there, in their stored rows, with
    // their stored bounds and visibility); a toolbar the store lacks gets a row of its
    // own at the end. Everything is read before anything changes, so a store error
    // leaves the arrangement as it was. Runs at the end of Loaded by itself.
    void LoadToolBarsPosition();

protected:
    ~TOrvDockPanel() override;
    void BeforeDestruction() override;
    void Paint() override;
    // The dock colour and the styler's background picture (client coordinates).
    void PaintDock(TCanvas& canvas, const TRect& client);
    void Resize() override;
    void WndProc(TMessage& message) override;

private:
    friend class TRowCollectionItem;
    friend class TRowCollection;
    int Join(TOrvCustomToolBar* toolBar);
    void Leave(TOrvCustomToolBar* toolBar);
    void ToolBarVisibleChanged(TOrvCustomToolBar* toolBar, bool visible);
    // Out of the lists and out of whatever row holds it.
    void ForgetToolBar(TOrvCustomToolBar* toolBar);
    void RowDeleted(int index);
    void ApplyPopupMenuStyler();
    void PersistenceChanged(TObject*);
    void SizeToRows();

    TCustomOrvToolBarStyler* FInternalToolBarStyler = nullptr;
    TCustomOrvToolBarStyler* FToolBarStyler = nullptr;
    TCustomOrvToolBarStyler* FCurrentToolBarStyler = nullptr;
    TDockAlign FDockAlign = daTop;
    TRowCollection FRows{this};
    int FOffSetY = 0;
    int FOffSetX = 1;
    TDbgList<TOrvCustomToolBar> FToolBars;
    TDbgList<TOrvCustomToolBar> FHiddenToolBars;
    TPersistence FPersistence{this};
    int FMinimumSize = 3;
    bool FLockHeight = false;
    bool FPropertiesLoaded = false;
    bool FUseRunTimeHeight = false;
    bool FUpdatingRows = false;
};

// Registers the dock panel for stored layouts.
void RegisterDockPanelClasses();

}  // namespace orv
