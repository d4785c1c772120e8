#pragma once
// What the benchmarks of screens start from: the phone with its key window over the bundle of the
// source tree, the product's archive classes registered and a manual clock, so that animations
// take no real time. Made once per program; later calls do nothing.

namespace testing_support {

void setUpBenchPhone();

}  // namespace testing_support
