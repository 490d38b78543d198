#include "framework/LayoutReader.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "framework/Graphics.h"
#include "framework/SysUtils.h"
#include "framework/WinControl.h"

namespace orv {

namespace {

const wchar_t* KindName(TLayoutValue::TKind kind) {
    switch (kind) {
        case TLayoutValue::TKind::Integer:
            return L"an integer";
        case TLayoutValue::TKind::Float:
            return L"a number";
        case TLayoutValue::TKind::String:
            return L"a string";
        case TLayoutValue::TKind::Ident:
            return L"an identifier";
        case TLayoutValue::TKind::Set:
            return L"a set";
        case TLayoutValue::TKind::Collection:
            return L"a collection";
        case TLayoutValue::TKind::Binary:
            return L"binary data";
        case TLayoutValue::TKind::Resource:
            return L"a resource";
        case TLayoutValue::TKind::StringList:
            return L"a string list";
    }
    return L"a value";
}

const wchar_t* PropKindName(TPropKind kind) {
    switch (kind) {
        case TPropKind::Integer:
            return L"an integer";
        case TPropKind::Float:
            return L"a number";
        case TPropKind::Bool:
            return L"True or False";
        case TPropKind::String:
            return L"a string";
        case TPropKind::Enum:
            return L"an identifier";
        case TPropKind::Set:
            return L"a set";
        case TPropKind::Color:
            return L"a colour";
        case TPropKind::Object:
            return L"its fields (Name.Field = value)";
        case TPropKind::Collection:
            return L"a collection";
        case TPropKind::Component:
            return L"a component name";
        case TPropKind::Event:
            return L"a handler name";
        case TPropKind::StringList:
            return L"a string list";
        case TPropKind::Binary:
            return L"binary data or a resource";
    }
    return L"a value";
}

std::vector<std::wstring> SplitPath(const std::wstring& path) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (;;) {
        size_t dot = path.find(L'.', start);
        parts.push_back(path.substr(start, dot == std::wstring::npos ? std::wstring::npos : dot - start));
        if (dot == std::wstring::npos) return parts;
        start = dot + 1;
    }
}

std::wstring MessageOf(const std::exception& e) {
    if (auto* ex = dynamic_cast<const Exception*>(&e)) return ex->Message();
    return FromUtf8(e.what());
}

// Readers in progress, innermost last (a frame reads its own layout inside another read).
std::vector<TLayoutReader*>& ActiveReaders() {
    static std::vector<TLayoutReader*> readers;
    return readers;
}

// Classes whose own layouts are being read from their resources, outermost first: a
// frame met again inside this chain would read itself without end.
std::vector<std::wstring>& LayoutsInProgress() {
    static std::vector<std::wstring> classes;
    return classes;
}

template <class T>
class TStackEntry {
public:
    TStackEntry(std::vector<T>& stack, T value) : FStack(stack) { FStack.push_back(std::move(value)); }
    ~TStackEntry() { FStack.pop_back(); }
    TStackEntry(const TStackEntry&) = delete;
    TStackEntry& operator=(const TStackEntry&) = delete;

private:
    std::vector<T>& FStack;
};

// The chain from the first time className's layout was entered, back to it again.
std::wstring CycleChain(const std::wstring& className) {
    const auto& classes = LayoutsInProgress();
    std::wstring chain;
    bool inCycle = false;
    for (const auto& c : classes) {
        if (!inCycle && SameText(c, className)) inCycle = true;
        if (inCycle) chain += c + L" -> ";
    }
    return chain + className;
}

bool LayoutInProgress(const std::wstring& className) {
    for (const auto& c : LayoutsInProgress())
        if (SameText(c, className)) return true;
    return false;
}

}  // namespace

TLayoutReader* TLayoutReader::Current() {
    auto& readers = ActiveReaders();
    return readers.empty() ? nullptr : readers.back();
}

