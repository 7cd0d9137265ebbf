#include "schedule/schedule_language.h"

#include <cstdlib>

namespace rebanto::schedule {

Language language_of(const char* lc_all, const char* lc_messages, const char* lang) {
    for (const char* value : {lc_all, lc_messages, lang}) {
        if (value == nullptr || *value == '\0') continue;
        return std::string(value).rfind("ja", 0) == 0 ? Language::Japanese : Language::English;
    }
    return Language::English;
}

Language language_from_environment() {
    return language_of(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

}  // namespace rebanto::schedule
