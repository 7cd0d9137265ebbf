#include "io/xlsx_library.h"

#include <dlfcn.h>

#include <string>

#include "base/errors.h"

namespace rebanto::numeric {

namespace {

constexpr const char* kNames[] = {"libxlsxwriter.so.4", "libxlsxwriter.so"};

void* open_library() {
    for (const char* name : kNames) {
        if (void* handle = ::dlopen(name, RTLD_NOW | RTLD_LOCAL)) return handle;
    }
    const char* why = ::dlerror();
    throw FileError(std::string("表計算用のブックを書くライブラリ libxlsxwriter を読み込めません") +
                    (why != nullptr ? std::string(" (") + why + ")" : std::string()));
}

template <typename Function>
void find(void* handle, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(handle, name));
    if (function == nullptr) {
        throw FileError(std::string("ライブラリ libxlsxwriter に ") + name + " がありません");
    }
}

XlsxLibrary load() {
    void* handle = open_library();  // kept for the rest of the program
    XlsxLibrary lib{};
    find(handle, "workbook_new_opt", lib.workbook_new_opt);
    find(handle, "workbook_add_worksheet", lib.workbook_add_worksheet);
    find(handle, "workbook_add_format", lib.workbook_add_format);
    find(handle, "workbook_close", lib.workbook_close);
    find(handle, "format_set_bold", lib.format_set_bold);
    find(handle, "format_set_num_format", lib.format_set_num_format);
    find(handle, "worksheet_set_column", lib.worksheet_set_column);
    find(handle, "worksheet_write_string", lib.worksheet_write_string);
    find(handle, "worksheet_write_number", lib.worksheet_write_number);
    find(handle, "worksheet_freeze_panes", lib.worksheet_freeze_panes);
    find(handle, "lxw_strerror", lib.lxw_strerror);
    return lib;
}

}  // namespace

const XlsxLibrary& xlsx_library() {
    // A failed load throws out of the initialisation and is tried again next time.
    static const XlsxLibrary lib = load();
    return lib;
}

}  // namespace rebanto::numeric
