#include "Classes/core/ToolViewController.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/LoadingVC.h"
#include "Classes/core/MSubRepository.h"
#include "Classes/core/ToolHost.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Thread.h"
#include "platform/foundation/WhileAlive.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Button.h"
#include "platform/ui/Make.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/View.h"

const ui::ConnectionTable& ToolViewController::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("ToolViewController", &CommonViewController::classConnections())
            .outlet("toolB", &ToolViewController::toolB_);
    return table;
}

ToolViewController::~ToolViewController() {
    fnd::NotificationCenter::defaultCenter().removeObserver(notificationId(this));
}

std::shared_ptr<ToolHost> ToolViewController::host() {
    return std::dynamic_pointer_cast<ToolHost>(homeScreen());
}

void ToolViewController::animation() {
    setAnimationDuration(kToolAnimationDuration);
    std::shared_ptr<ui::View> view = this->view();
    view->setTag(kStillTag);
    if (std::shared_ptr<ui::View> home = homeView()) {
        home->addSubview(view);
        view->setFrame(home->bounds());
    }
    viewAppear(*view, true);
    fadeBackground(*view, true);
    tintToolbar();
    checkNBlockUI();
}

void ToolViewController::outAnimation() {
    if (std::shared_ptr<ui::View> view = viewIfLoaded()) {
        viewDisappear(*view, true);
        fadeBackground(*view, false);
    }
}

void ToolViewController::fadeBackground(ui::View& view, bool in) {
    if (!background_) background_ = view.backgroundColor();
    const ui::Color clear = background_->withAlpha(0);
    // The same timing as the subviews' entrance and exit.
    if (in) view.setBackgroundColor(clear);
    ui::Animation::begin();
    ui::Animation::setDuration(in ? animationDuration() : animationDuration() / 3);
    ui::Animation::setCurve(ui::AnimationCurve::EaseInOut);
    if (in) ui::Animation::setDelay(animationDuration() * 2 / 3);
    view.setBackgroundColor(in ? *background_ : clear);
    ui::Animation::commit();
}

void ToolViewController::tintToolbar() {
    std::shared_ptr<AbstractAppDelegate> delegate = AbstractAppDelegate::shared();
    if (toolB_ && delegate) toolB_->setTintColor(delegate->mainColor());
}

// ---- Saving

void ToolViewController::save() {}

void ToolViewController::protectedSave() {
    if (rep_) rep_->save();
}

void ToolViewController::saveInThread(const std::shared_ptr<ToolHost>& host,
                                      MSubRepository::Snapshot snapshot) {
    if (host) host->updateStatistcs(canUpdateStatistics_);
    if (rep_) rep_->save(std::move(snapshot));
}

void ToolViewController::back() {
    std::shared_ptr<ToolHost> home = host();
    if (rep_ && home) home->update();
    save();
    // The models live on the main thread: their state is taken here, the thread archives and writes it.
    MSubRepository::Snapshot archive;
    if (rep_) archive = rep_->snapshotForSave();
    // The thread keeps the tool until the write has ended.
    std::shared_ptr<ToolViewController> self = sharedAs<ToolViewController>();
    fnd::Thread::detach("tool save", [self, home, archive = std::move(archive)]() mutable {
        self->saveInThread(home, std::move(archive));
    });
    CommonViewController::back();
}

// ---- Blocked while saving

void ToolViewController::checkNBlockUI() {
    if (!rep_ || loadingView_) return;
    // Listening first: a write that ends after the look below still unblocks the tool.
    fnd::NotificationCenter::defaultCenter().addObserver(
        sharedAs<fnd::Object>(), std::string(MSubRepository::kSaveDoneNotification),
        static_cast<const fnd::Object*>(rep_.get()),
        fnd::whileAlive(*this, &ToolViewController::savingNotifications));
    if (rep_->isSaving())
        blockUI();
    else
        stopObservingSaves();
}

void ToolViewController::stopObservingSaves() {
    if (rep_)
        fnd::NotificationCenter::defaultCenter().removeObserverForObject(
            notificationId(this), static_cast<const fnd::Object*>(rep_.get()));
}

void ToolViewController::blockUI() {
    loadingView_ = ui::make<LoadingVC>(std::string(kStillSavingMessage), view());
    if (const std::shared_ptr<ui::Button>& close = loadingView_->cancelBtn())
        close->setTitle(kCloseTitle, ui::StateNormal);
    registerDoneHandler(&ToolViewController::loadingViewNotifications,
                        std::string(LoadingVC::kCanceledNotification), loadingView_);
}

void ToolViewController::savingNotifications(const fnd::Notification&) {
    // Delivered on the saving thread; screens change on the main thread.
    fnd::RunLoop::main().post(fnd::whileAlive(*this, &ToolViewController::unblockUI));
}

void ToolViewController::unblockUI() {
    if (canceled_ || !loadingView_) return;
    std::shared_ptr<LoadingVC> overlay = std::move(loadingView_);
    fnd::NotificationCenter::defaultCenter().removeObserverForObject(notificationId(this),
                                                                     notificationId(overlay.get()));
    stopObservingSaves();
    overlay->close();
}

void ToolViewController::loadingViewNotifications(const fnd::Notification& notification) {
    canceled_ = true;
    if (!proceedDoneNotification(&notification, loadingView_)) return;
    loadingView_.reset();
    stopObservingSaves();
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<fnd::Object>());
}
