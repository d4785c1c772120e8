#pragma once
// One entry of an e-book package's manifest: the media type and the address of a file.

#include <string>

class MManifestRecord {
  public:
    MManifestRecord(std::string mediaType, std::string hRef)
        : mediaType_(std::move(mediaType)), hRef_(std::move(hRef)) {}
    const std::string& mediaType() const { return mediaType_; }
    const std::string& hRef() const { return hRef_; }

  private:
    std::string mediaType_;
    std::string hRef_;
};
