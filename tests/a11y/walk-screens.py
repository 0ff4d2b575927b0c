#!/usr/bin/python3
"""Reads the running game through the accessibility bus, as a screen reader
does, and plays it by keys as a player who does not use a mouse.

Every showing window is walked: each control must have a name of its own
in its window, each bar a value within its range, each field and bar a label
tied to it, no label may be read out from under a control, the bout's two
genki bars must be progress bars, and each window must lie on the 1280x1024
screen. By keys: Return presses the focused button; Tab goes round the main
menu row by row; Up raises a bar; and after every step focus is on a showing
control of the window the player is looking at (the one button offered, when
there is only one; the strategy just used, after an exchange; the day
results, after the leaderboard). All faults of a run are collected and
printed at the end, one a line: window, control, its object path and place
in the window's tree and on the screen, what is wrong.

  walk-screens.py --run tour|mono-ii|basho-end|scale --pid GAME-PID [--scale F]
"""

import argparse
import collections
import sys
import time

import pyatspi
from gi.repository import GLib

SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 1024

# Controls a player reaches and a screen reader must be able to name.
NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_SCROLL_BAR,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT,
    pyatspi.ROLE_PROGRESS_BAR, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST,
    pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE,
}
# Controls that show a number, which must be read as a value in a range.
VALUE_ROLES = {pyatspi.ROLE_SLIDER, pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_PROGRESS_BAR,
               pyatspi.ROLE_SPIN_BUTTON}
# Controls whose meaning comes from the caption beside them.
LABELLED_ROLES = VALUE_ROLES | {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY}

# Windows that show a number drawn by hand, which must be read as bars.
BARS_EXPECTED = {"Fight": 2}  # the two wrestlers' genki

# The buttons the players of this test choose, best first; a name is matched
# by its beginning, so that a shortcut added to it changes nothing.
ACTION_CHOICES = ["Receive", "Yotsu", "Mono-ii", "Fight!", "Close", "Win", "Lose",
                  "Begin", "Done", "OK"]
KEY_CHOICES = ["Receive", "Oshi", "Mono-ii", "Fight!", "Win", "Lose", "Bonus", "Close"]

KEY_TAB, KEY_RETURN, KEY_SPACE, KEY_UP = 0xFF09, 0xFF0D, 0x20, 0xFF52


# --- Reading the tree --------------------------------------------------------

def call(default, function, *args):
    """One question to the game; a window gone meanwhile answers `default`."""
    try:
        return function(*args)
    except (GLib.GError, LookupError, RuntimeError, NotImplementedError):
        return default


def states(acc):
    state = call(None, acc.getState)
    return set(state.getStates()) if state else set()


def showing(acc):
    return pyatspi.STATE_SHOWING in states(acc)


def children(acc):
    return [c for c in (call(None, acc.getChildAtIndex, i) for i in range(call(0, lambda: acc.childCount)))
            if c is not None]


def showing_descendants(acc, trail=()):
    """Every showing object under `acc` in reading order, with the child
    indices leading to it; what a hidden object holds is hidden too."""
    for i, child in enumerate(children(acc)):
        if showing(child):
            yield child, trail + (i,)
            yield from showing_descendants(child, trail + (i,))


def path_of(acc):
    return call("?", lambda: acc.path)


def name_of(acc):
    return call("", lambda: acc.name) or ""


def role_of(acc):
    return call(None, acc.getRole)


def role_name(acc):
    return call("?", acc.getRoleName)


def matches(acc, wanted):
    """Whether a control's name begins with `wanted`, ignoring case."""
    return name_of(acc).replace("&", "").lower().startswith(wanted.lower())


def extents(acc):
    component = call(None, acc.queryComponent)
    return call(None, component.getExtents, pyatspi.DESKTOP_COORDS) if component else None


def offered_buttons(window):
    """The buttons a player can press in `window` now."""
    return [acc for acc, _ in showing_descendants(window)
            if role_of(acc) == pyatspi.ROLE_PUSH_BUTTON and pyatspi.STATE_ENABLED in states(acc)]


def choose(buttons, choices):
    for wanted in choices:
        for button in buttons:
            if matches(button, wanted):
                return button
    return None


