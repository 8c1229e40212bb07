#!/usr/bin/env python3
"""Writes the input of the hashed golden sessions of rotacle-sim.

The outputs of these sessions are too large to keep, so only their SHA-256
is committed (hashes.sha256); tests/cmake/golden_hash.cmake runs them and
compares. The scripts made here are committed too: they are the test input,
and this generator only documents how they came about. Running it again with
the same seed writes the same files (random.Random with an integer seed).

Each of the 20 scripts has 2,000 commands drawn with its own seed from a mix
that leans on one theme (undo and skip, edits, rule lists, settings, imports,
pages, typed numbers, each game mode, ...) while keeping every other command
in play. Paths in the scripts are relative to the folder the runner builds:
the script itself, the test data as data/ and the files written here as
fixtures/ (settings records and candidate lists).

    python3 tests/golden/make_scripts.py        # rewrites scripts/ and data/
"""

import os
import random

SEED = 20250601
COMMANDS = 2000
HERE = os.path.dirname(os.path.abspath(__file__))

FIELDS = ["Less", "Even", "Red", "Black", "Odd", "More"]
EDITS = ["Init_Bet", "Test_Bank", "Losses_ActionValue", "Wins_ActionValue"]
SPINS = ["N_Count", "Play_Bets", "Until_Profit", "Phase_Correction_Value", "Losses_HowMuch", "Wins_HowMuch"]
CHECKS = ["ChBx_TestBank", "Get_Minimal_Profit", "Bet_Automatic_Reset", "ChBx_Phase_Correction",
          "ChBx_Until_Profit", "ChBx_Fixed_Number", "ShowBetSize", "CatRows"]
COMBOS = {"GameModes": 3, "BetStrategy": 7, "Losses_Type": 3, "Losses_Action": 7, "Wins_Type": 3,
          "Wins_Action": 6, "Search_Pattern": 2}

# Amounts: mostly valid, some that do not convert or are out of range.
MONEY = ["1", "1", "2", "2", "3", "5", "10", "0.5", "1.5", "2.25", "100", "0", "-1", "abc", "", " 2", "1e2",
         "2,5", "+3", "007", "0.01", "1000000", "99999999999", "12345678.9", "x1"]
INTS = ["1", "1", "2", "3", "4", "5", "7", "10", "0", "-1", "+4", "abc", "", " ", "100", "10000000",
        "99999999999", "2.5", "08"]
KEYS = "0123456789.,-+ab \b"

BAD_SETTINGS = ["binary", "byte-order-mark", "cr-line-ends", "empty", "exponent-for-integer",
                "integer-beyond-32-bits", "leading-blank", "lf-line-ends", "negative-threshold", "ten-lines"]
BAD_NUMBERS = ["above-36", "binary", "blank-line", "byte-order-mark", "cr-line-ends", "exponent", "fraction",
               "leading-blank", "no-final-line-end"]
PAGES = ["history-grid.html", "hidden-rows.html", "unclosed-cells.html"]
N_SETTINGS = 6
N_LISTS = 4

# Weights of each command; a theme multiplies some of them.
BASE = {
    "spin": 60, "undo": 4, "skip": 3, "reset-bets": 1, "reset-app": 0.4, "set": 3, "type": 1.5,
    "check": 1.5, "select": 1.5, "trend": 2, "untrend": 1.2, "load-settings": 0.5, "save-settings": 0.3,
    "import-file": 0.5, "paste-page": 0.3, "export": 0.4, "mode": 0.5, "CreateMatrix": 0.5,
    "ResetMatrix": 0.2, "Button_Process": 0.2, "Image_ClosePanel2": 0.3, "lists": 0.2, "nowait": 2,
    "enter": 2, "option": 0.3, "burst": 0.4,
}

# name, start mode (None: as the program starts), weight factors
THEMES = [
    ("smart-spins", None, {}),
    ("undo-skip", None, {"undo": 5, "skip": 5, "reset-bets": 3}),
    ("deep-scan", 1, {"mode": 0.2}),
    ("matrix", 3, {"CreateMatrix": 6, "ResetMatrix": 4, "mode": 0.2}),
    ("mode4", 4, {"mode": 0.2, "CreateMatrix": 2}),
    ("adaptive", 5, {"lists": 10, "CreateMatrix": 4, "ResetMatrix": 3, "mode": 0.2}),
    ("edits", None, {"set": 6, "type": 8}),
    ("rule-lists", None, {"select": 8, "check": 4, "set": 2}),
    ("trends", None, {"trend": 6, "untrend": 6}),
    ("settings", None, {"load-settings": 12, "save-settings": 8, "set": 2}),
    ("imports", None, {"import-file": 10, "export": 6, "Button_Process": 4, "Image_ClosePanel2": 4}),
    ("pages", None, {"paste-page": 12, "Button_Process": 6, "Image_ClosePanel2": 4, "nowait": 2}),
    ("typed-numbers", None, {"nowait": 5, "enter": 8, "option": 4, "undo": 2, "burst": 15}),
    ("resets", None, {"reset-bets": 8, "reset-app": 8}),
    ("safety", None, {"set": 3, "check": 4}),
    ("test-bank", None, {"check": 3, "set": 3, "type": 3}),
    ("mode-switches", 3, {"mode": 12, "CreateMatrix": 4, "lists": 3}),
    ("mixed-a", None, {k: 2.5 for k in BASE if k != "spin"}),
    ("mixed-b", 2, {k: 4 for k in BASE if k != "spin"}),
    ("long-history", None, {"import-file": 0.5, "mode": 0.4}),
]


