// Cost of a name's id beside the same digest from OpenSSL, in the same run.
#define OPENSSL_SUPPRESS_DEPRECATED  // the one-shot MD5() is the cheapest reference
#include <openssl/md5.h>

#include <orvek/util/hashing/IDCreator.h>

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string NameOfLength(int64_t length) {
    std::string name;
    for (int64_t i = 0; i < length; ++i) name += static_cast<char>('a' + i % 26);
    return name;
}

void BM_CreateId(benchmark::State& state) {
    const std::string name = NameOfLength(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvek::internal::IDCreator::createId(name));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CreateId)->Arg(4)->Arg(16)->Arg(64);

void BM_OpenSslMd5(benchmark::State& state) {
    const std::string name = NameOfLength(state.range(0));
    unsigned char digest[MD5_DIGEST_LENGTH];
    for (auto _ : state) {
        MD5(reinterpret_cast<const unsigned char*>(name.data()), name.size(), digest);
        benchmark::DoNotOptimize(static_cast<uint16_t>(digest[14] << 8 | digest[15]));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OpenSslMd5)->Arg(4)->Arg(16)->Arg(64);

}  // namespace
