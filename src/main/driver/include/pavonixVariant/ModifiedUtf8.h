#pragma once
// Text between the JVM's modified UTF-8 and the standard UTF-8 the rest of the
// library (ids, configuration JSON, event messages) works in.
//
// Internal to the Java binding: no guarantee beyond it. Pure functions, any thread.
//
// Modified UTF-8 differs from the standard in two ways: U+0000 is the two bytes
// C0 80, and a character outside the Basic Multilingual Plane is its UTF-16
// surrogate pair, each half written as a 3-byte sequence (6 bytes in all).

#include <string>
#include <string_view>

namespace orvek::internal::jni {

// Modified UTF-8 (as GetStringUTFChars gives it) to standard UTF-8: C0 80 becomes
// 00, a surrogate pair becomes one 4-byte sequence, an unpaired surrogate and any
// malformed byte become U+FFFD. Well-formed 4-byte sequences pass unchanged.
std::string ModifiedToStandardUtf8(std::string_view modified);

// Standard UTF-8, possibly malformed, to modified UTF-8 that NewStringUTF accepts:
// 00 becomes C0 80, a character above U+FFFF becomes its surrogate pair, and each
// malformed byte (overlong forms, encoded surrogates, values past U+10FFFF,
// truncated sequences) becomes U+FFFD. The result holds no 00 byte.
std::string StandardToModifiedUtf8(std::string_view standard);

// True when `text` reads the same in both forms: every byte is 01 to 7F. Callers
// use it to skip the conversions for plain ASCII.
bool IsPlainAscii(std::string_view text);

}  // namespace orvek::internal::jni
