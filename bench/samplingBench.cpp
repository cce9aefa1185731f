// One operation of the LZK 2500 press (n = 70, L = 1070, z = 320) with 10^6 load divisions,
// velocity at 8 places, from the sampling run into a result file, against a baseline loop that
// evaluates the same velocity formula in long double, writes both columns with
// std::to_chars(fixed, 8) into one buffer and writes that with one call.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <string>

#include "lzkPressWindow.h"
#include "ratioReport.h"
#include "samplingRun.h"

namespace {

constexpr int kDivisions = 1000000;

const std::string& folder() {
  static const std::string path = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "samplingBench.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
  }();
  return path;
}

void BM_sampling(benchmark::State& state) {
  bench::LzkPressWindow window(folder(), std::to_string(kDivisions));
  for (auto _ : state) {
    vennick::runSampling(window);
    benchmark::DoNotOptimize(window.lines.text().data());
  }
}

void BM_baseline(benchmark::State& state) {
  using ext = long double;
  const ext r = 160, L = 1070, omega = 70 * std::numbers::pi_v<ext> / 30;
  const ext halfPeriod = 30.0L / 70;
  const ext s = L + r - 20;
  const ext t0 = std::acos((L * L - s * s - r * r) / (2 * s * r)) / omega;
  const double step = static_cast<double>((halfPeriod - t0) / kDivisions);
  const std::string path = folder() + "/baseline.txt";
  std::string buffer;
  for (auto _ : state) {
    buffer.clear();
    char line[96];
    double t = static_cast<double>(t0);
    for (int i = 0; i <= kDivisions; ++i) {
      const ext theta = omega * t;
      const ext sinTheta = std::sin(theta);
      const ext f = std::sqrt(L * L - (r * sinTheta) * (r * sinTheta));
      const ext v = r * omega * sinTheta - (0.5L * r * r * omega * std::sin(2 * theta)) / f;
      char* p = std::to_chars(line, line + 40, t - static_cast<double>(t0), std::chars_format::fixed, 8).ptr;
      *p++ = ' ';
      p = std::to_chars(p, line + 80, static_cast<double>(v), std::chars_format::fixed, 8).ptr;
      *p++ = '\r';
      *p++ = '\n';
      buffer.append(line, p);
      t += step;
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0 || ::write(fd, buffer.data(), buffer.size()) != static_cast<ssize_t>(buffer.size())) std::abort();
    ::close(fd);
  }
}

// One iteration takes about a second: a longer minimum time than the default gives each side
// several iterations, so that a busy machine sways the ratio less.
BENCHMARK(BM_sampling)->Unit(benchmark::kMillisecond)->MinTime(4);
BENCHMARK(BM_baseline)->Unit(benchmark::kMillisecond)->MinTime(4);

}  // namespace

int main(int argc, char** argv) {
  const int status = bench::runWithRatios(
      argc, argv, {{"sampling_vs_baseline", "BM_sampling/min_time:4.000", "BM_baseline/min_time:4.000"}});
  std::filesystem::remove_all(folder());
  return status;
}
