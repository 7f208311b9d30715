# What the Windows build makes differently: the sprite sheet's data comes from artgen built for
# this machine. (The file primitives are chosen in files/.)
include(cmake/host_sprite_data.cmake)
