#include <orvek/util/hashing/IDCreator.h>
#include <orvek/util/hashing/MD5.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using orvek::internal::IDCreator;

std::string Hex(const uint8_t* digest) {
    std::string out;
    char byte[3];
    for (int i = 0; i < MD5::kDigestSize; ++i) {
        std::snprintf(byte, sizeof(byte), "%02x", digest[i]);
        out += byte;
    }
    return out;
}

std::string DigestInPieces(const std::string& message, size_t piece) {
    MD5 md5;
    for (size_t offset = 0; offset < message.size(); offset += piece) {
        const size_t n = std::min(piece, message.size() - offset);
        md5.Update(message.data() + offset, static_cast<uint32_t>(n));
    }
    uint8_t digest[MD5::kDigestSize];
    md5.Finalize(digest);
    return Hex(digest);
}

std::string Digest(const std::string& message) { return DigestInPieces(message, message.size() + 1); }

// The test suite of RFC 1321's appendix A.5.
TEST(MD5Test, MatchesTheRfcTestSuite) {
    EXPECT_EQ(Digest(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(Digest("a"), "0cc175b9c0f1b6a831c399e269772661");
    EXPECT_EQ(Digest("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(Digest("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
    EXPECT_EQ(Digest("abcdefghijklmnopqrstuvwxyz"), "c3fcd3d76192e4007dfb496cca67e13b");
    EXPECT_EQ(Digest("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"),
              "d174ab98d277d9f5a5611c2c9f419d9f");
    EXPECT_EQ(Digest("12345678901234567890123456789012345678901234567890123456789012345678901234567890"),
              "57edf4a22be3c955ac49da2e2107b67a");
}

TEST(MD5Test, PiecewiseFeedingGivesTheSameDigest) {
    std::string message;
    for (int i = 0; i < 300; ++i) {
        message += static_cast<char>('!' + (i * 7) % 90);
    }
    const std::string whole = Digest(message);
    for (size_t piece : {1, 63, 64, 65}) {
        EXPECT_EQ(DigestInPieces(message, piece), whole) << "pieces of " << piece;
    }
}

// 55 bytes leave room for the length in the last block; 56 to 63 need a second block.
TEST(MD5Test, FinishingPathsAroundTheBlockEnd) {
    EXPECT_EQ(Digest(std::string(55, 'a')), "ef1772b6dff9a122358552954ad0df65");
    EXPECT_EQ(Digest(std::string(56, 'a')), "3b0c8ac703f828b04c6c197006d17218");
    EXPECT_EQ(Digest(std::string(63, 'a')), "b06521f39153d618550606be297466d5");
    EXPECT_EQ(Digest(std::string(64, 'a')), "014842d480b571495a4a0363793f7367");
}

TEST(MD5Test, ResetStartsANewMessage) {
    MD5 md5;
    md5.Update("junk", 4);
    uint8_t digest[MD5::kDigestSize];
    md5.Finalize(digest);
    md5.Reset();
    md5.Update("abc", 3);
    md5.Finalize(digest);
    EXPECT_EQ(Hex(digest), "900150983cd24fb0d6963f7d28e17f72");
}

TEST(IDCreatorTest, IdsAreTheLastTwoDigestBytes) {
    EXPECT_EQ(IDCreator::createId(std::string_view("abc")), 0x7F72);
    EXPECT_EQ(IDCreator::createId(std::string_view("")), 0x427E);
    EXPECT_EQ(IDCreator::createId(std::string_view("Fill")), 0xE2ED);
    EXPECT_EQ(IDCreator::createId(std::string_view("Blink")), 0xBF70);
}

TEST(IDCreatorTest, OverloadsAgreeAndNamesAreByteExact) {
    for (const char* name : {"abc", "", "Fill", "Blink", "frontLeft"}) {
        EXPECT_EQ(IDCreator::createId(std::string(name)), IDCreator::createId(std::string_view(name)));
        EXPECT_EQ(IDCreator::createId(name), IDCreator::createId(std::string_view(name)));
    }
    EXPECT_NE(IDCreator::createId("fill"), IDCreator::createId("Fill"));
    EXPECT_NE(IDCreator::createId(" Fill"), IDCreator::createId("Fill"));
    EXPECT_EQ(IDCreator::createId(static_cast<const char*>(nullptr)), 0x427E);
}

TEST(IDCreatorTest, EmbeddedNulHashesEveryByte) {
    const std::string withNul("ab\0c", 4);
    MD5 md5;
    md5.Update(withNul.data(), 4);
    uint8_t digest[MD5::kDigestSize];
    md5.Finalize(digest);
    const uint16_t expected = static_cast<uint16_t>(digest[14] << 8 | digest[15]);

    EXPECT_EQ(IDCreator::createId(withNul), expected);
    EXPECT_EQ(IDCreator::createId(std::string_view(withNul)), expected);
    EXPECT_NE(IDCreator::createId(withNul), IDCreator::createId(std::string_view("ab")));
}

}  // namespace
