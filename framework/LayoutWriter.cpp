// Writes component trees back into the layout format. A value is written when it
// differs from what a freshly constructed instance of the same class holds: the
// constructor's value is what a read starts from, so leaving out anything else would
// lose it on the next read. A property that applies a preset is written first and, when
// written, is applied to that instance too: the read applies it before the values that
// follow, so they must be compared with the preset's values, not the constructor's.
#include <windows.h>

#include <algorithm>

#include "framework/Graphics.h"
#include "framework/LayoutReader.h"
#include "framework/SysUtils.h"

namespace orv {

namespace {

std::wstring ComponentPath(TComponent* c, TComponent* root) {
    if (!c) return L"nil";
    if (c == root) return root->GetName();
    std::wstring path = c->GetName();
    for (TComponent* o = c->Owner(); o && o != root; o = o->Owner()) path = o->GetName() + L"." + path;
    return path;
}

std::wstring MethodNameFor(const TPropInfo& p, TObject* obj, TComponent* root) {
    if (!p.EventAssigned(obj)) return {};
    for (const TClassInfo* c = TClassRegistry::FindFor(root); c; c = c->Parent())
        for (const auto& m : c->Methods)
            if (p.EventEquals(obj, m.Make(root))) return m.Name;
    return {};
}

// A fresh instance to compare with; for a root with its own embedded layout, the
// nearest ancestor class without one (reading the root's layout is what we write).
TComponent* MakeReference(const TClassInfo* info, bool isRoot) {
    while (info && (!info->Create || (isRoot && HasStoredLayout(info->Name)))) info = info->Parent();
    if (!info) return nullptr;
    TComponent* ref = info->Create(nullptr);
    try {
        ref->AfterConstruction();
    } catch (...) {
        ref->Free();
        throw;
    }
    return ref;
}

class TWriter {
public:
    explicit TWriter(TComponent* root) : FRoot(root) {}

    // ref, when given, is a scratch instance: presets obj has are applied to it.
    void WriteProps(TObject* obj, TObject* ref, const std::wstring& prefix, std::vector<TLayoutProperty>& out) {
        const TClassInfo* info = TClassRegistry::FindFor(obj);
        if (!info) return;
        std::vector<const TPropInfo*> props = info->AllProps();
        std::stable_partition(props.begin(), props.end(), [](const TPropInfo* p) { return p->AppliesPreset; });
        for (const TPropInfo* p : props) {
            size_t before = out.size();
            WriteProp(*p, obj, ref, prefix, out);
            if (p->AppliesPreset && ref && out.size() != before && p->GetInt && p->SetInt)
                p->SetInt(ref, p->GetInt(obj));
        }
    }

    void WriteProp(const TPropInfo& p, TObject* obj, TObject* ref, const std::wstring& prefix,
                   std::vector<TLayoutProperty>& out) {
        if (p.IsStored && !p.IsStored(obj)) return;
        TLayoutProperty lp;
        lp.Path = prefix + p.Name;
        TLayoutValue& v = lp.Value;
        using K = TLayoutValue::TKind;
        switch (p.Kind) {
            case TPropKind::Integer:
            case TPropKind::Bool:
            case TPropKind::Enum:
            case TPropKind::Set:
            case TPropKind::Color: {
                int64_t value = p.GetInt(obj);
                if (ref && p.GetInt(ref) == value) return;
                if (p.Kind == TPropKind::Integer) {
                    v.Kind = K::Integer;
                    v.Integer = value;
                } else if (p.Kind == TPropKind::Bool) {
                    v.Kind = K::Ident;
                    v.Text = value ? L"True" : L"False";
                } else if (p.Kind == TPropKind::Enum) {
                    v.Kind = K::Ident;
                    if (value < 0 || value >= static_cast<int64_t>(p.Enum->Names.size())) return;
                    v.Text = p.Enum->Names[static_cast<size_t>(value)];
                } else if (p.Kind == TPropKind::Set) {
                    v.Kind = K::Set;
                    for (size_t i = 0; i < p.Enum->Names.size() && i < 63; ++i)
                        if (value & (int64_t(1) << i)) v.Idents.push_back(p.Enum->Names[i]);
                } else {
                    TColor color = static_cast<TColor>(value);
                    if (ColorToIdent(color, v.Text)) {
                        v.Kind = K::Ident;
                    } else {
                        v.Kind = K::Integer;
                        v.Integer = static_cast<uint32_t>(color);
                        v.Hex = true;
                    }
                }
                break;
            }
            case TPropKind::Float: {
                double value = p.GetFloat(obj);
                if (ref && p.GetFloat(ref) == value) return;
                v.Kind = K::Float;
                v.Float = value;
                break;
            }
            case TPropKind::String: {
                std::wstring value = p.GetString(obj);
                if (ref && p.GetString(ref) == value) return;
                v.Kind = K::String;
                v.Text = value;
                break;
            }
            case TPropKind::StringList: {
                auto value = p.GetStrings(obj);
                if (ref && p.GetStrings(ref) == value) return;
                v.Kind = K::StringList;
                v.Strings = value;
                break;
            }
            case TPropKind::Binary: {
                auto value = p.GetBytes(obj);
                if (ref && p.GetBytes(ref) == value) return;
                v.Kind = K::Binary;
                v.Bytes = value;
                break;
            }
            case TPropKind::Component: {
                TComponent* c = p.GetComponent(obj);
                TComponent* refC = ref ? p.GetComponent(ref) : nullptr;
                if (c == refC || (!c && !refC)) return;
                v.Kind = K::Ident;
                v.Text = ComponentPath(c, FRoot);
                break;
            }
            case TPropKind::Event: {
                std::wstring name = MethodNameFor(p, obj, FRoot);
                if (name.empty()) return;  // unassigned, or not one of the root's handlers
                v.Kind = K::Ident;
                v.Text = name;
                break;
            }
            case TPropKind::Object:
                WriteProps(p.GetNested(obj), ref ? p.GetNested(ref) : nullptr, lp.Path + L".", out);
                return;
            case TPropKind::Collection: {
                if (!WriteCollection(p, obj, ref, v)) return;
                break;
            }
        }
        out.push_back(std::move(lp));
    }

