#include "link/ui/window_engine.h"

std::unique_ptr<LinkEngine> Window_engine(AppContext& ctx, const LinkProfile& profile,
                                          std::unique_ptr<SerialPort>& MSC, std::unique_ptr<Timer>& Timer1,
                                          std::unique_ptr<Timer>& Timer2, std::unique_ptr<Timer>& Timer3) {
  MSC = ctx.svc.ports->create();
  Timer1 = ctx.svc.timers->create();
  Timer2 = ctx.svc.timers->create();
  Timer3 = ctx.svc.timers->create();
  MainFrame* main = ctx.main;
  return std::make_unique<LinkEngine>(*MSC, *Timer1, *Timer2, *Timer3,
                                      LinkEngine::Env{ctx.st, ctx.svc.prompt,
                                                      [main](int panel, const QString& text) {
                                                        if (main) main->SetPanelText(panel, text);
                                                      },
                                                      &ctx.image},
                                      profile);
}
