#include <SDL.h>
#include <gtest/gtest.h>

#include <tuple>

#include "game/game.hpp"
#include "game/input.hpp"
#include "qt/sdl_joystick.hpp"
#include "qt/sdl_subsystem.hpp"
#include "tools/sim/scripted_platform.hpp"

namespace zaptrail::testing {
namespace {

constexpr uint32_t kSubsystems = SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER;

// One of SDL's virtual joysticks, standing in for a device plugged in as device 0.
class VirtualDevice {
 public:
  VirtualDevice(SDL_JoystickType type, int32_t axes, int32_t buttons, int32_t hats)
      : type_(type), axes_(axes), buttons_(buttons), hats_(hats) {
    Plug();
  }
  ~VirtualDevice() { Unplug(); }

  void Plug() {
    const int index = SDL_JoystickAttachVirtual(type_, axes_, buttons_, hats_);
    ASSERT_EQ(index, 0) << SDL_GetError();
    handle_ = SDL_JoystickOpen(index);
    ASSERT_NE(handle_, nullptr) << SDL_GetError();
  }

  void Unplug() {
    if (handle_ == nullptr) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(handle_);
    SDL_JoystickClose(handle_);
    handle_ = nullptr;
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
      if (SDL_JoystickGetDeviceInstanceID(index) == id) SDL_JoystickDetachVirtual(index);
    }
  }

  void Axis(int32_t axis, Sint16 value) { SDL_JoystickSetVirtualAxis(handle_, axis, value); }
  void Button(int32_t button, bool held) {
    SDL_JoystickSetVirtualButton(handle_, button, held ? 1 : 0);
  }
  void Hat(Uint8 value) { SDL_JoystickSetVirtualHat(handle_, 0, value); }

 private:
  SDL_JoystickType type_;
  int32_t axes_;
  int32_t buttons_;
  int32_t hats_;
  SDL_Joystick* handle_ = nullptr;
};

// The virtual game controller's automatic mapping: a = b0, b = b1, dpup..dpright = b11..b14,
// leftx and lefty = a0 and a1.
constexpr int32_t kButtonA = 0;
constexpr int32_t kButtonB = 1;
constexpr int32_t kDpadUp = 11;
constexpr int32_t kDpadLeft = 13;
constexpr int32_t kDpadRight = 14;

// x, y and buttons, compared in one go.
using Raw = std::tuple<uint32_t, uint32_t, uint32_t>;

class SdlJoystickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(StartSdlSubsystem(kSubsystems)) << SDL_GetError();
    if (SDL_NumJoysticks() > 0) GTEST_SKIP() << "a real joystick is plugged in as device 0";
  }
  void TearDown() override { StopSdlSubsystem(kSubsystems); }

  // Probes as the game does at start-up and expects the full unsigned range.
  static void Probe(SdlJoystick& joystick) {
    JoystickCaps caps;
    ASSERT_TRUE(joystick.Capabilities(caps));
    EXPECT_EQ(Raw(caps.xMin, caps.xMax, caps.yMin), Raw(0, 65535, 0));
    EXPECT_EQ(caps.yMax, 65535u);
  }

  static Raw Read(SdlJoystick& joystick) {
    JoystickState state;
    EXPECT_TRUE(joystick.Read(state));
    return {state.x, state.y, state.buttons};
  }
};

TEST_F(SdlJoystickTest, NoDeviceMeansNoCapabilities) {
  SdlJoystick joystick;
  JoystickCaps caps;
  EXPECT_FALSE(joystick.Capabilities(caps));
}

TEST_F(SdlJoystickTest, PlainJoystickAxesButtonsAndHat) {
  VirtualDevice device(SDL_JOYSTICK_TYPE_UNKNOWN, 2, 32, 1);
  SdlJoystick joystick;
  Probe(joystick);
  EXPECT_EQ(Read(joystick), Raw(32768, 32768, 0));

  device.Axis(0, -32768);
  device.Axis(1, 32767);
  device.Button(0, true);
  EXPECT_EQ(Read(joystick), Raw(0, 65535, 1));

  device.Axis(0, 0);
  device.Axis(1, -1);
  device.Button(1, true);
  device.Button(31, true);
  EXPECT_EQ(Read(joystick), Raw(32768, 32767, 0x80000003u));

  // The hat pushes the axes to their ends and never enters the button set.
  device.Button(1, false);
  device.Button(31, false);
  device.Hat(SDL_HAT_LEFTUP);
  EXPECT_EQ(Read(joystick), Raw(0, 0, 1));
  device.Axis(0, -32768);
  device.Hat(SDL_HAT_RIGHTDOWN);
  EXPECT_EQ(Read(joystick), Raw(65535, 65535, 1));
  device.Hat(SDL_HAT_CENTERED);
  EXPECT_EQ(Read(joystick), Raw(0, 32767, 1));
}

