#include "app/sdl_subsystem.hpp"

#include <SDL.h>

#include <mutex>

namespace zaptrail {
namespace {

// SDL's own start-up bookkeeping is not thread-safe, and audio starts on a worker thread.
std::mutex& SubsystemMutex() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace

bool StartSdlSubsystem(uint32_t flags) {
  const std::lock_guard lock(SubsystemMutex());
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  return SDL_InitSubSystem(flags) == 0;
}

void StopSdlSubsystem(uint32_t flags) {
  const std::lock_guard lock(SubsystemMutex());
  SDL_QuitSubSystem(flags);
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

}  // namespace zaptrail
