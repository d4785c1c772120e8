// The test programs' precompiled header (ORVA_PCH): the standard library's headers that most test
// sources include, and GoogleTest's, which all do. Each test source otherwise parses them anew,
// which took about half of its compile time. Only headers that never change belong here, so that
// it is made again only when the compiler or GoogleTest changes; the project's own headers stay
// out of it. (The libraries go without: compiled with the full optimiser, gcc 12 then warns falsely
// of bounds in the standard strings' inlined code in about a dozen places.)
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <variant>
#include <vector>
