#include "platform/foundation/FileSystem.h"

#include "platform/foundation/PosixFileSystem.h"

namespace fnd {

FileSystem& FileSystem::standard() {
    static PosixFileSystem files;
    return files;
}

}  // namespace fnd
