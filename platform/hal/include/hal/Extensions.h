#pragma once
// Extension points: a simulation tool publishes a named pointer, and listeners
// learn of every publication. Each listener is told of each extension exactly
// once, whether the extension was published before or after it registered.
// Listeners run on the thread that registers or publishes, with no HAL lock held,
// so they may register listeners or publish extensions themselves.

#include "hal/Types.h"

#ifdef __cplusplus
extern "C" {
#endif

// Called with the listener's param, the extension's name and its data.
typedef void (*HAL_ExtensionListener)(void* param, const char* name, void* data);

// Adds a listener and calls it at once for every extension published so far, in
// publication order. A null listener is ignored. Any thread.
void HAL_RegisterExtensionListener(void* param, HAL_ExtensionListener listener);

// Publishes `data` under `name` (copied) and calls every registered listener.
// Returns 0, or -1 without publishing when name is null or already published.
// Any thread.
int HAL_PublishExtension(const char* name, void* data);

#ifdef __cplusplus
}  // extern "C"
#endif
