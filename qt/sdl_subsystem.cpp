#include "qt/sdl_subsystem.hpp"

#include <mutex>

#include "qt/sdl_library.hpp"

namespace zaptrail {
namespace {

// SDL's own start-up bookkeeping is not thread-safe, and audio starts on a worker thread.
std::mutex& SubsystemMutex() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace

bool StartSdlSubsystem(uint32_t flags, const std::function<void(const SdlLibrary&)>& configure) {
  const SdlLibrary* sdl = LoadSdl();
  if (sdl == nullptr) return false;
  const std::lock_guard lock(SubsystemMutex());
  sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (sdl->InitSubSystem(flags) != 0) return false;
  if (configure) configure(*sdl);
  return true;
}

void StopSdlSubsystem(uint32_t flags) {
  const SdlLibrary& sdl = Sdl();
  const std::lock_guard lock(SubsystemMutex());
  sdl.QuitSubSystem(flags);
  if (sdl.WasInit(SDL_INIT_EVERYTHING) == 0) sdl.Quit();
}

}  // namespace zaptrail
