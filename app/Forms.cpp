#include "app/Forms.h"

#include <QApplication>
#include <QWidget>
#include <functional>
#include <vector>

#include "app/ProgramIcon.h"
#include "app/TMainMenu1.h"
#include "ui/Axes1.h"
#include "ui/Changer1.h"
#include "ui/ColorFm.h"
#include "ui/ColorFm2.h"
#include "ui/Contour1.h"
#include "ui/Domain1.h"
#include "ui/Eqn1Dlg.h"
#include "ui/FuncVals.h"
#include "ui/Globals.h"
#include "ui/LineDlg.h"
#include "ui/Moviefm.h"
#include "ui/Param1.h"
#include "ui/PlaneDlg.h"
#include "ui/SampleList.h"
#include "ui/THelpDlg.h"
#include "ui/TVemloScrn1.h"
#include "ui/ViewDlg.h"
#include "ui/Zlevels.h"

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

// The order of creation is the order of this list.
std::vector<FormEntry> FormList() {
    return {
        Entry(MainMenu1),  Entry(VemloScrn1), Entry(AxesDlg),  Entry(EqnDlg),    Entry(ChangeDlg), Entry(ColorForm2),
        Entry(ColorForm),  Entry(DomainDlg),  Entry(ParamDlg), Entry(ViewDlg),   Entry(PlaneDlg),  Entry(LineDlg),
        Entry(ContourDlg), Entry(ZlevelsFm),  Entry(SampleFm), Entry(HelpDlg),   Entry(FuncList),  Entry(MovieDlg),
    };
}

std::vector<QWidget*> created;

}  // namespace

const std::vector<QWidget*>& CreatedForms() { return created; }

void CreateForms() {
    QApplication::setWindowIcon(ProgramIcon());
    for (const FormEntry& e : FormList()) created.push_back(e.create());
    FuncList->SetMainWindow(VemloScrn1);
    ColorForm2->SetMainWindow(VemloScrn1);
    SampleFm->SetMainWindow(VemloScrn1);
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
