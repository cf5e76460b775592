#include "app/Forms.h"

#include <QWidget>
#include <functional>
#include <vector>

#include "app/TMainMenu1.h"
#include "ui/THelpDlg.h"
#include "ui/TVemloScrn1.h"

namespace vemlo {

namespace {

struct FormEntry {
    std::function<QWidget*()> create;
    std::function<void()> forget;
};

template <typename Form>
FormEntry Entry(Form*& instance) {
    return {[&instance]() -> QWidget* { return instance = new Form(); }, [&instance] { instance = nullptr; }};
}

// The order of creation is the order of this list. The remaining dialogs go
// between the main window and the help window as they are added: TAxesDlg,
// TEqnDlg, TChangeDlg, TColorForm2, TColorForm, TDomainDlg, TParamDlg,
// TViewDlg, TPlaneDlg, TLineDlg, TContourDlg, TZlevelsFm, TSampleFm; then
// TFuncList and TMovieDlg after the help window.
std::vector<FormEntry> FormList() {
    return {
        Entry(MainMenu1),
        Entry(VemloScrn1),
        Entry(HelpDlg),
    };
}

std::vector<QWidget*> created;

}  // namespace

void CreateForms() {
    for (const FormEntry& e : FormList()) created.push_back(e.create());
}

void DestroyForms() {
    const std::vector<FormEntry> list = FormList();
    while (!created.empty()) {
        delete created.back();
        list[created.size() - 1].forget();
        created.pop_back();
    }
}

}  // namespace vemlo
