#pragma once
// The language of rebanto-schedule's messages: Japanese for a Japanese locale, English
// otherwise.
#include <string>

namespace rebanto::schedule {

enum class Language { English, Japanese };

// One message in both languages.
struct Bilingual {
    std::string ja;
    std::string en;
};

// The locale's language as the C library would choose it: LC_ALL, then LC_MESSAGES, then
// LANG, the first that is set and not empty.
Language language_of(const char* lc_all, const char* lc_messages, const char* lang);
Language language_from_environment();

}  // namespace rebanto::schedule