def snapshot(window):
    """What a window shows, to tell that a press did something."""
    return [(role_of(acc), name_of(acc)) for acc, _ in showing_descendants(window)]


def log(text):
    """A step of the run, for the reader of the report."""
    print("  " + text, flush=True)


# --- The faults --------------------------------------------------------------

class Faults:
    """Every fault found, each reported once with the number of times seen."""

    def __init__(self):
        self.counts = collections.OrderedDict()

    def add(self, window, what, control=None, trail=()):
        where = ""
        if control is not None:
            path = path_of(control)
            box = extents(control)
            child = "child %s, " % "/".join(map(str, trail)) if trail else ""
            where = ' %s "%s" at %s (%sx=%s y=%s)' % (role_name(control), name_of(control), path, child,
                                                     box.x if box else "?", box.y if box else "?")
        line = 'window "%s":%s %s' % (window, where, what)
        self.counts[line] = self.counts.get(line, 0) + 1

    def report(self, run):
        for line, count in self.counts.items():
            print("FAULT [%s] %s%s" % (run, line, " (seen %d times)" % count if count > 1 else ""))
        print("%s: %d faults" % (run, len(self.counts)))
        return not self.counts


# --- Checking a window -------------------------------------------------------

def check_placement(faults, window):
    box = extents(window)
    if box is None:
        return
    if box.x < 0 or box.y < 0 or box.x + box.width > SCREEN_WIDTH or box.y + box.height > SCREEN_HEIGHT:
        faults.add(name_of(window), "lies outside the screen (%dx%d before scaling): x=%d y=%d, %dx%d"
                   % (SCREEN_WIDTH, SCREEN_HEIGHT, box.x, box.y, box.width, box.height))


def value_fault(acc):
    value = call(None, acc.queryValue)
    if value is None:
        return "has no value"
    low, high, now = value.minimumValue, value.maximumValue, value.currentValue
    if not low <= now <= high:
        return "has the value %g outside its range %g to %g" % (now, low, high)
    return None


def labelled(acc):
    relations = call([], acc.getRelationSet)
    return any(r.getRelationType() == pyatspi.RELATION_LABELLED_BY for r in relations)


def scrolls_a_view(acc):
    """A scroll bar of a scrolled view has no caption of its own to tie."""
    parent = call(None, lambda: acc.parent)
    return role_of(acc) == pyatspi.ROLE_SCROLL_BAR and parent is not None and role_of(parent) in (
        pyatspi.ROLE_SCROLL_PANE, pyatspi.ROLE_FILLER) and not name_of(parent).strip()


def control_faults(acc):
    """What is wrong with one control, in words."""
    role, wrong = role_of(acc), []
    if not name_of(acc).strip():
        wrong.append("has no accessible name")
    if role in VALUE_ROLES:
        wrong.append(value_fault(acc))
    if role in LABELLED_ROLES and not labelled(acc) and not scrolls_a_view(acc):
        wrong.append("has no label tied to it")
    return [w for w in wrong if w]


def contains(box, x, y):
    return box.x <= x < box.x + box.width and box.y <= y < box.y + box.height


