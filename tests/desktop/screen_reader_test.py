#!/usr/bin/env python3
"""The first weeks of a season played as a screen reader user plays them: through AT-SPI only.

Title -> new game -> fast speed -> weeks through the command bar's press actions -> a
practice match with 結果へ -> the office -> save and quit. The date, funds and results are read
from the accessible tree and must change as the game plays; every screen passed on the way must
show no piece of information without accessible text.

Usage: screen_reader_test.py GAME DATA_DIR (run inside a private D-Bus session, under Xvfb).
"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

GAME, DATA = sys.argv[1], sys.argv[2]

# Containers that only hold other objects; what they hold is audited, not they.
CONTAINERS = {
    pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL, pyatspi.ROLE_SCROLL_PANE, pyatspi.ROLE_VIEWPORT,
    pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT, pyatspi.ROLE_MENU_BAR,
    pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE,
    pyatspi.ROLE_SPLIT_PANE, pyatspi.ROLE_LAYERED_PANE, pyatspi.ROLE_APPLICATION,
    pyatspi.ROLE_WINDOW,
}
# Parts of controls that show nothing of the game.
FURNITURE = {pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_SEPARATOR}

results = []  # (screen, named, showing, missing)
proc = None


def dump(acc, depth=0):
    """Prints the showing tree, as a screen reader would walk it."""
    if not showing(acc):
        return
    print("  " * depth + "[%s] %r %r %r" % (acc.getRoleName(), acc.name, acc.description,
                                            text_of(acc)[:60]), file=sys.stderr)
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            dump(child, depth + 1)


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    try:
        for w in windows():
            dump(w)
    except Exception:
        pass
    report()
    if proc and proc.poll() is None:
        proc.kill()
    elif proc:
        print("the game ended with %s:" % proc.returncode, file=sys.stderr)
        with open(os.path.join(os.path.dirname(DATA), "game.log")) as log:
            print(log.read()[-3000:], file=sys.stderr)
    sys.exit(1)


def wait_for(what, find, seconds=30.0):
    end = time.time() + seconds
    while time.time() < end:
        if proc.poll() is not None:
            fail("the game ended while waiting for " + what)
        try:
            found = find()
        except Exception:  # the tree changes under us while a window opens or closes
            found = None
        if found:
            return found
        time.sleep(0.1)
    fail("no " + what + " after %d s" % seconds)


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        try:
            if a is not None and a.get_process_id() == proc.pid:
                return a
        except Exception:
            pass
    return None


def showing(acc):
    try:
        state = acc.getState()
        return state.contains(pyatspi.STATE_SHOWING) and state.contains(pyatspi.STATE_VISIBLE)
    except Exception:
        return False


def parts_of(acc):
    parts = [acc.name or "", acc.description or ""]
    try:
        parts.append(acc.queryText().getText(0, -1))
    except NotImplementedError:
        pass
    return parts


def text_of(acc):
    """What a screen reader can read of an object: its name, description and text."""
    return " ".join(p for p in parts_of(acc) if p.strip())


def walk(acc):
    if not showing(acc):
        return
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def windows():
    a = app()
    if a is None:
        return []
    return [w for w in (a.getChildAtIndex(i) for i in range(a.childCount))
            if w is not None and showing(w)]


def window(name_pattern=None, role=None):
    for w in windows():
        if role is not None and w.getRole() != role:
            continue
        if name_pattern is None or re.search(name_pattern, w.name or ""):
            return w
    return None


def reads(acc, pattern):
    """Whether the name, the description or the text of an object reads `pattern`."""
    return any(re.search(pattern, part) for part in parts_of(acc))


def find(root, role=None, pattern=None):
    for acc in walk(root):
        if role is not None and acc.getRole() != role:
            continue
        if pattern is None or reads(acc, pattern):
            return acc
    return None


def press(root, pattern, role=None):
    """Presses the first showing object reading `pattern` through its accessible action."""
    roles = (role,) if role else (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON,
                                  pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_BOX)
    for acc in walk(root):
        if acc.getRole() in roles and re.search(pattern, acc.name or ""):
            action = acc.queryAction()
            names = [action.getName(i) for i in range(action.nActions)]
            for wanted in ("Press", "press", "click", "Toggle", "toggle", "ShowMenu"):
                if wanted in names:
                    action.doAction(names.index(wanted))
                    return acc
            fail("%s has no press action (%s)" % (pattern, names))
    fail("nothing to press reading /%s/" % pattern)


def audit(screen, root):
    """Counts the objects showing information and those a screen reader can read.
    TK_DUMP=<screen> prints the whole tree of that screen."""
    if os.environ.get("TK_DUMP") == screen:
        dump(root)
    showing_, named, missing = 0, 0, []
    for acc in walk(root):
        role = acc.getRole()
        if role in FURNITURE:
            continue
        if role in CONTAINERS and acc.childCount > 0:
            continue
        # A label without text or picture draws nothing (an empty value before a choice), nor
        # does the corner cell Qt puts before a table's column headers.
        if role == pyatspi.ROLE_LABEL and not "".join(parts_of(acc)):
            continue
        if (role == pyatspi.ROLE_PANEL and acc.parent.getRole() == pyatspi.ROLE_TABLE and
                acc.getIndexInParent() == 0 and not "".join(parts_of(acc))):
            continue
        showing_ += 1
        if text_of(acc).strip():
            named += 1
        else:
            try:
                ext = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                where = "at %d,%d %dx%d" % (ext.x, ext.y, ext.width, ext.height)
            except NotImplementedError:
                where = ""
            missing.append("%s %s in %s %r" % (acc.getRoleName(), where,
                                               acc.parent.getRoleName(), acc.parent.name))
    results.append((screen, named, showing_, missing))
    return missing


def report():
    print("| Screen | objects with a name or text / objects showing |")
    print("|---|---|")
    for screen, named, showing_, _ in results:
        print("| %s | %d / %d |" % (screen, named, showing_))
    for screen, _, _, missing in results:
        for m in missing:
            print("  %s: no text: %s" % (screen, m))


def close_messages():
    """Answers what the week put up: notices are closed, questions answered いいえ, the
    camp choice answered 行かない. A notice or question over the camp choice (one the choice
    itself put up) is answered first."""
    for _ in range(20):
        w = window(role=pyatspi.ROLE_ALERT)
        if w is not None:
            if not w.name or not w.description:
                fail("a notice without its text as name and description")
            print("notice: " + w.description)
            try:
                press(w, "^閉じる$")
            except Exception:
                pass  # it closed by itself
            time.sleep(0.3)
            continue
        q = find_question()
        if q is not None:
            print("question: " + q.description)
            press(q, "^いいえ$")
            time.sleep(0.3)
            continue
        camp = find_window_with("^行かない$")
        if camp is not None:
            print("camp: " + camp.name)
            audit("camp choice", camp)
            choice = press(camp, "^行かない$")
            # 決定 only once the choice has reached the screen.
            end = time.time() + 5
            while (not choice.getState().contains(pyatspi.STATE_CHECKED) and
                   time.time() < end):
                time.sleep(0.05)
            press(camp, "^決定$")
            time.sleep(0.3)
            continue
        return


def find_question():
    for w in windows():
        if w.getRole() == pyatspi.ROLE_DIALOG and find(w, pyatspi.ROLE_PUSH_BUTTON, "^はい$"):
            return w
    return None


def play_week(main_win, stop_at=None):
    """Presses 次の週へ and waits until the week is announced (answering what it puts up),
    or until a window reading `stop_at` opens; returns that window or None."""
    news = find(main_win, pattern=r"^今週のお知らせ").name
    press(main_win, "^次の週へ$")
    end = time.time() + 60
    while time.time() < end:
        if stop_at is not None:
            stopped = find_window_with(stop_at)
            if stopped is not None:
                return stopped
        if find(main_win, pattern=r"^今週のお知らせ").name != news:
            close_messages()
            print("news: " + find(main_win, pattern=r"^今週のお知らせ").name)
            return None
        close_messages()
        time.sleep(0.1)
    fail("the week was not announced: " + news)


def main_window():
    return window(r"^チーム名 ", pyatspi.ROLE_FRAME)


def label(root, pattern):
    acc = find(root, pyatspi.ROLE_LABEL, pattern)
    return text_of(acc) if acc else ""


def main():
    global proc
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    log = open(os.path.join(os.path.dirname(DATA), "game.log"), "w")
    proc = subprocess.Popen([GAME], env=env, stdout=log, stderr=subprocess.STDOUT)

    # Title: the first slot starts a new game.
    title = wait_for("title screen", lambda: find_window_with("^データ1$"))
    audit("title", title)
    press(title, "^データ1$")

    # New game: the two names typed through the editable text, then はじめる！.
    new_game = wait_for("new game", lambda: find_window_with("^はじめる！$"))
    audit("new game", new_game)
    edits = [acc for acc in walk(new_game)
             if acc.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)]
    if len(edits) < 2:
        fail("the new game screen has %d text fields" % len(edits))
    for acc, text in zip(edits, ("Team", "Boss")):
        acc.queryEditableText().setTextContents(text)
    press(new_game, "^はじめる！$")

    main_win = wait_for("main screen", main_window)
    close_messages()
    bar = wait_for("command bar", lambda: find(main_win, pyatspi.ROLE_PUSH_BUTTON, "^次の週へ$"))
    keys = bar.queryAction().getKeyBinding(0)
    if keys != "1":
        fail("次の週へ has key %r" % keys)
    audit("main screen", main_win)

    # Fast speed, through 設定.
    press(main_win, "^設定$")
    speed = wait_for("speed dialog", lambda: find_window_with("^高速$"))
    press(speed, "^高速$")
    press(speed, "^OK$")
    wait_for("speed dialog closed", lambda: not find_window_with("^高速$"))

    date = label(main_win, r"^\d+年目")
    funds = label(main_win, r"^資金 ")
    print("start: %s / %s" % (date.replace("\n", " "), funds))

    # A practice match next week: booked through 試合, its question answered はい.
    press(main_win, "^試合$")
    booking = wait_for("match settings", lambda: find_window_with("^試合申込み$"))
    audit("match settings", booking)
    press(booking, r"Lv\.1")
    press(booking, "^試合申込み$")
    question = wait_for("the booking question", find_question, 10)
    print("question: " + question.description)
    press(question, "^はい$")
    time.sleep(0.3)
    close_messages()
    booking = find_window_with("^試合申込み$")
    if booking is not None:
        press(booking, "^閉じる$")
    record = label(main_win, r"^成績 ")

    # Weeks through the command bar's press action, each announced, until the lineup opens
    # the match week.
    lineup = None
    for week in range(3):
        lineup = play_week(main_win, "番手と控えの選手を入れ替え")
        if lineup is not None:
            break
        new_date = label(main_win, r"^\d+年目")
        if new_date == date:
            fail("the date did not change: " + date)
        date = new_date
    if lineup is None:
        fail("the booked match never came")
    audit("lineup", lineup)
    press(lineup, "^決定$")
    match = wait_for("match", lambda: find_window_with("^結果へ$"), 30)
    audit("match", match)
    press(match, "^結果へ$")
    end = time.time() + 60
    while time.time() < end and find_window_with("^結果へ$"):
        close_messages()
        m = find_window_with("^結果へ$")
        if m is not None:
            closer = find(m, pyatspi.ROLE_PUSH_BUTTON, "^(閉じる|戻る|次へ)$")
            if closer is not None and closer.getState().contains(pyatspi.STATE_ENABLED):
                press(m, closer.name)
        time.sleep(0.3)
    close_messages()
    wait_for("the match week ends", lambda: label(main_win, r"^\d+年目") != date, 60)
    close_messages()
    news = find(main_win, pattern=r"^今週のお知らせ").name
    print("news: " + news)
    if label(main_win, r"^成績 ") == record or "試合結果" not in news:
        fail("no result read after the match: " + record)

    # On to the month end, whose upkeep moves the funds whatever the match brought.
    for week in range(4):
        if label(main_win, r"^資金 ") != funds:
            break
        play_week(main_win)
    new_funds = label(main_win, r"^資金 ")
    if new_funds == funds:
        fail("the funds did not change: " + funds)
    print("funds: %s -> %s" % (funds, new_funds))

    # The office, then the other screens a player reads, each closed again.
    press(main_win, "^事務所$")
    office = wait_for("office", lambda: find_window_with("^記録$"))
    audit("office", office)
    press(office, "^記録$")
    records = wait_for("records", lambda: other_window(main_win, office))
    audit("records", records)
    close(records)
    wait_for("records closed", lambda: not other_window(main_win, office))
    press(office, "^閉じる$")
    wait_for("office closed", lambda: not other_window(main_win))
    for screen, button in (("player detail", "^選手詳細$"), ("grounds", "^土地$"),
                           ("practice", "^練習$"), ("players and scouting", "^選手$"),
                           ("lot", "^土地詳細$")):
        press(main_win, button)
        shown = wait_for(screen, lambda: other_window(main_win))
        audit(screen, shown)
        if screen == "players and scouting":
            press(shown, "スカウト$")
            scouting = wait_for("scouting", lambda: other_window(main_win, shown))
            audit("scouting", scouting)
            close(scouting)
            wait_for("scouting closed", lambda: not other_window(main_win, shown))
        close(shown)
        wait_for(screen + " closed", lambda: not other_window(main_win))

    # Save and quit through the menu, answering its question.
    menu_item = find(main_win, pyatspi.ROLE_MENU_ITEM, "^保存して終了")
    if menu_item is None:
        press(main_win, "^ファイル", pyatspi.ROLE_MENU_ITEM)
        menu_item = wait_for("保存して終了", lambda: find_menu_item("^保存して終了"))
    # The menu entry runs its question inside the call, so the call is not waited for.
    pyatspi.Atspi.set_timeout(2000, -1)
    try:
        menu_item.queryAction().doAction(0)
    except GLib.Error:
        pass
    pyatspi.Atspi.set_timeout(25000, -1)
    question = wait_for("the save question", find_question)
    print("question: " + question.description)
    press(question, "^はい$")
    # Saved, the game is back on the title screen, whose slot reads the saved week; 終了 ends it.
    title = wait_for("the title again", lambda: find_window_with(r"^Team\n1年目"))
    audit("title, saved", title)
    press(title, "^終了$")
    try:
        proc.wait(30)
    except subprocess.TimeoutExpired:
        fail("the game did not end after 保存して終了")
    if not os.path.exists(os.path.join(DATA, "Save0.Kumo")):
        fail("no save in slot 1")

    report()
    bad = [r for r in results if r[1] != r[2]]
    if bad:
        print("FAIL: information without accessible text", file=sys.stderr)
        sys.exit(1)
    print("ok: a season's first weeks played through AT-SPI, every screen read in full")


def same(a, b):
    try:
        return a.path == b.path
    except AttributeError:
        return a == b


def other_window(*known):
    for w in windows():
        if not any(same(w, k) for k in known):
            return w
    return None


def close(w):
    """Leaves a screen by its closing button."""
    for name in ("^閉じる$", "^戻る$", "^キャンセル$", "^OK$", "^決定$"):
        button = find(w, pyatspi.ROLE_PUSH_BUTTON, name)
        if button is not None:
            press(w, name)
            return
    fail("no way to close " + (w.name or w.getRoleName()))


def find_window_with(pattern):
    for w in windows():
        if find(w, pattern=pattern) is not None:
            return w
    return None


def find_menu_item(pattern):
    a = app()
    for acc in walk(a):
        if acc.getRole() == pyatspi.ROLE_MENU_ITEM and re.search(pattern, acc.name or ""):
            return acc
    return None


if __name__ == "__main__":
    main()
