// The explanation page: documents read from the start folder, and help.
#include "base/errors.h"
#include "base/linefile.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

void SettingsPage::ExplanationClick(Control& sender) {
    const std::pair<const Control*, const char*> documents[] = {
        {&Button22, "vorpen77.doc"}, {&Button58, "ZELD000.doc"},  {&Button23, "ZELD001.doc"},
        {&Button77, "ZELD002.doc"},  {&Button16, "ZELD003.doc"},  {&Button109, "ZELD004.doc"},
        {&Button116, "ZELD005.doc"}, {&Button117, "ZELD006.doc"}, {&Button119, "ZELD007.doc"},
        {&Button118, "ZELD009.doc"}};
    for (const auto& [button, file] : documents) {
        if (button != &sender) continue;
        try {
            RichEdit3.set_lines(read_lines(app().documents_folder() / file));
        } catch (const FileError& e) {
            app().platform().error(e.what());  // the memo keeps what it showed
        }
    }
}

void SettingsPage::BtHelpClick(Control&) {
    app().platform().help(HelpFile);
}

}  // namespace rebanto
