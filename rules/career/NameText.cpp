// Name characters and the conversion of typed text into the save file's encoding.
#include "rules/career/NameText.h"

bool isNameCharacter(char32_t c)
{
    return (c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF);
}

std::optional<std::string> latin1NameFromUtf8(const std::string& utf8)
{
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        char32_t c = 0;
        std::size_t extra = 0;
        if (lead < 0x80) {
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            c = lead & 0x1F;
            extra = 1;
        } else if ((lead & 0xF0) == 0xE0) {
            c = lead & 0x0F;
            extra = 2;
        } else if ((lead & 0xF8) == 0xF0) {
            c = lead & 0x07;
            extra = 3;
        } else {
            return std::nullopt;
        }
        if (extra > utf8.size() - i - 1)
            return std::nullopt;
        for (std::size_t k = 1; k <= extra; ++k) {
            const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        // An overlong form would let a control character slip through in
        // disguise.
        static const char32_t shortest[] = {0, 0x80, 0x800, 0x10000};
        if (c < shortest[extra])
            return std::nullopt;
        if (!isNameCharacter(c))
            return std::nullopt;
        out.push_back(static_cast<char>(c));
        i += extra + 1;
    }
    return out;
}
