#pragma once
// What the platform layer needs of the program to build and place a window:
// the platform services, the window host and the main frame. The windows
// themselves are built with the program's context, which extends it with the
// program's shared state; this layer never names that.
#include "platform/core/services.h"
#include "platform/core/text.h"

#include <cstdint>

#include <QString>

class QMdiArea;
class QWidget;
class WindowHost;

// The main window as the other windows see it: its size in twips and its
// status panels (numbered 1..11). Width and Height are the window's outer
// size, frame included; ScaleWidth and ScaleHeight its MDI client area.
class MainFrame {
 public:
  virtual ~MainFrame() = default;
  virtual double Width() const = 0;  // with the frame, twips
  virtual double Height() const = 0;
  virtual double ScaleWidth() const = 0;  // client area, twips
  virtual double ScaleHeight() const = 0;
  virtual void SetPanelText(int panel, const QString& text) = 0;
  virtual QString PanelText(int panel) const = 0;
  virtual QMdiArea* mdiArea() = 0;
  virtual QWidget* frameWidget() = 0;
};

struct WindowContext {
  Services& svc;
  WindowHost& host;
  MainFrame* main = nullptr;
  // The language flag (-1 Chinese, 0 English) the windows' captions follow.
  const std::int16_t* Lang_chn = nullptr;

  // The one language test.
  bool chinese() const { return Lang_chn && IsChinese(*Lang_chn); }
  int dpi() const { return svc.screen().dpi; }
  // Message box helper: the program's messages carry the exclamation icon.
  void MsgBox(const QString& text, const QString& title, PromptIcon icon = PromptIcon::Exclamation) const {
    svc.prompt->MsgBox(text, title, icon);
  }
};
