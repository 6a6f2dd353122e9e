#include "text/text.h"

#include <cstdint>
#include <cstring>

#include "app/memory.h"

namespace {

// Every size is checked: a length whose block size would wrap asks for SIZE_MAX instead, which the heap refuses,
// so the program stops rather than writing past a short block.
char* AllocateTextBlock(std::size_t length) {
    std::size_t size = length == SIZE_MAX ? SIZE_MAX : length + 1;
    char* block = static_cast<char*>(AllocateOrStop(size));
    block[length] = '\0';
    return block;
}

std::size_t AddOrSaturate(std::size_t a, std::size_t b) {
    return a > SIZE_MAX - b ? SIZE_MAX : a + b;
}

const unsigned char kBackquote = 0x60;
const unsigned char kTilde = 0x7E;
const unsigned char kPercent = 0x25;

const char kLineBreak[] = "\x0D\x0A";
const char kBlankLine[] = "\x0D\x0A\x0D\x0A";
const char kNothing[] = "(\xBF\xD5)";                       /* (空) */
const char kQuotedNothing[] = "\"(\xBF\xD5)\"";             /* "(空)" */
const char kCurlyNothing[] = "\xA1\xB0(\xBF\xD5)\xA1\xB1";  /* “(空)” */

bool IsValueLetter(unsigned char c) {
    return c == 's' || c == 'd' || c == 'f' || c == 't' || c == 'T';
}

bool IsEscapeLetter(unsigned char c) {
    return IsValueLetter(c) || c == 'n' || c == 'N';
}

// What the first value escape becomes; later ones stay as typed.
const char* FirstValueReplacement(unsigned char letter, std::size_t* length) {
    if (letter == 't') {
        *length = sizeof kQuotedNothing - 1;
        return kQuotedNothing;
    }
    if (letter == 'T') {
        *length = sizeof kCurlyNothing - 1;
        return kCurlyNothing;
    }
    *length = sizeof kNothing - 1;
    return kNothing;
}

// Texts are mostly plain, so they are looked at a machine word at a time: a word without a marker byte is passed
// on whole. The test for "any byte of the word equals b" is the classic exact one, so a word is only ever taken
// apart when it really holds a marker.
using Word = std::uintptr_t;
const Word kOnes = ~Word(0) / 0xFF;
const Word kHighs = kOnes * 0x80;

bool HasByte(Word word, unsigned char byte) {
    Word x = word ^ (kOnes * byte);
    return ((x - kOnes) & ~x & kHighs) != 0;
}

bool HasMarker(Word word) {
    return HasByte(word, kBackquote) || HasByte(word, kTilde) || HasByte(word, kPercent);
}

Word LoadWord(const unsigned char* bytes) {
    Word word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// The markers are rewritten one after another (backquotes, then tildes, then escapes), each step on the output of
// the one before. None of the bytes the first two steps produce is "%" or an escape letter, and no escape letter is
// "%", so a "%" followed by an escape letter in the input is exactly an escape of the last step. That lets one
// forward walk over the input do all three steps. `Sink` either counts the bytes or writes them.
template <typename Sink>
class MarkerWalk {
public:
    MarkerWalk(const unsigned char* in, std::size_t length, Sink& sink) : in_(in), length_(length), sink_(sink) {}

    void Run() {
        std::size_t i = 0;
        while (length_ - i >= sizeof(Word)) {
            if (!HasMarker(LoadWord(in_ + i))) {
                sink_.Plain(in_ + i, sizeof(Word));
                i += sizeof(Word);
                continue;
            }
            // An escape may take the first byte of the next word along; the walk goes on from wherever it stops.
            std::size_t end = i + sizeof(Word);
            while (i < end)
                i = Step(i);
        }
        while (i < length_)
            i = Step(i);
    }

private:
    // Passes on what starts at `i`; returns where the next step starts.
    std::size_t Step(std::size_t i) {
        unsigned char c = in_[i];
        if (c == kBackquote) {
            sink_.Backquote();
        } else if (c == kTilde) {
            sink_.Tilde(open_next_);
            open_next_ = !open_next_;
        } else if (c == kPercent && i + 1 < length_ && IsEscapeLetter(in_[i + 1])) {
            unsigned char letter = in_[i + 1];
            if (letter == 'n') {
                sink_.Put(kLineBreak, 2, 2);
            } else if (letter == 'N') {
                sink_.Put(kBlankLine, 4, 2);
            } else if (!value_seen_) {
                value_seen_ = true;
                std::size_t length;
                const char* replacement = FirstValueReplacement(letter, &length);
                sink_.Put(replacement, length, 2);
            } else {
                sink_.Plain(in_ + i, 2);
            }
            return i + 2;
        } else {
            sink_.Plain(in_ + i, 1);
        }
        return i + 1;
    }

    const unsigned char* in_;
    std::size_t length_;
    Sink& sink_;
    bool open_next_ = true;
    bool value_seen_ = false;
};

// Counts only how much longer than the input the output is.
struct GrowthCounter {
    std::size_t growth = 0;
    void Plain(const unsigned char*, std::size_t) {}
    void Backquote() {}
    void Tilde(bool) { ++growth; }
    void Put(const char*, std::size_t length, std::size_t replaced) { growth += length - replaced; }
};

struct Writer {
    char* out;
    void Plain(const unsigned char* bytes, std::size_t length) {
        std::memcpy(out, bytes, length);
        out += length;
    }
    void Backquote() { *out++ = '"'; }
    void Tilde(bool open) {
        out[0] = '\xA1';
        out[1] = open ? '\xB0' /* “ */ : '\xB1' /* ” */;
        out += 2;
    }
    void Put(const char* bytes, std::size_t length, std::size_t) {
        std::memcpy(out, bytes, length);
        out += length;
    }
};

}  // namespace

Text& Text::operator=(Text&& other) noexcept {
    if (this != &other) {
        ReleaseBlock(bytes_);
        bytes_ = other.bytes_;
        other.bytes_ = nullptr;
    }
    return *this;
}

Text::~Text() {
    ReleaseBlock(bytes_);
}

Text Text::CopyOf(const char* bytes) {
    Text text;
    if (!bytes || !*bytes)
        return text;
    std::size_t length = std::strlen(bytes);
    text.bytes_ = AllocateTextBlock(length);
    std::memcpy(text.bytes_, bytes, length);
    return text;
}

Text Text::WithLength(std::size_t length) {
    Text text;
    text.bytes_ = AllocateTextBlock(length);
    return text;
}

int TextLength(TextRef text) {
    return static_cast<int>(std::strlen(text.c_str()));
}

int CompareText(TextRef a, TextRef b) {
    // strcmp compares as unsigned char, and absent reads as empty, which is what both sides need.
    int order = std::strcmp(a.c_str(), b.c_str());
    return (order > 0) - (order < 0);
}

Text JoinTexts(std::initializer_list<TextRef> parts) {
    std::size_t length = 0;
    for (TextRef part : parts)
        length = AddOrSaturate(length, std::strlen(part.c_str()));
    Text joined = Text::WithLength(length);
    char* out = joined.data();
    for (TextRef part : parts) {
        std::size_t part_length = std::strlen(part.c_str());
        std::memcpy(out, part.c_str(), part_length);
        out += part_length;
    }
    return joined;
}

Text ExpandTextMarkers(TextRef text) {
    const unsigned char* in = reinterpret_cast<const unsigned char*>(text.c_str());
    std::size_t length = std::strlen(text.c_str());
    if (length == 0)
        return Text();
    GrowthCounter counter;
    MarkerWalk<GrowthCounter>(in, length, counter).Run();
    Text expanded = Text::WithLength(AddOrSaturate(length, counter.growth));
    Writer writer{expanded.data()};
    MarkerWalk<Writer>(in, length, writer).Run();
    return expanded;
}
