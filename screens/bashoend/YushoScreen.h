// YushoScreen, the yusho screen: the champion, the runners-up, the playoff.
#pragma once

#include "rules/bashoend/YushoDecision.h"
#include "screens/ScreenDialog.h"

#include <functional>
#include <utility>

class PlayerBout;
class QLabel;
class QPushButton;
struct Game;

class YushoScreen : public ScreenDialog {
    Q_OBJECT
public:
    explicit YushoScreen(Game& game, QWidget* parent = nullptr);

    // How the player's playoff bouts are fought (the start-up wires the bout
    // screen in). This screen stays visible behind the bout screen: hiding a
    // dialog inside exec() would end its exec().
    void setPlayerBout(PlayerBout* bout);

    // The pause after a bout the game decided. The screen goes on painting
    // (the result, and no button offered) while clicks and key presses made
    // meanwhile are thrown away, not acted on when it ends; tests may
    // shorten it.
    using Pause = std::function<void(int milliseconds)>;
    void setPause(Pause pause) { m_pause = std::move(pause); }
    const Pause& pause() const { return m_pause; }

    const YushoDecision& decision() const { return m_decision; }

    QLabel* m_ketteisenAnnounceLabel = nullptr;
    QLabel* m_junYushoLabel = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_beginKetteisenButton = nullptr;

public slots:
    void decideYusho(); // the set-up, and the decision when there is no tie
    void finish();
    void fightKetteisen();

signals:
    // A playoff bout that the game decided: its result is now up in
    // KetteisenAnnounceLabel, just before the pause.
    void announcementShown();

protected:
    void onShown() override; // once per opening
    // A tie must be played off before the screen can go: closing it by its
    // frame would leave the basho without a yusho.
    bool mayClose() const override;

private:
    Pause m_pause; // never empty: the game's own pause unless a test set another
    class Host;
    void apply();

    YushoDecision m_decision;
    PlayerBout* m_playerBout = nullptr;
    bool m_running = false; // the playoff is under way
    bool m_unsaved = false; // decided, but the save failed: OK saves again
    void saveDecision();
};
