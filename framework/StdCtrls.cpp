#include "framework/StdCtrls.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/Canvas.h"
#include "framework/Collection.h"
#include "framework/Forms.h"

namespace orv {

namespace {
constexpr int kDragThreshold = 5;

bool IsMouse(UINT msg) {
    return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK && msg != WM_MOUSEWHEEL;
}
}  // namespace

// --- TSystemControl -----------------------------------------------------------------------

TSystemControl::TSystemControl(TComponent* owner)
    : TWinControl(owner), FCanvas(std::make_unique<TControlCanvas>(*this)) {
    FTabStop = true;
}

TSystemControl::~TSystemControl() = default;

void TSystemControl::CreateHandleDone() {
    ApplyFont();
}

void TSystemControl::ApplyFont() {
    if (!FHandle) return;
    TGdiFont font = CreateFontHandle(FFont);
    SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    // The old font is released only once the window holds the new one.
    FFontHandle = std::move(font);
}

void TSystemControl::WndProc(TMessage& m) {
    if (IsMouse(m.Msg)) {
        int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
        TShiftState shift = KeysToShiftState(m.WParam);
        TMouseButton button = TMouseButton::mbLeft;
        if (m.Msg == WM_RBUTTONDOWN || m.Msg == WM_RBUTTONUP || m.Msg == WM_RBUTTONDBLCLK) button = TMouseButton::mbRight;
        if (m.Msg == WM_MBUTTONDOWN || m.Msg == WM_MBUTTONUP || m.Msg == WM_MBUTTONDBLCLK) button = TMouseButton::mbMiddle;
        switch (m.Msg) {
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
            case WM_MBUTTONUP: {
                // The release may run a click that frees the control: the event comes first.
                HWND window = FHandle;
                MouseUp(button, shift, x, y);
                if (IsWindow(window) && FromHandle(window) == this) DefaultHandler(m);
                return;
            }
            case WM_MOUSEMOVE:
                DefaultHandler(m);
                MouseMove(shift, x, y);
                return;
            case WM_LBUTTONDBLCLK:
                DefaultHandler(m);
                DblClick();
                return;
            default: {
                HWND window = FHandle;
                DefaultHandler(m);
                if (IsWindow(window) && FromHandle(window) == this)
                    MouseDown(button, shift | (m.Msg == WM_LBUTTONDBLCLK ? ssDouble : 0), x, y);
                return;
            }
        }
    }
    switch (m.Msg) {
        case WM_PAINT:
        case WM_ERASEBKGND:
        case WM_SETCURSOR:
        case WM_GETDLGCODE:
        case WM_NCHITTEST:
        case WM_NCPAINT:
        case WM_CONTEXTMENU:
            DefaultHandler(m);
            return;
        case WM_KEYDOWN: {
            uint16_t key = static_cast<uint16_t>(m.WParam);
            KeyDown(key, KeyboardShiftState());
            if (key == 0) return;
            if (key == VK_TAB) {
                TWinControl* top = this;
                while (top->Parent()) top = top->Parent();
                if (top->Perform(CM_DIALOGKEY, key, KeyboardShiftState())) return;
            }
            m.WParam = key;
            DefaultHandler(m);
            return;
        }
        case WM_KEYUP: {
            uint16_t key = static_cast<uint16_t>(m.WParam);
            KeyUp(key, KeyboardShiftState());
            if (key != 0) DefaultHandler(m);
            return;
        }
        case WM_CHAR: {
            wchar_t ch = static_cast<wchar_t>(m.WParam);
            if (ch == L'\t') return;
            KeyPress(ch);
            if (ch == 0) return;
            m.WParam = ch;
            DefaultHandler(m);
            return;
        }
        case CM_FONTCHANGED:
        case CM_PARENTFONTCHANGED:
            TWinControl::WndProc(m);
            ApplyFont();
            return;
        case CM_ENABLEDCHANGED:
            if (FHandle) EnableWindow(FHandle, FEnabled);
            return;
        default:
            break;
    }
    TWinControl::WndProc(m);
}

// --- TLabel -----------------------------------------------------------------------------------

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    FWidth = 65;
    FHeight = 13;
    FParentColor = true;
}

void TLabel::SetAutoSize(bool value) {
    if (FAutoSize == value) return;
    FAutoSize = value;
    AdjustBounds();
}

void TLabel::AdjustBounds() {
    if (!FAutoSize) return;
    TGdiMemoryDC dc(CreateCompatibleDC(nullptr));
    TGdiFont font = CreateFontHandle(FFont);
    TSelectGuard sel(dc.Get(), font.Get());
    RECT r{0, 0, 0, 0};
    std::wstring text = FCaption.empty() ? std::wstring(L" ") : FCaption;
    DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    SetBounds(FLeft, FTop, r.right - r.left, r.bottom - r.top);
}

