#include "text/StringOverlay.h"

#include <mutex>

namespace quenk {

namespace {

struct SOverlay {
    std::mutex mutex;
    std::shared_ptr<const CLanguageBundle> pBundle;
};

SOverlay& Overlay() {
    static SOverlay overlay;
    return overlay;
}

}  // namespace

void SetStringOverlay(std::shared_ptr<const CLanguageBundle> pBundle) {
    auto& overlay = Overlay();
    // The old bundle is released outside the lock.
    std::unique_lock lock(overlay.mutex);
    overlay.pBundle.swap(pBundle);
    lock.unlock();
}

std::shared_ptr<const CLanguageBundle> GetStringOverlay() {
    auto& overlay = Overlay();
    std::lock_guard lock(overlay.mutex);
    return overlay.pBundle;
}

}  // namespace quenk
