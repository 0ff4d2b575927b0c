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

    QFrame* m_infoPanel = nullptr;
    QLabel* m_iconLabel = nullptr;
    QLabel* m_gameNameLabel = nullptr;
    QLabel* m_taglineLabel = nullptr;
    QLabel* m_versionLabel = nullptr;
    QLabel* m_authorsLabel = nullptr;
    QLabel* m_feedbackLabel = nullptr;
    QPushButton* m_okButton = nullptr;
};