void TLabel::WndProc(TMessage& m) {
    TGraphicControl::WndProc(m);
    if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_FONTCHANGED || m.Msg == CM_PARENTFONTCHANGED) AdjustBounds();
}

void TLabel::Paint() {
    TCanvas& c = Canvas();
    c.Font().Assign(&FFont);
    if (!FEnabled) c.Font().SetColor(clGrayText);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    TRect r = ClientRect();
    c.DrawText(FCaption, r, DT_LEFT | DT_TOP | DT_SINGLELINE);
}

// --- TGroupBox --------------------------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csDoubleClicks;
    FParentColor = true;
    FWidth = 185;
    FHeight = 105;
}

void TGroupBox::AdjustClientRect(TRect& rect) const {
    rect = {rect.Left + 2, rect.Top + 15, rect.Right - 2, rect.Bottom - 2};
}

void TGroupBox::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetColor(FColor);
    c.FillRect(ClientRect());
    c.Font().Assign(&FFont);
    int textHeight = c.TextHeight(L"0");
    RECT frame{0, textHeight / 2, FWidth, FHeight};
    DrawEdge(c.Handle(), &frame, EDGE_ETCHED, BF_RECT);
    if (!FCaption.empty()) {
        // The caption sits on the frame's top line, with the face colour behind it.
        TRect r{8, 0, 8 + c.TextWidth(FCaption) + 4, textHeight};
        c.Brush().SetColor(FColor);
        c.FillRect(r);
        c.Brush().SetStyle(TBrushStyle::bsClear);
        TRect t{r.Left + 2, 0, r.Right, textHeight};
        c.DrawText(FCaption, t, DT_LEFT | DT_TOP | DT_SINGLELINE);
    }
}

// --- TButton ----------------------------------------------------------------------------------

TButton::TButton(TComponent* owner) : TSystemControl(owner) {
    FWidth = 75;
    FHeight = 25;
}

