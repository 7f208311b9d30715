# What the Windows build makes differently: the sprite sheet's data comes from artgen built for
# this machine. (The engine's file primitives are chosen in game/.)
include(cmake/host_sprite_data.cmake)
