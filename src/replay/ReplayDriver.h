#pragma once

#include "ReplayUser.h"

#include <iosfwd>

namespace formules {

// Runs a script of user events on the program, done by the given user on its toolkit (in
// memory, the real Qt windows, or the windows of a web page), and writes a transcript: how tests
// drive whole user stories, and how anyone can check a behaviour without a screen. Every toolkit
// gives the same transcript.
//
// One command a line; blank lines and lines starting with # are ignored:
//   decimal ","                    the decimal separator numbers are written with from now on
//   show FormN                     the toolkit's show operation
//   click FormN.Name               a click on a button or menu entry of a visible window
//   close FormN                    closing a visible window from its title bar
//   type FormN.TextK "abc"         typing at the end of the box, one character after the other
//   erase FormN.TextK N            N backspaces at the end of the box
//   paste FormN.TextK "text"       select all and paste the text
//   read FormN.Name                what the user reads in a control: "text" and its text
//   read FormN                     what the user reads in the window's title bar
//   number "text"                  the numeric value of the text and the text of that number
//   address                        the address of the calculation shown: "address" and its
//                                  fragment, "" when none
//   open "text"                    opens the calculation an address names, as the program does
//                                  when it starts with one
//   dump                           the quantities and every existing window's boxes
// Texts are in double quotes with the escapes \\ \" \t \n. A message box that opens is written
// as "message" and its text, and closed with OK. A bad line prints "error N: reason" and the
// run goes on; the result is then 1 instead of 0.
int runReplay(std::istream& script, std::ostream& transcript, ReplayUser& user);

} // namespace formules
