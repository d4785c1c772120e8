#pragma once
// The folders of one downloaded e-book, and the order in which an install replaces them so that a
// program stopped at any moment leaves a state that the next start puts right.
//
// "<id>" is the installed book, "<id>_new" the archive being unpacked, and "<id>_old" the book
// being replaced while the central file does not list the new one yet. An install unpacks into
// "_new" and stamps it with its version as pending; moves "<id>" aside to "_old" and "_new" in;
// reads the book; has the repository list it and save the central file; and only then deletes
// "_old" and marks the stamp as committed:
//
//     EBookFolders folders(id);
//     folders.repair(listed);            // what an earlier install left, in step with the list
//     unpack into folders.unpacked(), then folders.stampUnpacked(version);
//     folders.moveAside(), folders.moveIn(), read the book, list it and save;
//     folders.discardAside(), folders.commit();   // or folders.putBack() on any failure
//
// At start, repairAll() compares what is on disk with the versions the loaded central file lists:
// an unfinished unpack goes; a replaced book comes back unless the book in its place is the listed
// version; a book moved in whose listing was never saved goes. A folder whose stamp is committed,
// or that has none (books installed before stamps existed), is never removed for being unlisted.

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

class EBookFolders {
  public:
    // The downloaded books the central file lists, by product identifier, with their versions.
    using Listing = std::map<std::string, int, std::less<>>;

    // The points of an install after which tests stop the program, as a kill would.
    enum class Step { Unpacked, Stamped, MovedAside, MovedIn, Read, Saved, AsideRemoved };
    // The hook runs on the install thread at each step; empty by default.
    static void setStepHook(std::function<void(Step)> hook);
    static void reached(Step step);

    // Whether an identifier ends as a working folder does ("_new", "_old"): a book of that name
    // would share its folder with another book's install.
    static bool isWorkingFolderName(std::string_view name);

    // Every path is empty for an identifier that is no valid product identifier.
    explicit EBookFolders(std::string_view productId);

    const std::filesystem::path& folder() const { return folder_; }
    const std::filesystem::path& unpacked() const { return unpacked_; }
    const std::filesystem::path& aside() const { return aside_; }

    // Marks the unpacked folder as a pending install of that version.
    bool stampUnpacked(int version);
    // The installed folder (when there is one) to "_old"; false when it could not be moved.
    bool moveAside();
    // The unpacked folder to the book's place; false when it could not be moved.
    bool moveIn();
    // Undoes moveAside and moveIn: whatever stands at the book's place goes, the old folder comes
    // back, and an unpacked folder left is removed.
    void putBack();
    void discardUnpacked() const;
    void discardAside() const;
    // The installed folder's pending stamp becomes committed.
    void commit() const;

    // Puts this book's folders in step with the listing (see above).
    void repair(const Listing& listed) const;
    // The same for every book that has a folder among the downloaded books.
    static void repairAll(const Listing& listed);

    struct Stamp {
        int version = 0;
        bool pending = false;
    };
    // What a book folder's stamp records; nothing for a folder without a readable stamp.
    static std::optional<Stamp> stampOf(const std::filesystem::path& folder);

  private:
    std::filesystem::path folder_;
    std::filesystem::path unpacked_;
    std::filesystem::path aside_;
    bool movedAside_ = false;
    bool movedIn_ = false;
};
