// The window's 8-bit texts are Shift-JIS in its Windows form, CP932. These turn them into UTF-8
// for a screen or a terminal, and back.
#pragma once

#include <string>
#include <string_view>

// Every byte or pair that does not decode, and every control character (0x00..0x1F, 0x7F), becomes
// U+FFFD, so no file can send a control sequence to a terminal.
std::string Cp932ToUtf8(std::string_view bytes);

// Characters that CP932 cannot hold become '?'.
std::string Utf8ToCp932(std::string_view text);
