#!/usr/bin/env python3
# What a blind user hears: the program driven by keyboard alone under Orca, each step checked
# against what Orca said. Usage: check.py PROGRAM APP_ID [UPDATE_REMINDER: ON or OFF]
import os
import re
import subprocess
import sys

from session import Session

program, app_id = sys.argv[1], sys.argv[2]
failures = []
passed = 0


def orca_version():
    said = subprocess.run(["orca", "--version"], capture_output=True, text=True).stdout
    found = re.search(r"(\d+)\.\d+", said)
    return int(found.group(1)) if found else 0


# Orca 48 (Debian 13) words some things its own way: a combo box is one utterance with its label,
# name and choice; a panel's summary comes inside "... panel"; a description that repeats the
# name is dropped. Where it differs, a step gives both: v(what Orca 43 says, what Orca 48 says).
NEW_ORCA = orca_version() >= 45


def v(older, newer):
    return newer if NEW_ORCA else older


def plain(utterance):
    # Orca's own punctuation and role words ("push button" became "button") are not the program's.
    return utterance.replace(" push button", " button").removesuffix(".")


class Maybe(str):
    """An utterance Orca 48 says or not, by timing and load (the menu item chosen, read as the
    window it opens comes up)."""


class MaybeLike:
    """An utterance of this pattern, said or not."""

    def __init__(self, pattern):
        self.pattern = re.compile(pattern)

    def __repr__(self):
        return f"MaybeLike({self.pattern.pattern!r})"


def matches(h, w):
    if isinstance(w, MaybeLike):
        w = w.pattern
    return w.fullmatch(h) if isinstance(w, re.Pattern) else plain(w) == plain(h)


def fits(heard, wanted):
    if not wanted:
        return not heard
    if isinstance(wanted[0], (Maybe, MaybeLike)) and fits(heard, wanted[1:]):
        return True
    return bool(heard) and matches(heard[0], wanted[0]) and fits(heard[1:], wanted[1:])


def expect(what, heard, wanted):
    """wanted: the utterances in order; a compiled pattern stands for one long utterance."""
    global passed
    if NEW_ORCA:
        # Orca 48 may say again what it said a moment before in the same step (the dialog as it
        # opens, the focused button): a repeat is not counted.
        heard = [h for i, h in enumerate(heard) if h not in heard[:i]]
    ok = fits(heard, wanted)
    if ok:
        passed += 1
    else:
        failures.append(what)
        print(f"FAIL {what}\n  heard:  {heard}\n  wanted: {wanted}", flush=True)


def reading(planet, archetype, detriment):
    # Each caption with its value, in the panel's order, as one utterance, after the panel's name.
    words = (rf"Ruling Planet, {planet}\. Planetary Archetype, {archetype}\. "
             r"Also Known As, [^.]+\. Keywords, [^.]+\. Characteristics, .+\. "
             rf"Ruler, [^.]+\. Tarot Card, [^.]+\. Detriment, {detriment}\.")
    return v(["Planetarch Results panel.", re.compile(words)],
             [re.compile(rf"Planetarch Results {words} panel")])


ENTRY = ["Name panel.", "First name text."]
MAIN = ["Planetarch v1.0 frame."] + ENTRY
# Back in the main window from a message or About: Orca 48 names the window with its role or
# without, by timing.
BACK = v(MAIN, [re.compile(r"Planetarch v1\.0( frame)?\.?")] + ENTRY)
# Brought forward from another program's message, Orca 48 may not name the window at all.
FORWARD = v(MAIN, [MaybeLike(r"Planetarch v1\.0( frame)?\.?")] + ENTRY)
AGAIN = "Do It Once Again push button."
GET = "Get My Planetary Archetype push button."
FORUM = ("The Most Popular Online Runevale Discussion Forum. Click Here To Visit "
         "www.orvanel.example Now. link.")
BANNER = re.compile(r"(Co-brand this software for your site\. .* co-branding\.|"
                    r"Home Business Opportunity\. .* Click here for more details\.) link\.?")

