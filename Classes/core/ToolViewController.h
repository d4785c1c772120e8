#pragma once
// The base of the tool screens the home screen opens, and (through SliddenViewController) of most
// screens inside the tools. A tool's view fills the home screen's view. Leaving a tool (`back`)
// brings the home screen up to date, lets the tool move its state into its models (the `save`
// hook) and writes the tool's own data file, `rep`, on a thread of its own, so that leaving is
// immediate. The state to save is taken on the main thread before that thread starts (an archive,
// or a copy the thread archives: MSubRepository::snapshotForSave); the thread only works from it.
//
// A tool opened again while its file is still being written is covered by a loading overlay
// ("Opening the tool, still saving...") until the write has ended. Its "Close" key ends the tool
// instead: the tool posts "ToolDoneNotification" and the home screen takes it away.
//
// A tool that keeps its data file sets `rep` in its initialiser before its entrance:
//
//     void SetsVC::init() {
//         initWithNibName(nibIdentifier());
//         setRep(AbstractAppDelegate::sharedRep()->practiceRep());
//         animation();
//     }

#include <memory>
#include <optional>

#include "Classes/core/CommonViewController.h"
#include "Classes/core/MSubRepository.h"
#include "platform/foundation/ArchiveValue.h"
#include "platform/ui/Color.h"

class LoadingVC;
class ToolHost;

namespace ui {
class Toolbar;
}

class ToolViewController : public CommonViewController {
  public:
    static constexpr double kToolAnimationDuration = 0.3;
    static constexpr const char* kToolDoneNotification = "ToolDoneNotification";
    static constexpr const char* kStillSavingMessage = "Opening the tool, still saving...";
    static constexpr const char* kCloseTitle = "Close";

    // The outlet "toolB".
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    ~ToolViewController() override;

    // The entrance: animationDuration 0.3; the view tagged kStillTag, added to the home screen's
    // view and filling it; its subviews fade and grow in, and its own background with them; the
    // toolbar takes the main colour; the tool is blocked while its file is being written
    // (checkNBlockUI).
    void animation() override;
    // The subviews fade and shrink out, and the view's background fades with them.
    void outAnimation() override;

    // The tool's hook, before its file is written: move what the screen holds into the models.
    // Nothing in the base.
    virtual void save();
    // Writes `rep`'s file now, on the calling thread (main thread).
    void protectedSave();
    // The saving thread's work: the home screen's statistics, then the write of the state taken on
    // the main thread (nothing to write without `rep`).
    void saveInThread(const std::shared_ptr<ToolHost>& host, MSubRepository::Snapshot snapshot);
    // Leaving the tool: the home screen's update (with `rep`), the save hook, the saving thread
    // (always), then the common back.
    void back() override;

    // Blocks the tool behind the loading overlay while `rep` is being written. It listens for the
    // end of the write before it looks, so a write that ends in between is not missed.
    void checkNBlockUI();
    // The loading overlay over the tool's view, with the "Close" key. A tool that waits for
    // something else (the store's catalogue) shows its own overlay and message.
    virtual void blockUI();
    // The overlay's "Close": the tool ends.
    virtual void loadingViewNotifications(const fnd::Notification& notification);
    // The write ended (on its thread): the tool is unblocked on the main thread.
    void savingNotifications(const fnd::Notification& notification);
    // Takes the overlay away at once, unless the tool was closed from it.
    virtual void unblockUI();

    const std::shared_ptr<ui::Toolbar>& toolB() const { return toolB_; }
    void setToolB(std::shared_ptr<ui::Toolbar> toolbar) { toolB_ = std::move(toolbar); }
    const std::shared_ptr<MSubRepository>& rep() const { return rep_; }
    void setRep(std::shared_ptr<MSubRepository> repository) { rep_ = std::move(repository); }
    bool canUpdateStatistics() const { return canUpdateStatistics_; }
    void setCanUpdateStatistics(bool can) { canUpdateStatistics_ = can; }

    // The loading overlay while the tool is blocked; null otherwise.
    const std::shared_ptr<LoadingVC>& loadingView() const { return loadingView_; }
    // Whether the user closed the tool from the overlay.
    bool isCanceled() const { return canceled_; }

    // The home screen as the tools' host; null when there is none.
    static std::shared_ptr<ToolHost> host();

  protected:
    // Tints the toolbar with the application's main colour.
    void tintToolbar();
    // For a tool's own overlay: the overlay shown, and whether the user closed the tool from it.
    void setLoadingView(std::shared_ptr<LoadingVC> overlay) { loadingView_ = std::move(overlay); }
    void setCanceled(bool canceled) { canceled_ = canceled; }

  private:
    void stopObservingSaves();
    // Fades the view's own background in or out as its subviews do. Opaque from the first frame,
    // it would hide the home screen, and the button's opening or closing animation under it,
    // behind a blank screen until the content came.
    void fadeBackground(ui::View& view, bool in);

    std::shared_ptr<ui::Toolbar> toolB_;
    std::shared_ptr<LoadingVC> loadingView_;
    bool canceled_ = false;
    std::shared_ptr<MSubRepository> rep_;
    bool canUpdateStatistics_ = false;
    // The view's background as its interface file gives it, taken at the first entrance.
    std::optional<ui::Color> background_;
};