def check_covered_labels(faults, title, labels, controls):
    """A label drawn over by a control beside it is read out but cannot be
    seen. (Only beside it: a label scrolled out of a view is clipped, not
    covered, whatever lies at its place outside the view.)"""
    boxes = [(control, trail[:-1], extents(control)) for control, trail in controls]
    for label, trail in labels:
        box = extents(label)
        for control, parent, over in boxes:
            if parent == trail[:-1] and box and over and contains(over, box.x + box.width // 2,
                                                                  box.y + box.height // 2):
                faults.add(title, 'is read as showing but lies under %s "%s"'
                           % (role_name(control), name_of(control)), label, trail)


def check_window(faults, window):
    """Names, values, labels and placement of every showing control."""
    title = name_of(window)
    box = extents(window)
    log('walking "%s" at x=%s y=%s, %sx%s' % (title, box.x, box.y, box.width, box.height) if box else title)
    check_placement(faults, window)
    controls, labels, caption = [], [], ""
    for acc, trail in showing_descendants(window):
        if role_of(acc) == pyatspi.ROLE_LABEL and name_of(acc).strip():
            caption = name_of(acc)
            labels.append((acc, trail))
        elif role_of(acc) in NAMED_ROLES:
            controls.append((acc, trail))
            wrong = control_faults(acc)
            if wrong:
                faults.add(title, "%s (read after the label \"%s\")" % ("; ".join(wrong), caption), acc, trail)
    check_covered_labels(faults, title, labels, controls)
    names = collections.Counter(name_of(a) for a, _ in controls if name_of(a).strip())
    for name, count in names.items():
        if count > 1:
            faults.add(title, 'has %d controls named "%s"' % (count, name))
    bars = sum(1 for a, _ in controls if role_of(a) == pyatspi.ROLE_PROGRESS_BAR)
    if bars < BARS_EXPECTED.get(title, 0):
        faults.add(title, "shows %d progress bars, not the %d its drawn bars are"
                   % (bars, BARS_EXPECTED[title]))


# --- The game on the bus -----------------------------------------------------

class Game:
    """The game's application on the accessibility bus, and its windows."""

    def __init__(self, pid, faults):
        self.faults = faults
        self.app = self.wait(lambda: self.find_app(pid), 20, "the game on the accessibility bus")

    @staticmethod
    def find_app(pid):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if call(None, app.get_process_id) == pid:
                app.set_cache_mask(0)  # read every answer afresh: the screens change under us
                return app
        return None

    @staticmethod
    def wait(find, seconds, what):
        """Polls `find` until it answers; stops the run when it never does."""
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            found = find()
            if found:
                return found
            time.sleep(0.05)
        raise TimeoutError("waited %g s for %s" % (seconds, what))

    def windows(self):
        return [w for w in children(self.app) if showing(w)]

    def window(self, title):
        return next((w for w in self.windows() if name_of(w) == title), None)

    def wait_window(self, title, seconds=10):
        return self.wait(lambda: self.window(title), seconds, 'the window "%s"' % title)

    def wait_closed(self, title, seconds=10):
        self.wait(lambda: self.window(title) is None, seconds, 'the window "%s" to close' % title)

    def active(self):
        return next((w for w in self.windows() if pyatspi.STATE_ACTIVE in states(w)), None)

    def focused(self):
        """The focused control and its window, or (None, None)."""
        # The active window first: it is where focus belongs, and the quickest read.
        for window in sorted(self.windows(), key=lambda w: pyatspi.STATE_ACTIVE not in states(w)):
            for acc, trail in showing_descendants(window):
                if pyatspi.STATE_FOCUSED in states(acc):
                    return acc, window
        return None, None

    def hidden_focus(self):
        """A focused control that is not showing, if any."""
        stack = children(self.app)
        while stack:
            node = stack.pop()
            if pyatspi.STATE_FOCUSED in states(node):
                return node
            stack.extend(children(node))
        return None

    def press(self, window, name):
        """Presses a button through its accessible action. A press that opens
        a modal screen answers only when that screen closes: the call's error
        is expected, and the caller looks for the new window instead."""
        button = choose(offered_buttons(window), [name])
        if button is None:
            raise LookupError('"%s" offers no button "%s"' % (name_of(window), name))
        try:
            button.queryAction().doAction(0)
        except GLib.GError:
            pass

    def check_focus(self, title, step, wanted=None, seconds=2):
        """Focus must come to a showing control of the window `title` (named
        `wanted`, when given) within `seconds`; returns the focused control."""
        end = time.monotonic() + seconds
        while True:
            acc, window = self.focused()
            here = acc is not None and name_of(window) == title
            if here and (wanted is None or matches(acc, wanted)):
                if pyatspi.STATE_ACTIVE not in states(window):
                    self.faults.add(title, "%s: holds focus but is not the active window" % step)
                return acc
            if time.monotonic() > end:
                break
            time.sleep(0.05)
        if acc is None:
            hidden = self.hidden_focus()
            self.faults.add(title, "%s: no showing control has focus%s" % (
                step, ' (it is on the hidden %s "%s")' % (role_name(hidden), name_of(hidden)) if hidden else ""))
        elif not here:
            self.faults.add(title, '%s: focus is on %s "%s" in the window "%s", not in this one'
                            % (step, role_name(acc), name_of(acc), name_of(window)))
        else:
            self.faults.add(title, '%s: focus is on %s "%s", not on "%s"'
                            % (step, role_name(acc), name_of(acc), wanted))
        return acc if here else None


# --- Playing by keys ---------------------------------------------------------

class Keyboard:
    """A player with keys only: Tab to a button, Return to press it."""

    def __init__(self, game):
        self.game = game

    @staticmethod
    def key(keysym):
        pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)

    def tab_order(self, title):
        """The buttons of a window as Tab visits them, once round."""
        order = []
        for _ in range(40):
            acc = self.game.check_focus(title, "Tab round", seconds=1)
            if acc is None or (order and path_of(acc) == path_of(order[0])):
                break
            order.append(acc)
            self.key(KEY_TAB)
            time.sleep(0.05)
        return order

    def check_reading_order(self, title):
        """Tab must visit the buttons of a window row by row, left to right."""
        visited = self.tab_order(title)
        rows = sorted(visited, key=lambda acc: (extents(acc).y, extents(acc).x))
        if [path_of(a) for a in visited] != [path_of(a) for a in rows]:
            self.game.faults.add(title, "Tab visits %s, not row by row as they read: %s" % (
                ", ".join('"%s"' % name_of(a) for a in visited), ", ".join('"%s"' % name_of(a) for a in rows)))

    def tab_to(self, title, wanted, step):
        """Tabs until `wanted` has focus; False when a round never reaches it."""
        for _ in range(40):
            acc = self.game.check_focus(title, step, seconds=1)
            if acc is not None and matches(acc, wanted):
                return True
            self.key(KEY_TAB)
            time.sleep(0.05)
        self.game.faults.add(title, '%s: Tab never brings focus to "%s"' % (step, wanted))
        return False

    def press(self, title, wanted, reacted, step, focused_first=True):
        """Brings focus to `wanted` in the window `title` and presses it by
        Return, falling back to Space and then to the accessible action, so
        that one fault does not end the run. With `focused_first`, `wanted`
        is where the player acts next and must have focus on arrival."""
        if focused_first:
            self.game.check_focus(title, step + ", on arrival", wanted, seconds=1)
        reached = self.tab_to(title, wanted, step)
        window = self.game.window(title)
        if reached:
            for keysym, label in ((KEY_RETURN, "Return"), (KEY_SPACE, "Space")):
                log('%s: %s on "%s"' % (step, label, wanted))
                self.key(keysym)
                if poll(reacted, 2):
                    return
                self.game.faults.add(title, '%s: %s on the focused "%s" does nothing' % (step, label, wanted))
        self.game.press(window, wanted)
        if not poll(reacted, 5):
            raise TimeoutError('%s: pressing "%s" did nothing' % (step, wanted))


