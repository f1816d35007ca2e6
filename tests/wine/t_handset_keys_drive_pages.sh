#!/usr/bin/env bash
# The handset's keys with key mode on drive the shown panel: the page key
# shows the window and pages through the tabs (wrapping after the last);
# on the shortcut page the arrows move the selection and a number key
# selects and opens its shortcut (the shell runs the prefix's http
# handler); on the ring-tone page the arrows select tones and the volume
# keys play and stop the selected one.
source "$(dirname "$0")/scripts/wine-env.sh"
wine_test_begin handset_keys_drive_pages
source "$(dirname "$0")/scripts/web-handler.sh"
web_handler_standin
source "$(dirname "$0")/scripts/ring-audio.sh"
ring_audio_tones "$TEST_DIR/ring" 10 tone.wav

sim_run keys <<'SCRIPT'
start panel UsbPhonePanel.exe
expect attach-ack within 5000
status present keymode=1
# The handset's mixer device found: the tones can be played.
expect control group "USB Phone" enabled=1 within 3000
expect list 2 "mute.wav|tone.wav" selected=0 within 3000
expect panel-hidden
key 36
key 0
expect panel-visible within 3000
expect active-tab 1
expect panel-foreground
# Shortcut page: down from the first shortcut, up wraps to the fifth, down
# wraps back to the first.
key 31
key 0
expect radio 2 checked=1 within 1000
key 17
key 0
key 17
key 0
expect radio 5 checked=1 within 1000
key 31
key 0
expect radio 1 checked=1 within 1000
# Key 30 selects the second shortcut, which is empty: nothing opens.
key 30
key 0
expect radio 2 checked=1 within 1000
# Key 35 selects the first and opens it.
key 35
key 0
expect radio 1 checked=1 within 1000
# Ring-tone page: the arrows select, key 38 plays and stops.
key 36
key 0
expect active-tab 2 within 1000
# As a click on the tab, paging to the tones lets the list take drops.
expect accepts-drops 2
key 31
key 0
expect list 2 "mute.wav|tone.wav" selected=1 within 1000
key 38
key 0
# Wine's own activation (no window manager) can hold the panel's thread for
# seconds right after a page change: the tone starts once it lets go.
expect button "Stop" enabled=1 within 6000
# Under Wine (no window manager) playing soon leaves no window in front; a
# press then only brings the panel to the front. Key 20 does nothing on
# this page otherwise.
wait 500
key 20
key 0
expect panel-foreground within 1000
key 38
key 0
expect button "Play" enabled=1 within 6000
key 20
key 0
expect panel-foreground within 1000
key 31
key 0
expect list 2 "mute.wav|tone.wav" selected=0 within 1000
# Through the audio and browser pages back to the first.
key 36
key 0
expect active-tab 3 within 1000
expect no accepts-drops 2
key 36
key 0
expect active-tab 4 within 1000
key 36
key 0
expect active-tab 1 within 1000
SCRIPT

web_handler_opened "http://www.skype.com/"
