# The key cases of the real-window check, sourced by scripts/window_check.sh (which provides
# probe, new_folder, start_game, stop_game, wait_exit, alive, $fixture, $work and $shots).
# Each try runs in a fresh game process on a fresh player folder. What a case trusts, in
# this order: what the program leaves behind (its end and exit status, Option.dat, the save),
# then a region of the screen compared with what the same run drew there before.
#   title-drag     A stray click, then a drag released over "Help Files", on the title menu;
#                  then S, C, Q, Y, Esc: the settings open and close, Really Quit? is answered,
#                  Esc ends the program from the end quotes (status 0).
#   kit-drag       The same click and drag on the construction kit's main screen (released over
#                  "Map"); then S, N (the search question), C (a panel page), Q, Y (out of the
#                  kit), and S, C, Q, Y, Esc on the title menu.
#   held-up        The settings screen stopped (kill -STOP), the Game Delay field clicked, 7 and
#                  Return typed, resumed 0.3 s later (kill -CONT); then A: Option.dat's game
#                  delay is 7. Six tries.
#   arrow          B typed while a goblin archer's arrow is in flight: the targeting opens once
#                  the arrow has landed, as B at rest opens it.
#   quit-together  Q and Y typed together on the title menu: the end quotes; N and a second Y
#                  change nothing there; Esc ends the program.
#   temple         At the temple of a poisoned hero, B (Restore Body) and Y 0.2 s later, the
#                  mouse untouched: the temple's page is back once the prayer's pauses are over,
#                  and the save made next (L, Ctrl+F) holds the cure and its 50 gold.
#   stroke         In the kit, a floor tile picked (T, a click), the left button pressed just
#                  right of the map's last row and the mouse moved left across it in steps to
#                  the map's edge: the level saved (F4, Y) holds the tile on all 13 squares.
#   held-right     The game stopped, Right held down 1.5 s and let go, the game resumed: the
#                  system's repeats of the key are no presses, the hero walks two squares east
#                  at most (Ctrl+F saves where he stands).
#   quick-taps     Nine taps of Right 1 ms apart: the hero walks exactly nine squares east.
#   capitals       A new hero named by typing AbCdEfGh 1 ms a key: the save holds AbCdEfGh.

full=(0 0 640 480)

# grab NAME X Y W H: the region as the reference NAME.
grab() { probe grab "${@:2}" "$work/$1"; }
# shows NAME X Y W H: the region shows the reference (at most a 400th of its pixels differ).
shows() { probe same "${@:2}" "$work/$1" >/dev/null; }
# shows_within NAME MS X Y W H / leaves_within NAME MS X Y W H: it comes to show it, or not.
shows_within() { probe wait-same "${@:3}" "$work/$1" "$2" >/dev/null; }
leaves_within() { probe wait-other "${@:3}" "$work/$1" "$2" >/dev/null; }

# settle [QUIET_MS] [TIMEOUT_S]: the screen has not changed for QUIET_MS.
settle() {
    local end=$((SECONDS + ${2:-10}))
    while [ $SECONDS -lt $end ]; do
        probe wait-change "${full[@]}" "${1:-300}" >/dev/null || return 0
    done
    return 1
}

# The title intro animates without pause (the maker banner before it stands still).
wait_animating() {
    local end=$((SECONDS + $1))
    while [ $SECONDS -lt $end ]; do
        probe wait-change "${full[@]}" 400 >/dev/null && probe wait-change "${full[@]}" 400 >/dev/null && return 0
    done
    return 1
}

# must WHY COMMAND...: the command succeeds, or the try fails for WHY.
must() {
    local what=$1
    shift
    "$@" && return 0
    why=$what
    return 1
}

