#include "export/export.h"

#include <array>

#include "export/export_paths.h"
#include "export/generovat_tabulku.h"
#include "xls/xls.h"

namespace ek::exporter {

namespace {

constexpr char16_t kNoOfficeProgram[] = u"0000";

// Shell folders of the probe items, in the order of their captions.
constexpr std::array<int, 5> kProbeFolders{
    platform::kDocuments,        // "[Currenty User]\My Documents"
    platform::kCommonAppData,    // "All Users\Application Data"
    platform::kLocalAppData,     // "[User Specific]\Application Data"
    platform::kProgramFiles,     // "Program Files"
    platform::kCommonDocuments,  // "All Users\Documents"
};

calc::Text quotedIn(std::u16string_view before, const calc::Text& name, std::u16string_view after) {
    return calc::Text(before) + name + calc::Text(after);
}

}  // namespace

calc::Text saveFailedMessage(const calc::Text& path, xls::SaveResult reason) {
    return quotedIn(u"Soubor \"", path,
                    u"\" se nepodařilo uložit: " + calc::Text(xls::saveResultText(reason)) + u".");
}

Export::Export(calc::Kalkulace& state, platform::Automation& automation)
    : state_(state), automation_(automation) {}

bool Export::Button15Click() {
    const std::optional<xls::SaveResult> result =
        GenerovatTabulku(state_, ExportOptions{.amountsAsNumbers = CheckBox1});
    if (!result)
        return false;  // a worksheet limit stopped it, with its message
    if (*result != xls::SaveResult::Saved) {
        state_.platform().showMessage(saveFailedMessage(exportPath(state_), *result));
        state_.Button16Enabled = false;
        state_.Button14Enabled = false;
        return false;
    }
    state_.Button16Enabled = true;
    state_.Button14Enabled = state_.INF_cesta_office != kNoOfficeProgram;
    return true;
}

void Export::Button16Click() {
    const calc::Text path = exportPath(state_);
    // The new object is created before the earlier one is let go.
    excelApplication_ = automation_.create(platform::kSpreadsheetProgramId);
    excelApplication_->put(u"Visible", true);
    excelApplication_->put(u"DisplayAlerts", true);
    const std::unique_ptr<platform::AutomationObject> workbooks =
        excelApplication_->get(u"Workbooks");
    workbooks->call(u"open", {path});
}

bool Export::copyExport(const calc::Text& copy) {
    if (state_.platform().copyFile(exportPath(state_), copy))
        return true;
    state_.platform().showMessage(quotedIn(u"Soubor \"", copy, u"\" se nepodařilo zkopírovat."));
    return false;
}

void Export::Button14Click() {
    platform::Platform& system = state_.platform();
    const calc::Text copy = copyPath(state_);
    if (system.fileExists(copy)) {
        system.makeWritable(copy);
        system.deleteFile(copy);  // a failure raises the input/output error
    }
    if (!copyExport(copy))
        return;
    const calc::Text& program = state_.INF_cesta_office;
    if (!system.fileExists(program)) {
        system.showMessage(
            u"Tabulkový program OpenOffice v souboru \"open_office_full_exe_name.txt\" "
            u"neexistuje");
        return;
    }
    // The copy goes as an argument of its own: no command line to be parsed.
    if (!system.startProcess(program, {copy}))
        system.showMessage(u"Tabulkový program OpenOffice se nepodařilo spustit.");
}

void Export::Button17Click() {
    copyExport(copyPath(state_));
}

void Export::RadioGroup1Click() {
    if (RadioGroup1 < 0 || RadioGroup1 >= static_cast<int>(kProbeFolders.size()))
        return;
    Label5 = state_.platform().specialFolder(kProbeFolders[static_cast<std::size_t>(RadioGroup1)]);
}

void Export::Button18Click() {
    Label5 = state_.platform().specialFolder(platform::kDocuments);
}

}  // namespace ek::exporter
