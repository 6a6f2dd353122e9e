// Marker expansion on 1 MiB inputs, against a plain copy of the same bytes into a fresh block as the floor.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "app/fatal.h"
#include "text/text.h"

void StopWithError(const char* message) {
    std::fprintf(stderr, "StopWithError: %s\n", message);
    std::abort();
}

namespace {

const std::size_t kInputSize = 1 << 20;

std::string Repeat(const std::string& unit) {
    std::string text;
    while (text.size() < kInputSize)
        text += unit;
    text.resize(kInputSize);
    return text;
}

std::string Plain() {
    return Repeat("The quick brown fox jumps over the lazy dog \xB9\xD8\xB1\xD5 0123456789. ");
}

// About one byte in four a marker, at unpredictable places.
std::string Mixed() {
    const char markers[] = {'`', '~', '%'};
    const char letters[] = "abcdefnNsStT \xB0\xA1";
    std::mt19937 random(42);
    std::string text(kInputSize, ' ');
    for (char& c : text)
        c = random() % 4 ? letters[random() % (sizeof letters - 1)] : markers[random() % sizeof markers];
    return text;
}

void SetBytes(benchmark::State& state, const std::string& input) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(input.size()));
}

void Copy(benchmark::State& state, const std::string& input) {
    for (auto _ : state) {
        Text copy = Text::WithLength(input.size());
        std::memcpy(copy.data(), input.data(), input.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    SetBytes(state, input);
}

void Expand(benchmark::State& state, const std::string& input) {
    for (auto _ : state) {
        Text expanded = ExpandTextMarkers(input.c_str());
        benchmark::DoNotOptimize(expanded.data());
        benchmark::ClobberMemory();
    }
    SetBytes(state, input);
}

BENCHMARK_CAPTURE(Copy, plain, Plain());
BENCHMARK_CAPTURE(Expand, plain, Plain());
BENCHMARK_CAPTURE(Expand, tildes, Repeat("~"));
BENCHMARK_CAPTURE(Expand, backquotes, Repeat("`"));
BENCHMARK_CAPTURE(Expand, line_breaks, Repeat("%n"));
BENCHMARK_CAPTURE(Expand, mixed, Mixed());

}  // namespace
