// RFC 1321 MD5. The chaining words live in 64-bit slots; every step works on
// their low 32 bits, so each slot holds a 32-bit value after every block.

#include <orvek/util/hashing/MD5.h>

#include <cstring>

namespace {

constexpr uint32_t kLowCountMask = (1u << 29) - 1;

inline uint32_t RotateLeft(uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

inline uint32_t LoadLittleEndian32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline void StoreLittleEndian32(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

// The four auxiliary functions of the rounds, in their usual cheaper forms.
inline uint32_t F(uint32_t x, uint32_t y, uint32_t z) { return z ^ (x & (y ^ z)); }
inline uint32_t G(uint32_t x, uint32_t y, uint32_t z) { return y ^ (z & (x ^ y)); }
inline uint32_t H(uint32_t x, uint32_t y, uint32_t z) { return x ^ y ^ z; }
inline uint32_t I(uint32_t x, uint32_t y, uint32_t z) { return y ^ (x | ~z); }

template <uint32_t (*Fn)(uint32_t, uint32_t, uint32_t)>
inline void Step(uint32_t& a, uint32_t b, uint32_t c, uint32_t d, uint32_t x, uint32_t t, int s) {
    a = b + RotateLeft(a + Fn(b, c, d) + x + t, s);
}

}  // namespace

void MD5::Reset() {
    _Lo = 0;
    _Hi = 0;
    _A = 0x67452301;
    _B1 = 0xefcdab89;
    _C1 = 0x98badcfe;
    _D = 0x10325476;
    std::memset(_Buffer, 0, sizeof(_Buffer));
    std::memset(_Block, 0, sizeof(_Block));
}

const uint8_t* MD5::Process(const void* data, uint32_t size) {
    const auto* p = static_cast<const uint8_t*>(data);
    uint32_t a = uint32_t(_A), b = uint32_t(_B1), c = uint32_t(_C1), d = uint32_t(_D);

    for (; size >= 64; size -= 64, p += 64) {
        uint32_t x[16];
        for (int i = 0; i < 16; ++i) {
            x[i] = LoadLittleEndian32(p + 4 * i);
            _Block[i] = x[i];
        }
        const uint32_t a0 = a, b0 = b, c0 = c, d0 = d;

        Step<F>(a, b, c, d, x[0], 0xd76aa478, 7);
        Step<F>(d, a, b, c, x[1], 0xe8c7b756, 12);
        Step<F>(c, d, a, b, x[2], 0x242070db, 17);
        Step<F>(b, c, d, a, x[3], 0xc1bdceee, 22);
        Step<F>(a, b, c, d, x[4], 0xf57c0faf, 7);
        Step<F>(d, a, b, c, x[5], 0x4787c62a, 12);
        Step<F>(c, d, a, b, x[6], 0xa8304613, 17);
        Step<F>(b, c, d, a, x[7], 0xfd469501, 22);
        Step<F>(a, b, c, d, x[8], 0x698098d8, 7);
        Step<F>(d, a, b, c, x[9], 0x8b44f7af, 12);
        Step<F>(c, d, a, b, x[10], 0xffff5bb1, 17);
        Step<F>(b, c, d, a, x[11], 0x895cd7be, 22);
        Step<F>(a, b, c, d, x[12], 0x6b901122, 7);
        Step<F>(d, a, b, c, x[13], 0xfd987193, 12);
        Step<F>(c, d, a, b, x[14], 0xa679438e, 17);
        Step<F>(b, c, d, a, x[15], 0x49b40821, 22);

        Step<G>(a, b, c, d, x[1], 0xf61e2562, 5);
        Step<G>(d, a, b, c, x[6], 0xc040b340, 9);
        Step<G>(c, d, a, b, x[11], 0x265e5a51, 14);
        Step<G>(b, c, d, a, x[0], 0xe9b6c7aa, 20);
        Step<G>(a, b, c, d, x[5], 0xd62f105d, 5);
        Step<G>(d, a, b, c, x[10], 0x02441453, 9);
        Step<G>(c, d, a, b, x[15], 0xd8a1e681, 14);
        Step<G>(b, c, d, a, x[4], 0xe7d3fbc8, 20);
        Step<G>(a, b, c, d, x[9], 0x21e1cde6, 5);
        Step<G>(d, a, b, c, x[14], 0xc33707d6, 9);
        Step<G>(c, d, a, b, x[3], 0xf4d50d87, 14);
        Step<G>(b, c, d, a, x[8], 0x455a14ed, 20);
        Step<G>(a, b, c, d, x[13], 0xa9e3e905, 5);
        Step<G>(d, a, b, c, x[2], 0xfcefa3f8, 9);
        Step<G>(c, d, a, b, x[7], 0x676f02d9, 14);
        Step<G>(b, c, d, a, x[12], 0x8d2a4c8a, 20);

        Step<H>(a, b, c, d, x[5], 0xfffa3942, 4);
        Step<H>(d, a, b, c, x[8], 0x8771f681, 11);
        Step<H>(c, d, a, b, x[11], 0x6d9d6122, 16);
        Step<H>(b, c, d, a, x[14], 0xfde5380c, 23);
        Step<H>(a, b, c, d, x[1], 0xa4beea44, 4);
        Step<H>(d, a, b, c, x[4], 0x4bdecfa9, 11);
        Step<H>(c, d, a, b, x[7], 0xf6bb4b60, 16);
        Step<H>(b, c, d, a, x[10], 0xbebfbc70, 23);
        Step<H>(a, b, c, d, x[13], 0x289b7ec6, 4);
        Step<H>(d, a, b, c, x[0], 0xeaa127fa, 11);
        Step<H>(c, d, a, b, x[3], 0xd4ef3085, 16);
        Step<H>(b, c, d, a, x[6], 0x04881d05, 23);
        Step<H>(a, b, c, d, x[9], 0xd9d4d039, 4);
        Step<H>(d, a, b, c, x[12], 0xe6db99e5, 11);
        Step<H>(c, d, a, b, x[15], 0x1fa27cf8, 16);
        Step<H>(b, c, d, a, x[2], 0xc4ac5665, 23);

        Step<I>(a, b, c, d, x[0], 0xf4292244, 6);
        Step<I>(d, a, b, c, x[7], 0x432aff97, 10);
        Step<I>(c, d, a, b, x[14], 0xab9423a7, 15);
        Step<I>(b, c, d, a, x[5], 0xfc93a039, 21);
        Step<I>(a, b, c, d, x[12], 0x655b59c3, 6);
        Step<I>(d, a, b, c, x[3], 0x8f0ccc92, 10);
        Step<I>(c, d, a, b, x[10], 0xffeff47d, 15);
        Step<I>(b, c, d, a, x[1], 0x85845dd1, 21);
        Step<I>(a, b, c, d, x[8], 0x6fa87e4f, 6);
        Step<I>(d, a, b, c, x[15], 0xfe2ce6e0, 10);
        Step<I>(c, d, a, b, x[6], 0xa3014314, 15);
        Step<I>(b, c, d, a, x[13], 0x4e0811a1, 21);
        Step<I>(a, b, c, d, x[4], 0xf7537e82, 6);
        Step<I>(d, a, b, c, x[11], 0xbd3af235, 10);
        Step<I>(c, d, a, b, x[2], 0x2ad7d2bb, 15);
        Step<I>(b, c, d, a, x[9], 0xeb86d391, 21);

        a += a0;
        b += b0;
        c += c0;
        d += d0;
    }

    _A = a;
    _B1 = b;
    _C1 = c;
    _D = d;
    return p;
}

void MD5::Update(const void* data, uint32_t size) {
    const auto* p = static_cast<const uint8_t*>(data);
    const uint64_t oldLo = _Lo;
    const uint32_t used = uint32_t(oldLo & 0x3f);

    _Lo = (oldLo + size) & kLowCountMask;
    if (_Lo < oldLo) {
        _Hi++;
    }
    _Hi += size >> 29;

    if (used > 0) {
        const uint32_t free = 64 - used;
        if (size < free) {
            std::memcpy(_Buffer + used, p, size);
            return;
        }
        std::memcpy(_Buffer + used, p, free);
        p += free;
        size -= free;
        Process(_Buffer, 64);
    }

    if (size >= 64) {
        p = Process(p, size & ~uint32_t(0x3f));
        size &= 0x3f;
    }
    if (size > 0) {
        std::memcpy(_Buffer, p, size);
    }
}

void MD5::Finalize(uint8_t* out) {
    uint32_t used = uint32_t(_Lo & 0x3f);
    _Buffer[used++] = 0x80;

    uint32_t free = 64 - used;
    if (free < 8) {
        std::memset(_Buffer + used, 0, free);
        Process(_Buffer, 64);
        used = 0;
        free = 64;
    }
    std::memset(_Buffer + used, 0, free - 8);

    // The bit count: the byte count times 8, split across the 29-bit boundary.
    StoreLittleEndian32(_Buffer + 56, uint32_t(_Lo << 3));
    StoreLittleEndian32(_Buffer + 60, uint32_t(_Hi));
    Process(_Buffer, 64);

    StoreLittleEndian32(out, uint32_t(_A));
    StoreLittleEndian32(out + 4, uint32_t(_B1));
    StoreLittleEndian32(out + 8, uint32_t(_C1));
    StoreLittleEndian32(out + 12, uint32_t(_D));
}