def crlf(lines):
    return "\r\n".join(lines) + "\r\n"


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", newline="", encoding="ascii") as f:
        f.write(text)


def settings_record(rng):
    """A settings record as the program saves it, with varied values."""
    def pick(values):
        return rng.choice(values)
    return [
        "//line1", pick(["1", "2", "0.5", "5", "1.5"]), pick(["0", "1", "2"]), str(rng.randrange(7)), "",
        "//Betting system", pick(["1", "2", "3", "5"]), str(rng.randrange(3)), str(rng.randrange(7)),
        pick(["1", "2", "0.5", "3"]), pick(["1", "2", "4"]), str(rng.randrange(3)), str(rng.randrange(6)),
        pick(["1", "2", "0.5"]), "",
        "//line3", pick(["0", "1"]), pick(["0", "1"]), str(rng.randrange(6)), "",
        "//adaptive settings", pick(["1", "5", "12", "30"]), pick(["0", "1"]), pick(["0", "3", "5", "9"]),
        pick(["0", "1"]), pick(["0", "1"]), pick(["1", "2", "10"]), "",
        "//line5", pick(["0", "1"]), pick(["2", "3", "5"]),
    ]


def write_fixtures(rng):
    for k in range(1, N_SETTINGS + 1):
        record = settings_record(rng)
        if k == N_SETTINGS:
            record[6] = "x"  # a value that does not convert stops the load where it is applied
        write(os.path.join(HERE, "data", "settings", "s%d.rtk" % k), crlf(record))
    for k in range(1, N_LISTS + 1):
        lines = [str(rng.randrange(6)) for _ in range(rng.randrange(40, 200))]
        if k == N_LISTS:
            for i in rng.sample(range(len(lines)), 8):
                lines[i] = rng.choice(["", "7", "x", "12", "-1"])
        write(os.path.join(HERE, "data", "lists", "list%d.txt" % k), "\n".join(lines) + "\n")


