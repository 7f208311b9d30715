#include "qt/sdl_library.hpp"

#include <dlfcn.h>

namespace zaptrail {
namespace {

constexpr const char* kLibraryName = "libSDL2-2.0.so.0";

const SdlLibrary* Open() {
  // Never closed: SDL's own threads may outlive every object of ours that uses them.
  void* handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return nullptr;
  static SdlLibrary library;
  bool complete = true;
#define ZAPTRAIL_SDL_LOOKUP(name)                                                      \
  library.name = reinterpret_cast<decltype(&SDL_##name)>(dlsym(handle, "SDL_" #name)); \
  complete = complete && library.name != nullptr;
  ZAPTRAIL_SDL_FUNCTIONS(ZAPTRAIL_SDL_LOOKUP)
#undef ZAPTRAIL_SDL_LOOKUP
  return complete ? &library : nullptr;
}

}  // namespace

const SdlLibrary* LoadSdl() {
  static const SdlLibrary* const library = Open();
  return library;
}

const SdlLibrary& Sdl() {
  return *LoadSdl();
}

}  // namespace zaptrail
