// The main menu: the game's main window.
#pragma once

#include <QWidget>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;
struct Game;

class MainMenu : public QWidget {
    Q_OBJECT
public:
    explicit MainMenu(Game& game, QWidget* parent = nullptr);

    QLabel* m_titleLabel;
    QFrame* m_buttonPanel;
    QPushButton* m_tournamentButton;
    QPushButton* m_viewBanzukeButton;
    QPushButton* m_aboutButton;
    QPushButton* m_quitButton;
    QPushButton* m_createRikishiButton;
    QPushButton* m_viewRikishiButton;

    // What the buttons open, wired by the start-up once every screen exists.
    std::function<void()> openTournament;
    std::function<void()> openBanzuke;
    std::function<void()> openAbout;
    std::function<void()> openCreateRikishi;
    std::function<void()> openViewRikishi;

public slots:
    void startTournament();
    void viewBanzuke();
    void showAbout();
    void quitGame();
    void createRikishi();
    void viewRikishi();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Game* m_game;   // never null
};