TComponent* ReaderParent() {
    TLayoutReader* reader = TLayoutReader::Current();
    return reader ? reader->Parent() : nullptr;
}

bool LoadEmbeddedResource(const std::wstring& name, std::vector<uint8_t>& bytes) {
    HMODULE module = GetModuleHandleW(nullptr);
    std::wstring upper = UpperCase(name);
    HRSRC res = FindResourceW(module, upper.c_str(), MAKEINTRESOURCEW(10));  // raw data
    if (!res) return false;
    HGLOBAL global = LoadResource(module, res);
    DWORD size = SizeofResource(module, res);
    const void* data = global ? LockResource(global) : nullptr;
    if (!data) return false;
    bytes.assign(static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + size);
    return true;
}

TLayoutReader::TLayoutReader(std::wstring layoutName, TLayoutResourceLoader loader)
    : FName(std::move(layoutName)), FLoader(std::move(loader)) {}

void TLayoutReader::Fail(int line, int column, const std::wstring& what) const {
    throw ELayoutError(FName, line, column, what);
}

void TLayoutReader::ReadRoot(TComponent* root, const TLayoutObject& tree) {
    FRoot = root;
    const TClassInfo* info = TClassRegistry::FindFor(root);
    if (!info) Fail(tree.Line, tree.Column, std::wstring(L"Class ") + root->ClassName() + L" is not registered");
    if (!SameText(tree.ClassName, root->ClassName()))
        Fail(tree.Line, tree.Column,
             L"Layout of class " + tree.ClassName + L" cannot be read into " + root->ClassName());
    root->IncludeState(csLoading | csReading);
    FCreated.push_back(root);
    TStackEntry<TLayoutReader*> active(ActiveReaders(), this);
    FParent = nullptr;
    try {
        if (!tree.Name.empty() && root->GetName().empty()) {
            try {
                root->SetName(tree.Name);
            } catch (const std::exception& e) {
                Fail(tree.Line, tree.Column, MessageOf(e));
            }
        }
        ApplyProperties(root, tree.Properties, root);
        for (const auto& child : tree.Children) ReadChild(child, root);
        for (const auto& f : FFixups) ResolveFixup(f);
        FFixups.clear();
    } catch (...) {
        // Everything this read made goes, last made first (children before parents); the
        // root's fields must not keep pointing at it.
        ClearFieldsOfCreated();
        for (size_t i = FCreated.size(); i-- > 1;) FCreated[i]->Free();
        FCreated.resize(1);
        FFixups.clear();
        root->ExcludeState(csLoading | csReading);
        throw;
    }
    for (TComponent* c : FCreated) c->ExcludeState(csReading);
    // An embedded frame had its Loaded pass when it read its own layout.
    for (size_t i = 0; i < FCreated.size(); ++i)
        if (i == 0 || !(FCreated[i]->ComponentState() & csInline)) FCreated[i]->Loaded();
    // A stored tab order is a slot among all windowed siblings, also the ones a control
    // makes for itself when it is loaded: applied once they exist.
    for (TComponent* c : FCreated) ApplyTabOrders(c);
}

void TLayoutReader::ReadRoot(TComponent* root, TLayoutObject&& tree) {
    const bool outer = FTakeBytes;
    FTakeBytes = true;
    try {
        ReadRoot(root, static_cast<const TLayoutObject&>(tree));
    } catch (...) {
        FTakeBytes = outer;
        throw;
    }
    FTakeBytes = outer;
}

void TLayoutReader::ClearFieldsOfCreated() {
    const TClassInfo* info = TClassRegistry::FindFor(FRoot);
    if (!info) return;
    for (const TFieldInfo* field : info->AllFields()) {
        TComponent* bound = field->Get(FRoot);
        if (bound && std::find(FCreated.begin() + 1, FCreated.end(), bound) != FCreated.end()) field->Clear(FRoot);
    }
}