# Where the build asks about updates, the first start is one that asks.
reminder = len(sys.argv) > 3 and sys.argv[3] == "ON"
s = Session(program, reminder_due=reminder)
try:
    s.start()
    if reminder:
        expect("the update question", s.heard(),
               ["alert Planetarch.", "There maybe an update to this software available Do you "
                "want to check for an update?", "Yes push button."])
        opened = s.keys("alt+n")
    else:
        s.wait_window("Planetarch v1.0")
        opened = s.heard()
    expect("the window opens on the name box", opened, MAIN)

    # The entry: every list heard with its purpose and choice, every change once.
    s.type("Ann")
    expect("Tab to the day", s.keys("Tab"),
           v(["Date Of Birth panel.", "Date combo box.", "1."], ["Date Day of birth combo box 1."]))
    for keys, said in (("Down", "2"), ("End", "31"), ("Home", "1"), ("2", "2")):
        expect(f"day by {keys}", s.keys(keys), [said])
    expect("Tab to the month", s.keys("Tab"),
           v(["Month combo box.", "January."], ["Month Month of birth combo box January."]))
    expect("month by typing", s.type("j"), ["June"])
    expect("month by Down", s.keys("Down"), ["July"])
    expect("Tab to the year", s.keys("Tab"),
           v(["Year combo box.", "1900."], ["Year Year of birth combo box 1900."]))
    # Orca 48 keeps up with fast typing or not: the passing choice, and the item it leaves
    # ("not selected"), are heard only when it does.
    expect("year by typing", s.type("1990"),
           v(["1901", "1990"], [Maybe("1901"), Maybe("not selected"), "1990"]))
    expect("back to the name", s.keys("shift+Tab", "shift+Tab", "shift+Tab"),
           v(["Month combo box.", "July.", "Date combo box.", "2."],
             ["Month Month of birth combo box July.", "Date Day of birth combo box 2."])
           + ["Name panel.", "First name text.", "Ann selected."])

    # Readings by Space, Enter and Alt+G, each heard whole, and the way back.
    s.keys("Tab", "Tab", "Tab")
    expect("Tab to the button", s.keys("Tab"), [GET])
    # The links come after the button, each heard as a link; the banner is either of two.
    expect("Tab to the links", s.keys("Tab", "Tab"), [FORUM, BANNER])
    expect("back to the button", s.keys("shift+Tab", "shift+Tab"), [FORUM, GET])
    moon = reading("MOON", "THE QUEEN", "Capricorn") + [AGAIN]
    expect("a reading by Space", s.keys("space"), moon)
    expect("the way back", s.keys("Return"), ENTRY)
    expect("no name", s.keys("alt+g"), ["alert Planetarch.", "Please Enter Name.",
                                         "OK push button."])
    expect("the message closes", s.keys("Return"), BACK)
    s.type("Bo")
    saturn = reading("SATURN", "THE SERVANT", "Cancer") + [AGAIN]
    expect("a reading by Alt+G", s.keys("alt+g"), saturn)
    s.keys("Return")
    s.type("Al")
    s.keys("Tab", "Tab", "Tab", "Tab")
    expect("a reading by Enter", s.keys("Return"), saturn)
    # The save dialog is heard with the box that has the focus and the name offered in it. The
    # name may be heard as it is put in, before the dialog is.
    name = "Al - Saturn.png"
    expect("the save dialog", s.keys("ctrl+s"),
           [Maybe(name), Maybe("selected"), "Save Reading as Picture dialog Files of type:",
            "File name: text.", f"{name} selected.", Maybe(name)])
    s.keys("Escape")
    # The program's own messages are heard whole, as the designed ones are: no printer here, and
    # a save into a folder nobody may write.
    alert = ["alert Planetarch.", None, "OK push button."]
    expect("no printer", s.keys("ctrl+p"), alert[:1] + [
        "No printer is set up on this computer. To keep the reading or print it elsewhere, use "
        "File > Save Reading as PDF..."] + alert[2:])
    s.keys("Return")
    s.keys("ctrl+s")
    s.keys("ctrl+a")
    s.type("/proc/Al.png")
    expect("saving fails", s.keys("Return"), alert[:1] + [
        re.compile(r"The reading could not be saved as a picture in /proc/Al\.png \S.*")]
           + alert[2:])
    s.keys("Return")
    s.keys("Return")

    # The About window reads its description as it opens.
    about = re.compile(r"Planetarch v1\.0 dialog Planetarch finds your planetary archetype .*")
    expect("About opens", s.keys("alt+h", "a"),
           [v("Online Help.", Maybe("Online Help."))] + v([], [Maybe("F1.")]) + [about]
           + v([], [Maybe("About Software.")])
           + ["OK push button."])
    expect("About closes", s.keys("Return"), BACK)

    # A second start, with the window minimised: the message, then the window is back in front.
    main = s.window_id("Planetarch v1.0")
    s.minimise(main)
    s.heard()
    second = s.start_again()
    expect("a second start is told", s.heard(),
           ["alert Planetarch.", "Application is already running.", "OK push button."])
    expect("the running copy comes forward", s.keys("Return"), FORWARD)
    expect("it is the active window", [str(second.wait(15)), s.active_window()], ["0", main])

    # The exit window reads its texts, the appeal among them; each field says what it is for and
    # what it holds, both ways round. Opened by Exit's own key: Qt 6.4 hands on a key the screen
    # reader was slow to answer (as it is while the second copy goes) after the keys behind it,
    # and an Alt press and release that come after Alt+F close the File menu it opened.
    exiting = re.compile(r"Planetarch v1\.0 dialog If you have enjoyed this software .*family\."
                         r"\s+\S.*Orvanel.*")
    expect("the exit window opens", s.keys("ctrl+q"), [exiting, "Exit push button."])
    panel = "Refer A Friend panel."
    # Orca 48 does not name the frame the exit window's link stands in.
    SUITE = "Download Runevale Softwares panel."
    forwards = [["Click Here To Visit Orvanel Now check box not checked."],
                ["Planetarch icon image."], [panel, "Your name text."],
                ["Refer A Friend Now push button."],
                ["Your e-mail address text."] + v(["Your Email Address."], []),
                ["Friend's e-mail address text."] + v(["Friend's Email Address."], []),
                ["Friend's name text."], ["Your message text.", "Your Message."],
                v([SUITE], [Maybe(SUITE)]) + ["Click Here To Visit Runevale Softwares link."],
                ["Exit push button."]]
    for step, said in enumerate(forwards):
        expect(f"exit window, Tab {step + 1}", s.keys("Tab"), said)
    # Back from Exit: the link, then into the form; a frame's name is heard as the focus enters it.
    for step, said in enumerate(reversed(forwards[2:-1])):
        said = [panel] + said if step == 1 else [w for w in said if w != panel]
        expect(f"exit window, Shift+Tab {step + 1}", s.keys("shift+Tab"), said)
    s.type("Bob")
    s.keys("Tab")
    expect("a filled field", s.keys("shift+Tab"), ["Your name text.", "Bob selected."])

    # Exit ends the program cleanly.
    s.keys(*["Tab"] * 7)
    s.keys("Return")
    code = s.app.wait(15)
    held = f" @{app_id}.{os.geteuid()}\n" in open("/proc/net/unix").read()
    expect("the program ends with 0 and frees its name", [str(code), str(held)], ["0", "False"])
finally:
    s.stop()

print(f"{passed} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
