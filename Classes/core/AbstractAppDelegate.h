#pragma once
// The application's delegate and the program's one access point to what every screen shares: the
// window, the home screen, the repository of the user's data (`rep`), the colour scheme, the
// device flags, and the repository files. What does not depend on the product lives here; the
// product's subclass adds its own objects and set-up.
//
// Screens and models reach the delegate through the shared application: AbstractAppDelegate::
// shared(), or sharedRep() for the repository.
//
// Files: every repository file is a keyed archive with its object under "kRepository", written
// through the crash-safe write. Nothing is written while launchDate is unset (the repository is
// still being loaded), so a save that comes too early cannot replace good data by half-built data.
// An archive is encoded on the thread that asks for it; a save on another thread hands over bytes
// that the main thread encoded (archiveRepository + writeRepository).

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/ArchiveValue.h"
#include "platform/foundation/AtomicFile.h"
#include "platform/foundation/Date.h"
#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/Color.h"

class MRepository;
class SplashVC;
class ToolChooseVC;
namespace ui {
class ViewController;
}

class AbstractAppDelegate : public ui::ApplicationDelegate {
  public:
    static constexpr const char* kRootKey = "kRepository";
    static constexpr const char* kRepositoryFileName = "Repository";

    // The shared application's delegate when it is one of ours; null before launch. Any thread
    // once launched (a save thread asks it for the write).
    static std::shared_ptr<AbstractAppDelegate> shared();
    // The shared delegate's repository; null until it is loaded.
    static std::shared_ptr<MRepository> sharedRep();

    // The product's view and archive classes, registered by name so that interface files and
    // archives can name them. Done at launch; safe to call again.
    static void registerClasses();

    // Whether the device is a tablet. Its idiom is fixed for a run.
    static bool isiPad();
    // The bundle's "CFBundleVersion".
    static std::string version();
    // The central repository's file: "Repository" in the documents folder.
    static std::filesystem::path dataFilePath();

    // Archives the object under "kRepository" and writes it to the path through the crash-safe
    // write, all on the calling thread. Writes nothing when launchDate is unset or the object is
    // nil. Answers whether the file was written; a failure is logged and leaves the old file.
    bool saveRepository(const fnd::ArchiveValue& object, const std::filesystem::path& path) const;
    // The two halves of saveRepository, for a save whose encoding and writing run on different
    // threads: the archive of the object (nothing for nil, or when it cannot be archived: logged),
    // and the write of such an archive (nothing while launchDate is unset).
    static std::optional<fnd::Bytes> archiveRepository(const fnd::ArchiveValue& object);
    bool writeRepository(const fnd::Bytes& archive, const std::filesystem::path& path) const;
    // The same write of a file that `produce` makes in pieces while it is written (an archive
    // encoded straight into the file), on the calling thread.
    bool writeRepository(const fnd::AtomicFile::Producer& produce, const std::filesystem::path& path) const;

    // The object archived in the file under "kRepository"; null when there is no file.
    // A file that cannot be read, is no keyed archive, holds no object under the key, or one that
    // `accepts` refuses, is renamed aside ("Repository.bad-<time>"), logged and answered as null,
    // so that fresh data take its place while the old bytes stay on disk.
    static std::shared_ptr<fnd::Object> loadRepositoryFromFile(
        const std::filesystem::path& path, const std::function<bool(const fnd::Object&)>& accepts = {});
    // The same for an object of class T; a root of another class counts as unreadable.
    template <class T>
    static std::shared_ptr<T> loadRepositoryOfClass(const std::filesystem::path& path) {
        return std::dynamic_pointer_cast<T>(loadRepositoryFromFile(
            path, [](const fnd::Object& object) { return dynamic_cast<const T*>(&object) != nullptr; }));
    }
    // Renames an unreadable file aside and answers the new path (empty when that failed too).
    static std::filesystem::path moveAside(const std::filesystem::path& path);

    // Saves `rep` into dataFilePath().
    bool save() const;

    // The bound of the wait for saves still writing when the application ends, in seconds.
    static constexpr double kEndingSaveWait = 10;
    static constexpr const char* kDidEnterBackgroundNotification =
        "customUIApplicationDidEnterBackgroundNotification";

    // Launch: the product's classes are registered, the splash screen shown, the window made key
    // and visible and the device flags read. The product's delegate then starts the loading
    // thread (startLoading), so that a bare delegate launched by a tool's tests loads nothing.
    void applicationDidFinishLaunching(ui::Application& application) override;
    // Saves the home screen's tool and the central file, then tells the screens that count time.
    void applicationDidEnterBackground(ui::Application& application) override;
    // Brings a tip to the home screen a second later, restarts the practice session and measures
    // the time spent in the background.
    void applicationDidBecomeActive(ui::Application& application) override;
    // Lets the saves still writing end (bounded), then saves as on going to the background.
    void applicationWillTerminate(ui::Application& application) override;

