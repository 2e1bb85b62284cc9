#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

// Times the product and its raw floor in turn, iteration after iteration, so that both
// see the same load of the machine; reports both medians and their ratio, and the
// product's 99th percentile. The benchmark's own time is the product's (manual time).
class SideBySide {
 public:
  template <class Work>
  static double Seconds(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }

  template <class Work>
  void Floor(Work&& work) {
    floor_.push_back(Seconds(work));
  }

  template <class Work>
  void Product(benchmark::State& state, Work&& work) {
    const double seconds = Seconds(work);
    product_.push_back(seconds);
    state.SetIterationTime(seconds);
  }

  // Work that reads nothing has no floor: only the product's median is reported.
  void Report(benchmark::State& state) {
    if (product_.empty())
      return;
    const double product = Percentile(product_, 50);
    state.counters["product_us"] = product * 1e6;
    state.counters["p99_us"] = Percentile(product_, 99) * 1e6;
    if (floor_.empty())
      return;
    const double floor = Percentile(floor_, 50);
    state.counters["floor_us"] = floor * 1e6;
    state.counters["ratio"] = floor > 0 ? product / floor : 0;
  }

 private:
  static double Percentile(std::vector<double> samples, std::size_t percent) {
    const auto rank = samples.begin() + static_cast<long>(samples.size() * percent / 100);
    std::nth_element(samples.begin(), rank, samples.end());
    return *rank;
  }

  std::vector<double> floor_;
  std::vector<double> product_;
};
