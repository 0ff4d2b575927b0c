// Which characters a wrestler's name may hold: the save file stores names as
// 8-bit Latin-1 text.
#pragma once

#include <optional>
#include <string>

// A printable Latin-1 character (U+0020 to U+007E, U+00A0 to U+00FF). Control
// characters are kept out: a zero byte would cut the name short, and tabs or
// line breaks would break every list that shows it.
bool isNameCharacter(char32_t c);

// The Latin-1 bytes of a UTF-8 text, or nothing when the text is not valid
// UTF-8 or holds a character that is not a name character.
std::optional<std::string> latin1NameFromUtf8(const std::string& utf8);
