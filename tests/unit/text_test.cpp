// The text operations, byte for byte. Bytes are written as escapes: GCC turns other literals into GBK.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/memory.h"
#include "fake_window.h"
#include "../reference_expand.h"
#include "text/text.h"

// The unit tests always run under AddressSanitizer, which knows the exact size asked for each block.
#if defined(__SANITIZE_ADDRESS__)
#define HAVE_BLOCK_SIZE 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HAVE_BLOCK_SIZE 1
#endif
#endif
#ifdef HAVE_BLOCK_SIZE
extern "C" std::size_t __sanitizer_get_allocated_size(const volatile void* block);
#endif

namespace {

std::string Bytes(const Text& text) {
    return text ? std::string(text.get()) : std::string();
}

// Checks that the block behind a text is exactly its bytes and the NUL, no more.
void ExpectExactBlock(const Text& text) {
    ASSERT_TRUE(text);
#ifdef HAVE_BLOCK_SIZE
    EXPECT_EQ(__sanitizer_get_allocated_size(text.get()), static_cast<std::size_t>(TextLength(text)) + 1);
#endif
}

TEST(Text, CopyOfCopiesUpToTheNulAndIsAbsentWhenEmpty) {
    struct Case {
        const char* label;
        const char* source;
        bool present;
        std::string expected;
    };
    const Case cases[] = {
        {"absent", nullptr, false, ""},
        {"empty", "", false, ""},
        {"ASCII", "abc", true, "abc"},
        {"high bytes", "\xB9\xD8\xFF\x80", true, "\xB9\xD8\xFF\x80"},
        {"stops at the first NUL", "ab\0cd", true, "ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Text copy = Text::CopyOf(c.source);
        EXPECT_EQ(static_cast<bool>(copy), c.present);
        EXPECT_EQ(Printable(Bytes(copy)), Printable(c.expected));
        if (copy) {
            EXPECT_NE(copy.get(), c.source);
            ExpectExactBlock(copy);
        }
    }
}

TEST(Text, WithLengthIsNeverAbsentAndEndsInNul) {
    for (std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{9}}) {
        SCOPED_TRACE(length);
        Text text = Text::WithLength(length);
        ASSERT_TRUE(text);
        EXPECT_EQ(text.get()[length], '\0');
#ifdef HAVE_BLOCK_SIZE
        EXPECT_EQ(__sanitizer_get_allocated_size(text.get()), length + 1);
#endif
    }
}

// AddressSanitizer reports a block released twice or never; these only have to exercise every path.
TEST(Text, MovesHandOverTheBlockAndReleaseEachOnce) {
    Text a = Text::CopyOf("one");
    const char* block = a.get();
    Text b = std::move(a);
    EXPECT_FALSE(a);
    EXPECT_EQ(b.get(), block);

    Text c = Text::CopyOf("two");
    c = std::move(b);  // c's own block goes here
    EXPECT_FALSE(b);
    EXPECT_EQ(Printable(Bytes(c)), "one");

    Text& alias = c;
    c = std::move(alias);
    EXPECT_EQ(Printable(Bytes(c)), "one");

    c = Text();
    EXPECT_FALSE(c);
    a = Text::CopyOf("three");  // a moved-from text takes a new block
    EXPECT_EQ(Printable(Bytes(a)), "three");
}

TEST(Text, BlockThatCannotBeHadStopsTheProgram) {
    EXPECT_THROW(AllocateOrStop(SIZE_MAX), StoppedWithError);
    EXPECT_THROW(Text::WithLength(SIZE_MAX - 1), StoppedWithError);
    // length + 1 would wrap to an empty request
    EXPECT_THROW(Text::WithLength(SIZE_MAX), StoppedWithError);
}

TEST(TextLength, CountsBytesBeforeTheNul) {
    struct Case {
        const char* label;
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"absent", nullptr, 0},
        {"empty", "", 0},
        {"ASCII", "abc", 3},
        {"GBK double-byte characters count as two", "\xB9\xD8\xB1\xD5\xCE\xDE\xCF\xDF" "AP", 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(TextLength(c.text), c.expected);
    }
}

TEST(CompareText, OrdersBytesAsUnsignedWithAbsentEqualToEmpty) {
    struct Case {
        const char* label;
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        {"absent and absent", nullptr, nullptr, 0},
        {"absent and empty", nullptr, "", 0},
        {"empty and empty", "", "", 0},
        {"absent before any byte", nullptr, "\x01", -1},
        {"empty before any byte", "", "\x01", -1},
        {"equal", "abc", "abc", 0},
        {"prefix first", "ab", "abc", -1},
        {"first difference decides", "abz", "aca", -1},
        {"high byte after ASCII", "\x7F", "\x80", -1},
        {"high byte after a letter", "a", "\xB0", -1},
        {"high bytes among themselves", "\xA1\xB0", "\xA1\xB1", -1},
        {"0xFF last", "a\x01", "a\xFF", -1},
        {"longer text with a smaller byte", "a\x01zzz", "a\x02", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(CompareText(c.a, c.b), c.expected);
        EXPECT_EQ(CompareText(c.b, c.a), -c.expected);
    }
}

TEST(JoinTexts, PutsThePartsOneAfterTheOther) {
    struct Case {
        const char* label;
        const char* a;
        const char* b;
        const char* c;
        std::string expected;
    };
    const Case cases[] = {
        {"GBK text and absent", "\xC1\xAC\xBD\xD3\xC3\xDC\xC2\xEB\xCE\xAA\xA3\xBA", nullptr, nullptr,
         "\xC1\xAC\xBD\xD3\xC3\xDC\xC2\xEB\xCE\xAA\xA3\xBA"},
        {"nothing between parts", "ab", "c", "de", "abcde"},
        {"absent and empty in the middle", "a", nullptr, "", "a"},
        {"absent first", nullptr, "", "\xFF", "\xFF"},
        {"all absent is present and empty", nullptr, nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Text joined = JoinTexts({c.a, c.b, c.c});
        EXPECT_EQ(Printable(Bytes(joined)), Printable(c.expected));
        ExpectExactBlock(joined);
    }
}

TEST(JoinTexts, IsPresentForAbsentPartsAndNeverReusesAPart) {
    Text none = JoinTexts({nullptr, nullptr});
    EXPECT_TRUE(none);
    EXPECT_EQ(TextLength(none), 0);
    ExpectExactBlock(none);

    Text part = Text::CopyOf("ab");
    Text single = JoinTexts({part});
    EXPECT_NE(single.get(), part.get());
    EXPECT_EQ(Printable(Bytes(single)), "ab");

    Text twice = JoinTexts({part, part});
    EXPECT_EQ(Printable(Bytes(twice)), "abab");
    EXPECT_EQ(Printable(Bytes(part)), "ab");
}

struct ExpandCase {
    const char* label;
    std::string in;
    std::string expected;
};

// “ = A1 B0, ” = A1 B1, (空) = 28 BF D5 29
const ExpandCase kExpandCases[] = {
    {"worked example", "My`Net~1~%n", "My\"Net\xA1\xB0" "1\xA1\xB1\x0D\x0A"},
    {"plain text", "abc \xB9\xD8", "abc \xB9\xD8"},
    {"lone backquote", "`", "\""},
    {"lone tilde opens", "~", "\xA1\xB0"},
    {"three tildes in a row", "~~~", "\xA1\xB0\xA1\xB1\xA1\xB0"},
    {"tildes pair across the text", "a~b~c~d", "a\xA1\xB0" "b\xA1\xB1" "c\xA1\xB0" "d"},
    {"second byte 0x60 of a double-byte character", "\x81\x60", "\x81\x22"},
    {"second byte 0x7E of a double-byte character", "\x81\x7E", "\x81\xA1\xB0"},
    {"%s", "a%sb", "a(\xBF\xD5)b"},
    {"%d", "%d", "(\xBF\xD5)"},
    {"%f", "%f", "(\xBF\xD5)"},
    {"%t alone", "%t", "\"(\xBF\xD5)\""},
    {"%T alone", "%T", "\xA1\xB0(\xBF\xD5)\xA1\xB1"},
    {"value escapes after the first as typed", "%s %s %f", "(\xBF\xD5) %s %f"},
    {"%n takes no value", "%n%s", "\x0D\x0A(\xBF\xD5)"},
    {"%d %t %T: only %d", "%d %t %T", "(\xBF\xD5) %t %T"},
    {"%T %s: only %T", "%T %s", "\xA1\xB0(\xBF\xD5)\xA1\xB1 %s"},
    {"%N between letters", "a%Nb", "a\x0D\x0A\x0D\x0A" "b"},
    {"%n and %N after the value escapes too", "%s%s%n%N", "(\xBF\xD5)%s\x0D\x0A\x0D\x0A\x0D\x0A"},
    {"capitals S D F are not escapes", "%S%D%F", "%S%D%F"},
    {"lone percent", "%", "%"},
    {"trailing percent", "ab%", "ab%"},
    {"%%s", "%%s", "%(\xBF\xD5)"},
    {"replacement is not rescanned", "%%nn", "%\x0D\x0An"},
    {"non-escape letter, escape later", "%x%s", "%x(\xBF\xD5)"},
    {"percent before a backquote", "%`s", "%\"s"},
    {"percent before a tilde", "%~n", "%\xA1\xB0n"},
    {"percent before a high byte", "%\x81s", "%\x81s"},
    {"escape across a word boundary", "1234567%s", "1234567(\xBF\xD5)"},
    {"percent at a word end", "1234567%", "1234567%"},
    {"markers after a plain word", "12345678~`%n", "12345678\xA1\xB0\"\x0D\x0A"},
    {"tilde pairing across plain words", "~1234567812345678~", "\xA1\xB0" "1234567812345678\xA1\xB1"},
};

TEST(ExpandTextMarkers, RewritesMarkersInOrder) {
    for (const ExpandCase& c : kExpandCases) {
        SCOPED_TRACE(c.label);
        Text expanded = ExpandTextMarkers(c.in.c_str());
        EXPECT_EQ(Printable(Bytes(expanded)), Printable(c.expected));
        ExpectExactBlock(expanded);
        // The cross-checks below lean on the reference, so it has to get these right as well.
        EXPECT_EQ(Printable(ReferenceExpand(c.in)), Printable(c.expected));
    }
}

TEST(ExpandTextMarkers, AbsentOrEmptyGivesAbsent) {
    EXPECT_FALSE(ExpandTextMarkers(nullptr));
    EXPECT_FALSE(ExpandTextMarkers(""));
}

TEST(ExpandTextMarkers, PlainTextGivesANewEqualText) {
    char in[] = "plain \xB9\xD8 text";
    Text expanded = ExpandTextMarkers(in);
    ASSERT_TRUE(expanded);
    EXPECT_NE(expanded.get(), in);
    EXPECT_EQ(CompareText(expanded, in), 0);
    EXPECT_EQ(Printable(in), Printable("plain \xB9\xD8 text"));
}

TEST(ExpandTextMarkers, LongInputIsRewrittenThroughout) {
    // An 11-byte unit, so markers fall at every offset within a word. Each unit has two tildes, so the pairing
    // restarts with each; only the leading %T is a first value escape.
    const std::string unit = "ab`~%n~%Nz%";
    const std::string unit_out = "ab\"\xA1\xB0\x0D\x0A\xA1\xB1\x0D\x0A\x0D\x0Az%";
    std::string in = "%T";
    std::string expected = "\xA1\xB0(\xBF\xD5)\xA1\xB1";
    while (in.size() < (1u << 20)) {
        in += unit;
        expected += unit_out;
    }
    Text expanded = ExpandTextMarkers(in.c_str());
    ASSERT_EQ(Bytes(expanded).size(), expected.size());
    EXPECT_TRUE(Bytes(expanded) == expected);
    ExpectExactBlock(expanded);
}

void ExpectSameAsReference(const std::string& in) {
    SCOPED_TRACE(Printable(in));
    Text expanded = ExpandTextMarkers(in.c_str());
    EXPECT_EQ(static_cast<bool>(expanded), !in.empty());
    EXPECT_EQ(Printable(Bytes(expanded)), Printable(ReferenceExpand(in)));
}

TEST(ExpandTextMarkers, AgreesWithStepByStepRewriting) {
    const char* tricky[] = {
        "%%%s%%n",        "~%~s~",          "``~~%%NN",         "%s%n%t%N%T",      "%n%n%T%t",
        "%%%%",           "%%%",            "~%",               "%~",              "`%`",
        "\x81~\x81`\x81%s", "\xA1\xB0%T~",  "%ss%dd%tt",        "1234567~%",       "123456%n~",
        "1234567%N%s",    "%S%s%D%d",       "~~~~~~~~~~~~~~~~~", "%T%T%T%T%T%T%T%T", "a%n%",
    };
    for (const char* in : tricky)
        ExpectSameAsReference(in);

    const char alphabet[] = {'`', '~', '%', 's', 'd', 'f', 't', 'T', 'n', 'N', 'S', 'a', '\x81', '\xA1', '\xB0'};
    std::mt19937 random(20240611);
    for (int i = 0; i < 3000; ++i) {
        std::string in(random() % 40, ' ');
        for (char& c : in)
            c = alphabet[random() % sizeof alphabet];
        ExpectSameAsReference(in);
    }
    // Long plain stretches with the odd marker, for the word-at-a-time path.
    for (int i = 0; i < 300; ++i) {
        std::string in(random() % 200, ' ');
        for (char& c : in)
            c = random() % 12 ? 'a' : alphabet[random() % sizeof alphabet];
        ExpectSameAsReference(in);
    }
}

}  // namespace