void TButton::CreateParams(TCreateParams& p) {
    TSystemControl::CreateParams(p);
    p.SystemClass = L"BUTTON";
    p.Style |= WS_TABSTOP | (FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

void TButton::SetDefault(bool value) {
    if (FDefault == value) return;
    FDefault = value;
    if (FHandle) SendMessageW(FHandle, BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
    // Before the handler, which may free the form.
    if (FModalResult != mrNone)
        if (TForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
    TSystemControl::Click();
}

void TButton::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
        Click();
        return;
    }
    TSystemControl::WndProc(m);
}

// --- TCheckBox --------------------------------------------------------------------------------

TCheckBox::TCheckBox(TComponent* owner) : TSystemControl(owner) {
    FWidth = 97;
    FHeight = 17;
}

void TCheckBox::CreateParams(TCreateParams& p) {
    TSystemControl::CreateParams(p);
    p.SystemClass = L"BUTTON";
    p.Style |= WS_TABSTOP | BS_AUTOCHECKBOX;
}

void TCheckBox::CreateHandleDone() {
    TSystemControl::CreateHandleDone();
    SendMessageW(FHandle, BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::SetChecked(bool value) {
    if (FChecked == value) return;
    FChecked = value;
    if (FHandle) SendMessageW(FHandle, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
        FChecked = SendMessageW(FHandle, BM_GETCHECK, 0, 0) == BST_CHECKED;
        Click();
        return;
    }
    TSystemControl::WndProc(m);
}

// --- TEdit ------------------------------------------------------------------------------------

TEdit::TEdit(TComponent* owner) : TSystemControl(owner) {
    FWidth = 121;
    FHeight = 21;
    FColor = clWindow;
}

void TEdit::CreateParams(TCreateParams& p) {
    TSystemControl::CreateParams(p);
    p.SystemClass = L"EDIT";
    p.Style |= WS_TABSTOP | ES_AUTOHSCROLL;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

std::wstring TEdit::GetText() const {
    if (!FHandle) return FCaption;
    int length = GetWindowTextLengthW(FHandle);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(FHandle, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

void TEdit::SetText(const std::wstring& value) {
    if (GetText() == value) return;
    SetCaption(value);
    // Without a window no EN_CHANGE comes.
    if (!FHandle) OnChange(this);
}

void TEdit::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == EN_CHANGE) {
        // The caption keeps what the window holds, for a window made again.
        FCaption = GetText();
        OnChange(this);
        return;
    }
    TSystemControl::WndProc(m);
}

// --- TItemsControl ----------------------------------------------------------------------------

TItemsControl::TItemsControl(TComponent* owner) : TSystemControl(owner) {
    FColor = clWindow;
}

int TItemsControl::AddItem(const std::wstring& text) {
    InsertItem(Count(), text);
    return Count() - 1;
}

void TItemsControl::InsertItem(int index, const std::wstring& text) {
    if (index < 0 || index > Count()) throw EListError(L"List index out of bounds (" + std::to_wstring(index) + L")");
    FItems.insert(FItems.begin() + index, text);
    if (FItemIndex >= index) ++FItemIndex;
    if (FHandle) SendMessageW(FHandle, ListMessages().Insert, index, reinterpret_cast<LPARAM>(text.c_str()));
}

void TItemsControl::DeleteItem(int index) {
    if (index < 0 || index >= Count()) throw EListError(L"List index out of bounds (" + std::to_wstring(index) + L")");
    FItemIndex = GetItemIndex();
    FItems.erase(FItems.begin() + index);
    if (FItemIndex == index)
        FItemIndex = -1;
    else if (FItemIndex > index)
        --FItemIndex;
    if (FHandle) SendMessageW(FHandle, ListMessages().Delete, index, 0);
}

void TItemsControl::SetItem(int index, const std::wstring& text) {
    int selected = GetItemIndex();
    FItems.at(static_cast<size_t>(index)) = text;
    if (!FHandle) return;
    SendMessageW(FHandle, ListMessages().Delete, index, 0);
    SendMessageW(FHandle, ListMessages().Insert, index, reinterpret_cast<LPARAM>(text.c_str()));
    SetItemIndex(selected);
}

void TItemsControl::MoveItem(int from, int to) {
    if (from == to) return;
    std::wstring text = Items(from);
    DeleteItem(from);
    InsertItem(to, text);
}

void TItemsControl::Clear() {
    FItems.clear();
    FItemIndex = -1;
    if (FHandle) SendMessageW(FHandle, ListMessages().Reset, 0, 0);
}

int TItemsControl::GetItemIndex() const {
    if (FHandle) return static_cast<int>(SendMessageW(FHandle, ListMessages().GetCurSel, 0, 0));
    return FItemIndex;
}

void TItemsControl::SetItemIndex(int value) {
    if (value < -1 || value >= Count()) value = -1;
    FItemIndex = value;
    if (FHandle) SendMessageW(FHandle, ListMessages().SetCurSel, static_cast<WPARAM>(value), 0);
}

void TItemsControl::SetItemHeight(int value) {
    if (value < 1 || FItemHeight == value) return;
    FItemHeight = value;
    if (FHandle) ApplyItemHeight();
}

void TItemsControl::CreateHandleDone() {
    TSystemControl::CreateHandleDone();
    ApplyItemHeight();
    for (size_t i = 0; i < FItems.size(); ++i)
        SendMessageW(FHandle, ListMessages().Add, 0, reinterpret_cast<LPARAM>(FItems[i].c_str()));
    SendMessageW(FHandle, ListMessages().SetCurSel, static_cast<WPARAM>(FItemIndex), 0);
}

void TItemsControl::WndProc(TMessage& m) {
    if (m.Msg == CN_DRAWITEM) {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
        m.Result = TRUE;
        TRect rect{dis->rcItem.left, dis->rcItem.top, dis->rcItem.right, dis->rcItem.bottom};
        int index = static_cast<int>(dis->itemID);
        TItemDrawState state = 0;
        if (dis->itemState & ODS_SELECTED) state |= idSelected;
        if (dis->itemState & ODS_FOCUS) state |= idFocused;
        if (dis->itemState & ODS_DISABLED) state |= idDisabled;
        if (dis->itemState & ODS_COMBOBOXEDIT) state |= idComboBoxEdit;
        // Each item paint gets a clean DC state back.
        {
            TSaveDCGuard saved(dis->hDC);
            TCanvasPaintScope scope(*FCanvas, dis->hDC);
            TCanvas& c = *FCanvas;
            c.Font().Assign(&FFont);
            c.Brush().SetColor((state & idSelected) ? clHighlight : FColor);
            if (state & idSelected) c.Font().SetColor(clHighlightText);
            if (index >= 0 && index < Count()) {
                if (OnDrawItem) {
                    OnDrawItem(this, index, rect, state);
                } else {
                    c.FillRect(rect);
                    TRect t{rect.Left + 2, rect.Top, rect.Right, rect.Bottom};
                    c.Brush().SetStyle(TBrushStyle::bsClear);
                    c.DrawText(Items(index), t, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
                }
            } else {
                c.FillRect(rect);
            }
            if ((dis->itemState & ODS_FOCUS) && !(state & idComboBoxEdit)) {
                RECT r = dis->rcItem;
                ::DrawFocusRect(dis->hDC, &r);
            }
        }
        return;
    }
    TSystemControl::WndProc(m);
}

// --- TListBox ---------------------------------------------------------------------------------

TListBox::TListBox(TComponent* owner) : TItemsControl(owner) {
    FWidth = 121;
    FHeight = 97;
    FItemHeight = 13;
}

void TListBox::CreateParams(TCreateParams& p) {
    TItemsControl::CreateParams(p);
    p.SystemClass = L"LISTBOX";
    p.Style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS;
    if (FOwnerDraw) p.Style |= LBS_OWNERDRAWFIXED;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

TItemsControl::TListMessages TListBox::ListMessages() const {
    return {LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_SETCURSEL, LB_GETCURSEL, LB_SETITEMHEIGHT};
}

void TListBox::ApplyItemHeight() {
    if (FOwnerDraw) SendMessageW(FHandle, LB_SETITEMHEIGHT, 0, FItemHeight);
}

int TListBox::ItemAtPos(TPoint p) const {
    if (!FHandle) return -1;
    LRESULT r = SendMessageW(FHandle, LB_ITEMFROMPOINT, 0, MAKELPARAM(p.X, p.Y));
    if (HIWORD(r)) return -1;
    return LOWORD(r) < Count() ? static_cast<int>(LOWORD(r)) : -1;
}

TRect TListBox::ItemRect(int index) const {
    RECT r{};
    if (FHandle) SendMessageW(FHandle, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return {r.left, r.top, r.right, r.bottom};
}

void TListBox::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == LBN_SELCHANGE) Click();
        return;
    }
    TItemsControl::WndProc(m);
}

void TListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TItemsControl::MouseDown(button, shift, x, y);
    FPressed = button == TMouseButton::mbLeft && !(shift & ssDouble);
    FPressPoint = {x, y};
}

void TListBox::MouseMove(TShiftState shift, int x, int y) {
    TItemsControl::MouseMove(shift, x, y);
    if (!FPressed || FDragMode != TDragMode::dmAutomatic || TDragOperation::Active()) return;
    if (std::abs(x - FPressPoint.X) < kDragThreshold && std::abs(y - FPressPoint.Y) < kDragThreshold) return;
    int index = ItemAtPos(FPressPoint);
    FPressed = false;
    if (index < 0) return;
    FDragIndex = index;
    HWND window = FHandle;
    TDragOperation::Begin(this, [window](TControl*, bool) {
        if (TListBox* self = dynamic_cast<TListBox*>(TWinControl::FromHandle(window))) self->FDragIndex = -1;
    });
}

void TListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    FPressed = false;
    TItemsControl::MouseUp(button, shift, x, y);
}

void TListBox::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
    accept = false;
    OnDragOver(this, source, x, y, state, accept);
}

void TListBox::DragDrop(TObject* source, int x, int y) {
    OnDragDrop(this, source, x, y);
}

// --- TComboBox --------------------------------------------------------------------------------

TComboBox::TComboBox(TComponent* owner) : TItemsControl(owner) {
    FWidth = 145;
    FHeight = 21;
}

void TComboBox::CreateParams(TCreateParams& p) {
    TItemsControl::CreateParams(p);
    p.SystemClass = L"COMBOBOX";
    p.Style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_HASSTRINGS;
    if (FOwnerDraw) p.Style |= CBS_OWNERDRAWFIXED;
    // The height is the dropped-down list's; the field's comes from the item height.
    p.Height = std::max(FHeight, 200);
}

TItemsControl::TListMessages TComboBox::ListMessages() const {
    return {CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_SETCURSEL, CB_GETCURSEL, CB_SETITEMHEIGHT};
}

void TComboBox::ApplyItemHeight() {
    if (!FOwnerDraw) return;
    SendMessageW(FHandle, CB_SETITEMHEIGHT, 0, FItemHeight);
    // The selection field keeps the control's height.
    SendMessageW(FHandle, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), std::max(FHeight - 6, 1));
}

bool TComboBox::DroppedDown() const {
    return FHandle && SendMessageW(FHandle, CB_GETDROPPEDSTATE, 0, 0);
}

void TComboBox::SetDroppedDown(bool value) {
    if (FHandle) SendMessageW(FHandle, CB_SHOWDROPDOWN, value, 0);
}

void TComboBox::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == CBN_SELCHANGE) {
            FItemIndex = GetItemIndex();
            OnChange(this);
        }
        return;
    }
    TItemsControl::WndProc(m);
}

}  // namespace orv
