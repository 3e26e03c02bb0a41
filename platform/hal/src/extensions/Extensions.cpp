// The extension registry. Registering and publishing each take a snapshot of
// the other side under the lock and call listeners after releasing it; since
// both update and snapshot in one critical section, whichever comes second sees
// the first, so every (listener, extension) pair meets exactly once.

#include "hal/Extensions.h"

#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "hal/simulation/ExtensionsControl.h"

namespace {

struct Listener {
    void* param;
    HAL_ExtensionListener call;
};

struct Extension {
    std::string name;
    void* data;
};

class ExtensionRegistry {
public:
    static ExtensionRegistry& Instance() {
        static ExtensionRegistry registry;
        return registry;
    }

    void Register(void* param, HAL_ExtensionListener call) {
        if (call == nullptr) return;
        std::vector<Extension> published;
        {
            std::lock_guard lock(m_mutex);
            m_listeners.push_back({param, call});
            published = m_extensions;
        }
        for (const Extension& extension : published) call(param, extension.name.c_str(), extension.data);
    }

    int Publish(const char* name, void* data) {
        if (name == nullptr) return -1;
        Extension extension{name, data};
        std::vector<Listener> listeners;
        {
            std::lock_guard lock(m_mutex);
            for (const Extension& existing : m_extensions) {
                if (existing.name == extension.name) return -1;
            }
            m_extensions.push_back(extension);
            listeners = m_listeners;
        }
        for (const Listener& listener : listeners) listener.call(listener.param, extension.name.c_str(), data);
        return 0;
    }

    void Reset() {
        std::lock_guard lock(m_mutex);
        m_listeners.clear();
        m_extensions.clear();
    }

private:
    // Serialises both lists; never held while a listener runs.
    std::mutex m_mutex;
    std::vector<Listener> m_listeners;    // registration order
    std::vector<Extension> m_extensions;  // publication order
};

}  // namespace

extern "C" {

void HAL_RegisterExtensionListener(void* param, HAL_ExtensionListener listener) {
    ExtensionRegistry::Instance().Register(param, listener);
}

int HAL_PublishExtension(const char* name, void* data) { return ExtensionRegistry::Instance().Publish(name, data); }

void HALSIM_ResetExtensions(void) { ExtensionRegistry::Instance().Reset(); }

}  // extern "C"
