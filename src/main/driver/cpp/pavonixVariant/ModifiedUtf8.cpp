// Both conversions decode one code point at a time and re-encode it; a byte that
// starts no well-formed sequence stands for U+FFFD and decoding resumes after it.

#include "pavonixVariant/ModifiedUtf8.h"

#include <cstddef>
#include <cstdint>

namespace orvek::internal::jni {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// One decoded code point (a lone surrogate half in modified mode) and the bytes it used.
struct Decoded {
    char32_t codePoint;
    size_t size;
};

bool IsContinuation(std::string_view text, size_t pos) {
    return pos < text.size() && (static_cast<uint8_t>(text[pos]) & 0xC0) == 0x80;
}

char32_t Bits(std::string_view text, size_t pos) { return static_cast<uint8_t>(text[pos]) & 0x3F; }

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }
bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Decodes the sequence at `pos`. `modified` admits C0 80 for U+0000 and 3-byte
// surrogate halves, which standard UTF-8 forbids.
Decoded DecodeAt(std::string_view text, size_t pos, bool modified) {
    const uint8_t lead = static_cast<uint8_t>(text[pos]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    if (lead >= 0xC0 && lead <= 0xDF && IsContinuation(text, pos + 1)) {
        const char32_t c = (char32_t{lead} & 0x1F) << 6 | Bits(text, pos + 1);
        if (c >= 0x80 || (modified && c == 0)) {
            return {c, 2};
        }
    } else if (lead >= 0xE0 && lead <= 0xEF && IsContinuation(text, pos + 1) && IsContinuation(text, pos + 2)) {
        const char32_t c = (char32_t{lead} & 0x0F) << 12 | Bits(text, pos + 1) << 6 | Bits(text, pos + 2);
        if (c >= 0x800 && (modified || !IsSurrogate(c))) {
            return {c, 3};
        }
    } else if (lead >= 0xF0 && lead <= 0xF4 && IsContinuation(text, pos + 1) && IsContinuation(text, pos + 2) &&
               IsContinuation(text, pos + 3)) {
        const char32_t c =
            (char32_t{lead} & 0x07) << 18 | Bits(text, pos + 1) << 12 | Bits(text, pos + 2) << 6 | Bits(text, pos + 3);
        if (c >= 0x10000 && c <= 0x10FFFF) {
            return {c, 4};
        }
    }
    return {kReplacement, 1};
}

void AppendUnit(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendStandard(std::string& out, char32_t c) {
    if (c < 0x10000) {
        AppendUnit(out, c);
        return;
    }
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
}

void AppendModified(std::string& out, char32_t c) {
    if (c == 0) {
        out += "\xC0\x80";
    } else if (c < 0x10000) {
        AppendUnit(out, c);
    } else {
        const char32_t offset = c - 0x10000;
        AppendUnit(out, 0xD800 | offset >> 10);
        AppendUnit(out, 0xDC00 | (offset & 0x3FF));
    }
}

}  // namespace

std::string ModifiedToStandardUtf8(std::string_view modified) {
    std::string out;
    out.reserve(modified.size());
    for (size_t pos = 0; pos < modified.size();) {
        const Decoded unit = DecodeAt(modified, pos, true);
        pos += unit.size;
        char32_t c = unit.codePoint;
        if (IsHighSurrogate(c) && pos < modified.size()) {
            const Decoded next = DecodeAt(modified, pos, true);
            if (IsLowSurrogate(next.codePoint)) {
                c = 0x10000 + ((c - 0xD800) << 10) + (next.codePoint - 0xDC00);
                pos += next.size;
            }
        }
        AppendStandard(out, IsSurrogate(c) ? kReplacement : c);
    }
    return out;
}

std::string StandardToModifiedUtf8(std::string_view standard) {
    std::string out;
    out.reserve(standard.size() + standard.size() / 2);
    for (size_t pos = 0; pos < standard.size();) {
        const Decoded unit = DecodeAt(standard, pos, false);
        pos += unit.size;
        AppendModified(out, unit.codePoint);
    }
    return out;
}

bool IsPlainAscii(std::string_view text) {
    for (const char byte : text) {
        const auto value = static_cast<uint8_t>(byte);
        if (value == 0 || value >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace orvek::internal::jni
