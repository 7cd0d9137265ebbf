#include "base/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <string>

#include "base/errors.h"

namespace rebanto {
namespace {

// How many bytes to step over when the input cannot be converted at its current position.
using SkipRule = std::size_t (*)(std::string_view rest);

// A UTF-8 character is skipped whole (its length from the lead byte), a stray byte alone.
std::size_t skip_utf8_character(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest.front());
    std::size_t length = 1;
    if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = lead <= 0xEF ? 3 : 1;
    } else if (lead >= 0xC2) {
        length = 2;
    }
    if (length > rest.size()) return rest.size();
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return i;
    }
    return length;
}

// A lead byte with a bad trail byte is skipped alone, so the trail byte is read again as
// a character of its own.
std::size_t skip_one_byte(std::string_view) {
    return 1;
}

// One conversion descriptor for the length of one conversion.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {  // NOLINT(performance-no-int-to-ptr)
            throw FileError(std::string("文字コード変換 ") + from + " → " + to +
                            " を利用できません");
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input. Without a replacement it throws FileError with the byte
    // offset of the first character that has no form in the target (or is not valid in the
    // source); with one, such a character becomes the replacement and `replaced` is set.
    std::string convert(std::string_view input, const char* what, const char* replacement = nullptr,
                        SkipRule skip = nullptr, bool* replaced = nullptr) {
        // A conversion stopped by an error may have left the descriptor mid-character.
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out(input.size() * 2 + 16, '\0');
        char* in_ptr = const_cast<char*>(input.data());  // iconv does not write through it
        std::size_t in_left = input.size();
        std::size_t used = 0;
        bool flushing = false;
        for (;;) {
            char* out_ptr = out.data() + used;
            std::size_t out_left = out.size() - used;
            const std::size_t rc = flushing ? iconv(cd_, nullptr, nullptr, &out_ptr, &out_left)
                                            : iconv(cd_, &in_ptr, &in_left, &out_ptr, &out_left);
            used = static_cast<std::size_t>(out_ptr - out.data());
            if (rc != static_cast<std::size_t>(-1)) {
                if (flushing) break;
                flushing = true;  // return to the initial shift state (a no-op for 932)
                continue;
            }
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            const std::size_t offset = input.size() - in_left;
            if (replacement == nullptr) {
                throw FileError(std::string(what) + " (" + std::to_string(offset) + " バイト目)");
            }
            const std::size_t step = skip(input.substr(offset));
            in_ptr += step;
            in_left -= step;
            out.resize(used);
            out += replacement;
            used = out.size();
            out.resize(used + in_left * 2 + 16);
            *replaced = true;
        }
        out.resize(used);
        return out;
    }

private:
    iconv_t cd_;
};

// One descriptor per direction for the whole program: opening one finds and loads the
// conversion module, which cost more than converting a line.
Converter& to_cp932() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

Converter& from_cp932() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

constexpr const char* kNoForm = "コード ページ 932 で表せない文字があります";
constexpr const char* kNotCp932 = "コード ページ 932 の文字として読めないバイトがあります";

}  // namespace

// Most lines of the files are figures and commas only, and need no conversion at all.
bool is_plain_ascii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

std::string utf8_to_cp932(std::string_view utf8) {
    if (is_plain_ascii(utf8)) return std::string(utf8);
    return to_cp932().convert(utf8, kNoForm);
}

std::string cp932_to_utf8(std::string_view cp932) {
    if (is_plain_ascii(cp932)) return std::string(cp932);
    return from_cp932().convert(cp932, kNotCp932);
}

std::string utf8_to_cp932_replacing(std::string_view utf8, bool& replaced) {
    replaced = false;
    if (is_plain_ascii(utf8)) return std::string(utf8);
    return to_cp932().convert(utf8, kNoForm, "?", skip_utf8_character, &replaced);
}

std::string cp932_to_utf8_replacing(std::string_view cp932, bool& replaced) {
    replaced = false;
    if (is_plain_ascii(cp932)) return std::string(cp932);
    return from_cp932().convert(cp932, kNotCp932, "\xEF\xBF\xBD", skip_one_byte, &replaced);
}

}  // namespace rebanto
