#pragma once

namespace zaptrail {

// The sim's output is compared byte for byte with files written on any system: standard input
// and output pass bytes unchanged, with no CR added before each LF where the C runtime would.
void UseBinaryStandardStreams();

}  // namespace zaptrail
