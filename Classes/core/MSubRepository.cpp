#include "Classes/core/MSubRepository.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "platform/foundation/NotificationCenter.h"

void MSubRepository::save() {
    run([this] { return encodeForSave(); });
}

void MSubRepository::save(std::optional<fnd::Bytes> archive) {
    run([&archive] { return std::move(archive); });
}

std::optional<fnd::Bytes> MSubRepository::encodeForSave() {
    std::shared_ptr<MSubRepository> self = sharedAs<MSubRepository>();
    if (!self || classDataFilePath().empty()) return std::nullopt;
    return AbstractAppDelegate::archiveRepository(self);
}

void MSubRepository::run(const std::function<std::optional<fnd::Bytes>()>& archive) {
    bool idle = false;
    if (!saving_.compare_exchange_strong(idle, true)) return;
    {
        // The flag goes down however the save ends.
        struct Lower {
            std::atomic<bool>& flag;
            ~Lower() { flag.store(false); }
        } lower{saving_};
        std::filesystem::path path = classDataFilePath();
        std::shared_ptr<AbstractAppDelegate> delegate = AbstractAppDelegate::shared();
        if (!path.empty() && delegate && delegate->launchDate()) {
            if (std::optional<fnd::Bytes> bytes = archive()) delegate->writeRepository(*bytes, path);
        }
    }
    if (std::shared_ptr<fnd::Object> self = sharedAs())
        fnd::NotificationCenter::defaultCenter().post(kSaveDoneNotification, self);
    else
        fnd::NotificationCenter::defaultCenter().post(kSaveDoneNotification, static_cast<const void*>(this));
}

void MSubRepository::loadWithCoder(fnd::KeyedUnarchiver&) {
    throw fnd::UnrecognizedSelector("MSubRepository loadWithCoder:");
}

void MSubRepository::encodeWithCoder(fnd::KeyedArchiver&) const {
    throw fnd::UnrecognizedSelector("MSubRepository encodeWithCoder:");
}

void MSubRepository::initWithCoder(fnd::KeyedUnarchiver&) {
    throw fnd::UnrecognizedSelector("MSubRepository initWithCoder:");
}
