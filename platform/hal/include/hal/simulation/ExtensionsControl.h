#pragma once
// Test control of the extension registry.

#ifdef __cplusplus
extern "C" {
#endif

// Forgets every listener and every published extension. Listener calls already
// under way finish on their own copies.
void HALSIM_ResetExtensions(void);

#ifdef __cplusplus
}  // extern "C"
#endif
