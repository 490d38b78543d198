#include "framework/FrameworkClasses.h"

#include "framework/Bitmap.h"
#include "framework/Buttons.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/Icon.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "framework/StdCtrls.h"
#include "framework/Timer.h"

namespace orv {

const TEnumInfo kAlignIdents{{L"alNone", L"alTop", L"alBottom", L"alLeft", L"alRight", L"alClient"}};
const TEnumInfo kAnchorIdents{{L"akLeft", L"akTop", L"akRight", L"akBottom"}};
const TEnumInfo kFontStyleIdents{{L"fsBold", L"fsItalic", L"fsUnderline", L"fsStrikeOut"}};

namespace {
const TEnumInfo kBorderStyleIdents{
    {L"bsNone", L"bsSingle", L"bsSizeable", L"bsDialog", L"bsToolWindow", L"bsSizeToolWin"}};
const TEnumInfo kPositionIdents{
    {L"poDesigned", L"poDefault", L"poDefaultPosOnly", L"poDefaultSizeOnly", L"poScreenCenter", L"poDesktopCenter"}};
const TEnumInfo kWindowStateIdents{{L"wsNormal", L"wsMinimized", L"wsMaximized"}};
const TEnumInfo kFormStyleIdents{{L"fsNormal", L"fsMDIChild", L"fsMDIForm", L"fsStayOnTop"}};
const TEnumInfo kBorderIconIdents{{L"biSystemMenu", L"biMinimize", L"biMaximize", L"biHelp"}};
const TEnumInfo kDragModeIdents{{L"dmManual", L"dmAutomatic"}};
}  // namespace

void RegisterFrameworkClasses() {
    TClassBuilder<TPersistent>(L"TPersistent", L"");

    TClassBuilder<TFont>(L"TFont", L"TPersistent")
        .Int(L"Charset", &TFont::GetCharset, &TFont::SetCharset)
        .Color(L"Color", &TFont::GetColor, &TFont::SetColor)
        .Int(L"Height", &TFont::GetHeight, &TFont::SetHeight)
        .String(L"Name", &TFont::GetName, &TFont::SetName)
        .Int(L"Orientation", &TFont::GetOrientation, &TFont::SetOrientation)
        .Set(L"Style", &TFont::GetStyle, &TFont::SetStyle, kFontStyleIdents);

    // Pictures travel as the bytes of their file (BMP, ICO); a bitmap with its see-through key.
    TClassBuilder<TGraphic>(L"TGraphic", L"TPersistent");
    TClassBuilder<TBitmap>(L"TBitmap", L"TGraphic")
        .Binary(L"Data", &TBitmap::GetData, &TBitmap::SetData)
        .Bool(L"Transparent", &TBitmap::GetTransparent, &TBitmap::SetTransparent)
        .Color(L"TransparentColor", &TBitmap::GetTransparentColorSetting, &TBitmap::SetTransparentColor);
    TClassBuilder<TIcon>(L"TIcon", L"TGraphic").Binary(L"Data", &TIcon::GetData, &TIcon::SetData);

    TClassBuilder<TComponent>(L"TComponent", L"TPersistent").Int(L"Tag", &TComponent::GetTag, &TComponent::SetTag);

    RegisterActionClasses();
    TClassBuilder<TControl>(L"TControl", L"TComponent")
        .Component<TBasicAction>(L"Action", &TControl::GetAction, &TControl::SetAction)
        .Int(L"Left", &TControl::Left, &TControl::SetLeft)
        .Int(L"Top", &TControl::Top, &TControl::SetTop)
        .Int(L"Width", &TControl::Width, &TControl::SetWidth)
        .Int(L"Height", &TControl::Height, &TControl::SetHeight)
        .Enum(L"Align", &TControl::GetAlign, &TControl::SetAlign, kAlignIdents)
        .Set(L"Anchors", &TControl::GetAnchors, &TControl::SetAnchors, kAnchorIdents)
        .String(L"Caption", &TControl::GetCaption, &TControl::SetCaption)
        .Color(L"Color", &TControl::GetColor, &TControl::SetColor)
        .StoredIf([](TControl* c) { return !c->GetParentColor(); })
        .Int(L"Cursor", &TControl::GetCursor, &TControl::SetCursor)
        .Bool(L"Enabled", &TControl::GetEnabled, &TControl::SetEnabled)
        .Object(L"Font", [](TControl* c) -> TFont& { return c->Font(); })
        .StoredIf([](TControl* c) { return !c->GetParentFont(); })
        .Int(L"HelpContext", &TControl::GetHelpContext, &TControl::SetHelpContext)
        .String(L"Hint", &TControl::GetHint, &TControl::SetHint)
        .Bool(L"ParentColor", &TControl::GetParentColor, &TControl::SetParentColor)
        .Governs(L"Color")
        .Bool(L"ParentFont", &TControl::GetParentFont, &TControl::SetParentFont)
        .Governs(L"Font")
        .Bool(L"ParentShowHint", &TControl::GetParentShowHint, &TControl::SetParentShowHint)
        .Governs(L"ShowHint")
        .Component<TPopupMenu>(L"PopupMenu", &TControl::GetPopupMenu, &TControl::SetPopupMenu)
        .Bool(L"ShowHint", &TControl::GetShowHint, &TControl::SetShowHint)
        .StoredIf([](TControl* c) { return !c->GetParentShowHint(); })
        .Bool(L"Visible", &TControl::GetVisible, &TControl::SetVisible)
        .Event(L"OnClick", &TControl::OnClick)
        .Event(L"OnContextPopup", &TControl::OnContextPopup)
        .Event(L"OnDblClick", &TControl::OnDblClick)
        .Event(L"OnMouseDown", &TControl::OnMouseDown)
        .Event(L"OnMouseEnter", &TControl::OnMouseEnter)
        .Event(L"OnMouseLeave", &TControl::OnMouseLeave)
        .Event(L"OnMouseMove", &TControl::OnMouseMove)
        .Event(L"OnMouseUp", &TControl::OnMouseUp)
        .Event(L"OnMouseWheel", &TControl::OnMouseWheel)
        .Event(L"OnResize", &TControl::OnResize);

    TClassBuilder<TGraphicControl>(L"TGraphicControl", L"TControl");

    TClassBuilder<TWinControl>(L"TWinControl", L"TControl")
        .Bool(L"DoubleBuffered", &TWinControl::GetDoubleBuffered, &TWinControl::SetDoubleBuffered)
        .Int(L"TabOrder", &TWinControl::GetTabOrder, &TWinControl::SetTabOrder)
        .Bool(L"TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop)
        .Event(L"OnEnter", &TWinControl::OnEnter)
        .Event(L"OnExit", &TWinControl::OnExit)
        .Event(L"OnKeyDown", &TWinControl::OnKeyDown)
        .Event(L"OnKeyPress", &TWinControl::OnKeyPress)
        .Event(L"OnKeyUp", &TWinControl::OnKeyUp);

    TClassBuilder<TCustomControl>(L"TCustomControl", L"TWinControl");
    TClassBuilder<TPanel>(L"TPanel", L"TCustomControl")
        .Factory()
        .Bool(L"ShowCaption", &TPanel::GetShowCaption, &TPanel::SetShowCaption);
    TClassBuilder<TFrame>(L"TFrame", L"TCustomControl").Factory();

    // The dialog controls.
    TClassBuilder<TLabel>(L"TLabel", L"TGraphicControl")
        .Factory()
        .Bool(L"AutoSize", &TLabel::GetAutoSize, &TLabel::SetAutoSize);
    TClassBuilder<TGroupBox>(L"TGroupBox", L"TCustomControl").Factory();
    TClassBuilder<TSpeedButton>(L"TSpeedButton", L"TGraphicControl")
        .Factory()
        .Component<TImageList>(L"Images", &TSpeedButton::GetImages, &TSpeedButton::SetImages)
        .Int(L"ImageIndex", &TSpeedButton::GetImageIndex, &TSpeedButton::SetImageIndex);
    TClassBuilder<TSystemControl>(L"TSystemControl", L"TWinControl");
    TClassBuilder<TButton>(L"TButton", L"TSystemControl")
        .Factory()
        .Bool(L"Default", &TButton::GetDefault, &TButton::SetDefault)
        .Int(L"ModalResult", &TButton::GetModalResult, &TButton::SetModalResult);
    TClassBuilder<TCheckBox>(L"TCheckBox", L"TSystemControl")
        .Factory()
        .Bool(L"Checked", &TCheckBox::GetChecked, &TCheckBox::SetChecked);
    TClassBuilder<TEdit>(L"TEdit", L"TSystemControl")
        .Factory()
        .String(L"Text", &TEdit::GetText, &TEdit::SetText)
        .Event(L"OnChange", &TEdit::OnChange);
    TClassBuilder<TItemsControl>(L"TItemsControl", L"TSystemControl")
        .Int(L"ItemHeight", &TItemsControl::GetItemHeight, &TItemsControl::SetItemHeight)
        .Bool(L"OwnerDraw", &TItemsControl::GetOwnerDraw, &TItemsControl::SetOwnerDraw)
        .Event(L"OnDrawItem", &TItemsControl::OnDrawItem);
    TClassBuilder<TListBox>(L"TListBox", L"TItemsControl")
        .Factory()
        .Enum(L"DragMode", &TListBox::GetDragMode, &TListBox::SetDragMode, kDragModeIdents)
        .Event(L"OnDragOver", &TListBox::OnDragOver)
        .Event(L"OnDragDrop", &TListBox::OnDragDrop);
    TClassBuilder<TComboBox>(L"TComboBox", L"TItemsControl").Factory().Event(L"OnChange", &TComboBox::OnChange);

    TClassBuilder<TForm>(L"TForm", L"TWinControl")
        .Factory()
        .Set(L"BorderIcons", &TForm::GetBorderIcons, &TForm::SetBorderIcons, kBorderIconIdents)
        .Enum(L"BorderStyle", &TForm::GetBorderStyle, &TForm::SetBorderStyle, kBorderStyleIdents)
        .Int(
            L"ClientHeight", [](TForm* f) { return f->ClientHeight(); }, &TForm::SetClientHeight)
        .Int(
            L"ClientWidth", [](TForm* f) { return f->ClientWidth(); }, &TForm::SetClientWidth)
        .Enum(L"FormStyle", &TForm::GetFormStyle, &TForm::SetFormStyle, kFormStyleIdents)
        .Object(L"Icon", [](TForm* f) -> TIcon& { return f->Icon(); })
        .Enum(L"Position", &TForm::GetPosition, &TForm::SetPosition, kPositionIdents)
        .Enum(L"WindowState", &TForm::GetWindowState, &TForm::SetWindowState, kWindowStateIdents)
        .Event(L"OnActivate", &TForm::OnActivate)
        .Event(L"OnClose", &TForm::OnClose)
        .Event(L"OnCloseQuery", &TForm::OnCloseQuery)
        .Event(L"OnCreate", &TForm::OnCreate)
        .Event(L"OnDeactivate", &TForm::OnDeactivate)
        .Event(L"OnDestroy", &TForm::OnDestroy)
        .Event(L"OnHide", &TForm::OnHide)
        .Event(L"OnShow", &TForm::OnShow);

    TClassBuilder<TTimer>(L"TTimer", L"TComponent")
        .Factory()
        .Bool(L"Enabled", &TTimer::GetEnabled, &TTimer::SetEnabled)
        .Int(L"Interval", &TTimer::GetInterval, &TTimer::SetInterval)
        .Event(L"OnTimer", &TTimer::OnTimer);
}

}  // namespace orv