    // Items are written against a fresh item; the collection is left out when it
    // matches the reference's item for item.
    bool WriteCollection(const TPropInfo& p, TObject* obj, TObject* ref, TLayoutValue& v) {
        v.Kind = TLayoutValue::TKind::Collection;
        TPersistent* blank = ref ? p.AddItem(ref) : nullptr;
        int refCount = ref ? p.ItemCount(ref) - 1 : 0;
        bool same = ref && refCount == p.ItemCount(obj);
        for (int i = 0; i < p.ItemCount(obj); ++i) {
            TLayoutItem item;
            WriteProps(p.Item(obj, i), blank, L"", item.Properties);
            if (same) {
                std::vector<TLayoutProperty> refProps;
                WriteProps(p.Item(ref, i), blank, L"", refProps);
                if (refProps.size() != item.Properties.size()) same = false;
                for (size_t k = 0; same && k < refProps.size(); ++k)
                    if (refProps[k].Path != item.Properties[k].Path ||
                        FormatLayoutValue(refProps[k].Value, 0) != FormatLayoutValue(item.Properties[k].Value, 0))
                        same = false;
            }
            v.Items.push_back(std::move(item));
        }
        return !same;
    }

    TLayoutObject WriteComponent(TComponent* c, bool isRoot) {
        TLayoutObject node;
        node.Name = c->GetName();
        node.ClassName = c->ClassName();
        const TClassInfo* info = TClassRegistry::FindFor(c);
        if (!info) throw EInvalidOperation(std::wstring(L"Class ") + c->ClassName() + L" is not registered");
        bool isInline = !isRoot && (c->ComponentState() & csInline);
        node.Inline = isInline;
        TComponent* ref = MakeReference(info, isRoot);
        try {
            WriteProps(c, ref, L"", node.Properties);
            if (isInline) WriteOverrides(c, ref, node);
        } catch (...) {
            if (ref) ref->Free();
            throw;
        }
        if (ref) ref->Free();
        if (isInline) return node;
        for (TComponent* child : ChildrenOf(c, isRoot)) node.Children.push_back(WriteComponent(child, false));
        return node;
    }

    // The components of the root stored beneath c: those c is parent of in c's own order
    // (stacking, menu order), the others (non-visual ones beneath the root) where their
    // creation puts them.
    std::vector<TComponent*> ChildrenOf(TComponent* c, bool isRoot) const {
        std::vector<TComponent*> children;
        for (int i = 0; i < FRoot->ComponentCount(); ++i) {
            TComponent* child = FRoot->Components(i);
            if (child == c || (child->ComponentStyle() & csSubComponent)) continue;
            TComponent* parent = child->GetParentComponent();
            if (parent == c || (isRoot && !parent)) children.push_back(child);
        }
        std::vector<TComponent*> order;
        c->GetChildren(order);
        // Non-visual children the component owns itself (a list's items) are stored
        // beneath it too; its own internal controls are not.
        for (TComponent* o : order) {
            const TClassInfo* info = TClassRegistry::FindFor(o);
            if (o->Owner() == c && !(o->ComponentStyle() & csSubComponent) && info &&
                !info->InheritsFrom(L"TControl") && std::find(children.begin(), children.end(), o) == children.end())
                children.push_back(o);
        }
        std::vector<TComponent*> ordered;
        for (TComponent* o : order)
            if (std::find(children.begin(), children.end(), o) != children.end()) ordered.push_back(o);
        size_t next = 0;
        for (TComponent*& child : children)
            if (std::find(ordered.begin(), ordered.end(), child) != ordered.end()) child = ordered[next++];
        return children;
    }

    // Components of an embedded frame that differ from the frame's own layout.
    void WriteOverrides(TComponent* frame, TComponent* ref, TLayoutObject& node) {
        for (int i = 0; i < frame->ComponentCount(); ++i) {
            TComponent* sub = frame->Components(i);
            TComponent* refSub = ref ? ref->FindComponent(sub->GetName()) : nullptr;
            TLayoutObject o;
            o.Name = sub->GetName();
            o.ClassName = sub->ClassName();
            WriteProps(sub, refSub, L"", o.Properties);
            if (!o.Properties.empty()) node.Children.push_back(std::move(o));
        }
    }

private:
    TComponent* FRoot;
};

}  // namespace

TLayoutObject WriteComponentTree(TComponent* root) {
    TWriter writer(root);
    return writer.WriteComponent(root, true);
}

std::wstring WriteComponentLayout(TComponent* root) {
    return WriteLayout(WriteComponentTree(root));
}

std::vector<TLayoutProperty> WriteObjectProperties(TObject* object, TObject* reference, TComponent* scope) {
    TWriter writer(scope);
    std::vector<TLayoutProperty> out;
    writer.WriteProps(object, reference, L"", out);
    return out;
}

}  // namespace orv