void TLayoutReader::ReadProperties(TObject* target, const std::vector<TLayoutProperty>& properties, TComponent* scope) {
    TStackEntry<TLayoutReader*> active(ActiveReaders(), this);
    FRoot = scope;
    ApplyProperties(target, properties, scope);
    for (const auto& f : FFixups) ResolveFixup(f);
    FFixups.clear();
}

void TLayoutReader::ReadChild(const TLayoutObject& node, TComponent* parent) {
    const TClassInfo* info = TClassRegistry::Find(node.ClassName);
    if (!info || !info->Create) Fail(node.Line, node.Column, L"Unknown class " + node.ClassName);
    if (LayoutInProgress(node.ClassName))
        Fail(node.Line, node.Column, L"Layouts inline each other without end: " + CycleChain(node.ClassName));
    TComponent* savedParent = FParent;
    FParent = parent;
    TComponent* c = nullptr;
    try {
        c = info->Create(FRoot);
    } catch (const std::exception& e) {
        Fail(node.Line, node.Column, MessageOf(e));
    }
    FCreated.push_back(c);
    try {
        if (node.Inline) {
            c->IncludeState(csInline);
        } else {
            c->IncludeState(csLoading | csReading);
        }
        c->SetName(node.Name);
        if (const TClassInfo* rootInfo = ClassOf(FRoot))
            if (const TFieldInfo* field = rootInfo->FindField(node.Name))
                if (!field->Bind(FRoot, c))
                    Fail(node.Line, node.Column,
                         L"Field " + node.Name + L" of " + FRoot->ClassName() + L" cannot hold a " + node.ClassName);
        c->SetParentComponent(parent);
        // A frame builds itself from its own layout here; the stored values below then
        // override it like ordinary assignments.
        c->AfterConstruction();
        // Its own read is over; the values stored here are read like any child's (a
        // stored tab order waits until all its siblings exist).
        if (node.Inline) c->IncludeState(csReading);
    } catch (const ELayoutError&) {
        throw;
    } catch (const std::exception& e) {
        Fail(node.Line, node.Column, MessageOf(e));
    }
    ApplyProperties(c, node.Properties, FRoot);
    try {
        parent->ReadItem(c);
    } catch (const ELayoutError&) {
        throw;
    } catch (const std::exception& e) {
        Fail(node.Line, node.Column, MessageOf(e));
    }
    FParent = c;
    for (const auto& child : node.Children) {
        if (node.Inline)
            ReadOverride(child, c);
        else
            ReadChild(child, c);
    }
    FParent = savedParent;
}

void TLayoutReader::ReadOverride(const TLayoutObject& node, TComponent* scope) {
    TComponent* existing = scope->FindComponent(node.Name);
    if (!existing) Fail(node.Line, node.Column, L"Component " + node.Name + L" not found in " + scope->GetName());
    if (!SameText(existing->ClassName(), node.ClassName))
        Fail(node.Line, node.Column,
             L"Component " + node.Name + L" is a " + existing->ClassName() + L", not a " + node.ClassName);
    ApplyProperties(existing, node.Properties, scope);
    for (const auto& child : node.Children) ReadOverride(child, scope);
}

void TLayoutReader::ApplyProperties(TObject* target, const std::vector<TLayoutProperty>& props, TComponent* scope) {
    for (const auto& p : props) ApplyProperty(target, p, scope);
}

size_t TLayoutReader::TPropKeyHash::operator()(const TPropKey& key) const noexcept {
    return std::hash<std::wstring_view>()(key.Name) ^ (std::hash<const void*>()(key.Info) * 31);
}

void TLayoutReader::CheckCacheGeneration() {
    const uint64_t generation = TClassRegistry::Generation();
    if (generation == FCacheGeneration) return;
    FClasses.clear();
    FProps.clear();
    FPropNames.clear();
    FCacheGeneration = generation;
}

