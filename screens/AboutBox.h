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

    QFrame* m_infoPanel;
    QLabel* m_iconLabel;
    QLabel* m_gameNameLabel;
    QLabel* m_taglineLabel;
    QLabel* m_versionLabel;
    QLabel* m_authorsLabel;
    QLabel* m_feedbackLabel;
    QPushButton* m_okButton;
};
