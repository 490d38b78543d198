#pragma once
// Restores component trees from stored layouts (and writes them back).
//
// Reading a root: each stored component is created by its registered class with the
// root as owner, named, bound to the root's field of that name, marked loading, given
// its parent, and has its properties set in stored order; then its reader parent is
// asked to take it (TComponent::ReadItem), and its children follow. References to
// other components and handler names are resolved after the whole tree is read (in
// stored order: their setters may have effects), then every created component
// receives Loaded, in creation order. Stored tab orders are slots among all windowed
// siblings, applied last (Loaded may make a control's own windows). A fault raises ELayoutError naming the layout,
// line and column, after everything the read had made is freed and the root's fields
// that pointed at it are cleared. Frames whose layouts inline each other in a cycle
// are refused with the chain named.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "framework/ClassRegistry.h"
#include "framework/LayoutParser.h"

namespace orv {

// Bytes of a file embedded as a resource, for resource('name') values.
using TLayoutResourceLoader = std::function<bool(const std::wstring& name, std::vector<uint8_t>& bytes)>;
// The default loader: the executable's raw-data resource of that name.
bool LoadEmbeddedResource(const std::wstring& name, std::vector<uint8_t>& bytes);

class TLayoutReader {
public:
    explicit TLayoutReader(std::wstring layoutName, TLayoutResourceLoader loader = LoadEmbeddedResource);

    // Reads tree into root, an already constructed instance of the tree's class.
    void ReadRoot(TComponent* root, const TLayoutObject& tree);
    // The same for a tree the caller gives up: binary values move into their properties
    // instead of being copied (a layout's pictures are most of its bytes).
    void ReadRoot(TComponent* root, TLayoutObject&& tree);
    // Reads properties into an existing object (no children); references resolve in scope.
    void ReadProperties(TObject* target, const std::vector<TLayoutProperty>& properties, TComponent* scope);

    // The reader reading now (the innermost, when a frame reads its own layout inside
    // another read), or null.
    static TLayoutReader* Current();
    // The component the one being read is stored beneath; null for the root.
    TComponent* Parent() const { return FParent; }

private:
    struct TFixup {
        TObject* Target;
        const TPropInfo* Prop;
        const TLayoutProperty* Source;
        TComponent* Scope;
    };

    void ReadChild(const TLayoutObject& node, TComponent* parent);
    void ReadOverride(const TLayoutObject& node, TComponent* scope);
    void ApplyProperties(TObject* target, const std::vector<TLayoutProperty>& props, TComponent* scope);
    void ApplyProperty(TObject* target, const TLayoutProperty& p, TComponent* scope);
    void ApplyValue(TObject* target, const TPropInfo& info, const TLayoutProperty& p, const TLayoutValue& v,
                    TComponent* scope);
    void ResolveFixup(const TFixup& f);
    void SetIntChecked(TObject* target, const TPropInfo& info, const TLayoutProperty& p, const TLayoutValue& v,
                       int64_t value);
    TComponent* FindReference(const std::wstring& name, TComponent* scope) const;
    void ApplyTabOrders(TComponent* parent);
    void ClearFieldsOfCreated();
    [[noreturn]] void Fail(int line, int column, const std::wstring& what) const;

    // Lookups remembered for the rest of this read: layouts set the same few paths on
    // many objects of the same classes (a picture per item), and the registry's own
    // lookups fold case and walk the ancestors each time.
    const TClassInfo* ClassOf(const TObject* object);
    const TPropInfo* PropOf(const TClassInfo* info, std::wstring_view name);
    // Forgets the lookups when a registration may have rebuilt the tables they point into.
    void CheckCacheGeneration();
    struct TPropKey {
        const TClassInfo* Info;
        std::wstring_view Name;  // views the cache's own copy once stored
    };
    struct TPropKeyHash {
        size_t operator()(const TPropKey& key) const noexcept;
    };
    struct TPropKeyEqual {
        bool operator()(const TPropKey& a, const TPropKey& b) const noexcept {
            return a.Info == b.Info && a.Name == b.Name;
        }
    };

    std::wstring FName;
    TLayoutResourceLoader FLoader;
    std::vector<std::pair<const wchar_t*, const TClassInfo*>> FClasses;  // by ClassName() pointer
    std::unordered_map<TPropKey, const TPropInfo*, TPropKeyHash, TPropKeyEqual> FProps;
    std::vector<std::unique_ptr<std::wstring>> FPropNames;  // the names FProps' keys view
    uint64_t FCacheGeneration = 0;                          // the registry's, when filled
    bool FTakeBytes = false;                                // reading a tree handed over by ReadRoot's rvalue form
    TComponent* FRoot = nullptr;
    TComponent* FParent = nullptr;
    std::vector<TComponent*> FCreated;
    std::vector<TFixup> FFixups;
};

// While a layout is read: the reader parent of the component being read (the component
// it is stored beneath), so items and buttons can choose their container; null for a
// root and outside reading.
TComponent* ReaderParent();

// Parses text and reads it into root. Binary data may be kept as text until first used
// (see LayoutHex.h): the first form copies the text for it once, the second keeps the
// given text itself.
void ReadLayoutText(TComponent* root, const std::wstring& text, const std::wstring& layoutName);
void ReadLayoutText(TComponent* root, std::wstring&& text, const std::wstring& layoutName);
// Where ReadLayoutResource finds the text of a class's layout; by default the
// executable's resources. Tests and tools may supply layouts of their own.
using TLayoutSource = std::function<bool(const std::wstring& className, std::wstring& text)>;
TLayoutSource SetLayoutSource(TLayoutSource source);

// Whether a class has a stored layout of its own (through the layout source).
bool HasStoredLayout(const std::wstring& className);

// Reads the layout embedded for root's class (a raw-data resource named after the
// class, upper case); false when there is none.
bool ReadLayoutResource(TComponent* root);

// Writes root and the components it owns as a layout tree, children in their parent's
// order. A value is left out only when it equals what a freshly constructed instance
// has, once the instance has the same preset (TPropInfo::AppliesPreset) applied.
TLayoutObject WriteComponentTree(TComponent* root);
std::wstring WriteComponentLayout(TComponent* root);
// Writes the published properties of one object (the clipboard form of a record);
// reference, when given, takes the presets object has (see WriteComponentTree).
std::vector<TLayoutProperty> WriteObjectProperties(TObject* object, TObject* reference, TComponent* scope);

}  // namespace orv