const TClassInfo* TLayoutReader::ClassOf(const TObject* object) {
    CheckCacheGeneration();
    const wchar_t* name = object->ClassName();
    for (const auto& [known, info] : FClasses)
        if (known == name) return info;
    const TClassInfo* info = TClassRegistry::Find(name);
    // Unregistered classes are not remembered: the read fails on them anyway.
    if (info) FClasses.emplace_back(name, info);
    return info;
}

const TPropInfo* TLayoutReader::PropOf(const TClassInfo* info, std::wstring_view name) {
    CheckCacheGeneration();
    auto found = FProps.find(TPropKey{info, name});
    if (found != FProps.end()) return found->second;
    const TPropInfo* prop = info->FindProp(std::wstring(name));
    if (prop) {
        FPropNames.push_back(std::make_unique<std::wstring>(name));
        FProps.emplace(TPropKey{info, *FPropNames.back()}, prop);
    }
    return prop;
}

void TLayoutReader::ApplyProperty(TObject* target, const TLayoutProperty& p, TComponent* scope) {
    const std::wstring_view path = p.Path;
    TObject* obj = target;
    const TClassInfo* info = ClassOf(obj);
    size_t start = 0;
    for (;;) {
        const size_t dot = path.find(L'.', start);
        const bool last = dot == std::wstring_view::npos;
        const std::wstring_view part = path.substr(start, last ? std::wstring_view::npos : dot - start);
        if (!info) Fail(p.Line, p.Column, std::wstring(L"Class ") + obj->ClassName() + L" is not registered");
        const TPropInfo* prop = PropOf(info, part);
        if (!prop) Fail(p.Line, p.Column, L"Unknown property " + std::wstring(part) + L" of class " + info->Name);
        if (!last) {
            if (prop->Kind != TPropKind::Object)
                Fail(p.Line, p.Column, L"Property " + std::wstring(part) + L" has no fields");
            obj = prop->GetNested(obj);
            info = obj ? ClassOf(obj) : nullptr;
            start = dot + 1;
            continue;
        }
        if (prop->Kind == TPropKind::Component || prop->Kind == TPropKind::Event) {
            if (p.Value.Kind != TLayoutValue::TKind::Ident)
                Fail(p.Value.Line, p.Value.Column,
                     L"Property " + p.Path + L" expects " + PropKindName(prop->Kind) + L" but found " +
                         KindName(p.Value.Kind));
            FFixups.push_back({obj, prop, &p, scope});
            return;
        }
        try {
            ApplyValue(obj, *prop, p, p.Value, scope);
        } catch (const ELayoutError&) {
            throw;
        } catch (const std::exception& e) {
            Fail(p.Line, p.Column, L"Property " + p.Path + L": " + MessageOf(e));
        }
        return;
    }
}

