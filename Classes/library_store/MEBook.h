#pragma once
// An installed e-book: a set of pages that live in the book's unpacked folder, with its store
// identity, the package folder inside the book folder, its content version and reading mode.

#include <memory>
#include <string>

#include "Classes/library_store/MStartSet.h"

class MIBIndex;

class MEBook : public MStartSet {
  public:
    MEBook();
    // Version 1; everything else empty until the loader fills it.
    explicit MEBook(std::string productId);

    const std::string& productId() const { return productId_; }
    void setProductId(std::string id) { productId_ = std::move(id); }
    // The package file's folder inside the book folder with its trailing "/", or empty.
    const std::string& dataPath() const { return dataPath_; }
    void setDataPath(std::string path) { dataPath_ = std::move(path); }
    const std::string& author() const { return author_; }
    void setAuthor(std::string author) { author_ = std::move(author); }
    const std::string& subTitle() const { return subTitle_; }
    void setSubTitle(std::string subTitle) { subTitle_ = std::move(subTitle); }
    int version() const { return version_; }
    void setVersion(int version) { version_ = version; }
    // 0 plain; 1 interactive with question index and answers; 2 interactive without them.
    int smartBookMode() const { return smartBookMode_; }
    void setSmartBookMode(int mode) { smartBookMode_ = mode; }
    bool hasHistory() const { return smartBookMode_ == 1; }
    // Never archived; rebuilt whenever the repository reads the book.
    const std::shared_ptr<MIBIndex>& ibIndex() const { return ibIndex_; }
    void setIbIndex(std::shared_ptr<MIBIndex> index) { ibIndex_ = std::move(index); }

    // The book's folder, then dataPath, then the file name with "#anchor". Nothing for a file name
    // that is no URL text, or for an address that leads outside the book's folder.
    std::optional<fnd::URL> URLForFileName(const std::string& fileName,
                                           const std::optional<std::string>& anchor) const override;

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;
    static void registerArchiveClass();

    // Whether a path lies inside a folder once both are normalised (no symbolic links resolved).
    static bool isInsideFolder(const std::filesystem::path& path, const std::filesystem::path& folder);

  private:
    std::string productId_;
    std::string dataPath_;
    std::string author_;
    std::string subTitle_;
    int version_ = 1;
    int smartBookMode_ = 0;
    std::shared_ptr<MIBIndex> ibIndex_;
};
