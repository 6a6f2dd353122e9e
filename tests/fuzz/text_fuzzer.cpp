// Properties of the text operations that hold for every input. The input is split at its first NUL into two
// texts, a and b.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/fatal.h"
#include "reference_expand.h"
#include "text/text.h"

// Running out of memory is not a finding here.
void StopWithError(const char* message) {
    std::fprintf(stderr, "StopWithError: %s\n", message);
    std::abort();
}

namespace {

void Check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

std::string Bytes(const Text& text) {
    return text ? std::string(text.get()) : std::string();
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

bool IsEscapeLetter(char c) {
    return std::strchr("sdftTnN", c) != nullptr && c != '\0';
}

// Every byte that is no marker and no escape letter comes out, in order.
bool KeepsPlainBytesInOrder(const std::string& in, const std::string& out) {
    std::size_t at = 0;
    for (char c : in) {
        if (c == '`' || c == '~' || c == '%' || IsEscapeLetter(c))
            continue;
        at = out.find(c, at);
        if (at == std::string::npos)
            return false;
        ++at;
    }
    return true;
}

void CheckExpand(const std::string& in) {
    Text source = Text::CopyOf(in.c_str());
    Text expanded = ExpandTextMarkers(source);
    Check(Bytes(source) == in, "expansion leaves its argument alone");
    if (in.empty()) {
        Check(!expanded, "empty expands to absent");
        return;
    }
    Check(static_cast<bool>(expanded), "non-empty expands to present");
    Check(expanded.get() != source.get(), "expansion makes a new text");
    std::string out = Bytes(expanded);
    Check(out.size() >= in.size(), "never shorter");
    Check(out.find_first_of("`~") == std::string::npos, "no backquote or tilde survives");
    Check(KeepsPlainBytesInOrder(in, out), "plain bytes kept in order");
    Check(out == ReferenceExpand(in), "same as step-by-step rewriting");
}

void CheckCompare(const std::string& a, const std::string& b) {
    int ab = CompareText(a.c_str(), b.c_str());
    Check(ab == -1 || ab == 0 || ab == 1, "order is -1, 0 or +1");
    Check(ab == -CompareText(b.c_str(), a.c_str()), "order is antisymmetric");
    // Both strings end in their NUL, so comparing through the shorter one's NUL is well defined.
    int bytes = Sign(std::memcmp(a.c_str(), b.c_str(), (a.size() < b.size() ? a.size() : b.size()) + 1));
    Check(ab == bytes, "order is that of the bytes through the NUL");
    Check(CompareText(a.c_str(), a.c_str()) == 0, "a text equals itself");
    if (a.empty())
        Check(CompareText(nullptr, b.c_str()) == CompareText("", b.c_str()), "absent orders as empty");
}

void CheckJoin(const std::string& a, const std::string& b) {
    Text joined = JoinTexts({a.c_str(), nullptr, b.c_str()});
    Check(static_cast<bool>(joined), "join is present");
    Check(static_cast<std::size_t>(TextLength(joined)) == a.size() + b.size(), "join length is the sum");
    Check(Bytes(joined) == a + b, "join keeps the parts in order");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t nul = input.find('\0');
    std::string a = input.substr(0, nul);
    std::string b = nul == std::string::npos ? std::string() : input.substr(nul + 1);
    b = b.substr(0, b.find('\0'));

    CheckExpand(a);
    CheckCompare(a, b);
    CheckJoin(a, b);
    return 0;
}