void TLayoutReader::ApplyValue(TObject* target, const TPropInfo& info, const TLayoutProperty& p, const TLayoutValue& v,
                               TComponent* scope) {
    using K = TLayoutValue::TKind;
    auto mismatch = [&]() {
        Fail(v.Line, v.Column,
             L"Property " + p.Path + L" expects " + PropKindName(info.Kind) + L" but found " + KindName(v.Kind));
    };
    switch (info.Kind) {
        case TPropKind::Integer:
            if (v.Kind != K::Integer) mismatch();
            SetIntChecked(target, info, p, v, v.Integer);
            return;
        case TPropKind::Bool:
            if (v.Kind != K::Ident) mismatch();
            if (SameText(v.Text, L"True"))
                SetIntChecked(target, info, p, v, 1);
            else if (SameText(v.Text, L"False"))
                SetIntChecked(target, info, p, v, 0);
            else
                Fail(v.Line, v.Column, L"Property " + p.Path + L" expects True or False but found " + v.Text);
            return;
        case TPropKind::Float:
            if (v.Kind == K::Integer)
                info.SetFloat(target, static_cast<double>(v.Integer));
            else if (v.Kind == K::Float)
                info.SetFloat(target, v.Float);
            else
                mismatch();
            return;
        case TPropKind::String:
            if (v.Kind != K::String) mismatch();
            info.SetString(target, v.Text);
            return;
        case TPropKind::Enum: {
            if (v.Kind != K::Ident) mismatch();
            int index = info.Enum->IndexOf(v.Text);
            if (index < 0) Fail(v.Line, v.Column, L"Unknown value " + v.Text + L" for property " + p.Path);
            SetIntChecked(target, info, p, v, index);
            return;
        }
        case TPropKind::Set: {
            if (v.Kind != K::Set) mismatch();
            int64_t bits = 0;
            for (const auto& ident : v.Idents) {
                int index = info.Enum->IndexOf(ident);
                if (index < 0 || index > 62)
                    Fail(v.Line, v.Column, L"Unknown value " + ident + L" for property " + p.Path);
                bits |= int64_t(1) << index;
            }
            SetIntChecked(target, info, p, v, bits);
            return;
        }
        case TPropKind::Color: {
            if (v.Kind == K::Integer) {
                if (v.Integer < INT_MIN || v.Integer > 0xFFFFFFFFLL) Fail(v.Line, v.Column, L"Colour out of range");
                SetIntChecked(target, info, p, v, static_cast<TColor>(static_cast<uint32_t>(v.Integer)));
                return;
            }
            TColor color;
            if (v.Kind != K::Ident) mismatch();
            if (!IdentToColor(v.Text, color)) Fail(v.Line, v.Column, L"Unknown colour " + v.Text);
            SetIntChecked(target, info, p, v, color);
            return;
        }
        case TPropKind::Object:
            mismatch();
            return;
        case TPropKind::Collection: {
            if (v.Kind != K::Collection) mismatch();
            info.UpdateItems(target, true);
            try {
                info.ClearItems(target);
                for (const auto& item : v.Items) {
                    TPersistent* obj = info.AddItem(target);
                    ApplyProperties(obj, item.Properties, scope);
                }
            } catch (...) {
                info.UpdateItems(target, false);
                throw;
            }
            info.UpdateItems(target, false);
            return;
        }
        case TPropKind::StringList:
            if (v.Kind == K::StringList)
                info.SetStrings(target, v.Strings);
            else if (v.Kind == K::String)
                info.SetStrings(target, {v.Text});
            else
                mismatch();
            return;
        case TPropKind::Binary: {
            if (v.Kind == K::Binary && !v.HexText.Empty()) {
                if (!info.SetHexText)
                    info.SetBytes(target, v.HexText.Decode());
                else if (FTakeBytes)
                    info.SetHexText(target, std::move(const_cast<TLayoutValue&>(v).HexText));
                else
                    info.SetHexText(target, v.HexText);
                return;
            }
            if (v.Kind == K::Binary) {
                if (FTakeBytes)
                    // The tree was handed over, so it is not const underneath; each value
                    // is read once.
                    info.SetBytes(target, std::move(const_cast<TLayoutValue&>(v).Bytes));
                else
                    info.SetBytes(target, v.Bytes);
                return;
            }
            if (v.Kind != K::Resource) mismatch();
            std::vector<uint8_t> bytes;
            if (!FLoader || !FLoader(v.Text, bytes)) Fail(v.Line, v.Column, L"Resource '" + v.Text + L"' not found");
            info.SetBytes(target, std::move(bytes));
            return;
        }
        case TPropKind::Component:
        case TPropKind::Event:
            return;  // resolved after the whole tree is read
    }
}

void TLayoutReader::SetIntChecked(TObject* target, const TPropInfo& info, const TLayoutProperty& p,
                                  const TLayoutValue& v, int64_t value) {
    if (value < info.MinValue || value > info.MaxValue)
        Fail(v.Line, v.Column,
             L"Value " + std::to_wstring(value) + L" is out of range for " + p.Path + L" (" +
                 std::to_wstring(info.MinValue) + L".." + std::to_wstring(info.MaxValue) + L")");
    info.SetInt(target, value);
}

