#pragma once
/// The help window: the full help text in a read-only memo and a Close
/// button. Shown without blocking, so it can stay open beside the graph.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace vemlo {

/// The help text, one entry per line.
const QStringList& HelpLines();

class THelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit THelpDlg(QWidget* parent = nullptr);

    QPlainTextEdit* FHelp;
    QPushButton* CloseBtn;

    void CloseBtnClick();
};

/// The help window, created at program start.
extern THelpDlg* HelpDlg;

}  // namespace vemlo
