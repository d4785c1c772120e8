#pragma once
// What the benchmarks of screens share: the program started on the real clock in a documents folder
// of their own, with the product's delegate loading nothing by itself, and the percentiles they
// report.

#include <memory>
#include <string>
#include <vector>

class MRepository;
class TovridaAppDelegate;

namespace testing_support {

struct BenchmarkLaunch {
    std::shared_ptr<TovridaAppDelegate> delegate;
    // The repository with the bundle's data; no tip shows and the feedback screen does not open by
    // itself, whatever the benchmark adds to it.
    std::shared_ptr<MRepository> rep;
};

// The folder `folderName` under the temporary folder as documents folder, a main loop on the real
// clock, the phone, and the delegate's window shown. The home screen is shown afterwards
// (showHomeScreen), once the repository holds what the benchmark needs.
BenchmarkLaunch launchForBenchmark(const std::string& folderName);

// The value below which the share p (0 to 1) of the values lie; 0 for none.
double percentile(std::vector<double> values, double p);

}  // namespace testing_support
