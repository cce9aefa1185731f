// Number text against the standard library on the same 10^6 random doubles:
// format vs std::to_chars(general, 15), parse vs std::from_chars, and rounding to 8 places.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "numberText.h"
#include "ratioReport.h"

namespace {

constexpr std::size_t kCount = 1000000;

// Magnitudes spread over many decades, as lengths, times and values of the programs are.
const std::vector<double>& values() {
  static const std::vector<double> v = [] {
    std::mt19937_64 rng(20261211);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> decade(-6, 12);
    std::vector<double> out(kCount);
    for (double& x : out) x = mantissa(rng) * std::pow(10.0, decade(rng));
    return out;
  }();
  return v;
}

// The same values as texts with 15 significant digits (what the programs write and read back).
const std::vector<std::string>& texts() {
  static const std::vector<std::string> t = [] {
    std::vector<std::string> out;
    out.reserve(kCount);
    char buf[64];
    for (double x : values()) {
      auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15);
      out.emplace_back(buf, r.ptr);
    }
    return out;
  }();
  return t;
}

void BM_format(benchmark::State& state) {
  const auto& v = values();
  std::size_t chars = 0;
  for (auto _ : state) {
    for (double x : v) chars += shell::formatNumber(x, '.').size();
  }
  benchmark::DoNotOptimize(chars);
}

void BM_to_chars(benchmark::State& state) {
  const auto& v = values();
  std::size_t chars = 0;
  char buf[64];
  for (auto _ : state) {
    for (double x : v) {
      auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15);
      // The same result type as ours: a string per value.
      std::string s(buf, r.ptr);
      chars += s.size();
    }
  }
  benchmark::DoNotOptimize(chars);
}

void BM_parse(benchmark::State& state) {
  const auto& t = texts();
  double sum = 0;
  for (auto _ : state) {
    for (const std::string& s : t) sum += shell::parseNumber(s, '.');
  }
  benchmark::DoNotOptimize(sum);
}

void BM_from_chars(benchmark::State& state) {
  const auto& t = texts();
  double sum = 0;
  for (auto _ : state) {
    for (const std::string& s : t) {
      double x = 0;
      std::from_chars(s.data(), s.data() + s.size(), x);
      sum += x;
    }
  }
  benchmark::DoNotOptimize(sum);
}

// Rounding to 8 places needs |x| * 10^8 within the int64 range: the values below 9E10.
const std::vector<double>& roundableValues() {
  static const std::vector<double> r = [] {
    std::vector<double> out;
    for (double x : values())
      if (std::fabs(x) < 9e10) out.push_back(x);
    return out;
  }();
  return r;
}

void BM_round8(benchmark::State& state) {
  const auto& v = roundableValues();
  double sum = 0;
  for (auto _ : state) {
    for (double x : v) sum += shell::roundTo(x, 8);
  }
  benchmark::DoNotOptimize(sum);
}

void BM_round8_std(benchmark::State& state) {
  const auto& v = roundableValues();
  double sum = 0;
  for (auto _ : state) {
    for (double x : v) sum += std::nearbyint(x * 1e8) / 1e8;
  }
  benchmark::DoNotOptimize(sum);
}

BENCHMARK(BM_format)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_to_chars)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_parse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_from_chars)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_round8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_round8_std)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  values();
  texts();
  return bench::runWithRatios(argc, argv,
                              {{"format_vs_to_chars", "BM_format", "BM_to_chars"},
                               {"parse_vs_from_chars", "BM_parse", "BM_from_chars"},
                               {"round8_vs_nearbyint", "BM_round8", "BM_round8_std"}});
}
