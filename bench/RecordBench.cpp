// The record operations: encode, decode with verification, and the number rule.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ConfigRecord.h"
#include "NumberRule.h"
#include "ValueOptions.h"

namespace {

ConfigValues sampleValues(int i) {
    ConfigValues v;
    v.titleName = "Orvo record " + std::to_string(i);
    v.customerId = 1000u + static_cast<std::uint32_t>(i);
    v.keyAddr = 65536u;
    v.hwType = 2;
    v.style = 1;
    v.jpegAddr = -2 - i;
    return v;
}

void BM_EncodeRecord(benchmark::State& state) {
    const ConfigValues v = sampleValues(7);
    std::uint8_t record[ConfigRecord::kSize];
    for (auto _ : state) {
        encodeRecord(v, record);
        benchmark::DoNotOptimize(record);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());   // records per second
}
BENCHMARK(BM_EncodeRecord);

void BM_DecodeRecord(benchmark::State& state) {
    std::uint8_t stored[ConfigRecord::kSize];
    encodeRecord(sampleValues(7), stored);
    std::uint8_t work[ConfigRecord::kSize];
    ConfigValues v;
    for (auto _ : state) {
        std::copy(std::begin(stored), std::end(stored), work);   // decoding works in place
        const bool ok = decodeRecord(work, v);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(v);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DecodeRecord);

// The number rule over field texts of every kind it meets: plain, padded, signed,
// clamped and refused.
void BM_NumberRule(benchmark::State& state) {
    const std::vector<std::string> texts = {"0", "42", "  65536 ", "\t7\t", "+42", "4294967295",
                                            "99999999999", "-5", "0x10", "1 2", "", "12abc"};
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& t = texts[i++ % texts.size()];
        benchmark::DoNotOptimize(parseUnsignedNumber(t));
        benchmark::DoNotOptimize(parseSignedNumber(t));
    }
    state.SetItemsProcessed(state.iterations() * 2);   // fields per second
}
BENCHMARK(BM_NumberRule);

// The whole exchange brevant-cfg runs for set and new: show six values, take them back.
void BM_ExchangeSixValues(benchmark::State& state) {
    ValueTexts texts;
    texts.title = "Orvo";
    texts.customerId = "1000";
    texts.keyAddr = " 65536";
    texts.hwType = "2";
    texts.style = "1";
    texts.jpegAddr = "-2";
    for (auto _ : state) {
        ConfigValues v = sampleValues(7);
        benchmark::DoNotOptimize(applyValueTexts(texts, v));
        benchmark::DoNotOptimize(v);
    }
    state.SetItemsProcessed(state.iterations() * 6);   // fields per second
}
BENCHMARK(BM_ExchangeSixValues);

}  // namespace
