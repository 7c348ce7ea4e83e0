#include "link/ui/window_link.h"

std::unique_ptr<LinkSession> Window_link(AppContext& ctx, const LinkProfile& profile, HandlerOwner* owner) {
  MainFrame* main = ctx.main;
  return std::make_unique<LinkSession>(*ctx.svc.ports, *ctx.svc.timers,
                                       LinkEngine::Env{ctx.st, ctx.svc.prompt,
                                                       [main](StatusPanel panel, const QString& text) {
                                                         if (main) main->SetPanelText(static_cast<int>(panel), text);
                                                       }},
                                       profile, owner);
}
