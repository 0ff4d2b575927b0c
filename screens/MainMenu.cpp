// The main menu: six buttons that open the game's screens.
#include "screens/MainMenu.h"

#include "rules/core/Game.h"
#include "game/GameState.h"
#include "screens/ScreenDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>


MainMenu* mainMenu = nullptr;

namespace {

void call(const std::function<void()>& f)
{
    if (f)
        f();
}

} // namespace

MainMenu::MainMenu(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MainMenuForm1"));
    setWindowTitle(QStringLiteral("Kirimaki"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    m_titleLabel = makeLabel(this, "titleLabel", QStringLiteral("K i r i m a k i"));
    QFont title = m_titleLabel->font();
    title.setPointSize(title.pointSize() * 2);
    title.setBold(true);
    m_titleLabel->setFont(title);
    m_titleLabel->setAlignment(Qt::AlignCenter);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);

    Button3 = makeButton(Panel1, "Button3", QStringLiteral("&Tournament"));
    Button4 = makeButton(Panel1, "Button4", QStringLiteral("View &Banzuke"));
    AboutButton = makeButton(Panel1, "AboutButton", QStringLiteral("&About"));
    Button5 = makeButton(Panel1, "Button5", QStringLiteral("&Quit"));
    Button1 = makeButton(Panel1, "Button1", QStringLiteral("&Create Rikishi"));
    Button2 = makeButton(Panel1, "Button2", QStringLiteral("View &Rikishi"));
    for (QPushButton* b : {Button3, Button4, AboutButton, Button5, Button1, Button2})
        b->setMinimumSize(150, 36);

    // Career buttons on the left, browsing on the right, leaving at the bottom.
    auto* grid = new QGridLayout(Panel1);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setSpacing(10);
    grid->addWidget(Button3, 0, 0);
    grid->addWidget(Button1, 1, 0);
    grid->addWidget(Button4, 0, 1);
    grid->addWidget(Button2, 1, 1);
    grid->addWidget(AboutButton, 2, 0);
    grid->addWidget(Button5, 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 20);
    layout->addWidget(m_titleLabel);
    layout->addSpacing(8);
    layout->addWidget(Panel1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget::setTabOrder(Button3, Button4);
    QWidget::setTabOrder(Button4, AboutButton);
    QWidget::setTabOrder(AboutButton, Button5);
    QWidget::setTabOrder(Button5, Button1);
    QWidget::setTabOrder(Button1, Button2);
    Button3->setFocus();

    connect(Button3, &QPushButton::clicked, this, &MainMenu::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &MainMenu::Button4Click);
    connect(AboutButton, &QPushButton::clicked, this, &MainMenu::AboutButtonClick);
    connect(Button5, &QPushButton::clicked, this, &MainMenu::Button5Click);
    connect(Button1, &QPushButton::clicked, this, &MainMenu::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &MainMenu::Button2Click);

    FormCreate();
}

void MainMenu::FormCreate()
{
    gameState().rng.seed(startingSeed());
}

void MainMenu::Button3Click()
{
    if (isOffered(Button3))
        call(openTournament);
}

void MainMenu::Button4Click()
{
    if (isOffered(Button4))
        call(openBanzuke);
}

void MainMenu::AboutButtonClick()
{
    if (isOffered(AboutButton))
        call(openAbout);
}

void MainMenu::Button5Click()
{
    if (isOffered(Button5))
        close();
}

void MainMenu::Button1Click()
{
    if (isOffered(Button1))
        call(openCreateRikishi);
}

void MainMenu::Button2Click()
{
    if (isOffered(Button2))
        call(openViewRikishi);
}

void MainMenu::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!e->spontaneous())
        centreOnScreen(this);
}

void MainMenu::closeEvent(QCloseEvent* e)
{
    // Closing the main window ends the program, also while the viewer or the
    // banzuke view is still open (Qt alone would keep running for them).
    QWidget::closeEvent(e);
    QApplication::quit();
}
