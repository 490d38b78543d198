#pragma once
// Serials that name kept faces. A parent that tells a transparent child which of its
// faces lies beneath it (the glow button's background query) hands out the face's
// serial, and the child keys its own face composed over that background by it.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace orv {

class TFace;

class TFaceSerials {
public:
    // The serial naming face (never 0). The faces are held weakly: one that went is never
    // matched again, so a face made later at the same address gets a new serial.
    uint64_t SerialOf(const std::shared_ptr<const TFace>& face) {
        std::erase_if(FKnown, [](const auto& entry) { return entry.first.expired(); });
        for (const auto& [known, serial] : FKnown)
            if (known.lock() == face) return serial;
        // One sequence for every owner: a serial never names two faces.
        static uint64_t serials = 0;
        if (FKnown.size() >= kKept) FKnown.erase(FKnown.begin());
        FKnown.emplace_back(face, ++serials);
        return serials;
    }

private:
    // A few faces alternate (hover, fades); older ones get a new serial when they return.
    static constexpr std::size_t kKept = 8;
    std::vector<std::pair<std::weak_ptr<const TFace>, uint64_t>> FKnown;
};

}  // namespace orv
