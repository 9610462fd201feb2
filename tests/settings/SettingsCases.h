// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Settings files as the desktop, a user's editor or a damaged disk may have left them, with
// what the desktop's Qt settings made of each: the core must read them all the same.
struct SettingsCase {
    const char* name;
    const char* text;  // nullptr: no file at all
    const char* com1;
    const char* com2;
    bool readFirst;
    bool verify;
    const char* logFolder;
};

inline constexpr SettingsCase kSettingsCases[] = {
    {"no file", nullptr, "/dev/ttyS0", "/dev/ttyS1", false, false, ""},
    {"as the desktop writes it",
     "[SerialDevices]\nCOM1=/dev/ttyUSB0\nCOM2=\"/dev/by-id/a,b\"\n\n"
     "[Write]\nReadRadioFirst=true\nVerifyAfterWriting=false\n\n"
     "[Fleet]\nLogFolder=\"/home/dealer/logs, shop\"\n",
     "/dev/ttyUSB0", "/dev/by-id/a,b", true, false, "/home/dealer/logs, shop"},
    {"edited by hand",
     "\xEF\xBB\xBF[ SerialDevices ]\r\n; mine\r\n  COM1 = /dev/tty USB0  ; cable\r\n"
     "COM2=\"/dev/x\" y\\x41\r\n[Write]\r\nReadRadioFirst=Yes\r\nVerifyAfterWriting=FALSE\r\n"
     "[Fleet]\r\nLogFolder = /srv/radio logs  ; the shop's share\r\n",
     "/dev/tty USB0", "/dev/xyA", true, false, "/srv/radio logs"},
    {"escapes and a continued line",
     "[SerialDevices]\nCOM1=\"/dev/a b;c\"\nCOM2=/dev/q\\\"\\\\\\t\\101\\\n  x\n", "/dev/a b;c",
     "/dev/q\"\\\tA  x", false, false, ""},
    {"unusable entries",
     "[SerialDevices]\nCOM1=ttyUSB0\nCOM2=/dev/a,/dev/b\n"
     "[Write]\nReadRadioFirst=0\nVerifyAfterWriting=@Invalid()\n[Fleet]\nLogFolder=logs\n",
     "/dev/ttyS0", "/dev/ttyS1", false, false, ""},
    {"later entries win",
     "[Write]\nReadRadioFirst=true\n[SerialDevices]\nCOM1=/dev/one\nCOM1=/dev/two\n"
     "[Write]\nReadRadioFirst=false\nVerifyAfterWriting=1\n",
     "/dev/two", "/dev/ttyS1", false, true, ""},
    {"garbled",
     "\x01\xfe\xff\n[SerialDevices\nCOM1\ncom2=/dev/lower\n=/dev/nokey\nCOM2 /dev/x\n"
     "[Write\nVerifyAfterWriting=yes",
     "/dev/ttyS0", "/dev/ttyS1", false, true, ""},
};
