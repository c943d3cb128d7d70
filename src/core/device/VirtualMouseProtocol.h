// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex::vmouse {

// The virtual mouse speaks a line protocol over a local stream socket: one
// request per line, ASCII, fields separated by single spaces, bytes as two
// hexadecimal digits. Every request is answered by exactly one line, except
// LISTEN, which turns the connection into an event stream.
//
//   SET b0 b1 b2 b3 b4 b5 b6 b7   -> "OK" | "ERR <reason>"      SET_REPORT(Feature)
//   GET                           -> "DATA b0 .. b7" | "ERR <reason>"  GET_REPORT(Feature)
//   PRESENT                       -> "YES" | "NO"
//   EVENT <words...>              -> "OK" | "ERR <reason>"      a person using the mouse
//   LISTEN                        -> "OK", then unsolicited lines:
//                                    "IN b0 .. b7" (input report), "PLUG", "UNPLUG"
//
// A line that is not one of these, or longer than MaxLineLength, makes the
// server drop that client; other clients are not affected.

constexpr int MaxLineLength = 256;
constexpr char LineEnd = '\n';

inline constexpr char CmdSet[] = "SET";
inline constexpr char CmdGet[] = "GET";
inline constexpr char CmdPresent[] = "PRESENT";
inline constexpr char CmdEvent[] = "EVENT";
inline constexpr char CmdListen[] = "LISTEN";

inline constexpr char ReplyOk[] = "OK";
inline constexpr char ReplyError[] = "ERR";
inline constexpr char ReplyData[] = "DATA";
inline constexpr char ReplyYes[] = "YES";
inline constexpr char ReplyNo[] = "NO";

inline constexpr char StreamInput[] = "IN";
inline constexpr char StreamPlug[] = "PLUG";
inline constexpr char StreamUnplug[] = "UNPLUG";

// Where every program looks for the virtual mouse unless told otherwise:
// $XDG_RUNTIME_DIR/orvex-virtual-mouse.sock, or, when there is no runtime
// folder, /tmp/orvex-$UID/orvex-virtual-mouse.sock. Creates nothing.
QString defaultSocketPath();
// defaultSocketPath(), with its /tmp folder made private to this user first
// (RuntimeFolder::path), so that no other user can take the path
// or put a server of their own there. Empty, with a one-line *error, when
// that folder cannot be trusted.
QString prepareDefaultSocketPath(QString *error);

} // namespace orvex::vmouse
