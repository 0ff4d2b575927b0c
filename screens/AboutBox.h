// The about box: a picture of our own and five lines about the game.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    QFrame* Bevel1;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* BitBtn1;
};

extern AboutBox* aboutBox;
