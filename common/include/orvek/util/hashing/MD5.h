#pragma once
// Streaming MD5 digest (RFC 1321), used for 16-bit entity ids and the
// configuration fingerprint.

#include <cstdint>

// Reset, Update any number of times, Finalize. Finalize does not reset: call
// Reset before feeding a new message.
class MD5 {
public:
    static constexpr int kDigestSize = 16;

    MD5() { Reset(); }

    // The RFC 1321 initial chaining words, nothing fed yet.
    void Reset();

    // Feeds `size` bytes; any number of calls with any sizes give the digest of
    // their concatenation.
    void Update(const void* data, uint32_t size);

    // Writes the 16-byte digest of everything fed since Reset to `out`.
    void Finalize(uint8_t* out);

private:
    // Compresses `size` bytes, a whole number of 64-byte blocks; returns the end.
    const uint8_t* Process(const void* data, uint32_t size);

    uint64_t _Lo;               // bytes fed, low 29 bits
    uint64_t _Hi;               // bytes fed, bits above the low 29
    uint64_t _A, _B1, _C1, _D;  // chaining words, 32 significant bits each
    uint8_t _Buffer[64];        // pending partial block
    uint64_t _Block[16];        // the block being compressed, as little-endian words
};
