#pragma once
// An address: web and file addresses, and the program's own link schemes that pages use to talk
// back ("events:opencourse", "ogButton:12"). Parsing never fails: any text gives a URL, whose
// parts are whatever the text has. The text is kept as given, except that surrounding blanks and
// line breaks are dropped and bytes that may not stand in an address (blanks, quotes, non-ASCII)
// are percent-escaped, as a browser reports them.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fnd {

class URL {
  public:
    URL() = default;
    explicit URL(std::string_view text);
    // `text` resolved against `base` as a link in a page at `base` is.
    URL(std::string_view text, const URL& base);

    // The file address of a path ("file:///a/b%20c"). A path that names an existing folder, or
    // ends in "/", gets a trailing "/" so that names resolve inside it.
    static URL fileURL(const std::filesystem::path& path);

    const std::string& absoluteString() const { return text_; }
    bool isEmpty() const { return text_.empty(); }

    // Lower-cased; empty for a relative address.
    std::string scheme() const;
    // What follows "scheme:" ("//host/path?q" or "opencourse").
    std::string resourceSpecifier() const;
    // The host without brackets or port; empty when the address has no authority.
    std::string host() const;
    std::optional<int> port() const;
    // Percent-decoded ("/a b" for "/a%20b").
    std::string path() const;
    // As written, without "?" / "#"; empty when absent.
    std::string query() const;
    std::string fragment() const;
    bool hasQuery() const { return query_.has_value(); }
    bool hasFragment() const { return fragment_.has_value(); }

    bool isFileURL() const;
    // The decoded file path of a file address; empty otherwise.
    std::filesystem::path filePath() const;

    bool operator==(const URL& other) const { return text_ == other.text_; }

  private:
    void split();

    std::string text_;
    // Parts as they stand in text_ (raw, still escaped).
    std::string scheme_;
    std::optional<std::string> authority_;
    std::string path_;
    std::optional<std::string> query_;
    std::optional<std::string> fragment_;
};

}  // namespace fnd
