// The main menu: six buttons that open the game's screens.
#include "screens/MainMenu.h"

#include "rules/core/Game.h"
#include "screens/Accessibility.h"
#include "screens/Controls.h"
#include "screens/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

MainMenu::MainMenu(Game& game, QWidget* parent) : QWidget(parent), m_game(&game)
{
    setObjectName(QStringLiteral("mainMenu"));
    setWindowTitle(QStringLiteral("Kirimaki"));
    setWindowFlags(Qt::Window);
    setTitleBoxes(this, TitleBoxes::Fixed);
    centreWhenShown(this);

    m_titleLabel = makeLabel(this, "titleLabel", QStringLiteral("K i r i m a k i"));
    QFont title = m_titleLabel->font();
    title.setPointSize(title.pointSize() * 2);
    title.setBold(true);
    m_titleLabel->setFont(title);
    m_titleLabel->setAlignment(Qt::AlignCenter);

    buildButtonPanel();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 20);
    layout->addWidget(m_titleLabel);
    layout->addSpacing(8);
    layout->addWidget(m_buttonPanel);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab reads the rows in order, left to right.
    QWidget::setTabOrder(m_tournamentButton, m_viewBanzukeButton);
    QWidget::setTabOrder(m_viewBanzukeButton, m_createRikishiButton);
    QWidget::setTabOrder(m_createRikishiButton, m_viewRikishiButton);
    QWidget::setTabOrder(m_viewRikishiButton, m_aboutButton);
    QWidget::setTabOrder(m_aboutButton, m_quitButton);
    QWidget::setTabOrder(m_quitButton, m_careerHistoryButton);
    QWidget::setTabOrder(m_careerHistoryButton, m_buildLabButton);
    m_tournamentButton->setFocus();

    connect(m_tournamentButton, &QPushButton::clicked, this, &MainMenu::startTournament);
    connect(m_viewBanzukeButton, &QPushButton::clicked, this, &MainMenu::viewBanzuke);
    connect(m_aboutButton, &QPushButton::clicked, this, &MainMenu::showAbout);
    connect(m_quitButton, &QPushButton::clicked, this, &MainMenu::quitGame);
    connect(m_createRikishiButton, &QPushButton::clicked, this, &MainMenu::createRikishi);
    connect(m_viewRikishiButton, &QPushButton::clicked, this, &MainMenu::viewRikishi);
    connect(m_careerHistoryButton, &QPushButton::clicked, this, [this] {
        if (isOffered(m_careerHistoryButton))
            emit historyWanted();
    });
    connect(m_buildLabButton, &QPushButton::clicked, this, [this] {
        if (isOffered(m_buildLabButton))
            emit buildLabWanted();
    });
}

// The six buttons in their sunken panel.
void MainMenu::buildButtonPanel()
{
    m_buttonPanel = new QFrame(this);
    m_buttonPanel->setObjectName(QStringLiteral("buttonPanel"));
    m_buttonPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_buttonPanel->setLineWidth(2);

    m_tournamentButton = makeButton(m_buttonPanel, "tournamentButton", QStringLiteral("&Tournament"));
    m_viewBanzukeButton = makeButton(m_buttonPanel, "viewBanzukeButton", QStringLiteral("View &Banzuke"));
    m_aboutButton = makeButton(m_buttonPanel, "aboutButton", QStringLiteral("&About"));
    m_quitButton = makeButton(m_buttonPanel, "quitButton", QStringLiteral("&Quit"));
    m_createRikishiButton = makeButton(m_buttonPanel, "createRikishiButton", QStringLiteral("&Create Rikishi"));
    m_viewRikishiButton = makeButton(m_buttonPanel, "viewRikishiButton", QStringLiteral("View &Rikishi"));
    // Below the six: every basho the career has played, and the builds tried
    // in the lab.
    m_careerHistoryButton = makeButton(m_buttonPanel, "careerHistoryButton", QStringLiteral("Career &History"));
    m_buildLabButton = makeButton(m_buttonPanel, "buildLabButton", QStringLiteral("Build &Lab"));
    for (QPushButton* b : {m_tournamentButton, m_viewBanzukeButton, m_aboutButton, m_quitButton, m_createRikishiButton,
                           m_viewRikishiButton, m_careerHistoryButton, m_buildLabButton})
        b->setMinimumSize(150, 36);

    // Career buttons on the left, browsing on the right, leaving at the bottom.
    auto* grid = new QGridLayout(m_buttonPanel);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setSpacing(10);
    grid->addWidget(m_tournamentButton, 0, 0);
    grid->addWidget(m_createRikishiButton, 1, 0);
    grid->addWidget(m_viewBanzukeButton, 0, 1);
    grid->addWidget(m_viewRikishiButton, 1, 1);
    grid->addWidget(m_aboutButton, 2, 0);
    grid->addWidget(m_quitButton, 2, 1);
    grid->addWidget(m_careerHistoryButton, 3, 0);
    grid->addWidget(m_buildLabButton, 3, 1);
}

void MainMenu::startTournament()
{
    if (isOffered(m_tournamentButton))
        emit tournamentWanted();
}

void MainMenu::viewBanzuke()
{
    if (isOffered(m_viewBanzukeButton))
        emit banzukeWanted();
}

void MainMenu::showAbout()
{
    if (isOffered(m_aboutButton))
        emit aboutWanted();
}

void MainMenu::quitGame()
{
    if (isOffered(m_quitButton))
        close();
}

void MainMenu::createRikishi()
{
    if (isOffered(m_createRikishiButton))
        emit creationWanted();
}

void MainMenu::viewRikishi()
{
    if (isOffered(m_viewRikishiButton))
        emit viewerWanted();
}

void MainMenu::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    showFocusFromStart(this);
}

void MainMenu::keyPressEvent(QKeyEvent* e)
{
    if (!pressFocusedButton(this, e))
        QWidget::keyPressEvent(e);
}

void MainMenu::closeEvent(QCloseEvent* e)
{
    // Closing the main window ends the program, also while the viewer or the
    // banzuke view is still open (Qt alone would keep running for them).
    QWidget::closeEvent(e);
    QApplication::quit();
}
