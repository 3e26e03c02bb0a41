#include "JavaHandles.h"

#include <memory>
#include <mutex>
#include <unordered_set>

namespace orvek::internal::jni {

namespace {

struct LiveHandles {
    std::mutex mutex;  // guards `handles`: Java threads create and delete at will
    std::unordered_set<Pavonix_int*> handles;
};

LiveHandles& Live() {
    static LiveHandles live;
    return live;
}

}  // namespace

Pavonix_int* KeepHandle(Pavonix_int* handle) {
    std::unique_ptr<Pavonix_int> owned(handle);
    LiveHandles& live = Live();
    std::lock_guard lock(live.mutex);
    live.handles.insert(handle);
    return owned.release();
}

bool FreeHandle(Pavonix_int* handle) {
    LiveHandles& live = Live();
    {
        std::lock_guard lock(live.mutex);
        if (live.handles.erase(handle) == 0) return false;
    }
    delete handle;
    return true;
}

}  // namespace orvek::internal::jni
