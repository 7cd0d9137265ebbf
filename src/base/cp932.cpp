#include "base/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <string>

#include "base/errors.h"

namespace rebanto {
namespace {

// One conversion descriptor for the length of one conversion.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw FileError(std::string("文字コード変換 ") + from + " → " + to +
                            " を利用できません");
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input or throws FileError with the byte offset of the first
    // character that has no form in the target (or is not valid in the source).
    std::string convert(std::string_view input, const char* what) {
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
            throw FileError(std::string(what) + " (" + std::to_string(offset) + " バイト目)");
        }
        out.resize(used);
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string utf8_to_cp932(std::string_view utf8) {
    return Converter("CP932", "UTF-8").convert(utf8, "コード ページ 932 で表せない文字があります");
}

std::string cp932_to_utf8(std::string_view cp932) {
    return Converter("UTF-8", "CP932")
        .convert(cp932, "コード ページ 932 の文字として読めないバイトがあります");
}

}  // namespace rebanto
