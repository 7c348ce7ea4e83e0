#pragma once
// What the read and write dialogs share: a child window of the main window
// with a progress bar, a progress label and three buttons (start, Cancel,
// Help) and its link session (its own serial port, sender, watchdog and
// failure timers and the engine that runs on them).
//
// The dialog owns its exchange: unloading it (Cancel, a reload from the main
// window, the language switch, the exit) ends the exchange at once, its port
// closed and its timers stopped, and the dialog that loads next is idle.
#include "link/link_session.h"
#include "link/transfer.h"
#include "link/transfer_texts.h"
#include "platform/core/twips.h"
#include "platform/radio_window.h"
#include "state/ui/app_context.h"

#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

class TransferDialog : public RadioWindow, public TransferView {
  Q_OBJECT
 public:
  ~TransferDialog() override;
  bool isMdiChild() const override { return true; }
  // The program's context: the session (ctx.st), the image's owner (ctx.image), the host, ...
  AppContext& ctx;

  // Controls (the start button is the derived dialog's Command_read or Command_Write).
  QProgressBar* ProgressBar1 = nullptr;
  QLabel* Label_tr_count = nullptr;
  QPushButton* Command_Cancel = nullptr;
  QPushButton* Command_Help = nullptr;  // it has no action
  std::unique_ptr<LinkSession> link;

  // TransferView: what the exchange shows.
  void Progress_show(int value) override;
  void Progress_hide() override;
  void Label_set(const QString& text) override;

 protected:
  struct Setup {
    const char* name;       // the window's name
    const char* startName;  // the start button's name
    LinkProfile profile;
    const TransferCaptions* captions;
  };
  TransferDialog(AppContext& ctx, const Setup& setup);

  QPushButton* startButton() const { return start_; }
  // Load: size and place from the main window, captions by the language
  // flag (the window host keeps the window-loaded flag). Nothing of the
  // exchange is reset.
  void Load();
  // Unload: the exchange ended (port closed, timers stopped).
  void Unload();
  // The start button: refused while the exchange runs or its failure report
  // is pending; otherwise `start` (preparation and starter) runs, and once the
  // port is open the bar goes to 0 and the label reads "Connecting with transceiver. ".
  void Start_click(const std::function<LinkStart()>& start);
  // Cancel: refused while the exchange runs; otherwise the port is closed and
  // the dialog unloads.
  void Cancel_click();

 private:
  // A control at its design place, which it keeps whatever the window's size.
  template <class W>
  W* Control(const char* name, const TwipsRect& p);

  Setup setup_;
  QPushButton* start_ = nullptr;
};
