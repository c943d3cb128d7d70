#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the keyed-archive samples the .mac reader is tested against.

Each sample holds the macro "Sample macro" (loopTime 1) with two steps:
(keyCode 4, keyFlag 1, delay 20) and (keyCode 4, keyFlag 0, delay 20),
laid out the way different keyed archivers lay it out:

  inline-integers.mac  binary; integers inline, name a plain string, the class
                       dictionaries after the children (the platform archiver)
  integer-objects.mac  binary; every integer a UID to its own slot, the name an
                       NSMutableString object, slots in a shuffled order
  xml-archive.mac      XML property list; UIDs as {"CF$UID": n} dictionaries,
                       class names with a module prefix ("Orvex.MacroInfo")
  nul-in-name.mac      as inline-integers.mac, with the name "Sample macro\0junk"

Run from this folder: python3 make_archives.py
"""
import plistlib
from plistlib import UID

STEPS = [(4, 1, 20), (4, 0, 20)]
NAME = "Sample macro"


def archive(objects):
    return {"$archiver": "NSKeyedArchiver", "$version": 100000,
            "$top": {"root": UID(1)}, "$objects": objects}


def cls(name, *chain):
    return {"$classname": name, "$classes": [name, *chain, "NSObject"]}


def inline_integers():
    return archive([
        "$null",
        {"loopTime": 1, "nameStr": UID(2), "keyInfoArr": UID(3), "$class": UID(8)},
        NAME,
        {"NS.objects": [UID(4), UID(6)], "$class": UID(7)},
        {"keyCode": 4, "keyFlag": 1, "delay": 20, "$class": UID(5)},
        cls("MacroKeyInfo"),
        {"keyCode": 4, "keyFlag": 0, "delay": 20, "$class": UID(5)},
        cls("NSMutableArray", "NSArray"),
        cls("MacroInfo"),
    ])


def integer_objects():
    # Slots: 1 root, 2..4 classes, 5 name, 6 array, 7..8 steps, 9.. numbers.
    objects = ["$null", None, cls("MacroInfo"), cls("MacroKeyInfo"),
               cls("NSMutableArray", "NSArray"), None, None, None, None]
    numbers = {}

    def number(value):
        if value not in numbers:
            numbers[value] = len(objects)
            objects.append(value)
        return UID(numbers[value])

    objects[1] = {"$class": UID(2), "keyInfoArr": UID(6), "nameStr": UID(5), "loopTime": number(1)}
    objects[5] = {"NS.string": NAME, "$class": UID(len(objects))}
    objects.append(cls("NSMutableString", "NSString"))
    objects[6] = {"$class": UID(4), "NS.objects": [UID(8), UID(7)]}
    objects[8] = {"$class": UID(3), "keyCode": number(4), "keyFlag": number(1), "delay": number(20)}
    objects[7] = {"$class": UID(3), "keyCode": number(4), "keyFlag": number(0), "delay": number(20)}
    return archive(objects)


def to_xml_uids(value):
    if isinstance(value, UID):
        return {"CF$UID": value.data}
    if isinstance(value, dict):
        return {k: to_xml_uids(v) for k, v in value.items()}
    if isinstance(value, list):
        return [to_xml_uids(v) for v in value]
    return value


def xml_archive():
    data = inline_integers()
    data["$objects"][8] = cls("Orvex.MacroInfo")
    return to_xml_uids(data)


def nul_in_name():
    data = inline_integers()
    data["$objects"][2] = NAME + "\0junk"
    return data


with open("nul-in-name.mac", "wb") as f:
    plistlib.dump(nul_in_name(), f, fmt=plistlib.FMT_BINARY, sort_keys=False)
with open("inline-integers.mac", "wb") as f:
    plistlib.dump(inline_integers(), f, fmt=plistlib.FMT_BINARY, sort_keys=False)
with open("integer-objects.mac", "wb") as f:
    plistlib.dump(integer_objects(), f, fmt=plistlib.FMT_BINARY, sort_keys=False)
with open("xml-archive.mac", "wb") as f:
    plistlib.dump(xml_archive(), f, fmt=plistlib.FMT_XML, sort_keys=False)
