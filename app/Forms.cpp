#include "app/Forms.h"

#include <QApplication>
#include <QWidget>
#include <functional>
#include <vector>

#include "app/ProgramIcon.h"
#include "app/TMainMenu1.h"
#include "ui/Axes1.h"
#include "ui/Changer1.h"
#include "ui/Domain1.h"
#include "ui/Eqn1Dlg.h"
#include "ui/FuncVals.h"
#include "ui/Globals.h"
#include "ui/Param1.h"
#include "ui/THelpDlg.h"
#include "ui/TVemloScrn1.h"
#include "ui/ViewDlg.h"

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

// The order of creation is the order of this list. The forms still to come
// take their places as they are added: TColorForm2 and TColorForm after
// TChangeDlg; TPlaneDlg, TLineDlg, TContourDlg, TZlevelsFm and TSampleFm after
// TViewDlg; TMovieDlg last.
std::vector<FormEntry> FormList() {
    return {
        Entry(MainMenu1), Entry(VemloScrn1), Entry(AxesDlg), Entry(EqnDlg),  Entry(ChangeDlg),
        Entry(DomainDlg), Entry(ParamDlg),   Entry(ViewDlg), Entry(HelpDlg), Entry(FuncList),
    };
}

std::vector<QWidget*> created;

}  // namespace

void CreateForms() {
    QApplication::setWindowIcon(ProgramIcon());
    for (const FormEntry& e : FormList()) created.push_back(e.create());
    FuncList->SetMainWindow(VemloScrn1);
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
