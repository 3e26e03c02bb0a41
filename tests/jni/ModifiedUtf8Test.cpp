// Text between the JVM's modified UTF-8 and standard UTF-8, both ways.

#include "pavonixVariant/ModifiedUtf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using orvek::internal::jni::ModifiedToStandardUtf8;
using orvek::internal::jni::StandardToModifiedUtf8;

using namespace std::string_literals;

struct Case {
    const char* name;
    std::string input;
    std::string expected;
};

// U+1F600 in both forms: F0 9F 98 80 standard, D83D DE00 as two 3-byte units modified.
const std::string kEmojiStandard = "\xF0\x9F\x98\x80";
const std::string kEmojiModified = "\xED\xA0\xBD\xED\xB8\x80";
const std::string kReplacement = "\xEF\xBF\xBD";

TEST(ModifiedUtf8Test, ModifiedToStandard) {
    const Case cases[] = {
        {"ascii unchanged", "zone-1", "zone-1"},
        {"U+0000 becomes one zero byte", "a\xC0\x80z", "a\0z"s},
        {"two-byte character unchanged", "\xC3\xA9", "\xC3\xA9"},
        {"surrogate pair joins", "x" + kEmojiModified + "y", "x" + kEmojiStandard + "y"},
        {"lone high surrogate", "\xED\xA0\xBDz", kReplacement + "z"},
        {"lone low surrogate", "\xED\xB8\x80", kReplacement},
        {"high surrogate at the end", "a\xED\xA0\xBD", "a" + kReplacement},
        {"two high surrogates then a low", "\xED\xA0\xBD" + kEmojiModified, kReplacement + kEmojiStandard},
        {"stray continuation byte", "a\x80z", "a" + kReplacement + "z"},
        {"truncated sequence", "\xE2\x82", kReplacement + kReplacement},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ModifiedToStandardUtf8(c.input), c.expected) << c.name;
    }
}

TEST(ModifiedUtf8Test, StandardToModified) {
    const Case cases[] = {
        {"ascii unchanged", "Heartbeat", "Heartbeat"},
        {"zero byte becomes C0 80", "a\0z"s, "a\xC0\x80z"},
        {"euro sign unchanged", "\xE2\x82\xAC", "\xE2\x82\xAC"},
        {"astral character splits", kEmojiStandard, kEmojiModified},
        {"largest code point", "\xF4\x8F\xBF\xBF", "\xED\xAF\xBF\xED\xBF\xBF"},
        {"overlong slash", "\xC0\xAF", kReplacement + kReplacement},
        {"C0 80 is not standard", "\xC0\x80", kReplacement + kReplacement},
        {"encoded surrogate", "\xED\xA0\x80", kReplacement + kReplacement + kReplacement},
        {"past U+10FFFF", "\xF4\x90\x80\x80", kReplacement + kReplacement + kReplacement + kReplacement},
        {"truncated at the end", "ok\xF0\x9F\x98", "ok" + kReplacement + kReplacement + kReplacement},
        {"latin-1 byte", "caf\xE9", "caf" + kReplacement},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StandardToModifiedUtf8(c.input), c.expected) << c.name;
    }
}

// Every 1- to 3-byte input, converted to modified and back, is valid standard
// UTF-8 again and holds no raw zero byte on the modified side.
TEST(ModifiedUtf8Test, ModifiedFormNeverHoldsAZeroByteAndRoundTrips) {
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; b += 3) {
            const std::string input{static_cast<char>(a), static_cast<char>(b), static_cast<char>(0x80 | (a ^ b) >> 2)};
            const std::string modified = StandardToModifiedUtf8(input);
            ASSERT_EQ(modified.find('\0'), std::string::npos) << a << "," << b;
            const std::string standard = ModifiedToStandardUtf8(modified);
            ASSERT_EQ(StandardToModifiedUtf8(standard), modified) << a << "," << b;
        }
    }
}

}  // namespace
