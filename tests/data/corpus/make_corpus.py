#!/usr/bin/env python3
"""Writes the committed sample files of the character-file and saved-game
loaders: good files, truncated ones and damaged ones. The loaders' corpus test
feeds every file here to them; the scenario tests and the inspector test use
some of them too. Run it from anywhere to regenerate the samples on purpose:

    python3 tests/data/corpus/make_corpus.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def text(value):
    data = value.encode("cp1252")
    return struct.pack("<H", len(data)) + data


def character(name="", cls=0, race=0, gender=0, age=0, alignment=0, weapon=0, pack=(), to_hit=0, armor=0,
              experience=0, max_hp=0, hp=0, ac=0, gold=0, silver=0, copper=0, load=0, max_load=0, position=0,
              status=0, level=0, abilities=(0, 0, 0, 0, 0, 0), active=0, spells=()):
    items = list(pack) + [0] * (25 - len(pack))
    table = list(spells) + [0] * (26 - len(spells))
    out = text(name)
    out += struct.pack("<6h", cls, race, gender, age, alignment, weapon)
    out += struct.pack("<25h", *items)
    out += struct.pack("<3h", len(pack), to_hit, armor)
    out += struct.pack("<i", experience)
    out += struct.pack("<3h", max_hp, hp, ac)
    out += struct.pack("<3i", gold, silver, copper)
    out += struct.pack("<5h", load, max_load, position, status, level)
    out += struct.pack("<6h", *abilities)
    out += struct.pack("<h", active)
    out += struct.pack("<5h", 0, 0, 0, 0, 0)  # reserved
    out += struct.pack("<3h", 0, 0, 0)  # battle command, battle target, reserved
    out += struct.pack("<26h", *table)
    out += struct.pack("<3h", 0, 0, 0)  # the spell being cast
    assert len(out) == 190 + len(name.encode("cp1252"))
    return out


def evro(position=2, active=-1):
    return character("Evro", cls=2, race=0, gender=0, age=48, alignment=1, to_hit=18, max_hp=4, hp=4, ac=9,
                     max_load=1600, position=position, status=1, level=1, abilities=(15, 13, 11, 17, 12, 9),
                     active=active)


def sharah(position=1, active=-1):
    return character("Sharah", cls=3, race=3, gender=1, age=38, alignment=0, weapon=6, pack=(20, 203, 24),
                     to_hit=18, armor=17, experience=1250, max_hp=6, hp=5, ac=4, gold=120, silver=7, copper=3,
                     load=350, max_load=1600, position=position, status=1 | 4, level=2,
                     abilities=(15, 16, 14, 12, 8, 10), active=active, spells=(1, 1, 3, 3))


def saved_game(party, block=0, x=4, y=10, cell=164, facing=3, hour=13, minute=0, step=0.0, log="", clues="",
               num_players=None):
    out = struct.pack("<h", len(party) if num_players is None else num_players)
    for slot in range(4):
        out += party[slot] if slot < len(party) else character()
    out += struct.pack("<5h", block, x, y, cell, facing)
    for number in range(26):
        cells = [-1] * 26
        pending = [0] * 26
        if number < 22:
            cells[0] = 17 + number
            pending[0] = -1
        out += struct.pack("<26h", *cells) + struct.pack("<26h", *pending) + struct.pack("<h", 3)
    out += struct.pack("<2hf", hour, minute, step)
    out += struct.pack("<h", -1)  # RoomRented
    out += struct.pack("<3i", 5000, 20, 1)  # the bank account
    out += struct.pack("<h", 0)  # SearchMode
    out += struct.pack("<15h", *([0, -1] + [0] * 13))
    out += struct.pack("<h", 0)  # WagonRide
    out += text(log) + text(clues)
    return out


def write(folder, name, data):
    with open(os.path.join(HERE, folder, name), "wb") as file:
        file.write(data)


def main():
    good_evro = evro()
    write("chr", "evro.chr", good_evro)
    write("chr", "sharah.chr", sharah())
    write("chr", "accented.chr", character("Éowyn Þórr", cls=1, race=1, gender=1, age=120, alignment=3,
                                           max_hp=4, hp=4, ac=9, max_load=1600, status=1, level=1))
    write("chr", "empty.chr", b"")
    write("chr", "truncated_fields.chr", good_evro[:100])
    write("chr", "truncated_name.chr", struct.pack("<H", 300) + b"Evro")
    write("chr", "trailing_bytes.chr", good_evro + b"\0\0")
    bad_pack = bytearray(good_evro)
    struct.pack_into("<h", bad_pack, 64 + 4, 30)
    write("chr", "pack_count_30.chr", bytes(bad_pack))
    bad_class = bytearray(good_evro)
    struct.pack_into("<h", bad_class, 2 + 4, 9)
    write("chr", "class_9.chr", bytes(bad_class))
    bad_spell = bytearray(sharah())
    struct.pack_into("<h", bad_spell, 132 + 6 + 2, 99)
    write("chr", "spell_99.chr", bytes(bad_spell))

    two = [sharah(1), evro(2)]
    log = "Day 1: the king spoke.\r\nWe rented a room."
    good_game = saved_game(two, log=log, clues="The password is not RUINS.")
    write("dms", "two_characters.dms", good_game)
    write("dms", "empty_party.dms", saved_game([]))
    write("dms", "crypt_step.dms", saved_game([evro(1)], block=11, x=3, y=2, cell=17, facing=0, hour=23,
                                              minute=59, step=1.0))
    write("dms", "block9.dms", saved_game([evro(1)], block=9, x=2, y=1, cell=14, facing=2))
    write("dms", "empty.dms", b"")
    write("dms", "truncated.dms", good_game[:1000])
    write("dms", "truncated_clues.dms", good_game[:-5])
    write("dms", "trailing_bytes.dms", good_game + b"x")
    write("dms", "num_players_5.dms", struct.pack("<h", 5) + good_game[2:])
    write("dms", "num_players_negative.dms", struct.pack("<h", -1) + good_game[2:])
    write("dms", "position_mismatch.dms", saved_game([sharah(2), evro(1)]))
    write("dms", "inactive_member.dms", saved_game([sharah(1), evro(2, active=0)]))
    write("dms", "active_empty_slot.dms", saved_game([sharah(1), evro(2)], num_players=1))
    write("dms", "block_30.dms", saved_game(two, block=30))
    write("dms", "cell_off_the_map.dms", saved_game(two, x=4, y=10, cell=165))
    write("dms", "column_beyond_width.dms", saved_game(two, block=11, x=8, y=0, cell=8))
    write("dms", "facing_4.dms", saved_game(two, facing=4))
    write("dms", "hour_24.dms", saved_game(two, hour=24))
    write("dms", "minute_60.dms", saved_game(two, minute=60))
    write("dms", "step_half.dms", saved_game(two, step=0.5))
    write("dms", "step_nan.dms", saved_game(two, step=float("nan")))
    bad_cell = bytearray(good_game)
    struct.pack_into("<h", bad_cell, 2 + 196 + 194 + 190 + 190 + 10, 4000)
    write("dms", "encounter_cell_4000.dms", bytes(bad_cell))
    bad_pack = bytearray(good_game)
    struct.pack_into("<h", bad_pack, 2 + 196 + 64 + 4, 25)
    write("dms", "pack_count_25.dms", bytes(bad_pack))


if __name__ == "__main__":
    main()