class Script:
    def __init__(self, rng, weights):
        self.rng = rng
        self.names = list(weights)
        self.weights = [weights[n] for n in self.names]
        self.streak = None  # a number repeated for a while, to make long runs of wins or losses

    def number(self):
        rng = self.rng
        if self.streak and rng.random() < 0.7:
            return rng.choice(self.streak)
        if rng.random() < 0.03:
            self.streak = rng.sample(range(37), rng.randrange(1, 4)) if rng.random() < 0.7 else None
        return rng.randrange(37)

    def settings_path(self):
        rng = self.rng
        r = rng.random()
        if r < 0.45:
            return "fixtures/settings/s%d.rtk" % rng.randrange(1, N_SETTINGS + 1)
        if r < 0.7:
            return "data/bad/settings-%s.rtk" % rng.choice(BAD_SETTINGS)
        if r < 0.95:
            return "saved%d.rtk" % rng.randrange(1, 4)
        return rng.choice(["missing.rtk", "fixtures", "data/spins/series2.txt"])

    def number_file(self):
        rng = self.rng
        r = rng.random()
        if r < 0.35:
            return "data/spins/series%d.txt" % rng.randrange(1, 5)
        if r < 0.6:
            return "data/bad/numbers-%s.txt" % rng.choice(BAD_NUMBERS)
        if r < 0.85:
            return "export%d.txt" % rng.randrange(1, 4)
        if r < 0.95:
            return "fixtures/lists/list%d.txt" % rng.randrange(1, N_LISTS + 1)
        return rng.choice(["missing.txt", "fixtures", "fixtures/settings/s1.rtk"])

    def command(self, allow_nowait=True):
        rng = self.rng
        verb = rng.choices(self.names, self.weights)[0]
        if verb in ("nowait", "burst") and not allow_nowait:
            verb = "spin"
        if verb == "spin":
            return "spin %d" % self.number()
        if verb in ("undo", "skip", "reset-bets", "reset-app"):
            return verb
        if verb == "set":
            r = rng.random()
            if r < 0.35:
                return "set %s %s" % (rng.choice(EDITS), rng.choice(MONEY))
            if r < 0.7:
                return "set %s %s" % (rng.choice(SPINS), rng.choice(INTS))
            return "set SafeLevel %s" % rng.choice(["0", "1", "2", "3", "4", "5", "6", "8", "10", "11", "-1", "x"])
        if verb == "type":
            keys = "".join(rng.choice(KEYS) for _ in range(rng.randrange(1, 7)))
            return "type %s %s" % (rng.choice(EDITS + SPINS), keys)
        if verb == "check":
            return "check %s %d" % (rng.choice(CHECKS), rng.randrange(2))
        if verb == "select":
            name = rng.choice(list(COMBOS))
            return "select %s %d" % (name, rng.randrange(-1, COMBOS[name] + 1))
        if verb in ("trend", "untrend"):
            return "%s %s" % (verb, rng.choice(FIELDS))
        if verb == "load-settings":
            return "load-settings " + self.settings_path()
        if verb == "save-settings":
            path = "saved%d.rtk" % rng.randrange(1, 4) if rng.random() < 0.95 else "no-folder/saved.rtk"
            return "save-settings " + path
        if verb == "import-file":
            return "import-file " + self.number_file()
        if verb == "paste-page":
            r = rng.random()
            if r < 0.8:
                return "paste-page data/pages/" + rng.choice(PAGES)
            return "paste-page " + rng.choice(["data/spins/series3.txt", "export1.txt", "missing.html"])
        if verb == "export":
            path = "export%d.txt" % rng.randrange(1, 4) if rng.random() < 0.95 else "no-folder/export.txt"
            return "export " + path
        if verb == "mode":
            return "mode %d" % rng.randrange(1, 6)
        if verb in ("CreateMatrix", "ResetMatrix", "Button_Process", "Image_ClosePanel2"):
            return "click " + verb
        if verb == "lists":
            paths = []
            for _ in range(3):
                r = rng.random()
                if r < 0.9:
                    paths.append("fixtures/lists/list%d.txt" % rng.randrange(1, N_LISTS + 1))
                else:
                    paths.append(rng.choice(["data/spins/series4.txt", "missing.txt"]))
            return "lists " + " ".join(paths)
        if verb == "nowait":
            return "nowait " + self.command(allow_nowait=False)
        if verb == "enter":
            r = rng.random()
            n = self.number() if r < 0.9 else rng.choice([37, 100, 99999999999])
            return "enter %d" % n
        if verb == "burst":
            # Numbers typed inside a progress run wait for its end; some are
            # taken back, one is no cell.
            lines = ["nowait spin %d" % self.number()]
            for _ in range(rng.randrange(1, 5)):
                r = rng.random()
                if r < 0.7:
                    lines.append("nowait enter %d" % self.number())
                elif r < 0.8:
                    lines.append("nowait enter 37")
                else:
                    lines.append("nowait undo")
            lines.append(rng.choice(["enter %d" % self.number(), "undo", "spin %d" % self.number(), "reset-app"]))
            return "\n".join(lines)
        if verb == "option":
            return "option quick %d" % rng.randrange(2)
        raise AssertionError(verb)


def write_script(index, name, start_mode, factors):
    rng = random.Random(SEED * 100 + index)
    weights = {k: v * factors.get(k, 1) for k, v in BASE.items()}
    script = Script(rng, weights)
    lines = ["# Golden session %02d (%s), made by make_scripts.py with seed %d." % (index, name, SEED * 100 + index)]
    commands = []
    if start_mode is not None:
        commands.append("mode %d" % start_mode)
    if name == "long-history":
        commands.append("import-file data/spins/series%d.txt" % rng.randrange(1, 5))
    if start_mode == 5:
        commands.append("lists fixtures/lists/list1.txt fixtures/lists/list2.txt fixtures/lists/list3.txt")
    while len(commands) < COMMANDS:
        commands += script.command().split("\n")
    del commands[COMMANDS:]
    lines += commands
    write(os.path.join(HERE, "scripts", "%02d-%s.script" % (index, name)), "\n".join(lines) + "\n")


def write_long_session(index):
    """100,000 commands, nearly all spins: the throughput session whose whole
    output must stay byte for byte the same while the pipeline gets faster."""
    rng = random.Random(SEED * 100 + index)
    lines = ["# Golden session %02d (100,000 commands), made by make_scripts.py with seed %d."
             % (index, SEED * 100 + index)]
    for _ in range(100000):
        roll = rng.random()
        if roll < 0.94:
            lines.append("spin %d" % rng.randrange(37))
        elif roll < 0.96:
            lines.append("undo")
        elif roll < 0.98:
            lines.append("skip")
        elif roll < 0.99:
            lines.append("set Init_Bet %s" % rng.choice(["1", "2", "0.5", "3"]))
        else:
            lines.append("check %s %d" % (rng.choice(["Get_Minimal_Profit", "Bet_Automatic_Reset"]),
                                          rng.randrange(2)))
    write(os.path.join(HERE, "scripts", "%02d-long-session.script" % index), "\n".join(lines) + "\n")


def main():
    write_fixtures(random.Random(SEED))
    for index, (name, start_mode, factors) in enumerate(THEMES, start=1):
        write_script(index, name, start_mode, factors)
    write_long_session(len(THEMES) + 1)


if __name__ == "__main__":
    main()
