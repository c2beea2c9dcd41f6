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

void ShortStringToCStr(benchmark::State& state) {
    const std::size_t length = std::min(static_cast<std::size_t>(state.range(0)), kevra::kShortStringMax);
    kevra::ShortString src;
    src[0] = static_cast<unsigned char>(length);
    std::memset(src + 1, 'k', kevra::kShortStringMax);
    std::vector<char> out(kevra::kShortStringBytes + 16);
    char* dest = out.data() + state.range(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(src);
        kevra::ShortStringToCStr(dest, src);
        benchmark::DoNotOptimize(dest);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * length));
}

void MemcpyOut(benchmark::State& state) {
    const std::size_t length = std::min(static_cast<std::size_t>(state.range(0)), kevra::kShortStringMax);
    kevra::ShortString src;
    src[0] = static_cast<unsigned char>(length);
    std::memset(src + 1, 'k', kevra::kShortStringMax);
    std::vector<char> out(kevra::kShortStringBytes + 16);
    char* dest = out.data() + state.range(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(src);
        std::size_t n = src[0];
        std::memcpy(dest, src + 1, n);
        dest[n] = '\0';
        benchmark::DoNotOptimize(dest);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * length));
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
