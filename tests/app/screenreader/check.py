#!/usr/bin/env python3
# What a blind user hears: the program driven by keyboard alone under Orca, each step checked
# against what Orca said. Usage: check.py PROGRAM APP_ID
import os
import re
import sys

from session import Session

program, app_id = sys.argv[1], sys.argv[2]
failures = []
passed = 0


def expect(what, heard, wanted):
    """wanted: the utterances in order; a compiled pattern stands for one long utterance."""
    global passed
    ok = len(heard) == len(wanted) and all(
        w.fullmatch(h) if isinstance(w, re.Pattern) else w == h for h, w in zip(heard, wanted))
    if ok:
        passed += 1
    else:
        failures.append(what)
        print(f"FAIL {what}\n  heard:  {heard}\n  wanted: {wanted}", flush=True)


def reading(planet, archetype, detriment):
    # Each caption with its value, in the panel's order, as one utterance.
    return re.compile(rf"Ruling Planet, {planet}\. Planetary Archetype, {archetype}\. "
                      r"Also Known As, [^.]+\. Keywords, [^.]+\. Characteristics, .+\. "
                      rf"Ruler, [^.]+\. Tarot Card, [^.]+\. Detriment, {detriment}\.")


ENTRY = ["Name panel.", "First name text."]
MAIN = ["Planetarch v1.0 frame."] + ENTRY
AGAIN = "Do It Once Again push button."
GET = "Get My Planetary Archetype push button."

s = Session(program)
try:
    s.start()
    s.wait_window("Planetarch v1.0")
    expect("the window opens on the name box", s.heard(), MAIN)

    # The entry: every list heard with its purpose and choice, every change once.
    s.type("Ann")
    expect("Tab to the day", s.keys("Tab"), ["Date Of Birth panel.", "Date combo box.", "1."])
    for keys, said in (("Down", "2"), ("End", "31"), ("Home", "1"), ("2", "2")):
        expect(f"day by {keys}", s.keys(keys), [said])
    expect("Tab to the month", s.keys("Tab"), ["Month combo box.", "January."])
    expect("month by typing", s.type("j"), ["June"])
    expect("month by Down", s.keys("Down"), ["July"])
    expect("Tab to the year", s.keys("Tab"), ["Year combo box.", "1900."])
    expect("year by typing", s.type("1990"), ["1901", "1990"])
    expect("back to the name", s.keys("shift+Tab", "shift+Tab", "shift+Tab"),
           ["Month combo box.", "July.", "Date combo box.", "2.", "Name panel.",
            "First name text.", "Ann selected."])

    # Readings by Space, Enter and Alt+G, each heard whole, and the way back.
    s.keys("Tab", "Tab", "Tab")
    expect("Tab to the button", s.keys("Tab"), [GET])
    moon = ["Planetarch Results panel.", reading("MOON", "THE QUEEN", "Capricorn"), AGAIN]
    expect("a reading by Space", s.keys("space"), moon)
    expect("the way back", s.keys("Return"), ENTRY)
    expect("no name", s.keys("alt+g"), ["alert Planetarch.", "Please Enter Name.",
                                         "OK push button."])
    expect("the message closes", s.keys("Return"), MAIN)
    s.type("Bo")
    saturn = ["Planetarch Results panel.", reading("SATURN", "THE SERVANT", "Cancer"), AGAIN]
    expect("a reading by Alt+G", s.keys("alt+g"), saturn)
    s.keys("Return")
    s.type("Al")
    s.keys("Tab", "Tab", "Tab", "Tab")
    expect("a reading by Enter", s.keys("Return"), saturn)
    s.keys("Return")

    # The About window reads its description as it opens.
    about = re.compile(r"Planetarch v1\.0 dialog Planetarch finds your planetary archetype .*")
    expect("About opens", s.keys("alt+h", "a"), ["Online Help.", about, "OK push button."])
    expect("About closes", s.keys("Return"), MAIN)

    # The exit window reads its texts, the appeal among them; each field says what it is for and
    # what it holds, both ways round.
    exiting = re.compile(r"Planetarch v1\.0 dialog If you have enjoyed this software .*family\."
                         r"\s+\S.*Orvanel.*")
    expect("the exit window opens", s.keys("alt+f", "x"), ["Exit.", exiting, "Exit push button."])
    panel = "Refer A Friend panel."
    forwards = [["Click Here To Visit Orvanel Now check box not checked."],
                ["Planetarch icon image."], [panel, "Your name text."],
                ["Refer A Friend Now push button."],
                ["Your e-mail address text.", "Your Email Address."],
                ["Friend's e-mail address text.", "Friend's Email Address."],
                ["Friend's name text."], ["Your message text.", "Your Message."],
                ["Exit push button."]]
    for step, said in enumerate(forwards):
        expect(f"exit window, Tab {step + 1}", s.keys("Tab"), said)
    for step, said in enumerate(reversed(forwards[2:-1])):
        said = [panel] + said if step == 0 else [w for w in said if w != panel]
        expect(f"exit window, Shift+Tab {step + 1}", s.keys("shift+Tab"), said)
    s.type("Bob")
    s.keys("Tab")
    expect("a filled field", s.keys("shift+Tab"), ["Your name text.", "Bob selected."])

    # Exit ends the program cleanly.
    s.keys(*["Tab"] * 6)
    s.keys("Return")
    code = s.app.wait(15)
    held = f" @{app_id}.{os.geteuid()}\n" in open("/proc/net/unix").read()
    expect("the program ends with 0 and frees its name", [str(code), str(held)], ["0", "False"])
finally:
    s.stop()

print(f"{passed} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
