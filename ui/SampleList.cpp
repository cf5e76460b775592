#include "ui/SampleList.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShowEvent>
#include <algorithm>

#include "engine/Modes.h"
#include "engine/Samples.h"
#include "engine/Settings.h"
#include "ui/Globals.h"
#include "ui/Kit.h"
#include "ui/TVemloScrn1.h"

namespace vemlo {

namespace {

constexpr int kRowHeight = 24;

}  // namespace

TSampleFm::TSampleFm(QWidget* parent) : TSampleFm(TheGraph(), parent) {}

TSampleFm::TSampleFm(GraphState& g, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      g_(g) {
    setObjectName(QStringLiteral("SampleFm"));
    SetBackground(this, colors::SkyBlue);
    SetFontHeight(this, 14);

    Label1 = Make<QLabel>(this, "Label1", 8, 6, 200, 18);
    Label1->setText(QStringLiteral("  Select a Function, "));
    Label2 = Make<QLabel>(this, "Label2", 8, 24, 200, 18);
    Label2->setText(QStringLiteral("    Click on Draw"));
    for (QLabel* l : {Label1, Label2}) SetTextColor(l, colors::Navy);

    ScrollBox1 = Make<QScrollArea>(this, "ScrollBox1", 8, 48, 384, 262);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("ScrollBox1Content"));
    SetBackground(content, colors::Cream);
    for (int i = 1; i <= 10; ++i) {
        const QByteArray name = "RadioButton" + QByteArray::number(i);
        RadioButton[i] = Make<QRadioButton>(content, name.constData(), 6, 4 + kRowHeight * (i - 1), 360, 22);
        connect(RadioButton[i], &QRadioButton::clicked, this, [this, i] { RadioButtonClick(i); });
    }
    content->resize(372, 8 + kRowHeight * 10);
    ScrollBox1->setWidget(content);

    Close1 = Make<QPushButton>(this, "Close1", 162, 318, 75, 25);
    Close1->setText(QStringLiteral("Close"));
    connect(Close1, &QPushButton::clicked, this, &TSampleFm::Close1Click);

    setFixedSize(400, 352);
    setWindowTitle(QStringLiteral("Surface Samples"));
}

void TSampleFm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TSampleFm::FormShow() {
    const std::vector<Sample>& samples = SamplesOf(g_.Choice);
    int widest = 0;
    for (int i = 1; i <= 10; ++i) {
        QRadioButton* b = RadioButton[i];
        const bool offered = i <= static_cast<int>(samples.size());
        if (offered) {
            b->setText(QString::fromLatin1(samples[i - 1].caption));
            b->adjustSize();
            b->resize(std::max(b->width(), 360), 22);
            widest = std::max(widest, b->width());
        }
        b->setVisible(offered);
    }
    // The long captions scroll sideways in the box.
    const int rows = std::max<int>(1, static_cast<int>(samples.size()));
    ScrollBox1->widget()->resize(std::max(372, widest + 12), 8 + kRowHeight * rows);
}

void TSampleFm::RadioButtonClick(int i) {
    const std::vector<Sample>& samples = SamplesOf(g_.Choice);
    g_.FunctionCalled = true;
    if (i >= 1 && i <= static_cast<int>(samples.size())) UseSample(g_, samples[i - 1]);
}

void TSampleFm::Close1Click() {
    hide();
    g_.FunctionCalled = true;
    if (w_ && IsGraphMode(g_.Choice)) w_->WriteFormulaLabels(FunctionLabels(g_, false));
}

}  // namespace vemlo
