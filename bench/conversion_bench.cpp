// The short-string conversions against memcpy of the same bytes, natively.
// Arguments: the text's length in characters and how far its first byte lies
// past a 16-byte boundary. Texts longer than 255 characters are cut, so their
// memcpy moves 255 bytes, as the conversion does.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "bridge/short_string.h"

namespace {

struct Text {
    std::vector<char> storage;
    char* text;
    std::size_t copied;  // the characters a conversion moves
    Text(std::size_t length, std::size_t offset) : storage(length + offset + 64, '\0') {
        char* aligned = storage.data() + (16 - reinterpret_cast<std::uintptr_t>(storage.data()) % 16) % 16;
        text = aligned + offset;
        std::memset(text, 'k', length);
        text[length] = '\0';
        copied = std::min(length, kevra::kShortStringMax);
    }
};

void CStrToShortString(benchmark::State& state) {
    Text t(static_cast<std::size_t>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    kevra::ShortString dest;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.text);
        kevra::CStrToShortString(dest, t.text);
        benchmark::DoNotOptimize(dest);
        benchmark::ClobberMemory();
    }
    if (dest[0] != t.copied) state.SkipWithError("wrong length");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * t.copied));
}

void MemcpyIn(benchmark::State& state) {
    Text t(static_cast<std::size_t>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    kevra::ShortString dest;
    std::size_t n = t.copied;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.text);
        benchmark::DoNotOptimize(n);
        std::memcpy(dest + 1, t.text, n);
        dest[0] = static_cast<unsigned char>(n);
        benchmark::DoNotOptimize(dest);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * t.copied));
}

// A short string of the given length (cut to 255) and a caller buffer whose
// first byte lies the given offset into it.
struct ShortText {
    kevra::ShortString src;
    std::vector<char> out;
    char* dest;
    std::size_t length;
    ShortText(std::size_t requested, std::size_t offset) : out(kevra::kShortStringBytes + 16) {
        length = std::min(requested, kevra::kShortStringMax);
        src[0] = static_cast<unsigned char>(length);
        std::memset(src + 1, 'k', kevra::kShortStringMax);
        dest = out.data() + offset;
    }
};

void ShortStringToCStr(benchmark::State& state) {
    ShortText t(static_cast<std::size_t>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.src);
        kevra::ShortStringToCStr(t.dest, t.src);
        benchmark::DoNotOptimize(t.dest);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * t.length));
}

void MemcpyOut(benchmark::State& state) {
    ShortText t(static_cast<std::size_t>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.src);
        std::size_t n = t.src[0];
        std::memcpy(t.dest, t.src + 1, n);
        t.dest[n] = '\0';
        benchmark::DoNotOptimize(t.dest);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * t.length));
}

// The length that KEVRA_configurePad takes before it looks for its suffix, against strlen.
void TextLength(benchmark::State& state) {
    Text t(static_cast<std::size_t>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.text);
        benchmark::DoNotOptimize(kevra::TextLength(t.text));
    }
}

void Strlen(benchmark::State& state) {
    Text t(static_cast<std::size_t>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.text);
        benchmark::DoNotOptimize(std::strlen(t.text));
    }
}

void Shapes(benchmark::internal::Benchmark* b) {
    for (std::int64_t length : {0, 16, 64, 255, 1000}) b->Args({length, 0});
    b->Args({255, 7});
}

}  // namespace

BENCHMARK(CStrToShortString)->Apply(Shapes);
BENCHMARK(MemcpyIn)->Apply(Shapes);
BENCHMARK(ShortStringToCStr)->Apply(Shapes);
BENCHMARK(MemcpyOut)->Apply(Shapes);
BENCHMARK(TextLength)->Apply(Shapes);
BENCHMARK(Strlen)->Apply(Shapes);

BENCHMARK_MAIN();
