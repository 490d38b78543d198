#include "framework/ClassRegistry.h"

#include <map>
#include <memory>

#include "framework/SysUtils.h"

namespace orv {

namespace {
struct TRegistryData {
    std::vector<std::unique_ptr<TClassInfo>> Classes;  // registration order
    std::map<std::wstring, TClassInfo*> ByUpperName;
    uint64_t Generation = 0;
};
TRegistryData& Data() {
    static TRegistryData data;
    return data;
}
}  // namespace

int TEnumInfo::IndexOf(const std::wstring& name) const {
    for (size_t i = 0; i < Names.size(); ++i)
        if (SameText(Names[i], name)) return static_cast<int>(i);
    return -1;
}

TClassInfo& TClassRegistry::Register(const std::wstring& name, const std::wstring& parentName) {
    auto& d = Data();
    ++d.Generation;
    std::wstring key = UpperCase(name);
    auto it = d.ByUpperName.find(key);
    if (it != d.ByUpperName.end()) {
        // Registering again starts the table afresh (idempotent start-up).
        TClassInfo& info = *it->second;
        info = TClassInfo{};
        info.Name = name;
        info.ParentName = parentName;
        return info;
    }
    d.Classes.push_back(std::make_unique<TClassInfo>());
    TClassInfo& info = *d.Classes.back();
    info.Name = name;
    info.ParentName = parentName;
    d.ByUpperName[key] = &info;
    return info;
}

uint64_t TClassRegistry::Generation() {
    return Data().Generation;
}

const TClassInfo* TClassRegistry::Find(const std::wstring& name) {
    auto& d = Data();
    auto it = d.ByUpperName.find(UpperCase(name));
    return it == d.ByUpperName.end() ? nullptr : it->second;
}

std::vector<const TClassInfo*> TClassRegistry::DerivedFrom(const std::wstring& className) {
    std::vector<const TClassInfo*> out;
    for (auto& c : Data().Classes)
        if (!SameText(c->Name, className) && c->InheritsFrom(className)) out.push_back(c.get());
    return out;
}

bool TClassRegistry::Publishes(const std::wstring& className, const std::wstring& propName) {
    const TClassInfo* info = Find(className);
    return info && info->FindProp(propName);
}

const TClassInfo* TClassInfo::Parent() const {
    return ParentName.empty() ? nullptr : TClassRegistry::Find(ParentName);
}

bool TClassInfo::InheritsFrom(const std::wstring& className) const {
    int guard = 0;
    for (const TClassInfo* c = this; c && guard < 64; c = c->Parent(), ++guard)
        if (SameText(c->Name, className)) return true;
    return false;
}

const TPropInfo* TClassInfo::FindProp(const std::wstring& name) const {
    int guard = 0;
    for (const TClassInfo* c = this; c && guard < 64; c = c->Parent(), ++guard)
        for (const auto& p : c->Props)
            if (SameText(p.Name, name)) return &p;
    return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(const std::wstring& name) const {
    int guard = 0;
    for (const TClassInfo* c = this; c && guard < 64; c = c->Parent(), ++guard)
        for (const auto& m : c->Methods)
            if (SameText(m.Name, name)) return &m;
    return nullptr;
}

const TFieldInfo* TClassInfo::FindField(const std::wstring& name) const {
    int guard = 0;
    for (const TClassInfo* c = this; c && guard < 64; c = c->Parent(), ++guard)
        for (const auto& f : c->Fields)
            if (SameText(f.Name, name)) return &f;
    return nullptr;
}

std::vector<const TFieldInfo*> TClassInfo::AllFields() const {
    std::vector<const TClassInfo*> chain;
    int guard = 0;
    for (const TClassInfo* c = this; c && guard < 64; c = c->Parent(), ++guard) chain.insert(chain.begin(), c);
    std::vector<const TFieldInfo*> out;
    for (const TClassInfo* c : chain)
        for (const auto& f : c->Fields) out.push_back(&f);
    return out;
}

std::vector<const TPropInfo*> TClassInfo::AllProps() const {
    std::vector<const TClassInfo*> chain;
    int guard = 0;
    for (const TClassInfo* c = this; c && guard < 64; c = c->Parent(), ++guard) chain.insert(chain.begin(), c);
    std::vector<const TPropInfo*> out;
    for (const TClassInfo* c : chain)
        for (const auto& p : c->Props) {
            // A class may re-publish an ancestor's property; the latest table wins.
            bool replaced = false;
            for (auto& existing : out)
                if (SameText(existing->Name, p.Name)) {
                    existing = &p;
                    replaced = true;
                }
            if (!replaced) out.push_back(&p);
        }
    return out;
}

namespace {

// The properties of target's table that source can serve: those declared by a class
// source derives from too (their getters are valid on both), latest declaration winning.
std::vector<const TPropInfo*> SharedProps(const TClassInfo* target, const TClassInfo* source) {
    std::vector<const TClassInfo*> chain;
    int guard = 0;
    for (const TClassInfo* c = target; c && guard < 64; c = c->Parent(), ++guard) chain.insert(chain.begin(), c);
    std::vector<const TPropInfo*> out;
    for (const TClassInfo* c : chain) {
        if (!source->InheritsFrom(c->Name)) break;  // nor any class below it
        for (const auto& p : c->Props) {
            bool replaced = false;
            for (auto& existing : out)
                if (SameText(existing->Name, p.Name)) {
                    existing = &p;
                    replaced = true;
                }
            if (!replaced) out.push_back(&p);
        }
    }
    return out;
}

// The copying order: a flag waits until the property it governs (when that comes later)
// has been set, since that property's setter clears the flag.
std::vector<const TPropInfo*> AssignOrder(const std::vector<const TPropInfo*>& props) {
    std::vector<const TPropInfo*> out;
    std::vector<const TPropInfo*> waiting;
    out.reserve(props.size());
    for (size_t i = 0; i < props.size(); ++i) {
        const TPropInfo* p = props[i];
        bool governedLater = false;
        if (!p->Governs.empty())
            for (size_t j = i + 1; j < props.size() && !governedLater; ++j)
                governedLater = SameText(props[j]->Name, p->Governs);
        if (governedLater) {
            waiting.push_back(p);
            continue;
        }
        out.push_back(p);
        for (auto it = waiting.begin(); it != waiting.end();) {
            if (SameText((*it)->Governs, p->Name)) {
                out.push_back(*it);
                it = waiting.erase(it);
            } else {
                ++it;
            }
        }
    }
    out.insert(out.end(), waiting.begin(), waiting.end());
    return out;
}

}  // namespace

bool AssignPublished(const TPersistent* source, TPersistent* target, const TPropFilter& include) {
    const TClassInfo* targetInfo = TClassRegistry::FindFor(target);
    if (!targetInfo)
        throw EInvalidOperation(std::wstring(L"Class ") + (target ? target->ClassName() : L"(none)") +
                                L" is not registered");
    const TClassInfo* sourceInfo = TClassRegistry::FindFor(source);
    if (!sourceInfo) return false;
    std::vector<const TPropInfo*> props = SharedProps(targetInfo, sourceInfo);
    if (props.empty() && !sourceInfo->InheritsFrom(targetInfo->Name)) return false;
    // Getters do not change what they read; the tables take plain object pointers.
    TObject* from = const_cast<TPersistent*>(source);
    for (const TPropInfo* p : AssignOrder(props)) {
        if (include && !include(*p)) continue;
        switch (p->Kind) {
            case TPropKind::Integer:
            case TPropKind::Bool:
            case TPropKind::Enum:
            case TPropKind::Set:
            case TPropKind::Color:
                p->SetInt(target, p->GetInt(from));
                break;
            case TPropKind::Float:
                p->SetFloat(target, p->GetFloat(from));
                break;
            case TPropKind::String:
                p->SetString(target, p->GetString(from));
                break;
            case TPropKind::StringList:
                p->SetStrings(target, p->GetStrings(from));
                break;
            case TPropKind::Binary:
                p->SetBytes(target, p->GetBytes(from));
                break;
            case TPropKind::Component:
                p->SetComponent(target, p->GetComponent(from));
                break;
            case TPropKind::Object:
            case TPropKind::Collection:
                p->GetNested(target)->Assign(p->GetNested(from));
                break;
            case TPropKind::Event:
                break;  // handlers are bound to their own roots, not copied as values
        }
    }
    return true;
}

}  // namespace orv
