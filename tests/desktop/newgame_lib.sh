# A new game started on the title screen as a player does: slot 1, the two names typed into
# the focused fields, the introduction closed, the main screen up. Sourced after lib.sh.
tk_new_game() {
    tk_wait_window BeginForm
    tk_wait_widget SaveData0
    tk_click SaveData0
    tk_wait_window NewGameWin
    tk_wait_widget NameText0
    tk_click NameText0
    tk_key T e n n i s
    tk_click NameText1
    tk_key Y a m a d a Return
    tk_wait_window MeSForm
    tk_click_text 閉じる
    tk_wait_window MainWin
    tk_wait_widget BottunSwich
}
