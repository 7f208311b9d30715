#include "app/sdl_subsystem.hpp"

#include <SDL.h>

namespace zaptrail {

bool StartSdlSubsystem(uint32_t flags) {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  return SDL_InitSubSystem(flags) == 0;
}

void StopSdlSubsystem(uint32_t flags) {
  SDL_QuitSubSystem(flags);
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

}  // namespace zaptrail
