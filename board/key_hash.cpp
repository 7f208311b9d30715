#include "board/key_hash.hpp"

#include <openssl/evp.h>

#include <array>
#include <stdexcept>
#include <string>

namespace zaptrail::board {

std::string Sha256Hex(std::string_view bytes) {
  std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
  unsigned int length = 0;
  if (EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, EVP_sha256(), nullptr) != 1) {
    throw std::runtime_error("SHA-256 failed");
  }
  constexpr char kHex[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(2 * length);
  for (unsigned int at = 0; at < length; ++at) {
    hex += kHex[digest[at] >> 4];
    hex += kHex[digest[at] & 0xf];
  }
  return hex;
}

}  // namespace zaptrail::board