TEST_F(SdlJoystickTest, GameControllerSouthButtonIsButtonOneAndDpadSteers) {
  VirtualDevice device(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, 15, 1);
  ASSERT_TRUE(SDL_IsGameController(0));
  SdlJoystick joystick;
  Probe(joystick);

  device.Button(kButtonA, true);
  device.Axis(0, 32767);
  EXPECT_EQ(Read(joystick), Raw(65535, 32768, 1));
  device.Button(kButtonB, true);
  EXPECT_EQ(Read(joystick), Raw(65535, 32768, 3));

  // The d-pad steers but is no button: d-pad with A alone still fires.
  device.Button(kButtonB, false);
  device.Axis(0, 0);
  device.Button(kDpadUp, true);
  device.Button(kDpadLeft, true);
  EXPECT_EQ(Read(joystick), Raw(0, 0, 1));

  // Opposite directions cancel and leave the stick where it is.
  device.Button(kDpadUp, false);
  device.Button(kDpadRight, true);
  device.Axis(0, 32767);
  EXPECT_EQ(Read(joystick), Raw(65535, 32768, 1));
  device.Axis(0, -32768);
  EXPECT_EQ(Read(joystick), Raw(0, 32768, 1));

  device.Button(kDpadLeft, false);
  device.Button(kDpadRight, false);
  device.Axis(0, 0);
  device.Hat(SDL_HAT_DOWN);
  EXPECT_EQ(Read(joystick), Raw(32768, 65535, 1));
}

TEST_F(SdlJoystickTest, UnpluggedDeviceFailsEachReadUntilPluggedBack) {
  VirtualDevice device(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, 15, 1);
  SdlJoystick joystick;
  Probe(joystick);
  device.Unplug();
  JoystickState state;
  EXPECT_FALSE(joystick.Read(state));
  EXPECT_FALSE(joystick.Read(state));
  device.Plug();
  device.Button(kButtonA, true);
  EXPECT_EQ(Read(joystick), Raw(32768, 32768, 1));
}

// The engine's own sampling with this backend behind its platform.
class JoystickPlatform : public ScriptedPlatform {
 public:
  bool JoystickCapabilities(JoystickCaps& caps) override { return joystick.Capabilities(caps); }
  bool ReadJoystick(JoystickState& state) override { return joystick.Read(state); }

  SdlJoystick joystick;
};

struct Held {
  bool up, right, down, left, fire;
  bool operator==(const Held&) const = default;
};

Held Sample(Game& game) {
  const InputFlags flags = SampleInput(game);
  return {flags.heldUp, flags.heldRight, flags.heldDown, flags.heldLeft, flags.fire};
}

TEST_F(SdlJoystickTest, EngineSeesThirdsFireAndGamepadDirections) {
  VirtualDevice device(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, 15, 1);
  JoystickPlatform platform;
  const PixelSurface sheet(256, 256);
  Game game(platform, sheet);
  ProbeJoystick(game);
  ASSERT_EQ(game.record.JoystickPresent, 1);
  EXPECT_EQ(game.record.JoyLowX, 21845u);
  EXPECT_EQ(game.record.JoyHighX, 43690u);

  EXPECT_EQ(Sample(game), (Held{false, false, false, false, false}));
  device.Axis(0, -32768);
  device.Axis(1, 32767);
  device.Button(kButtonA, true);
  EXPECT_EQ(Sample(game), (Held{false, false, true, true, true}));

  // Stick just inside the dead zone; button 1 with button 2 is no Fire.
  device.Axis(0, 21845 - 32768);
  device.Axis(1, 43690 - 32768);
  device.Button(kButtonB, true);
  EXPECT_EQ(Sample(game), (Held{false, false, false, false, false}));
  platform.Hold(Key::Space, true);
  EXPECT_EQ(Sample(game), (Held{false, false, false, false, true}));
  platform.Hold(Key::Space, false);

  device.Button(kButtonB, false);
  device.Button(kDpadUp, true);
  EXPECT_EQ(Sample(game), (Held{true, false, false, false, true}));

  device.Unplug();
  EXPECT_EQ(Sample(game), (Held{false, false, false, false, false}));
  // Nobody reads SDL's event queue, so nothing may pile up in it.
  EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT), 0);
}

}  // namespace
}  // namespace zaptrail::testing