TComponent* TLayoutReader::FindReference(const std::wstring& name, TComponent* scope) const {
    std::vector<std::wstring> parts = SplitPath(name);
    TComponent* c = nullptr;
    for (TComponent* s : {scope, FRoot}) {
        if (!s) continue;
        c = SameText(s->GetName(), parts[0]) ? s : s->FindComponent(parts[0]);
        if (c) break;
    }
    for (size_t i = 1; c && i < parts.size(); ++i) c = c->FindComponent(parts[i]);
    return c;
}

void TLayoutReader::ResolveFixup(const TFixup& f) {
    const TLayoutValue& v = f.Source->Value;
    try {
        if (f.Prop->Kind == TPropKind::Component) {
            if (SameText(v.Text, L"nil")) {
                f.Prop->SetComponent(f.Target, nullptr);
                return;
            }
            TComponent* c = FindReference(v.Text, f.Scope);
            if (!c) Fail(v.Line, v.Column, L"Unresolved reference " + v.Text + L" in " + f.Source->Path);
            f.Prop->SetComponent(f.Target, c);
            return;
        }
        if (SameText(v.Text, L"nil")) return;
        const TClassInfo* rootInfo = TClassRegistry::FindFor(FRoot);
        const TMethodInfo* method = rootInfo ? rootInfo->FindMethod(v.Text) : nullptr;
        if (!method) Fail(v.Line, v.Column, L"Unknown handler " + v.Text + L" for " + f.Source->Path);
        f.Prop->SetEvent(f.Target, method->Make(FRoot));
    } catch (const EPropTypeMismatch&) {
        Fail(v.Line, v.Column, v.Text + L" does not fit property " + f.Source->Path);
    } catch (const ELayoutError&) {
        throw;
    } catch (const std::exception& e) {
        Fail(f.Source->Line, f.Source->Column, L"Property " + f.Source->Path + L": " + MessageOf(e));
    }
}

void TLayoutReader::ApplyTabOrders(TComponent* parent) {
    if (auto* w = dynamic_cast<TWinControl*>(parent)) w->ApplyPendingTabOrders();
}

void ReadLayoutText(TComponent* root, const std::wstring& text, const std::wstring& layoutName) {
    TLayoutObject tree = ParseLayout(text, layoutName);
    TLayoutReader reader(layoutName);
    reader.ReadRoot(root, std::move(tree));
}

void ReadLayoutText(TComponent* root, std::wstring&& text, const std::wstring& layoutName) {
    TLayoutObject tree = ParseLayout(std::make_shared<const std::wstring>(std::move(text)), layoutName);
    TLayoutReader reader(layoutName);
    reader.ReadRoot(root, std::move(tree));
}

namespace {
TLayoutSource& LayoutSource() {
    static TLayoutSource source;
    return source;
}
}  // namespace

TLayoutSource SetLayoutSource(TLayoutSource source) {
    TLayoutSource old = std::move(LayoutSource());
    LayoutSource() = std::move(source);
    return old;
}

bool HasStoredLayout(const std::wstring& className) {
    std::wstring text;
    if (LayoutSource()) return LayoutSource()(className, text);
    std::vector<uint8_t> bytes;
    return LoadEmbeddedResource(className, bytes);
}

bool ReadLayoutResource(TComponent* root) {
    std::wstring text;
    if (LayoutSource()) {
        if (!LayoutSource()(root->ClassName(), text)) return false;
    } else {
        std::vector<uint8_t> bytes;
        if (!LoadEmbeddedResource(root->ClassName(), bytes)) return false;
        text = LayoutTextFromUtf8(std::string(bytes.begin(), bytes.end()));
    }
    TStackEntry<std::wstring> inProgress(LayoutsInProgress(), root->ClassName());
    ReadLayoutText(root, std::move(text), root->ClassName());
    return true;
}

}  // namespace orv
