#pragma once
// How an editor follows the image: a change of the rows it shows that it did
// not make itself (a read, a file load, the write preparation, another
// editor) is drawn at once; a change announced while the editor holds a
// Handling (one of its handlers runs and may wait in a message box, whose
// nested event loop lets a read complete) is drawn as soon as the outermost
// Handling has ended and control is back in the event loop. An editor that
// holds none (the DTMF window) is drawn at once, also under its own box. The editor's own changes (origin: the
// editor) never redraw it. A redraw runs as a handler of the editor (a window
// is a HandlerOwner): the window is not deleted while it runs, and an editor
// that is unloading draws nothing.
//
//   follow = new ImageFollower(ctx.image, this, {{img::kOptFirst, img::kVfoBLast}}, [this] { Redraw(); });
//   follow->setFollowing(true);                       // end of the load
//   { const ImageFollower::Handling busy(*follow); ... MsgBox ...; }
//   follow->setFollowing(false);                      // the unload
#include "platform/core/handler_scope.h"
#include "state/image_store.h"

#include <QObject>

#include <functional>
#include <vector>

class ImageFollower : public QObject {
  Q_OBJECT
 public:
  // Follows changes of the rows the editor shows (`shown`) made by anyone
  // but `owner`; `redraw` shows the image. The follower is a child of `owner`.
  ImageFollower(ImageStore& store, QObject* owner, RowRuns shown, std::function<void()> redraw);

  // Off until the editor has loaded, and again from its unload.
  void setFollowing(bool on);

  // Changes made by others so far: a handler that compares the count across a
  // message box knows whether the image it was working on is still there.
  int foreignChanges() const { return foreignChanges_; }
  // A change is waiting for the running handler to end.
  bool redrawPending() const { return pending_; }
  // Draws a waiting change now, when no handler runs.
  void redrawIfPending();
  // True while one of the editor's handlers runs.
  bool handling() const { return handling_ > 0; }

  // Held while a handler of the editor runs.
  class Handling {
   public:
    explicit Handling(ImageFollower& f);
    ~Handling();
    Handling(const Handling&) = delete;
    Handling& operator=(const Handling&) = delete;

   private:
    ImageFollower& f_;
  };

 private:
  void rowsChanged(const RowRuns& runs, const void* origin);
  void redraw();

  const void* owner_;
  HandlerOwner* handlerOwner_;  // the window, whose handler a redraw is
  RowRuns shown_;
  std::function<void()> redraw_;
  bool following_ = false;
  int handling_ = 0;
  int foreignChanges_ = 0;
  bool pending_ = false;
};
