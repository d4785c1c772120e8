#pragma once
// The I/O thread's event loop, for the few sources that drive sockets on it.

#include <boost/asio/io_context.hpp>
#include <utility>  // before Asio, which GCC 12 in C++20 mode otherwise trips over

#include "platform/foundation/IOThread.h"

namespace fnd {

boost::asio::io_context& ioContext(IOThread& thread);

}  // namespace fnd
