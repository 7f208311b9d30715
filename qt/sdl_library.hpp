#pragma once

#include <SDL.h>

namespace zaptrail {

// Every SDL function the game calls.
// clang-format off
#define ZAPTRAIL_SDL_FUNCTIONS(X)                                                                \
  X(SetHint) X(InitSubSystem) X(QuitSubSystem) X(WasInit) X(Quit) X(NumJoysticks)                \
  X(IsGameController) X(JoystickOpen) X(JoystickClose) X(JoystickUpdate) X(JoystickGetAttached)  \
  X(JoystickEventState) X(JoystickNumHats) X(JoystickGetHat) X(JoystickNumButtons)               \
  X(JoystickGetButton) X(JoystickGetAxis) X(GameControllerOpen) X(GameControllerClose)           \
  X(GameControllerGetJoystick) X(GameControllerEventState) X(GameControllerGetButton)            \
  X(GameControllerGetAxis) X(OpenAudioDevice) X(CloseAudioDevice) X(PauseAudioDevice)            \
  X(LockAudioDevice) X(UnlockAudioDevice) X(QueueAudio) X(ClearQueuedAudio)                      \
  X(GetQueuedAudioSize) X(RWFromConstMem) X(LoadWAV_RW) X(FreeWAV) X(BuildAudioCVT)              \
  X(ConvertAudio)
// clang-format on

// SDL's functions, found in the library at run time: SDL brings some thirty libraries of its
// own (sound servers, codecs, display back ends), and loading them all when the program starts
// would hold up the first frame. The game is linked against none of them.
struct SdlLibrary {
#define ZAPTRAIL_SDL_POINTER(name) decltype(&SDL_##name) name = nullptr;
  ZAPTRAIL_SDL_FUNCTIONS(ZAPTRAIL_SDL_POINTER)
#undef ZAPTRAIL_SDL_POINTER
};

// Loads SDL on the first call, from any thread (a second caller waits for the first); null when
// the library or one of its functions cannot be found, and the game then has neither joystick
// nor sound.
const SdlLibrary* LoadSdl();
// The library once LoadSdl() has found it.
const SdlLibrary& Sdl();

}  // namespace zaptrail