# A key, then the screen (or the region given) changes from what it showed, or comes back
# to the reference named.
key_changes() {
    local region=("${@:2}")
    [ ${#region[@]} = 4 ] || region=("${full[@]}")
    grab before "${region[@]}"
    xdotool key "$1"
    leaves_within before 5000 "${region[@]}" && settle
}
key_back() {
    xdotool key "$1"
    shows_within "$2" 5000 "${full[@]}" && settle
}

# The title menu after the maker banner and the title intro, skipped with Esc; its screen
# becomes the reference "title".
enter_title_menu() {
    must "the title intro did not show" wait_animating 40 || return 1
    xdotool key Escape
    must "the title intro did not take Esc" settle 600 10 || return 1
    grab title "${full[@]}"
}

# The same with the title pages trimmed: the menu is the first thing drawn.
enter_trimmed_title_menu() {
    must "nothing was drawn" probe wait-drawn "${full[@]}" 30000 >/dev/null || return 1
    must "the title menu did not settle" settle 600 10 || return 1
    grab title "${full[@]}"
}

# read_back DATA REQUEST: the fixture's answer about what the game writes, once it is written
# (5 s at most).
read_back() {
    local i
    for i in $(seq 50); do
        "$fixture" "$1/vexmoor" "$2" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# Restore Character, slot 1, Load: the play screen.
restore_slot_1() {
    must "R did not open Restore Character" key_changes r || return 1
    must "1 did not select slot 1" key_changes 1 70 115 220 20 || return 1
    must "L did not load the slot" key_changes l || return 1
    must "the play screen did not settle" settle 600 10
}

# stray_drag X1 Y1 X2 Y2 X3 Y3: a click at the first spot; the button pressed at the second,
# the mouse moved to the third and the button let go there.
stray_drag() {
    xdotool mousemove "$1" "$2" click 1
    sleep 0.3
    xdotool mousemove "$3" "$4"
    sleep 0.1
    xdotool mousedown 1
    sleep 0.2
    xdotool mousemove "$5" "$6"
    sleep 0.2
    xdotool mouseup 1
    sleep 0.5
}

# S, C, Q, Y and Esc on the title menu: the program ends from the end quotes.
quit_from_title_menu() {
    must "S did not open the settings" key_changes s || return 1
    must "C did not bring the title menu back" key_back c title || return 1
    must "Q did not ask Really Quit?" key_changes q || return 1
    must "Y did not show the end quotes" key_changes y || return 1
    must "the program ended before Esc" alive || return 1
    xdotool key Escape
    must "Esc on the end quotes did not end the program" wait_exit 10 || return 1
    must "the program ended with status $exit_status" [ "$exit_status" = 0 ]
}

case_title_drag() {
    local data
    data=$(new_folder "title-drag-$1" 0 50) && start_game "$data" || { why="the game did not start"; return 1; }
    enter_title_menu || return 1
    stray_drag 80 400 560 420 320 278  # released over "Help Files"
    must "the click or the drag acted on the title menu" shows title "${full[@]}" || return 1
    quit_from_title_menu
}

case_kit_drag() {
    local data
    data=$(new_folder "kit-drag-$1" 0 50) && start_game "$data" || { why="the game did not start"; return 1; }
    enter_title_menu || return 1
    must "Ctrl+U did not open the construction kit" key_changes ctrl+u || return 1
    grab kit "${full[@]}"
    stray_drag 100 460 620 300 390 440  # from the level's name to the frame, released over "Map"
    must "the click or the drag acted on the kit" shows kit "${full[@]}" || return 1
    must "S did not ask Really do search?" key_changes s || return 1
    must "N did not answer the search question" key_back n kit || return 1
    must "C did not show the Clear page" key_changes c || return 1
    must "Q did not ask Really Quit Editor?" key_changes q || return 1
    must "Y did not leave the kit for the title menu" key_back y title || return 1
    quit_from_title_menu
}

# GameDelay, the first 16-bit little-endian word of Option.dat.
game_delay() { od -An -tu1 -N2 "$1/vexmoor/Mod/GameData/Option.dat" | awk '{ print $1 + 256 * $2 }'; }

case_held_up() {
    local data
    data=$(new_folder "held-up-$1" 1 50) && start_game "$data" || { why="the game did not start"; return 1; }
    enter_trimmed_title_menu || return 1
    must "S did not open the settings" key_changes s || return 1
    # What a loaded machine does to the program: the click and the keys come while it is
    # stopped, and reach it all at once.
    kill -STOP "$pid"
    xdotool mousemove 205 202 click 1
    xdotool key 7
    xdotool key Return
    sleep 0.3
    kill -CONT "$pid"
    sleep 0.5
    xdotool key a
    must "A did not leave the settings (the Game Delay entry is still open)" shows_within title 5000 "${full[@]}" ||
        return 1
    local delay
    delay=$(game_delay "$data")
    must "Option.dat's game delay is $delay, not 7" [ "$delay" = 7 ]
}

case_arrow() {
    local data places
    data=$(new_folder "arrow-$1" 1 50) && places=$("$fixture" "$data/vexmoor" archer) && start_game "$data" ||
        { why="the game did not start"; return 1; }
    local hx hy ax ay
    read -r hx hy ax ay <<<"$places"
    enter_trimmed_title_menu || return 1
    restore_slot_1 || return 1
    # The side panel, where the targeting names its target and keys.
    local panel=(460 110 170 90)
    grab panel-rest "${panel[@]}"
    must "B at rest did not open the targeting" key_changes b "${panel[@]}" || return 1
    grab panel-target "${panel[@]}"
    xdotool key c
    must "C did not leave the targeting" shows_within panel-rest 5000 "${panel[@]}" || return 1
    must "the play screen did not settle" settle 300 10 || return 1
    # Two spots of the arrow's way, a third and two thirds of the way from the archer.
    local early=($((ax + (hx - ax) / 3 - 10)) $((ay + (hy - ay) / 3 - 10)) 20 20)
    local late=($((ax + 2 * (hx - ax) / 3 - 10)) $((ay + 2 * (hy - ay) / 3 - 10)) 20 20)
    local turn shown flew
    for turn in $(seq 12); do
        grab early "${early[@]}"
        grab late "${late[@]}"
        xdotool key space
        # The archer shoots on half of his turns.
        if shown=$(probe wait-other "${early[@]}" "$work/early" 2000); then
            xdotool key b
            must "the arrow had landed before B went (the check was late)" \
                eval 'flew=$(probe wait-other "${late[@]}" "$work/late" 3000)' || return 1
            note="turn $turn; arrow seen ${shown%% ms*} ms after Space, B sent, arrow still flying ${flew%% ms*} ms later"
            must "B typed during the arrow's flight did not open the targeting" \
                shows_within panel-target 8000 "${panel[@]}"
            return
        fi
        must "the play screen did not settle after a turn" settle 300 10 || return 1
    done
    why="the archer did not shoot in 12 turns"
    return 1
}

case_quit_together() {
    local data
    data=$(new_folder "quit-together-$1" 0 50) && start_game "$data" || { why="the game did not start"; return 1; }
    enter_title_menu || return 1
    xdotool keydown q keydown y keyup q keyup y
    must "Q and Y together changed nothing" leaves_within title 5000 "${full[@]}" || return 1
    must "the screen did not settle after Q and Y" settle 600 10 || return 1
    must "the program ended before the end quotes' Esc" alive || return 1
    grab quotes "${full[@]}"
    xdotool key n
    sleep 0.5
    xdotool key y
    sleep 1
    must "the end quotes closed on N or Y" alive || return 1
    must "N or Y changed the end quotes (Really Quit? was still asking: its Y was lost)" shows quotes "${full[@]}" ||
        return 1
    xdotool key Escape
    must "Esc on the end quotes did not end the program" wait_exit 10 || return 1
    must "the program ended with status $exit_status" [ "$exit_status" = 0 ]
}

case_temple() {
    local data way
    data=$(new_folder "temple-$1" 1 50) && way=$("$fixture" "$data/vexmoor" temple) && start_game "$data" ||
        { why="the game did not start"; return 1; }
    enter_trimmed_title_menu || return 1
    restore_slot_1 || return 1
    must "walking into the priest did not open the temple" key_changes "$way" || return 1
    # The temple's greeting and buttons.
    local page=(455 110 180 200)
    grab temple "${page[@]}"
    xdotool key b
    sleep 0.2
    xdotool key y
    must "the question stayed on the screen (the mouse was not moved)" shows_within temple 6000 "${page[@]}" ||
        return 1
    must "L did not leave the temple" key_changes l || return 1
    xdotool key ctrl+f
    local saved="" i
    for i in $(seq 50); do
        saved=$("$fixture" "$data/vexmoor" saved 2>/dev/null)
        [ "$saved" = "gold 450 poisoned 0" ] && return 0
        sleep 0.1
    done
    why="the save holds $saved, not gold 450 poisoned 0: B or Y was not taken"
    return 1
}

case_stroke() {
    local data
    data=$(new_folder "stroke-$1" 1 50) && start_game "$data" || { why="the game did not start"; return 1; }
    enter_trimmed_title_menu || return 1
    must "Ctrl+U did not open the construction kit" key_changes ctrl+u || return 1
    must "T did not open the wall tile picker" key_changes t || return 1
    grab kit "${full[@]}"
    xdotool mousemove 99 156 click 1  # the Ground grid's second tile
    must "the click on a tile did not close the picker" leaves_within kit 5000 "${full[@]}" || return 1
    must "the kit did not settle" settle || return 1
    # The map's last row: column c's square at x 15 + 32c, y 396, 32 x 32.
    local c x=440 y=412 waiting=1
    for c in $(seq 0 12); do grab "cell-$c" $((15 + 32 * c)) 396 32 32; done
    xdotool mousemove $x $y mousedown 1
    for c in $(seq 12 -1 0); do
        while [ $x -gt $((31 + 32 * c)) ]; do
            x=$((x - 12 > 31 + 32 * c ? x - 12 : 31 + 32 * c))
            xdotool mousemove $x $y
            sleep 0.02
        done
        # A slow game is waited for at each square; past one left unpainted, the mouse only moves.
        [ $waiting = 1 ] && ! probe wait-other $((15 + 32 * c)) 396 32 32 "$work/cell-$c" 5000 >/dev/null &&
            waiting=0 && note="column $c not painted within 5 s of the mouse at its middle"
    done
    xdotool mousemove 16 $y
    sleep 0.1
    xdotool mouseup 1
    must "F4 did not ask Save Level0.map?" key_changes F4 || return 1
    xdotool key y
    local painted
    must "Y wrote no level" eval 'painted=$(read_back "$data" painted)' || return 1
    must "$painted of the row's 13 squares hold the picked tile" [ "$painted" = 13 ]
}

# east FROM TO: how many squares east of FROM ("x y") TO is, or "off" when not on its row.
east() {
    local x0 y0 x1 y1
    read -r x0 y0 <<<"$1"
    read -r x1 y1 <<<"$2"
    if [ "$y0" = "$y1" ]; then echo $((x1 - x0)); else echo off; fi
}

# walker_in_play NAME TRY: a try's game on the walker's folder, in play; his square in start.
walker_in_play() {
    data=$(new_folder "$1-$2" 1 50) && start=$("$fixture" "$data/vexmoor" walker) && start_game "$data" ||
        { why="the game did not start"; return 1; }
    enter_trimmed_title_menu || return 1
    restore_slot_1
}

# saved_square: the hero's square in the save Ctrl+F makes, once the play screen has settled;
# the save of the restore is removed first, so that the one read is the new one.
saved_square() {
    must "the play screen did not settle after the walk" settle 1000 20 || return 1
    rm -f "$data/vexmoor/Mod/SaveGames/save0.sav"
    xdotool key ctrl+f
    must "Ctrl+F wrote no save" eval 'square=$(read_back "$data" square)'
}

case_held_right() {
    local data start square steps
    walker_in_play held-right "$1" || return 1
    # A loaded machine: the press, the system's repeats and the release reach the game at once.
    kill -STOP "$pid"
    xdotool keydown Right
    sleep 1.5
    xdotool keyup Right
    kill -CONT "$pid"
    saved_square || return 1
    steps=$(east "$start" "$square")
    must "the hero went from $start to $square, not two squares east at most" \
        eval '[ "$steps" != off ] && [ "$steps" -ge 0 ] && [ "$steps" -le 2 ]'
}

case_quick_taps() {
    local data start square steps
    walker_in_play quick-taps "$1" || return 1
    xdotool key --delay 1 Right Right Right Right Right Right Right Right Right
    saved_square || return 1
    steps=$(east "$start" "$square")
    must "the hero went from $start to $square, not nine squares east" [ "$steps" = 9 ]
}

case_capitals() {
    local data name
    data=$(new_folder "capitals-$1" 1 50) && "$fixture" "$data/vexmoor" creation && start_game "$data" ||
        { why="the game did not start"; return 1; }
    enter_trimmed_title_menu || return 1
    must "N did not open character creation" key_changes n || return 1
    must "M did not choose a man" key_changes m || return 1
    must "N did not leave the statistics" key_changes n || return 1
    must "N did not leave the skills" key_changes n || return 1
    xdotool type --delay 1 AbCdEfGh
    must "the name field did not settle" settle || return 1
    xdotool key Return
    must "Return saved no hero" eval 'name=$(read_back "$data" name)' || return 1
    must "the hero is named $name, not AbCdEfGh" [ "$name" = AbCdEfGh ]
}

# run_cases: every case of WINDOW_CASES (all by default), its tries one line each.
run_cases() {
    local cases=(${WINDOW_CASES:-title-drag kit-drag held-up arrow quit-together temple stroke held-right quick-taps
        capitals})
    local passed=0 failed=0 name n try start
    mkdir -p "$shots"
    for name in "${cases[@]}"; do
        n=${WINDOW_TRIES:-3}
        [ "$name" = held-up ] && n=6
        for try in $(seq "$n"); do
            why=""
            note=""
            start=$SECONDS
            if "case_${name//-/_}" "$try"; then
                echo "PASS $name try $try of $n ($((SECONDS - start)) s)${note:+: $note}"
                passed=$((passed + 1))
            else
                probe png "$shots/$name-$try.png" 2>/dev/null
                echo "FAIL $name try $try of $n ($((SECONDS - start)) s): $why${note:+ ($note)} (screen: $shots/$name-$try.png)"
                failed=$((failed + 1))
            fi
            stop_game
        done
    done
    echo "window check: $passed passed, $failed failed"
    [ "$failed" = 0 ]
}
