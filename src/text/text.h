#pragma once

#include <cstddef>
#include <initializer_list>

// A text of the program: absent (no block) or one heap block holding exactly its bytes and a closing NUL, in the
// ANSI code page. Absent and empty are the same text to every operation. A Text owns its block and releases it
// once, when it goes out of scope; it moves but does not copy.
class Text {
public:
    Text() = default;
    Text(Text&& other) noexcept : bytes_(other.bytes_) { other.bytes_ = nullptr; }
    Text& operator=(Text&& other) noexcept;
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    ~Text();

    // A copy of the bytes up to the first NUL; absent for an absent or empty source.
    static Text CopyOf(const char* bytes);
    // A block for exactly `length` bytes, filled by the caller through data(), NUL already in place after them.
    // Never absent, even for length 0.
    static Text WithLength(std::size_t length);

    const char* get() const { return bytes_; }
    char* data() { return bytes_; }
    explicit operator bool() const { return bytes_ != nullptr; }

private:
    char* bytes_ = nullptr;
};

// A borrowed text: a fixed literal, the bytes of a Text, or absent. Operations only read through it.
class TextRef {
public:
    TextRef(const char* bytes) : bytes_(bytes) {}
    TextRef(const Text& text) : bytes_(text.get()) {}
    const char* get() const { return bytes_; }
    // The bytes, with the empty text standing in for absent.
    const char* c_str() const { return bytes_ ? bytes_ : ""; }

private:
    const char* bytes_;
};

// Bytes before the NUL; 0 for absent.
int TextLength(TextRef text);
// -1, 0 or +1, bytes compared as unsigned numbers through the NUL; absent equals empty.
int CompareText(TextRef a, TextRef b);
// A new text of the parts one after the other; present (possibly empty) even when every part is absent.
Text JoinTexts(std::initializer_list<TextRef> parts);
// The text with its markers rewritten (backquote, tilde pairs, %n %N and the first value escape); absent for an
// absent or empty text.
Text ExpandTextMarkers(TextRef text);
