#!/usr/bin/env python3
"""Writes the committed sample files of the character-file and saved-game
loaders: good files, truncated ones and damaged ones. The loaders' corpus test
feeds every file here to them; the scenario tests and the inspector test use
some of them too. Each folder's `judged.txt` says, worked out here by hand,
which samples the loader accepts and, for the others, the byte and field at
which it refuses them. Run it from anywhere to regenerate the samples on
purpose:

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
              status=0, level=0, abilities=(0, 0, 0, 0, 0, 0), active=0, spells=(), pack_count=None,
              reserved=(0, 0, 0, 0, 0), reserved2=0):
    items = list(pack) + [0] * (25 - len(pack))
    table = list(spells) + [0] * (26 - len(spells))
    out = text(name)
    out += struct.pack("<6h", cls, race, gender, age, alignment, weapon)
    out += struct.pack("<25h", *items)
    out += struct.pack("<3h", len(pack) if pack_count is None else pack_count, to_hit, armor)
    out += struct.pack("<i", experience)
    out += struct.pack("<3h", max_hp, hp, ac)
    out += struct.pack("<3i", gold, silver, copper)
    out += struct.pack("<5h", load, max_load, position, status, level)
    out += struct.pack("<6h", *abilities)
    out += struct.pack("<h", active)
    out += struct.pack("<5h", *reserved)
    out += struct.pack("<3h", 0, 0, reserved2)  # battle command, battle target, reserved
    out += struct.pack("<26h", *table)
    out += struct.pack("<3h", 0, 0, 0)  # the spell being cast
    assert len(out) == 190 + len(name.encode("cp1252"))
    return out


def evro(position=2, active=-1, name="Evro", **changes):
    fields = dict(cls=2, race=0, gender=0, age=48, alignment=1, to_hit=18, max_hp=4, hp=4, ac=9, max_load=1600,
                  position=position, status=1, level=1, abilities=(15, 13, 11, 17, 12, 9), active=active)
    fields.update(changes)
    return character(name, **fields)


def sharah(position=1, active=-1):
    return character("Sharah", cls=3, race=3, gender=1, age=38, alignment=0, weapon=6, pack=(20, 203, 24),
                     to_hit=18, armor=17, experience=1250, max_hp=6, hp=5, ac=4, gold=120, silver=7, copper=3,
                     load=350, max_load=1600, position=position, status=1 | 4, level=2,
                     abilities=(15, 16, 14, 12, 8, 10), active=active, spells=(1, 1, 3, 3))


def saved_game(party, block=0, x=4, y=10, cell=164, facing=3, hour=13, minute=0, step=0.0, log="", clues="",
               num_players=None, room_rented=-1, search_mode=0, wagon_ride=0, encounters=None):
    out = struct.pack("<h", len(party) if num_players is None else num_players)
    for slot in range(4):
        out += party[slot] if slot < len(party) else character()
    out += struct.pack("<5h", block, x, y, cell, facing)
    for number in range(26):
        cells, pending, random_left = encounter_block(number)
        if encounters and number in encounters:
            cells, pending, random_left = encounters[number](cells, pending, random_left)
        out += struct.pack("<26h", *cells) + struct.pack("<26h", *pending) + struct.pack("<h", random_left)
    out += struct.pack("<2hf", hour, minute, step)
    out += struct.pack("<h", room_rented)
    out += struct.pack("<3i", 5000, 20, 1)  # the bank account
    out += struct.pack("<h", search_mode)
    out += struct.pack("<15h", *([0, -1] + [0] * 13))
    out += struct.pack("<h", wagon_ride)
    out += text(log) + text(clues)
    return out


def encounter_block(number):
    """Blocks 0..21 have one pending encounter and three random ones; blocks
    22..25 have no map and stay empty."""
    cells = [-1] * 26
    pending = [0] * 26
    if number >= 22:
        return cells, pending, 0
    cells[0] = 17 + number
    pending[0] = -1
    return cells, pending, 3


# Where the fields of a saved game start, for a party of `names` (the name
# lengths of slots 0..3) and fields of the character record at `offset` in a slot.
def slot_start(names, slot):
    return 2 + sum(190 + len(name) for name in names[:slot])


def party_end(names):
    return slot_start(names, 4)


def encounters_start(names):
    return party_end(names) + 10


JUDGED = {"chr": [], "dms": []}


def write(folder, name, data, refused_at=None):
    """Writes a sample; `refused_at` is (byte, field) where the loader refuses
    it, or None for a file it accepts."""
    with open(os.path.join(HERE, folder, name), "wb") as file:
        file.write(data)
    if refused_at is None:
        JUDGED[folder].append(name + " good")
    else:
        JUDGED[folder].append("%s byte %d, %s" % (name, refused_at[0], refused_at[1]))


def write_judged():
    for folder, lines in JUDGED.items():
        with open(os.path.join(HERE, folder, "judged.txt"), "w") as file:
            file.write("".join(line + "\n" for line in sorted(lines)))


def main():
    good_evro = evro()
    write("chr", "evro.chr", good_evro)
    write("chr", "sharah.chr", sharah())
    write("chr", "accented.chr", character("Éowyn Þórr", cls=1, race=1, gender=1, age=120, alignment=3,
                                           max_hp=4, hp=4, ac=9, max_load=1600, status=1, level=1))
    write("chr", "empty.chr", b"", (0, "Name"))
    write("chr", "truncated_fields.chr", good_evro[:100], (100, "Position"))
    write("chr", "truncated_name.chr", struct.pack("<H", 300) + b"Evro", (0, "Name"))
    write("chr", "trailing_bytes.chr", good_evro + b"\0\0", (194, "(end of the record)"))
    bad_pack = bytearray(good_evro)
    struct.pack_into("<h", bad_pack, 64 + 4, 30)
    write("chr", "pack_count_30.chr", bytes(bad_pack), (68, "PackCount"))
    bad_class = bytearray(good_evro)
    struct.pack_into("<h", bad_class, 2 + 4, 9)
    write("chr", "class_9.chr", bytes(bad_class), (6, "Class"))
    bad_spell = bytearray(sharah())
    struct.pack_into("<h", bad_spell, 132 + 6 + 2, 99)
    write("chr", "spell_99.chr", bytes(bad_spell), (140, "Spells[1]"))
    # The record's rules, one sample each (Evro's fields: Weapon at 16, Pack
    # at 18, Armor 72, MaxLoad 98, Status 102, Active 118, Reserved 120..128,
    # Reserved2 134).
    write("chr", "pack_beyond_count.chr", evro(pack=(3,), pack_count=0), (18, "Pack[0]"))
    write("chr", "pack_item_21.chr", evro(pack=(21,)), (18, "Pack[0]"))
    write("chr", "weapon_27.chr", evro(weapon=27), (16, "Weapon"))
    write("chr", "armor_705.chr", evro(armor=705), (72, "Armor"))
    write("chr", "max_load_1200.chr", evro(max_load=1200), (98, "MaxLoad"))
    write("chr", "status_bit_8.chr", evro(status=1 | 8), (102, "Status"))
    write("chr", "active_1.chr", evro(active=1), (118, "Active"))
    write("chr", "reserved_3.chr", evro(reserved=(0, 0, 3, 0, 0)), (124, "Reserved[2]"))
    write("chr", "reserved2_1.chr", evro(reserved2=1), (134, "Reserved2"))

    two = [sharah(1), evro(2)]
    names = ["Sharah", "Evro", "", ""]
    end = party_end(names)
    encounters = encounters_start(names)
    clock = encounters + 26 * 106
    log = "Day 1: the king spoke.\r\nWe rented a room."
    clues = "The password is not RUINS."
    good_game = saved_game(two, log=log, clues=clues)
    write("dms", "two_characters.dms", good_game)
    write("dms", "empty_party.dms", saved_game([]))
    write("dms", "crypt_step.dms", saved_game([evro(1)], block=11, x=3, y=2, cell=17, facing=0, hour=23,
                                              minute=59, step=1.0))
    write("dms", "block9.dms", saved_game([evro(1)], block=9, x=2, y=1, cell=10, facing=2))
    write("dms", "empty.dms", b"", (0, "NumPlayers"))
    write("dms", "truncated.dms", good_game[:1000], (1000, "Encounters[2].Cell[3]"))
    write("dms", "truncated_clues.dms", good_game[:-5], (len(good_game) - 2 - len(clues), "CluesText"))
    write("dms", "trailing_bytes.dms", good_game + b"x", (len(good_game), "(end of the record)"))
    write("dms", "num_players_5.dms", struct.pack("<h", 5) + good_game[2:], (0, "NumPlayers"))
    write("dms", "num_players_negative.dms", struct.pack("<h", -1) + good_game[2:], (0, "NumPlayers"))
    write("dms", "position_mismatch.dms", saved_game([sharah(2), evro(1)]),
          (slot_start(names, 0) + 96 + 6, "Party[0].Position"))
    write("dms", "inactive_member.dms", saved_game([sharah(1), evro(2, active=0)]),
          (slot_start(names, 1) + 114 + 4, "Party[1].Active"))
    write("dms", "active_empty_slot.dms", saved_game([sharah(1), evro(2)], num_players=1),
          (slot_start(names, 1) + 114 + 4, "Party[1].Active"))
    write("dms", "block_30.dms", saved_game(two, block=30), (end, "CurrentBlock"))
    write("dms", "cell_off_the_map.dms", saved_game(two, x=4, y=10, cell=165), (end + 6, "PosCell"))
    write("dms", "column_beyond_width.dms", saved_game(two, block=11, x=8, y=0, cell=8), (end + 2, "PosX"))
    # The Lair is 5 cells wide: row 80 would be cell 400, beyond the grid.
    write("dms", "row_beyond_grid.dms", saved_game(two, block=21, x=0, y=80, cell=400), (end + 4, "PosY"))
    write("dms", "facing_4.dms", saved_game(two, facing=4), (end + 8, "Facing"))
    write("dms", "hour_24.dms", saved_game(two, hour=24), (clock, "GameHour"))
    write("dms", "minute_60.dms", saved_game(two, minute=60), (clock + 2, "GameMinute"))
    write("dms", "step_half.dms", saved_game(two, step=0.5), (clock + 4, "StepFraction"))
    write("dms", "step_nan.dms", saved_game(two, step=float("nan")), (clock + 4, "StepFraction"))
    bad_cell = bytearray(good_game)
    struct.pack_into("<h", bad_cell, encounters, 4000)
    write("dms", "encounter_cell_4000.dms", bytes(bad_cell), (encounters, "Encounters[0].Cell[0]"))
    bad_pack = bytearray(good_game)
    struct.pack_into("<h", bad_pack, slot_start(names, 1) + 64 + 4, 25)
    write("dms", "pack_count_25.dms", bytes(bad_pack), (slot_start(names, 1) + 68, "Party[1].PackCount"))
    # The record's rules, one sample each.
    bad_item = bytearray(good_game)
    struct.pack_into("<h", bad_item, slot_start(names, 0) + 14 + 6 + 2, 22)
    write("dms", "pack_item_22.dms", bytes(bad_item), (slot_start(names, 0) + 22, "Party[0].Pack[1]"))
    write("dms", "status_bit_32.dms", saved_game([sharah(1), evro(2, status=1 | 32)]),
          (slot_start(names, 1) + 98 + 4, "Party[1].Status"))
    write("dms", "twins.dms", saved_game([sharah(1), evro(2, name="Sharah")]),
          (slot_start(names, 1), "Party[1].Name"))

    def pending_one(cells, pending, random_left):
        return cells, [1] + pending[1:], random_left

    def cell_in_block_without_map(cells, pending, random_left):
        return cells[:4] + [30] + cells[5:], pending, random_left

    def random_in_block_without_map(cells, pending, random_left):
        return cells, pending, 2

    write("dms", "pending_1.dms", saved_game(two, encounters={5: pending_one}),
          (encounters + 5 * 106 + 52, "Encounters[5].Pending[0]"))
    write("dms", "block_23_cell.dms", saved_game(two, encounters={23: cell_in_block_without_map}),
          (encounters + 23 * 106, "Encounters[23].Cell[0]"))
    write("dms", "block_24_random.dms", saved_game(two, encounters={24: random_in_block_without_map}),
          (encounters + 24 * 106, "Encounters[24].Cell[0]"))
    write("dms", "room_rented_1.dms", saved_game(two, room_rented=1), (clock + 8, "RoomRented"))
    write("dms", "search_mode_1.dms", saved_game(two, search_mode=1), (clock + 22, "SearchMode"))
    write("dms", "wagon_ride_2.dms", saved_game(two, wagon_ride=2), (clock + 54, "WagonRide"))
    write_judged()


if __name__ == "__main__":
    main()
