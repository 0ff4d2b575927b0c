// The main menu: the game's main window.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
struct Game;

class MainMenu : public QWidget {
    Q_OBJECT
public:
    explicit MainMenu(Game& game, QWidget* parent = nullptr);

    QLabel* m_titleLabel = nullptr;
    QFrame* m_buttonPanel = nullptr;
    QPushButton* m_tournamentButton = nullptr;
    QPushButton* m_viewBanzukeButton = nullptr;
    QPushButton* m_aboutButton = nullptr;
    QPushButton* m_quitButton = nullptr;
    QPushButton* m_createRikishiButton = nullptr;
    QPushButton* m_viewRikishiButton = nullptr;
    QPushButton* m_careerHistoryButton = nullptr;
    QPushButton* m_buildLabButton = nullptr;

public slots:
    void startTournament();
    void viewBanzuke();
    void showAbout();
    void quitGame();
    void createRikishi();
    void viewRikishi();

signals:
    // What the buttons ask for; the owner of the screens opens it.
    void tournamentWanted();
    void banzukeWanted();
    void aboutWanted();
    void creationWanted();
    void viewerWanted();
    void historyWanted();
    void buildLabWanted();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void buildButtonPanel();
    Game* m_game = nullptr; // never null
};
