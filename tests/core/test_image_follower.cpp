// An editor follows the image: changes of its rows by others redraw it at
// once, its own never, and a change while one of its handlers runs waits for
// the handler's end and the event loop.
#include "state/image_follower.h"

#include <gtest/gtest.h>
#include <QCoreApplication>

namespace {

struct Editor {
  explicit Editor(ImageStore& store)
      : follow(new ImageFollower(store, &owner, {{226, 229}, {240, 243}}, [this] { ++redraws; })) {
    follow->setFollowing(true);
  }
  QObject owner;
  ImageFollower* follow;
  int redraws = 0;
};

void Set(ImageStore& s, int row, std::int16_t v, const void* origin) { s.set(row, 0, v, origin); }

}  // namespace

TEST(ImageFollower, RedrawsForOthersChangesOfItsRowsOnly) {
  ImageStore store;
  Editor e(store);
  Set(store, 227, 1, nullptr);  // someone else, a shown row
  EXPECT_EQ(e.redraws, 1);
  Set(store, 242, 1, &store);  // another changer
  EXPECT_EQ(e.redraws, 2);
  Set(store, 227, 2, &e.owner);  // the editor itself
  Set(store, 235, 1, nullptr);   // a row it does not show
  Set(store, 227, 2, nullptr);   // no byte changes: nothing announced
  EXPECT_EQ(e.redraws, 2);
  EXPECT_EQ(e.follow->foreignChanges(), 2);
  // A change of rows on either side of its rows, and none of them, does not
  // count; one that changes one of its rows among others does.
  store.change(0, 479, nullptr, [](img::Image& im) {
    im(0, 0) = 7;
    im(479, 0) = 7;
  });
  EXPECT_EQ(e.redraws, 2);
  store.change(0, 479, nullptr, [](img::Image& im) {
    im(0, 0) = 8;
    im(228, 3) = 7;
    im(479, 0) = 8;
  });
  EXPECT_EQ(e.redraws, 3);
  // Not following (before the load, after the unload): nothing.
  e.follow->setFollowing(false);
  Set(store, 228, 9, nullptr);
  EXPECT_EQ(e.redraws, 3);
}

TEST(ImageFollower, AChangeDuringAHandlerWaitsForItsEndAndTheEventLoop) {
  int argc = 1;
  char name[] = "test";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  ImageStore store;
  Editor e(store);
  {
    const ImageFollower::Handling outer(*e.follow);
    {
      const ImageFollower::Handling inner(*e.follow);
      Set(store, 240, 3, nullptr);  // a read completing behind a message box
      EXPECT_TRUE(e.follow->redrawPending());
    }
    e.follow->redrawIfPending();  // a handler still runs
    EXPECT_EQ(e.redraws, 0);
  }
  EXPECT_EQ(e.redraws, 0);
  EXPECT_EQ(e.follow->foreignChanges(), 1);
  QCoreApplication::processEvents();
  EXPECT_EQ(e.redraws, 1);
  EXPECT_FALSE(e.follow->redrawPending());
  // Drawn early (the next click), it is not drawn again.
  {
    const ImageFollower::Handling busy(*e.follow);
    Set(store, 241, 3, nullptr);
  }
  e.follow->redrawIfPending();
  EXPECT_EQ(e.redraws, 2);
  QCoreApplication::processEvents();
  EXPECT_EQ(e.redraws, 2);
  // An unload while a change waits: never drawn.
  {
    const ImageFollower::Handling busy(*e.follow);
    Set(store, 241, 4, nullptr);
    e.follow->setFollowing(false);
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(e.redraws, 2);
}
