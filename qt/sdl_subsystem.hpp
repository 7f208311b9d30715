#pragma once

#include <cstdint>
#include <functional>

namespace zaptrail {

struct SdlLibrary;

// Starts one SDL subsystem (joystick or audio; the game never opens an SDL window), loading SDL
// first if need be. SDL is told first to leave the process's signals alone, so a plain kill or
// a log-out still reaches the game; `configure`, when given, runs once the subsystem is up,
// still under the same lock. Returns false when the subsystem is not available. Both calls may
// come from any thread.
bool StartSdlSubsystem(uint32_t flags,
                       const std::function<void(const SdlLibrary&)>& configure = nullptr);
// Stops one that was started; SDL itself shuts down with the last one.
void StopSdlSubsystem(uint32_t flags);

}  // namespace zaptrail
