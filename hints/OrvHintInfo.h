#pragma once
// TOrvHintInfo: the rich (office) hint of a control or of a part of one: a title, note
// lines, a picture and a help flag. Owned by its component, copied by value.
#include <memory>
#include <string>
#include <vector>

#include "framework/Persistent.h"

namespace orv {

class TGDIPPicture;

class TOrvHintInfo : public TPersistent {
public:
    ORV_CLASS_NAME(TOrvHintInfo)
    TOrvHintInfo();
    ~TOrvHintInfo() override;
    TOrvHintInfo(const TOrvHintInfo&) = delete;
    TOrvHintInfo& operator=(const TOrvHintInfo&) = delete;

    // Copies title, notes, help flag, picture and the wide texts of another hint record;
    // any other source changes nothing.
    void Assign(const TPersistent* source) override;

    const std::wstring& GetTitle() const { return FTitle; }
    void SetTitle(const std::wstring& value) { FTitle = value; }
    const std::vector<std::wstring>& GetNotes() const { return FNotes; }
    void SetNotes(const std::vector<std::wstring>& value) { FNotes = value; }
    TGDIPPicture& Picture() { return *FPicture; }
    const TGDIPPicture& Picture() const { return *FPicture; }
    // Copies the picture's data.
    void SetPicture(const TGDIPPicture* value);
    bool GetShowHelp() const { return FShowHelp; }
    void SetShowHelp(bool value) { FShowHelp = value; }

    // Unicode texts for callers that set them directly (not stored in layouts).
    const std::wstring& GetWideTitle() const { return FWideTitle; }
    void SetWideTitle(const std::wstring& value) { FWideTitle = value; }
    const std::wstring& GetWideNotes() const { return FWideNotes; }
    void SetWideNotes(const std::wstring& value) { FWideNotes = value; }

private:
    std::wstring FTitle;
    std::vector<std::wstring> FNotes;
    std::unique_ptr<TGDIPPicture> FPicture;
    bool FShowHelp = false;
    std::wstring FWideTitle;
    std::wstring FWideNotes;
};

}  // namespace orv
