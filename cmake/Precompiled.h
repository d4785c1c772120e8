// The standard library's headers that most of the program's sources include, precompiled once for
// the libraries and the test support (ORVA_PCH): each source otherwise parses them anew, which took
// about a quarter of a clean build. Only headers that never change belong here, so that it is made
// again only when the compiler changes; the project's own headers stay out of it.
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