    // The loading thread's work: the repository is built from the files (or fresh) in an object of
    // its own, set up, its missing sub-repository files written, and handed to the main thread.
    // An existing sub-repository file always wins over data of an older central file.
    void setupRepository();
    // The repository being loaded; only the loading thread touches it, until splashDisappear.
    const std::shared_ptr<MRepository>& loadingRep() const { return loading_; }
    // Whether the loading thread has not handed its repository over yet.
    bool isLoading() const { return loadingInProgress_.load(); }

    // The end of the set-up: from now on repository files may be written. A subclass does its own
    // work first and ends by calling this.
    virtual void setup();
    // Creates the home screen; the product's delegate supplies it.
    virtual void setupTools();
    // Main thread: the loaded repository (and what the set-up prepared) becomes the delegate's,
    // the splash screen goes and the home screen takes the window.
    void splashDisappear();
    // The splash screen while it shows; null afterwards.
    const std::shared_ptr<SplashVC>& splashVC() const { return splashVC_; }
    // The screen in the window once loaded: the home screen.
    const std::shared_ptr<ui::ViewController>& homeScreen() const { return homeScreen_; }

    // isPhone and fvibrationAllowed from the device's model string: both hold on a phone only.
    void readDeviceFlags();

    // ---- Fields. The window is the application delegate's own (window()).

    const std::shared_ptr<ToolChooseVC>& toolChooseVC() const { return toolChooseVC_; }
    void setToolChooseVC(std::shared_ptr<ToolChooseVC> screen) { toolChooseVC_ = std::move(screen); }

    const std::shared_ptr<MRepository>& rep() const { return rep_; }
    void setRep(std::shared_ptr<MRepository> repository) { rep_ = std::move(repository); }

    float mainHue() const { return mainHue_; }
    const ui::Color& mainColor() const { return mainColor_; }
    void setMainColor(const ui::Color& color) { mainColor_ = color; }
    const ui::Color& darkColor() const { return darkColor_; }
    void setDarkColor(const ui::Color& color) { darkColor_ = color; }
    const ui::Color& lightColor() const { return lightColor_; }
    void setLightColor(const ui::Color& color) { lightColor_ = color; }

    bool fvibrationAllowed() const { return vibrationAllowed_; }
    void setFvibrationAllowed(bool allowed) { vibrationAllowed_ = allowed; }
    bool isPhone() const { return isPhone_; }
    void setIsPhone(bool phone) { isPhone_ = phone; }

    // Read and set from any thread: the loading thread sets it, savers read it.
    std::optional<fnd::Date> launchDate() const;
    void setLaunchDate(std::optional<fnd::Date> date);

    const std::optional<fnd::Date>& enteringBackgroundDate() const { return enteringBackgroundDate_; }
    void setEnteringBackgroundDate(std::optional<fnd::Date> date) { enteringBackgroundDate_ = date; }
    double timeInBackground() const { return timeInBackground_; }
    void setTimeInBackground(double seconds) { timeInBackground_ = seconds; }

  protected:
    void setMainHue(float hue) { mainHue_ = hue; }
    // Starts the loading thread on setupRepository.
    virtual void startLoading();
    // What the set-up prepared on the loading thread becomes visible; the base publishes `rep`.
    virtual void publishLoaded();
    // The home screen's own save (its open tool), before the central file is written.
    virtual void saveHomeScreen();

    std::shared_ptr<SplashVC> splashVC_;
    std::shared_ptr<ui::ViewController> homeScreen_;
    bool backgroundSupported_ = false;

  private:
    std::shared_ptr<ToolChooseVC> toolChooseVC_;
    std::shared_ptr<MRepository> rep_;
    float mainHue_ = 0;
    ui::Color mainColor_;
    ui::Color darkColor_;
    ui::Color lightColor_;
    bool vibrationAllowed_ = false;
    bool isPhone_ = false;
    // Seconds since the reference date; NaN while unset.
    std::atomic<double> launchDate_{std::numeric_limits<double>::quiet_NaN()};
    std::optional<fnd::Date> enteringBackgroundDate_;
    std::shared_ptr<MRepository> loading_;
    std::atomic<bool> loadingInProgress_{false};
    double timeInBackground_ = 0;
};
