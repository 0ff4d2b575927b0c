// The main menu: the game's main window.
#pragma once

#include <QWidget>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;

class MainMenu : public QWidget {
    Q_OBJECT
public:
    explicit MainMenu(QWidget* parent = nullptr);

    QLabel* m_titleLabel;
    QFrame* Panel1;
    QPushButton* Button3;      // Tournament
    QPushButton* Button4;      // View Banzuke
    QPushButton* AboutButton;
    QPushButton* Button5;      // Quit
    QPushButton* Button1;      // Create Rikishi
    QPushButton* Button2;      // View Rikishi

    // What the buttons open, wired by the start-up once every screen exists.
    std::function<void()> openTournament;
    std::function<void()> openBanzuke;
    std::function<void()> openAbout;
    std::function<void()> openCreateRikishi;
    std::function<void()> openViewRikishi;

public slots:
    void FormCreate();
    void Button3Click();
    void Button4Click();
    void AboutButtonClick();
    void Button5Click();
    void Button1Click();
    void Button2Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
};

extern MainMenu* mainMenu;
