// Re-coding of one message from the source machine's character codes to the
// target machine's.
#pragma once

#include <cstdint>

// Converts the zero-terminated message at source into destination, which must
// have room for it and its terminator. Byte i of the result always stands for
// byte i of the message, so the result has exactly the message's length.
void recode_message(const std::uint8_t* source, std::uint8_t* destination);
