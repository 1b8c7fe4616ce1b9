#!/usr/bin/env bash
# The focus after every kind of dialog, under a window manager as on a player's desktop:
# when a dialog closes by a click, a key or by itself, the X server's focus is on the window
# beneath and Qt's on the control it had, so the next key reaches the game.
. "$(dirname "$0")/lib.sh"
tk_setup "$1"
tk_start

# The new-game screen is a dialog of the title screen, and opens over it.
tk_wait_window BeginForm
tk_x_focus_is BeginForm SaveData0
tk_key Return
tk_wait_window NewGameWin
tk_x_focus_is NewGameWin NameText0
tk_type Team
tk_key Return
tk_type Boss
tk_key Return
tk_wait_window MeSForm
# The introduction waits for 閉じる, which Enter presses: the main screen has the keys again.
tk_key Return
tk_wait_gone MeSForm
tk_x_focus_is MainWin PlayerPanel
echo "ok: the introduction closed with Enter"

# 事務所 → スポンサー契約 → Esc, Esc: each window beneath gets the focus back.
tk_key 6
tk_wait_window ZimuWin
tk_x_focus_is ZimuWin
tk_click Spon_0
tk_wait_window SelectSponWin
tk_x_focus_is SelectSponWin
tk_key Escape
tk_wait_gone SelectSponWin
tk_x_focus_is ZimuWin Spon_0
tk_key Escape
tk_wait_gone ZimuWin
tk_x_focus_is MainWin PlayerPanel
echo "ok: the office and the sponsor screen, closed by keys"

# 土地詳細 → 購入 (a question), answered いいえ by a click: the lot screen keeps the focus.
tk_key F4
tk_wait_window TochiWin
tk_click TochiS_2
tk_wait_text LotName '.'
tk_click Buy
tk_wait_window MesQWin
tk_click_text 'いいえ'
tk_wait_gone MesQWin
tk_x_focus_is TochiWin
tk_key Escape
tk_wait_gone TochiWin
tk_x_focus_is MainWin PlayerPanel
echo "ok: the lot screen's question answered by a click"

# 試合 → 試合申込み: the question closes and the booking screen with it.
tk_key 3
tk_wait_window GameSetWin
tk_key Return
tk_wait_window MesQWin
tk_click_text 'はい'
tk_wait_gone GameSetWin
tk_x_focus_is MainWin PlayerPanel
echo "ok: a practice match booked"

# 設定 → 高速, so the practice weeks up to the match go by at once.
tk_key 5
tk_wait_window SetWIn
tk_click FastOption
tk_click OkButton
tk_wait_gone SetWIn
tk_x_focus_is MainWin PlayerPanel

# The match week: the match screens and their notices, then the main screen again.
title() { tk_line window MainWin | sed -e 's/^.* title=//'; }
weeks=0
while [ -z "$(tk_line window RegurarSetWin)" ]; do
    [ "$weeks" -lt 8 ] || tk_fail "no match within eight weeks"
    before="$(title)"
    tk_key Return
    tries=100
    while [ "$(title)" = "$before" ] && [ -z "$(tk_line window RegurarSetWin)" ] &&
        [ "$tries" -gt 0 ]; do
        sleep 0.1
        tries=$((tries - 1))
    done
    weeks=$((weeks + 1))
done
tk_key Return
tk_wait_window GameWin
tk_click ToResult
while [ -n "$(tk_line window GameWin)" ] || [ -n "$(tk_line window MeSForm)" ]; do
    [ -n "$(tk_line window MeSForm)" ] && tk_key Return
    kill -0 "$TK_PID" 2>/dev/null || tk_fail "the game ended during the match"
    sleep 0.2
done
tk_x_focus_is MainWin PlayerPanel
echo "ok: the end of a match"

# 選手 → スカウト → 依頼 (a question and a notice): the focus comes all the way back.
tk_key 7
tk_wait_window PlayerSetWin
tk_click_text '選手獲得 スカウト'
tk_wait_window IraiWin
tk_key Return
tk_wait_window MesQWin
tk_click_text 'はい'
while [ -n "$(tk_line window IraiWin)" ] || [ -n "$(tk_line window MeSForm)" ]; do
    [ -n "$(tk_line window MeSForm)" ] && tk_key Return
    sleep 0.2
done
tk_x_focus_is PlayerSetWin
tk_key Escape
tk_wait_gone PlayerSetWin
tk_x_focus_is MainWin PlayerPanel
echo "ok: a scouting request"

# A key after all that still reaches the game: Enter plays the week, whose end brings the
# camp choice; once chosen (Enter), the main screen has the keys again.
before="$(title)"
tk_key Return
tk_wait_window GasyuElectWin 30
tk_x_focus_is GasyuElectWin
tk_key Return
tries=100
while [ -n "$(tk_line window GasyuElectWin)" ] || [ -n "$(tk_line window MeSForm)" ] ||
    [ -n "$(tk_line window MesQWin)" ]; do
    [ "$tries" -gt 0 ] || tk_fail "the camp choice did not end"
    if [ -n "$(tk_line window MesQWin)" ]; then
        tk_click_text 'はい'
    elif [ -n "$(tk_line window MeSForm)" ]; then
        tk_key Return
    fi
    sleep 0.2
    tries=$((tries - 1))
done
tk_x_focus_is MainWin PlayerPanel
[ "$(title)" != "$before" ] || tk_fail "the week did not end"
echo "ok: the camp choice, and the keys still reach the game"
