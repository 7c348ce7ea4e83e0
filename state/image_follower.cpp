#include "state/image_follower.h"

#include <QMetaObject>

#include <algorithm>

#include <utility>

ImageFollower::ImageFollower(ImageStore& store, QObject* owner, RowRuns shown, std::function<void()> redraw)
    : QObject(owner),
      owner_(owner),
      handlerOwner_(dynamic_cast<HandlerOwner*>(owner)),
      shown_(std::move(shown)),
      redraw_(std::move(redraw)) {
  connect(&store, &ImageStore::rowsChanged, this, &ImageFollower::rowsChanged);
}

void ImageFollower::setFollowing(bool on) {
  following_ = on;
  if (!on) pending_ = false;
}

void ImageFollower::rowsChanged(const RowRuns& runs, const void* origin) {
  if (origin == owner_ || !following_) return;
  if (std::none_of(shown_.begin(), shown_.end(), [&](RowRun r) { return Touches(runs, r.first, r.last); })) return;
  ++foreignChanges_;
  if (handling_ > 0) {
    pending_ = true;
    return;
  }
  redraw();
}

void ImageFollower::redraw() {
  pending_ = false;
  if (!following_ || (handlerOwner_ && handlerOwner_->Handlers_off())) return;
  const HandlerScope drawing(handlerOwner_);
  redraw_();
}

void ImageFollower::redrawIfPending() {
  if (pending_ && handling_ == 0) redraw();
}

ImageFollower::Handling::Handling(ImageFollower& f) : f_(f) { ++f_.handling_; }

ImageFollower::Handling::~Handling() {
  if (--f_.handling_ > 0 || !f_.pending_) return;
  // The handler may have run inside a move of a control, which must end
  // before the editor is drawn again.
  QMetaObject::invokeMethod(
      &f_, [&f = f_] { f.redrawIfPending(); }, Qt::QueuedConnection);
}
