#pragma once
/// The start menu: four graph modes and Quit. It is the program's main
/// form; closing it ends the program.

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vemlo {

class TPanel;

class TMainMenu1 : public QWidget {
    Q_OBJECT
public:
    explicit TMainMenu1(QWidget* parent = nullptr);

    TPanel* Panel1;
    TPanel* Panel2;
    TPanel* Panel3;
    QPushButton* btnChoice1;
    QPushButton* btnChoice2;
    QPushButton* btnChoice3;
    QPushButton* btnChoice4;
    QPushButton* btnChoice5;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Image1;
    QPlainTextEdit* Memo1;

    /// Shows the picture in Image1, stretched to its box.
    void SetImage1Picture(const QImage& picture);

    void btnChoice1Click();
    void btnChoice2Click();
    void btnChoice3Click();
    void btnChoice4Click();
    void btnChoice5Click();
    /// Gives the graph the defaults of the mode in Choice and shows the main
    /// graph window beside the start menu; does nothing for other choices.
    void Chosen();

protected:
    void closeEvent(QCloseEvent* event) override;
};

/// The start menu, created first at program start.
extern TMainMenu1* MainMenu1;

}  // namespace vemlo
