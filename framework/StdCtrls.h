#pragma once
// The standard dialog controls: a label painted on its parent, a group box, and
// windows of the system classes (BUTTON, EDIT, LISTBOX, COMBOBOX) wrapped as windowed
// controls. The system's procedure does their painting and input; their notices to
// the parent come back to them (CN_COMMAND, CN_DRAWITEM) and become events. Items are
// kept by the control, so they survive the window being made again.
#include <memory>
#include <string>
#include <vector>

#include "framework/DragDrop.h"
#include "framework/GdiHandles.h"
#include "framework/WinControl.h"

namespace orv {

// A windowed control of a system class. Paint, keys and the mouse go to the system's
// procedure; MouseDown/MouseMove/MouseUp and the key events still run.
class TSystemControl : public TWinControl {
public:
    ORV_CLASS_NAME(TSystemControl)
    explicit TSystemControl(TComponent* owner);
    ~TSystemControl() override;
    // A canvas lent the item DC while an owner-drawn item paints.
    TCanvas& Canvas() { return *FCanvas; }

protected:
    void WndProc(TMessage& message) override;
    void CreateHandleDone() override;
    // The control's font given to the window (a system window draws with WM_SETFONT's).
    void ApplyFont();
    std::unique_ptr<TControlCanvas> FCanvas;

private:
    TGdiFont FFontHandle;
};

// Text painted on the parent.
class TLabel : public TGraphicControl {
public:
    ORV_CLASS_NAME(TLabel)
    explicit TLabel(TComponent* owner);
    // Width and height follow the caption while set.
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    void AdjustBounds();

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;

private:
    bool FAutoSize = true;
};

// A frame with a caption at its top left holding other controls.
class TGroupBox : public TCustomControl {
public:
    ORV_CLASS_NAME(TGroupBox)
    explicit TGroupBox(TComponent* owner);
    void AdjustClientRect(TRect& rect) const override;

protected:
    void Paint() override;
};

// A push button. Its click sets the parent form's modal result when ModalResult is not
// mrNone (which closes a modal form).
class TButton : public TSystemControl {
public:
    ORV_CLASS_NAME(TButton)
    explicit TButton(TComponent* owner);
    int GetModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    bool GetDefault() const { return FDefault; }
    void SetDefault(bool value);
    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    int FModalResult = 0;
    bool FDefault = false;
};

// A check box; a click toggles Checked and runs OnClick.
class TCheckBox : public TSystemControl {
public:
    ORV_CLASS_NAME(TCheckBox)
    explicit TCheckBox(TComponent* owner);
    bool GetChecked() const { return FChecked; }
    // Runs no OnClick.
    void SetChecked(bool value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void WndProc(TMessage& message) override;

private:
    bool FChecked = false;
};

// A one-line text edit; OnChange after every change of the text, typed or set.
class TEdit : public TSystemControl {
public:
    ORV_CLASS_NAME(TEdit)
    explicit TEdit(TComponent* owner);
    std::wstring GetText() const;
    void SetText(const std::wstring& value);
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
};

// What an owner-drawn item is: selected, focused, disabled, in the edit field of a
// combo box.
enum TItemDrawStateFlag : uint8_t { idSelected = 1, idFocused = 2, idDisabled = 4, idComboBoxEdit = 8 };
using TItemDrawState = uint8_t;
// Paints item index into rect of the control's Canvas (lent the item's DC).
using TDrawItemEvent = TEvent<TWinControl*, int, TRect, TItemDrawState>;

// The items of a list box or combo box, mirrored into the window when it exists.
class TItemsControl : public TSystemControl {
public:
    ORV_CLASS_NAME(TItemsControl)
    explicit TItemsControl(TComponent* owner);
    int Count() const { return static_cast<int>(FItems.size()); }
    const std::wstring& Items(int index) const { return FItems.at(static_cast<size_t>(index)); }
    int AddItem(const std::wstring& text);
    // index == Count() appends.
    void InsertItem(int index, const std::wstring& text);
    void DeleteItem(int index);
    void SetItem(int index, const std::wstring& text);
    void MoveItem(int from, int to);
    void Clear();
    // -1 for none.
    int GetItemIndex() const;
    void SetItemIndex(int value);
    int GetItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value);
    bool GetOwnerDraw() const { return FOwnerDraw; }
    // Takes effect when the window is made.
    void SetOwnerDraw(bool value) { FOwnerDraw = value; }
    TDrawItemEvent OnDrawItem;

protected:
    void CreateHandleDone() override;
    void WndProc(TMessage& message) override;
    // The window's messages for the four list operations.
    struct TListMessages {
        UINT Add, Insert, Delete, Reset, SetCurSel, GetCurSel, SetItemHeight;
    };
    virtual TListMessages ListMessages() const = 0;
    virtual void ApplyItemHeight() = 0;

    std::vector<std::wstring> FItems;
    int FItemIndex = -1;
    int FItemHeight = 16;
    bool FOwnerDraw = false;
};

enum class TDragMode { dmManual, dmAutomatic };
using TDragOverEvent = TEvent<TObject*, TObject*, int, int, TDragState, bool&>;
using TDragDropEvent = TEvent<TObject*, TObject*, int, int>;

// A list box. With dmAutomatic, pressing an item and moving the pointer 5 pixels starts
// a drag of it; as a target it asks OnDragOver and gets OnDragDrop.
class TListBox : public TItemsControl, public IDragTarget {
public:
    ORV_CLASS_NAME(TListBox)
    explicit TListBox(TComponent* owner);
    // The item at a client point, or -1 (below the last item).
    int ItemAtPos(TPoint p) const;
    TRect ItemRect(int index) const;
    TDragMode GetDragMode() const { return FDragMode; }
    void SetDragMode(TDragMode value) { FDragMode = value; }
    // The item a drag from this list started on, while it lasts.
    int DragIndex() const { return FDragIndex; }

    void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override;
    void DragDrop(TObject* source, int x, int y) override;

    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    TListMessages ListMessages() const override;
    void ApplyItemHeight() override;

private:
    TDragMode FDragMode = TDragMode::dmManual;
    bool FPressed = false;
    TPoint FPressPoint;
    int FDragIndex = -1;
};

// A drop-down list to choose from; OnChange when the user picks another entry.
class TComboBox : public TItemsControl {
public:
    ORV_CLASS_NAME(TComboBox)
    explicit TComboBox(TComponent* owner);
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    TListMessages ListMessages() const override;
    void ApplyItemHeight() override;
};

}  // namespace orv