def poll(condition, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if condition():
            return True
        time.sleep(0.05)
    return False


# --- The runs ----------------------------------------------------------------

def visit(game, main, button, title, close, then=None):
    """Opens a screen from the main menu, walks it (and does `then` there)
    and closes it again."""
    game.press(main, button)
    window = game.wait_window(title)
    check_window(game.faults, window)
    game.check_focus(title, "on opening")
    if then:
        then(window)
    game.press(window, close)
    game.wait_closed(title)
    game.check_focus("Kirimaki", 'after "%s" closed' % title)


def check_up_raises(game, window):
    """Up on the Strength bar raises its value, as on every bar (Strength:
    the body bars may stand at what their pool allows)."""
    keyboard, title = Keyboard(game), name_of(window)
    for _ in range(40):
        bar = game.check_focus(title, "Tab to a bar", seconds=1)
        if bar is not None and role_of(bar) in (pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_SLIDER) and matches(bar, "Strength"):
            break
        keyboard.key(KEY_TAB)
        time.sleep(0.05)
    else:
        game.faults.add(title, "Tab never reaches a bar")
        return
    value = call(None, bar.queryValue)
    if value is None:
        return  # reported with the window's controls
    before = value.currentValue
    keyboard.key(KEY_UP)
    poll(lambda: value.currentValue != before, 1)
    if value.currentValue < before:
        game.faults.add(title, "Up lowers the value from %g to %g" % (before, value.currentValue), bar)
    elif value.currentValue == before < value.maximumValue:
        game.faults.add(title, "Up leaves the value at %g" % before, bar)


def study_by_keys(game, window):
    """The lab's study by keys: Return on Start, then on Cancel, where the
    focus went; the lab is walked again as the stopped study left it."""
    keyboard, title = Keyboard(game), name_of(window)
    offers = lambda name: lambda: game.window(title) and choose(offered_buttons(game.window(title)), [name])
    keyboard.press(title, "Start", offers("Cancel"), "lab, Start", focused_first=False)
    keyboard.press(title, "Cancel", offers("Start"), "lab, Cancel")
    game.check_focus(title, "after the study stopped", "Start")
    check_window(game.faults, game.window(title))


def train_by_keys(game, keyboard):
    """The bonus screen by keys: one point spent, then Done."""
    title = "Bonus Statistic Increase"
    window = game.wait_window(title)
    check_window(game.faults, window)
    check_focus_on_offered(game, window, "bonus, on arrival")
    first = choose([b for b in offered_buttons(window) if not matches(b, "Done")], [""])
    if first is not None:
        wanted = name_of(first)
        before = snapshot(window)
        keyboard.press(title, wanted, lambda: snapshot(window) != before, 'bonus, "%s"' % wanted,
                       focused_first=False)
    keyboard.press(title, "Done", lambda: game.window(title) is None, "bonus, Done", focused_first=False)
    game.check_focus("Fight", "after the bonus screen", "Close")


def check_focus_on_offered(game, window, step):
    """Focus belongs on a button the player can press now, and on the only
    one where there is only one (the result, the bonus, Close)."""
    offered = offered_buttons(window)
    title = name_of(window)
    only = name_of(offered[0]).replace("&", "") if len(offered) == 1 else None
    focus = game.check_focus(title, step, only, seconds=1)
    if focus is not None and only is None and path_of(focus) not in {path_of(b) for b in offered}:
        game.faults.add(title, '%s: focus is on %s "%s", which offers nothing now'
                        % (step, role_name(focus), name_of(focus)))


def bout_step_by_keys(game, keyboard, bout, target, step):
    """Presses one button of the bout by keys and checks where focus went."""
    wanted = name_of(target).replace("&", "")
    check_focus_on_offered(game, bout, 'bout step %d, on arrival' % step)
    before = snapshot(bout)
    bonus = matches(target, "Bonus")
    reacted = (lambda: game.window("Bonus Statistic Increase")) if bonus else (
        lambda: game.window("Fight") is None or snapshot(bout) != before)
    keyboard.press("Fight", wanted, reacted, 'bout step %d, "%s"' % (step, wanted), focused_first=False)
    if bonus:
        train_by_keys(game, keyboard)
        return
    still = game.window("Fight")
    if still is not None and choose(offered_buttons(still), [wanted]) is not None:
        game.check_focus("Fight", 'after "%s"' % wanted, wanted, seconds=0.5)


def play_bout_by_keys(game, keyboard):
    """The bout by Tab and Return, focus checked after every step."""
    step = 0
    while game.window("Fight") is not None:
        bout = game.window("Fight")
        target = choose(offered_buttons(bout), KEY_CHOICES)
        if target is None:
            time.sleep(0.05)  # between two steps of the bout
            continue
        step += 1
        check_window(game.faults, bout)
        bout_step_by_keys(game, keyboard, bout, target, step)


def tour(game):
    """Every screen the main menu opens, then a day and a bout by keys."""
    main = game.wait_window("Kirimaki")
    check_window(game.faults, main)
    game.check_focus("Kirimaki", "on opening", "Tournament")
    visit(game, main, "Create Rikishi", "Create Rikishi", "Cancel", lambda w: check_up_raises(game, w))
    for button, title, close in (("View Rikishi", "View Rikishi", "Close"),
                                 ("View Banzuke", "Banzuke", "Close"),
                                 ("About", "About Kirimaki", "OK")):
        visit(game, main, button, title, close)
    visit(game, main, "Build Lab", "Build Lab", "Close", lambda w: study_by_keys(game, w))
    keyboard = Keyboard(game)
    keyboard.check_reading_order("Kirimaki")
    keyboard.press("Kirimaki", "Tournament", lambda: game.window(" Kekka"), "main menu")
    check_window(game.faults, game.wait_window(" Kekka"))
    keyboard.press(" Kekka", "Fight", lambda: game.window("Fight"), "day results")
    play_bout_by_keys(game, keyboard)
    board = game.wait_window("Tournament Leaderboard")
    check_window(game.faults, board)
    keyboard.press("Tournament Leaderboard", "OK", lambda: not game.window("Tournament Leaderboard"),
                   "leaderboard")
    game.check_focus(" Kekka", "after the leaderboard's OK", "Next Day")


def drive_by_actions(game, done, seconds=60):
    """Presses what is offered in the window the player sees, walking each
    window in each new state, until `done`."""
    end = time.monotonic() + seconds
    walked = set()
    while not done():
        if time.monotonic() > end:
            raise TimeoutError("the screens did not come to an end in %d s" % seconds)
        window = game.active()
        button = choose(offered_buttons(window), ACTION_CHOICES) if window else None
        if button is None:
            time.sleep(0.05)  # a pause, or a window on its way
            continue
        title, shown = name_of(window), tuple(name_of(b) for b in offered_buttons(window))
        if (title, shown) not in walked:
            walked.add((title, shown))
            check_window(game.faults, window)
            game.check_focus(title, "showing %s" % ", ".join('"%s"' % s for s in shown))
        before = snapshot(window)
        log('"%s": pressing "%s"' % (title, name_of(button)))
        game.press(window, name_of(button).replace("&", ""))
        poll(lambda: game.active() != window or snapshot(window) != before, 5)


def fight_from_main_menu(game):
    """Tournament, then Fight: the day's bout is on the screen."""
    main = game.wait_window("Kirimaki")
    game.press(main, "Tournament")
    day = game.wait_window(" Kekka")
    check_window(game.faults, day)
    game.press(day, "Fight")
    game.wait_window("Fight")
    return main, day


def mono_ii(game):
    """A bout whose close finish the judges look at, by accessible actions."""
    _, day = fight_from_main_menu(game)
    drive_by_actions(game, lambda: game.window("Fight") is None and game.active() == day)
    game.check_focus(" Kekka", "after the bout", "Next Day")


def basho_end(game):
    """The last day's bout, the playoff and the end of the basho."""
    main, _ = fight_from_main_menu(game)
    drive_by_actions(game, lambda: game.window(" Kekka") is None and game.active() == main)
    check_window(game.faults, main)
    game.check_focus("Kirimaki", "after the end of the basho")


def scale(game):
    """At twice the size every window must still lie on the screen."""
    main = game.wait_window("Kirimaki")
    check_placement(game.faults, main)
    for button, title, close in (("Create Rikishi", "Create Rikishi", "Cancel"),
                                 ("View Rikishi", "View Rikishi", "Close"),
                                 ("View Banzuke", "Banzuke", "Close"),
                                 ("Build Lab", "Build Lab", "Close")):
        game.press(main, button)
        check_placement(game.faults, game.wait_window(title))
        game.press(game.window(title), close)
        game.wait_closed(title)
    game.press(main, "Tournament")
    day = game.wait_window(" Kekka")
    check_placement(game.faults, day)
    game.press(day, "Fight")
    check_placement(game.faults, game.wait_window("Fight"))


RUNS = {"tour": tour, "mono-ii": mono_ii, "basho-end": basho_end, "scale": scale}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--run", choices=sorted(RUNS), required=True)
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--scale", type=float, default=1.0,
                        help="the game's QT_SCALE_FACTOR: the bus reports sizes before scaling")
    args = parser.parse_args()
    global SCREEN_WIDTH, SCREEN_HEIGHT
    SCREEN_WIDTH, SCREEN_HEIGHT = int(SCREEN_WIDTH / args.scale), int(SCREEN_HEIGHT / args.scale)
    pyatspi.setTimeout(1500, 20000)  # a press that opens a modal screen answers late
    faults = Faults()
    started = time.monotonic()
    try:
        RUNS[args.run](Game(args.pid, faults))
    except (TimeoutError, LookupError) as stopped:
        faults.add("-", "the run stopped: %s" % stopped)
    print("%s: walked in %.1f s" % (args.run, time.monotonic() - started))
    return 0 if faults.report(args.run) else 1


if __name__ == "__main__":
    sys.exit(main())
